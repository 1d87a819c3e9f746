#include "entries.h"
#include "support/teststore.h"
#include "sync/listingimport.h"

#include <QDir>
#include <QFile>

namespace {

struct Target
{
    const char* name;
    QString (*entry)(QByteArrayView);
};

const Target targets[] = {
    {"login", obzorka::fuzz::loginReply},       {"banners", obzorka::fuzz::bannerLine},
    {"records", obzorka::fuzz::listingRecords}, {"links", obzorka::fuzz::linkTarget},
    {"pages", obzorka::fuzz::programmePages},   {"xmltv", obzorka::fuzz::xmltvDocument},
    {"channelmap", obzorka::fuzz::channelMap},  {"dates", obzorka::fuzz::dateText},
};

// The seeds of a target, then the inputs it once crashed on.
QStringList inputsOf(const char* target)
{
    QStringList files;
    for (const char* folder : {"/fuzz/corpus/", "/tests/fuzzinputs/"}) {
        const QDir dir(QStringLiteral(OBZORKA_SOURCE_DIR) + QLatin1StringView(folder) +
                       QLatin1StringView(target));
        for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name))
            files << file.filePath();
    }
    return files;
}

class FuzzInputs : public testing::TestWithParam<Target>
{
};

TEST_P(FuzzInputs, KeepEveryPromise)
{
    const QStringList files = inputsOf(GetParam().name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(GetParam().entry(file.readAll()), QString()) << path.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs, testing::ValuesIn(targets),
                         [](const testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.name);
                         });

// What the kept inputs found, checked where a build without sanitizers would miss it.
TEST(FuzzFindings, DaysAndMonthsFarOutOfRangeAreNoDay)
{
    using obzorka::sync::recordDay;
    EXPECT_FALSE(recordDay(u"-9223372036854775808.1.2027").isValid());
    EXPECT_FALSE(recordDay(u"1.-9223372036854775808.2027").isValid());
    EXPECT_FALSE(recordDay(u"1000001.1.2027").isValid());
    EXPECT_FALSE(recordDay(u"1.-1000001.2027").isValid());
    EXPECT_EQ(recordDay(u"1000000.1.2027"), QDate(2027, 1, 1).addDays(999999));
    EXPECT_EQ(recordDay(u"1.-1000000.2027"), QDate(2027, 1, 1).addMonths(-1000001));
}

class FuzzFindingsInSql : public obzorka::test::StoreTest
{
};

TEST_F(FuzzFindingsInSql, MinutesAndHoursPastSixtyFourBitsAreNoMoment)
{
    // Wrapped around, these would come to 44 seconds and 59:44 after the moment.
    const QString moment = QStringLiteral("4.12.2026");
    EXPECT_EQ(one("SELECT DateAdd('n', ?, ?) AS v", {Q_INT64_C(307445734561825861), moment}),
              QString());
    EXPECT_EQ(one("SELECT DateAdd('h', ?, ?) AS v", {Q_INT64_C(5124095576030432), moment}),
              QString());
    EXPECT_EQ(one("SELECT DateAdd('h', ?, ?) AS v", {-48, moment}), "2026-12-02 00:00:00");
}

} // namespace
