// The texts of a programme record through every page that shows it.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(programmePages)
