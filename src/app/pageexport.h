#pragma once

#include "app/options.h"

#include <QString>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::app {

// Writes one page of the guide as a standalone HTML file (windows-1250, as the page declares,
// its images inside it), or for "ical" the marked programmes as an iCalendar file, from the data
// folder, which it opens read-only: to standard output, to the file `out`, or as index.html
// (obzorka.ics) into the folder `out`. Returns the exit status: 0 written, 1
// when the store or the output file cannot be used (the reason in error).
int exportPage(const QString& dataFolder, const ExportRequest& request, QString* error);

// The page text the request asks for, from an open store.
QString buildExportedPage(const QString& dataFolder, const ExportRequest& request,
                          store::Store& store);

} // namespace obzorka::app
