#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The banners a login announces: which to fetch and where to keep them.
namespace obzorka::sync {

struct BannerEntry
{
    QString id;        // also the name of the banner's folder
    QString lastDay;   // the last day it is shown, as sent
    QStringList files; // its own files, then "index.html" and "banner.gif"
};

// The entries of the banner line, "id:last day:file,file" separated by ";". An entry whose id
// is not a plain name is left out, and so is any such file name.
QList<BannerEntry> parseBannerEntries(const QString& line);

} // namespace obzorka::sync
