// XMLTV documents the server reads.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(xmltvDocument)
