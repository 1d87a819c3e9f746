#pragma once

#include <QString>

// The page builders: each returns a whole HTML page as text, built from fixed fragments
// without line breaks; stored texts go in as they are.
namespace obzorka::generhtml {

// "<HTML><HEAD><TITLE>Televizní program</TITLE>": how every page begins.
QString pageStart();
// The character-set declaration and the end of the head.
QString metaAndHeadEnd();
// The body tag of every page but the detail page.
QString standardBody();
// "</BODY></HTML>".
QString pageEnd();

// A page that shows one message, centred (waiting and status texts).
QString generzprava(const QString& message);

} // namespace obzorka::generhtml
