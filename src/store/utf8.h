#pragma once

#include <string>
#include <string_view>

// Work on UTF-8 text as SQLite hands it over, without converting it to QString: the search
// runs these once for every stored programme, so they must not allocate per character.
namespace obzorka::store::utf8 {

// Every letter in lower case (Unicode simple case mapping, so "ZPRÁVY" becomes "zprávy"),
// written to out, which must hold lowerCapacity(text.size()) bytes; returns the length.
size_t lower(std::string_view text, char* out);
constexpr size_t lowerCapacity(size_t length)
{
    // A lower-case letter takes at most one byte more than its capital (two bytes become
    // three at worst), so half as much again always suffices.
    return length + length / 2 + 4;
}

// The 1-based position, in characters, of needle in text at or after character start
// (1-based), or 0 when it does not occur there.
long long find(std::string_view text, std::string_view needle, long long start);

} // namespace obzorka::store::utf8
