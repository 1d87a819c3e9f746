#pragma once

#include <QStringList>

namespace obzorka::server {

// `obzorka-server account add NAME [STATION ...] | passwd NAME | remove NAME | list
// [--data DIR]`: the accounts of the server's data folder. A password is read from the
// terminal without echo, or as one line of standard input when that is not a terminal. Returns
// the exit status: 0 done, 1 refused (with a Czech message), 2 a wrong command line.
int runAccountCommand(const QStringList& arguments);

} // namespace obzorka::server
