#include "store/datafolder.h"

#include "support/teststore.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace obzorka;

namespace {
QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The pictures are installed again only when the program's version, or its set of files, is
// another.
TEST(DataFolder, MadeWithItsSubfoldersAndPicturesCopiedOncePerVersion)
{
    QTemporaryDir dir;
    QString error;
    const auto folder = store::prepareDataFolder(dir.path() + "/nová složka", &error);
    ASSERT_TRUE(folder);
    for (const QString& made :
         QStringList{folder->bmp + "/obr", folder->bmp + "/banner", folder->temp})
        EXPECT_TRUE(QFile::exists(made)) << made.toStdString();

    ASSERT_TRUE(store::installFiles(dir.path(), &error)) << error.toStdString();
    const QString icon = dir.path() + "/bmp/film.gif";
    const QString marker = dir.path() + "/.installed-version";
    const QByteArray original = contentOf(":/install/bmp/film.gif");
    ASSERT_TRUE(original.startsWith("GIF8"));
    EXPECT_EQ(contentOf(icon), original);
    EXPECT_FALSE(QFile::exists(dir.path() + "/schema.sql"));
    EXPECT_TRUE(contentOf(marker).startsWith(OBZORKA_VERSION " "));
    const std::vector<std::pair<QByteArray, bool>> markers{
        {contentOf(marker), true}, {"0.0.1", false}, {OBZORKA_VERSION " 1234", false}};
    for (const auto& [version, leftAlone] : markers) {
        test::writeFile(icon, "upraveno");
        test::writeFile(marker, version);
        ASSERT_TRUE(store::installFiles(dir.path(), &error));
        EXPECT_EQ(contentOf(icon), leftAlone ? QByteArray("upraveno") : original) << version.data();
    }
}
