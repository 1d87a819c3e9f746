#include "store/wholefile.h"

#include <QDir>
#include <QFile>

namespace obzorka::store {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush())
        return true;
    if (error)
        *error = QStringLiteral("Soubor „%1“ nelze zapsat: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

} // namespace obzorka::store
