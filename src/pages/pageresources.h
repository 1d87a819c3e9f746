#pragma once

#include <QByteArray>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace obzorka::pages {

// The files a page in a pane may show: regular files inside the given folders (the data
// folder's bmp/ and icons/), with links resolved, of at most maxBytes each. Anything else (a
// device, a FIFO, a folder, a file outside, a network address, one too large) is refused at
// once, without being opened, and the page shows its missing-image look.
class PageResources
{
public:
    static constexpr qint64 maxBytes = 4 * 1024 * 1024;

    explicit PageResources(const QStringList& folders = {});

    // The file's bytes, or nothing when it may not be shown or cannot be read.
    std::optional<QByteArray> read(const QUrl& name) const;

private:
    QStringList m_folders;
};

} // namespace obzorka::pages
