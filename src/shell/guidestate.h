#pragma once

#include <QDate>
#include <QString>

namespace obzorka {

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

    bool starting() const { return zvoleno4 < 0; }
    bool hasAccount() const { return !data_jmeno.isEmpty() && !data_heslo.isEmpty(); }
};

// "Obzorka - verze 0.1.0", then " - " and the login name when there is one.
QString form1caption(const QString& loginName);

} // namespace obzorka
