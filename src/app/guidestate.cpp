#include "app/guidestate.h"

namespace obzorka::app {

QString form1caption(const QString& loginName)
{
    QString caption = QStringLiteral("Obzorka - verze ") + QStringLiteral(OBZORKA_VERSION);
    if (!loginName.isEmpty())
        caption += QStringLiteral(" - ") + loginName;
    return caption;
}

} // namespace obzorka::app
