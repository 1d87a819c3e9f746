#pragma once

#include <QString>

namespace obzorka::pages {

// A built page made ready for Qt's rich-text view, so that it looks as in a web browser:
// the comment markers around the style rules are dropped (Qt would skip the rules), the
// body's TEXT colour is handed out separately (Qt ignores the attribute), and two pieces of
// loose table markup that browsers forgive get what Qt needs: a row around cells written
// straight into a table, and no second "</TD>" in a row (a browser ignores it inside a
// nested table; Qt would close the outer cell with it). The page text the builders return
// stays as it is.
struct RichTextPage
{
    QString html;
    QString textColour; // empty when the body names none
};

RichTextPage adaptForRichText(const QString& page);

} // namespace obzorka::pages
