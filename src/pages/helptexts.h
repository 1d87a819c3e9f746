#pragma once

#include <QString>
#include <vector>

// The wording of the help pages. The builders in help.cpp put it into the page frame, the
// numbered rows and the navigation; this file holds only the Czech texts.
namespace obzorka::pages::helptexts {

// One numbered row: the heading is written as it stands (blanks as "&nbsp;"), the text after
// "- " in the second cell. Both may hold simple markup (a link, <B>, <BR>).
struct Item
{
    QString heading;
    QString text;
};

// The support address of the mail links.
QString supportAddress();

// The 26 items of the classic view, in order; the icons they show follow the image folder.
std::vector<Item> classicViewItems(const QString& imageFolder);
// The rows after them, without numbers: what is on now, the calendar, the text size and the
// keyboard.
const std::vector<Item>& moreClassicViewItems();
// The 10 items of the search, in order.
const std::vector<Item>& searchItems();
// The four rows of the settings page: "NASTAVENÍ", "Obecné", "Klasické&nbsp;zobrazení",
// "Upozorňování&nbsp;na&nbsp;pořady".
const std::vector<Item>& settingsItems();
// The one text cell of the uninstalling page.
QString uninstallText();
// The one text cell of the downloading page; the tray pictures follow the image folder.
QString downloadingText(const QString& imageFolder);

} // namespace obzorka::pages::helptexts
