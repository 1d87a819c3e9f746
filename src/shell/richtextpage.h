#pragma once

#include <QString>

namespace obzorka {

// A built page made ready for Qt's rich-text view, so that it looks as in a web browser:
// the comment markers around the style rules are dropped (Qt would skip the rules), and the
// body's TEXT colour is handed out separately (Qt ignores the attribute). The page text the
// builders return keeps both.
struct RichTextPage
{
    QString html;
    QString textColour; // empty when the body names none
};

RichTextPage adaptForRichText(const QString& page);

} // namespace obzorka
