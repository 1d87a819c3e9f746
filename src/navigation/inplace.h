#pragma once

#include <QString>

// Changes of a shown page made in place after a reminder click, without building it again:
// only what was clicked changes. Each flips what the page shows; neither reads the mark.
namespace obzorka::navigation::inplace {

// The time cell whose link has this target, cell and link alike: "cas" becomes "caszvol"
// (gold on red) and anything else "cas". The page unchanged when no such link is in it.
QString flipTimeCell(const QString& page, const QString& target);

// The detail page's reminder link with this target: "NASTAVIT UPOZORNĚNÍ" becomes
// "ZRUŠIT UPOZORNĚNÍ" and the other way round.
QString flipReminderLink(const QString& page, const QString& target);

} // namespace obzorka::navigation::inplace
