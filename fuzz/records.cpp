// Bodies of listing replies.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(listingRecords)
