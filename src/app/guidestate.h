#pragma once

#include "pages/generhtml.h"
#include "store/datafolder.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace obzorka::app {

// What the main window keeps for the whole run and the rest of the program reads: the server
// addresses, the data folders, the account and the current station page. Owned by the
// application, shared by reference.
struct GuideState
{
    QString data_server;
    QString data_serverobr;
    QString data_serverpath = QStringLiteral("/program");

    QString dataFolder;
    QString adr_htmltemp;
    QString adr_bmp;
    QString adr_icon;

    QString data_jmeno;
    QString data_heslo;

    // The current station page from 0; -1 while start-up fills the controls, which also tells
    // the handlers not to build pages or store settings.
    int zvoleno4 = -1;
    int upozornit_minutpredem = 5;
    bool povoleno_stahovani = true;
    QDate zvolenedatum;

    // The grid last built (type, from, to, the four stations), for its print version.
    QString genervypiscombo4;
    QString genervypiscombo2;
    QString genervypiscombo3;
    QStringList genervypisgenertv;
    // The search last shown, for paging, "Zpět" and its print version; no search yet while
    // hledejod is empty.
    pages::SearchQuery hledej;
    QString hledejod;
    // Where the grid and the search results were scrolled when a detail page was opened.
    int bodyscrollposltop = 0;
    int bodyhledejscrollposltop = 0;

    void useDataFolder(const store::DataFolder& folder)
    {
        dataFolder = folder.path;
        adr_htmltemp = folder.temp;
        adr_bmp = folder.bmp;
        adr_icon = folder.icons;
    }
    bool starting() const { return zvoleno4 < 0; }
    bool hasAccount() const { return !data_jmeno.isEmpty() && !data_heslo.isEmpty(); }
};

// "Obzorka - verze 0.1.0", then " - " and the login name when there is one.
QString form1caption(const QString& loginName);

} // namespace obzorka::app
