#include "entries.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace obzorka::fuzz;

// The seeds of each fuzz target, then the inputs it once crashed on, through the entry the
// target runs: every promise the entry checks holds.
TEST(FuzzInputs, KeepEveryPromise)
{
    const std::pair<const char*, QString (*)(QByteArrayView)> targets[] = {
        {"login", loginReply},      {"banners", bannerLine},   {"records", listingRecords},
        {"links", linkTarget},      {"pages", programmePages}, {"xmltv", xmltvDocument},
        {"channelmap", channelMap}, {"dates", dateText}};
    for (const auto& [target, entry] : targets) {
        QStringList files;
        for (const char* folder : {"/fuzz/corpus/", "/tests/fuzzinputs/"}) {
            const QDir dir(QStringLiteral(OBZORKA_SOURCE_DIR) + QLatin1StringView(folder) +
                           QLatin1StringView(target));
            for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name))
                files << file.filePath();
        }
        EXPECT_FALSE(files.isEmpty()) << target;
        for (const QString& path : files) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            EXPECT_EQ(entry(file.readAll()).toStdString(), "") << path.toStdString();
        }
    }
}
