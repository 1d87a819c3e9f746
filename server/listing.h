#pragma once

#include "programmetable.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

// What the reference listing server serves, whatever it comes from (XMLTV files or the demo
// generator): stations, programme entries, a message, banners and illustration images.
namespace obzorka::server {

// A station and its number; the number's range is its group in the guide's search:
// 1-4 basic Czech, 1-999 Czech, 1000-1999 Slovak, 2000-2999 Polish, 3000-3999 German,
// 4000-4999 English, 5000 and up other foreign.
struct Station
{
    QString name;
    int number = 0;
};

struct Banner
{
    QString id;    // a plain name: also the banner's folder
    QDate lastDay; // shown up to and including this day
    QByteArray indexHtml;
    QByteArray bannerGif;
    QMap<QString, QByteArray> otherFiles; // more files of the banner, by plain name
};

struct Listings
{
    QList<Station> stations;
    ProgrammeTable programmes;
    // Entries served once and changed since: the same ids with new contents.
    ProgrammeTable changes;
    QString message; // the server's message to its users, may be empty
    QList<Banner> banners;
    QMap<QString, QByteArray> images; // illustrations by file name
};

} // namespace obzorka::server
