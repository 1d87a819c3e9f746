// Targets of the links a page's reader clicks.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(linkTarget)
