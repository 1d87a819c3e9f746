#pragma once

#include <QString>

namespace obzorka::app {

// One download run without a window (obzorka --sync-once): opens the data folder's store,
// stores the account first when a name is given (as the account dialog would), runs, and
// reports in one line. The exit status: 0 after a successful run, 1 after an error reply
// (or when the store cannot be used), 2 when the server cannot be reached.
int syncOnce(const QString& dataFolder, const QString& server, const QString& imageServer,
             const QString& user, const QString& password, QString* report);

} // namespace obzorka::app
