#pragma once

#include <QString>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::reminders {

// Sets the mark of the programme with this id (its text, trimmed) when it has none, and
// removes it, whatever made it, when it has one.
void prepniupozorneni(store::Store& store, const QString& id);

// A click on a start time or on the detail page's reminder link: toggles the mark of a
// programme that exists and has not started yet (a start within the current minute has not).
// False, with nothing changed, otherwise.
bool toggleReminder(store::Store& store, const QString& id);

// Deletes the reminder marks of programmes that ended before the current minute. A mark
// whose programme ends within the current minute stays, and so does one whose programme
// row is gone.
void purgeEndedMarks(store::Store& store);

} // namespace obzorka::reminders
