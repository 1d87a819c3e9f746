#pragma once

struct sqlite3;

namespace obzorka::store {

// Registers on one connection the functions the program's statements are written with:
// DateValue, DateAdd, DateDiff, Now, Date, Day, Month, Year, CStr, CInt, Instr, LCase, Trim,
// the aggregate First, and ContainsText(needle, texts...), which is
// Instr(LCase(text || ...), needle) > 0 in one pass with NULL texts counting as empty, for the
// search. Dates are read as "d.m.yyyy" or ISO text and written as ISO text; Now and Date come from
// the program's clock. Returns false when SQLite refuses one.
bool registerDialect(sqlite3* db);

} // namespace obzorka::store
