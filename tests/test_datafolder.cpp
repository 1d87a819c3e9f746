#include "store/datafolder.h"

#include "support/teststore.h"
#include <QFile>

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace obzorka;

namespace {
QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(DataFolder, MadeWithItsSubfoldersAndPathsRecorded)
{
    QTemporaryDir dir;
    QString error;
    const auto folder = store::prepareDataFolder(dir.path() + "/nová složka", &error);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->bmp, QString(dir.path() + "/nová složka/bmp"));
    EXPECT_TRUE(QFile::exists(folder->bmp + "/obr"));
    EXPECT_TRUE(QFile::exists(folder->bmp + "/banner"));
    EXPECT_TRUE(QFile::exists(folder->temp));
}

TEST(DataFolder, PicturesAreCopiedOncePerVersion)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(store::installFiles(dir.path(), &error)) << error.toStdString();
    const QString icon = dir.path() + "/bmp/film.gif";
    const QByteArray original = contentOf(":/install/bmp/film.gif");
    ASSERT_TRUE(original.startsWith("GIF8"));
    EXPECT_EQ(contentOf(icon), original);
    EXPECT_FALSE(QFile::exists(dir.path() + "/schema.sql"));

    QFile changed(icon);
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    changed.write("upraveno");
    changed.close();
    ASSERT_TRUE(store::installFiles(dir.path(), &error));
    EXPECT_EQ(contentOf(icon), QByteArray("upraveno")); // same version: left alone

    QFile marker(dir.path() + "/.installed-version");
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    const QByteArray edition = marker.readAll();
    EXPECT_TRUE(edition.startsWith(OBZORKA_VERSION " "));
    marker.close();
    // Another version, or the same version with other files: replaced.
    for (const QByteArray& older : {QByteArray("0.0.1"), QByteArray(OBZORKA_VERSION " 1234")}) {
        changed.open(QIODevice::WriteOnly);
        changed.write("upraveno");
        changed.close();
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.write(older);
        marker.close();
        ASSERT_TRUE(store::installFiles(dir.path(), &error));
        EXPECT_EQ(contentOf(icon), original) << older.toStdString();
    }
}
