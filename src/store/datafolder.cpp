#include "store/datafolder.h"

#include "store/wholefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace obzorka::store {

std::optional<DataFolder> prepareDataFolder(const QString& folder, QString* error)
{
    for (const QString& sub : {QStringLiteral("/bmp/obr"), QStringLiteral("/bmp/banner"),
                               QStringLiteral("/temp"), QStringLiteral("/icons")}) {
        if (!QDir().mkpath(folder + sub)) {
            if (error)
                *error = QStringLiteral("Složku „%1“ nelze vytvořit.")
                             .arg(QDir::toNativeSeparators(folder + sub));
            return std::nullopt;
        }
    }
    return DataFolder{folder, folder + QStringLiteral("/temp"), folder + QStringLiteral("/bmp"),
                      folder + QStringLiteral("/icons")};
}

namespace {

const QString installedRoot = QStringLiteral(":/install/");

// The version and a fingerprint of the installed files' names and sizes: a build that adds or
// changes a picture copies again even under the same version.
QByteArray installedEdition()
{
    QStringList files;
    QDirIterator found(installedRoot, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        found.next();
        files << found.filePath() + u' ' + QString::number(found.fileInfo().size());
    }
    files.sort();
    return QByteArrayLiteral(OBZORKA_VERSION " ") +
           QCryptographicHash::hash(files.join(u'\n').toUtf8(), QCryptographicHash::Sha1).toHex();
}

} // namespace

bool installFiles(const QString& folder, QString* error)
{
    QFile marker(folder + QStringLiteral("/.installed-version"));
    const QByteArray version = installedEdition();
    if (marker.open(QIODevice::ReadOnly) && marker.readAll() == version)
        return true;
    marker.close();

    QDirIterator files(installedRoot, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = source.mid(installedRoot.size());
        if (relative == u"schema.sql")
            continue;
        const QString target = folder + u'/' + relative;
        QFile::remove(target);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target) ||
            !QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther)) {
            if (error)
                *error = QStringLiteral("Soubor „%1“ nelze zapsat.")
                             .arg(QDir::toNativeSeparators(target));
            return false;
        }
    }
    return writeWholeFile(marker.fileName(), version, error);
}

FolderLock::~FolderLock()
{
    ::close(m_descriptor);
}

std::unique_ptr<FolderLock> claimDataFolder(const QString& folder, QString* error)
{
    // Close-on-exec: a browser or mail program started from the window must not hold the
    // folder after the window has gone.
    const int descriptor = ::open(QFile::encodeName(folder + QStringLiteral("/obzorka.lock")),
                                  O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A network share without a lock service keeps the folder unguarded rather than the
    // program from starting.
    if (descriptor >= 0 && (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 || errno == ENOLCK))
        return std::make_unique<FolderLock>(descriptor);
    const bool held = descriptor >= 0 && errno == EWOULDBLOCK;
    if (descriptor >= 0)
        ::close(descriptor);
    if (error)
        *error = held ? QStringLiteral("Program Obzorka je již otevřen.")
                      : QStringLiteral("Do složky „%1“ nelze zapisovat; program se ukončí.")
                            .arg(QDir::toNativeSeparators(folder));
    return nullptr;
}

} // namespace obzorka::store
