#include "shell/datafolder.h"

#include "shell/guidestate.h"

#include <QDir>

namespace obzorka {

bool prepareDataFolder(const QString& folder, GuideState& state, QString* error)
{
    state.dataFolder = folder;
    state.adr_htmltemp = folder + QStringLiteral("/temp");
    state.adr_bmp = folder + QStringLiteral("/bmp");
    state.adr_icon = folder + QStringLiteral("/icons");

    for (const QString& sub : {QStringLiteral("/bmp/obr"), QStringLiteral("/bmp/banner"),
                               QStringLiteral("/temp"), QStringLiteral("/icons")}) {
        if (!QDir().mkpath(folder + sub)) {
            if (error)
                *error = QStringLiteral("Složku „%1“ nelze vytvořit.")
                             .arg(QDir::toNativeSeparators(folder + sub));
            return false;
        }
    }
    return true;
}

} // namespace obzorka
