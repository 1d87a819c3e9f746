#pragma once

#include <QString>

// Stored texts (titles, information, station names, codes from the server) as they go into a
// page: text, never markup of their own.
namespace obzorka::pages {

// "&", "<", ">" and '"' become entities, so the text reads exactly as sent. The bare tags
// <B>, <I>, <U> (with their closing tags) and <BR>, in any letter case and without
// attributes, stay markup: a server may format its texts with them. A closing tag that
// matches nothing open is dropped, and what is still open at the end is closed there, so a
// field never formats the rest of the page.
QString pageText(const QString& stored);

// A stored text inside a double-quoted attribute: entities only, no markup at all.
QString attributeText(const QString& stored);

} // namespace obzorka::pages
