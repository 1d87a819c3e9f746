#pragma once

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

// One programme entry as the guide stores it: times are hours and minutes of the broadcast
// day, hours of 24 and more after midnight.
struct Programme
{
    qint64 id = 0;
    QString station;
    QDate day;
    int hod1 = 0;
    int min1 = 0;
    int hod2 = 0;
    int min2 = 0;
    QString title;
    QString info1; // short information
    QString info2; // extended information
    bool stereo = false;
    bool subtitles = false;
    bool dual = false;
    bool signLanguage = false;
    QString showview; // video recorder code, may be empty
    QString image1;   // illustration file names, may be empty
    QString image2;
    QString link;
    QChar type; // F T K W P H film, D documentary, Z news, S series, Q children,
                // O sport, X extra, L entertainment; null when unknown

    bool operator==(const Programme&) const = default;
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
    QList<Programme> programmes;
    // Entries served once and changed since: the same ids with new contents.
    QList<Programme> changes;
    QString message; // the server's message to its users, may be empty
    QList<Banner> banners;
    QMap<QString, QByteArray> images; // illustrations by file name
};

} // namespace obzorka::server
