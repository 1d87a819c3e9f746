#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace obzorka::store {

// The folders of a data folder that the program reads and writes.
struct DataFolder
{
    QString path;
    QString temp;  // "temp"
    QString bmp;   // "bmp": icons, illustrations in "obr", banners in "banner"
    QString icons; // "icons": the tray's
};

// Makes the data folder and its subfolders (bmp/obr, bmp/banner, temp, icons). Nothing, with a
// Czech message, when a folder cannot be made.
std::optional<DataFolder> prepareDataFolder(const QString& folder, QString* error);

// Copies the pictures and sounds that pages and the tray read from disk out of the program
// into the data folder, when the folder has none yet or they came with another version.
// Returns false with a Czech message when a file cannot be written.
bool installFiles(const QString& folder, QString* error);

// A data folder's lock: the system's exclusive lock on its "obzorka.lock", held as long as this
// lives. The system lets go however the process ends, so a crash leaves no stale lock to guess
// about, and taking it writes nothing to the disk.
class FolderLock
{
public:
    explicit FolderLock(int descriptor) : m_descriptor(descriptor) {}
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_descriptor;
};

// The lock that keeps a second copy of the program (a window or a download run) off a data
// folder in use. Nothing, with a Czech message, when another copy holds it or the folder
// cannot be written.
std::unique_ptr<FolderLock> claimDataFolder(const QString& folder, QString* error);

} // namespace obzorka::store
