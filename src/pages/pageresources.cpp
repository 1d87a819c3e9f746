#include "pages/pageresources.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace obzorka::pages {
namespace {

// The local path a page's image source names; empty for anything but a local file. Pages
// write plain paths; a one-letter scheme is the drive letter of one.
QString localPath(const QUrl& name)
{
    if (name.isLocalFile())
        return name.toLocalFile();
    if (name.scheme().isEmpty())
        return name.path();
    if (name.scheme().size() == 1)
        return name.toString(QUrl::FullyDecoded);
    return {};
}

} // namespace

PageResources::PageResources(const QStringList& folders) : m_folders(folders) {}

std::optional<QByteArray> PageResources::read(const QUrl& name) const
{
    const QString path = localPath(name);
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo file(path);
    const QString resolved = file.canonicalFilePath();
    if (resolved.isEmpty())
        return std::nullopt;
    const bool inside = std::any_of(m_folders.cbegin(), m_folders.cend(), [&](const QString& f) {
        const QString folder = QFileInfo(f).canonicalFilePath();
        return !folder.isEmpty() && resolved.startsWith(folder + u'/');
    });
    const QFileInfo target(resolved);
    if (!inside || !target.isFile() || target.size() > maxBytes)
        return std::nullopt;
    QFile data(resolved);
    if (!data.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file may have grown since it was measured.
    QByteArray bytes = data.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}

} // namespace obzorka::pages
