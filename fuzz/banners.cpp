// The banner line of a login reply.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(bannerLine)
