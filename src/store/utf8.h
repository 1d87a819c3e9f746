#pragma once

#include <string>
#include <string_view>

// Work on UTF-8 text as SQLite hands it over, without converting it to QString: the search
// runs these once for every stored programme, so they must not allocate per character.
namespace obzorka::utf8 {

// Every letter in lower case (Unicode simple case mapping, so "ZPRÁVY" becomes "zprávy").
std::string lower(std::string_view text);

// The 1-based position, in characters, of needle in text at or after character start
// (1-based), or 0 when it does not occur there.
long long find(std::string_view text, std::string_view needle, long long start);

} // namespace obzorka::utf8
