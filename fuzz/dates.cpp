// Date texts, read directly and through the SQL dialect.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(dateText)
