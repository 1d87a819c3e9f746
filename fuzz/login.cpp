// Replies to the login request, as the listing server sends them.
#include "runentry.h"

OBZORKA_FUZZ_TARGET(loginReply)
