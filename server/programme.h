#pragma once

#include <QChar>
#include <QDate>
#include <QString>

namespace obzorka::server {

// One programme entry as the guide stores it: times are hours and minutes of the broadcast day,
// hours of 24 and more after midnight.
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

} // namespace obzorka::server
