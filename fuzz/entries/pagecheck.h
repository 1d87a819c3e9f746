#pragma once

#include <QString>

// What every page that shows a programme promises about the texts the server sent for it.
namespace obzorka::fuzz {

// The texts of one programme record as the server sends them.
struct ProgrammeTexts
{
    QString nazev = QStringLiteral("Pořad");
    QString info1{};
    QString info2{};
    QString tv = QStringLiteral("ČT1");
    QString showview{};
    QString obr{};
    QString obr2{};
};

// Makes the GUI application that laying out a page needs, when there is none yet.
void ensureGuiApplication();

// Builds every page that shows the programme (the grid on screen and for paper, the header
// strip, the search results and the detail page), beside a control programme on a second
// station, and reads each as a pane shows it (a QTextDocument). Returns the first broken
// promise, empty when all hold: every text shown reads as sent (formatted by the bare B, I,
// U and BR tags only), no anchor and no picture but the builder's own, and the rest of the
// page (the other column, the footer, the way back) still there and unformatted.
QString checkProgrammePages(const ProgrammeTexts& texts);

} // namespace obzorka::fuzz
