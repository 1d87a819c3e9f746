// Channel map files of the server.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(channelMap)
