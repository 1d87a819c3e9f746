#pragma once

#include <QString>
#include <QStringView>

// Text as the wire to the guide can carry it: windows-1250 has about two hundred letters and signs
// beyond ASCII, and a feed may write any of Unicode's.
namespace obzorka::server::wiretext {

// Every character windows-1250 has stays; a common sign or ligature it lacks gets a stand-in ("œ"
// "oe", "£" "GBP", "…" "..."), a letter with an accent it lacks loses the accent ("ñ" "n"), and
// anything else becomes "?". Control characters become blanks, invisible format characters go.
QString fold(QStringView text);

} // namespace obzorka::server::wiretext
