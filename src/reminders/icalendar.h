#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

// Programmes as an iCalendar file (RFC 5545), for the user's calendar.
namespace obzorka::reminders {

// One event for each programme of these ids that the store holds, in the order given: the
// title, the station as its place, the information as its description, start and end in the
// Europe/Prague zone (described in the file), and an alarm `leadMinutes` before the start.
// Each event's UID comes from the programme's id alone, so a calendar that imports the file
// again replaces its events instead of doubling them. `stamp` is the moment the file is made.
QByteArray icalendar(store::Store& store, const QStringList& ids, int leadMinutes,
                     const QDateTime& stamp);

// The programme's calendar file written into `folder` as obzorka-<id>.ics (the id is a whole
// number, so the name is plain): its path, or empty with the Czech reason in `error`.
QString writeProgrammeCalendar(store::Store& store, const QString& id, int leadMinutes,
                               const QString& folder, QString* error);

// The ids of the marked programmes, by their start.
QStringList markedProgrammes(store::Store& store);

} // namespace obzorka::reminders
