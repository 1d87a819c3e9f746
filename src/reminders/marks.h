#pragma once

namespace obzorka {

class Store;

// Deletes the reminder marks of programmes that ended before the current minute. A mark
// whose programme ends within the current minute stays, and so does one whose programme
// row is gone.
void purgeEndedMarks(Store& store);

} // namespace obzorka
