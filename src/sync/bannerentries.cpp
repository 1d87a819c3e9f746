#include "sync/bannerentries.h"

#include "store/plainname.h"

namespace obzorka::sync {

QList<BannerEntry> parseBannerEntries(const QString& line)
{
    QList<BannerEntry> entries;
    for (const QString& entry : line.split(QLatin1Char(';'))) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        BannerEntry banner{parts.at(0).trimmed(), parts.value(1), {}};
        if (!store::isPlainName(banner.id))
            continue;
        for (const QString& name : parts.value(2).split(QLatin1Char(',')))
            if (store::isPlainName(name.trimmed()))
                banner.files << name.trimmed();
        banner.files << QStringLiteral("index.html") << QStringLiteral("banner.gif");
        entries << banner;
    }
    return entries;
}

} // namespace obzorka::sync
