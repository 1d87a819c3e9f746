#include "store/settings.h"
#include "support/listings.h"
#include "support/teststore.h"
#include "support/weekfixture.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>

using namespace obzorka;

class Export : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        test::fillWeek(store, QDate::currentDate());
        // Runs until late tomorrow, so that it is never over while the tests run.
        test::insert(store, {.id = 7,
                             .tv = "ČT1",
                             .day = QDate::currentDate(),
                             .hod1 = 23,
                             .hod2 = 47,
                             .nazev = "Žluťoučký kůň",
                             .info1 = "€ a ☺ nejsou v 1250"});
        test::insert(
            store,
            {.id = 8, .tv = "ČT2", .day = QDate::currentDate().addDays(1), .nazev = "Kůň zítra"});
        store.zavridb();
    }

    struct Run
    {
        int status;
        QByteArray out;
        QString err;
    };
    Run run(QStringList arguments)
    {
        arguments.prepend(folder());
        arguments.prepend("--data-dir");
        QProcess process;
        process.start(OBZORKA_BINARY, arguments);
        process.waitForFinished(20000);
        return {process.exitCode(), process.readAllStandardOutput(),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // Every file of the data folder with its size and time of change.
    QStringList snapshot()
    {
        QStringList files;
        QDirIterator it(folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            files << info.filePath() + ' ' + QString::number(info.size()) + ' ' +
                         QString::number(info.lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }
};

TEST_F(Export, PagesAreWrittenInTheirCharacterSetAndTheFolderIsLeftAlone)
{
    const QStringList before = snapshot();
    const Run grid = run({"--export", "grid", "--from", "Začátku", "--to", "Konce"});
    ASSERT_EQ(grid.status, 0) << grid.err.toStdString();
    QStringDecoder decode("windows-1250");
    const QString page = decode(grid.out);
    EXPECT_TRUE(page.startsWith("<HTML><HEAD><TITLE>Televizní program</TITLE>"));
    EXPECT_TRUE(page.contains("Žluťoučký kůň"));
    EXPECT_TRUE(page.contains("<FONT COLOR=white SIZE=+2><B>") ==
                false); // the grid, not the header
    EXPECT_TRUE(page.contains(folder() + "/bmp/"));

    const QString out = folder() + "/../detail.html";
    const Run detail = run({"--export", "detail", "--id", "7", "--out", out});
    ASSERT_EQ(detail.status, 0) << detail.err.toStdString();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString detailPage = QStringDecoder("windows-1250")(written.readAll());
    EXPECT_TRUE(detailPage.startsWith("<HTML><META HTTP-EQUIV=\"content-type\" "
                                      "CONTENT=\"text/html;charset=windows-1250\"><BODY"));
    EXPECT_TRUE(detailPage.contains("Žluťoučký kůň"));
    QFile::remove(out);

    EXPECT_EQ(run({"--export", "search", "--text", "KŮŇ", "--day", "Kdykoliv"}).status, 0);
    EXPECT_EQ(run({"--export", "help", "--name", "helpnastaveni.html"}).status, 0);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Export, GridWindowDefaultsFollowTheDayAsTheChooserSetsThem)
{
    // Tomorrow starts at the start of the day; today would start now.
    const QString tomorrow = QDate::currentDate().addDays(1).toString("d.M.yyyy");
    const QString page = QStringDecoder("windows-1250")(
        run({"--export", "grid", "--day", tomorrow, "--page", "1"}).out);
    EXPECT_TRUE(page.contains("vypisinf.htm?id=8\""));
    const QString yesterday = QDate::currentDate().addDays(-1).toString("d.M.yyyy");
    const Run night = run({"--export", "grid", "--day", yesterday});
    EXPECT_EQ(night.status, 0);
}

TEST_F(Export, SearchFindsAsTheWindowWould)
{
    const QString page =
        QStringDecoder("windows-1250")(run({"--export", "search", "--text", "žluťoučký"}).out);
    EXPECT_TRUE(page.contains("vypisinf.htm?hledej=true&id=7\""));
    const QString tomorrow = QDate::currentDate().addDays(1).toString("d.M.yyyy");
    const QString onDay = QStringDecoder("windows-1250")(
        run({"--export", "search", "--text", "kůň", "--day", tomorrow}).out);
    EXPECT_TRUE(onDay.contains("id=8\""));
    EXPECT_FALSE(onDay.contains("id=7\""));
}

TEST_F(Export, MistakesEndWithStatusTwoAndAClearMessage)
{
    const std::vector<QStringList> mistakes{{"--export", "grid", "--day", "31.2.2026"},
                                            {"--export", "grid", "--day", "zítra"},
                                            {"--export", "search", "--day", "pondělí"},
                                            {"--export", "grid", "--from", "7:00"},
                                            {"--export", "grid", "--page", "25"},
                                            {"--export", "grid", "--text", "x"},
                                            {"--export", "help", "--name", "help.html"},
                                            {"--export", "detail"},
                                            {"--export", "tisk"},
                                            {"--export", "grid", "--neznámá"},
                                            {"--day", "1.1.2027"}};
    for (const QStringList& arguments : mistakes) {
        const Run result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_TRUE(run({"--export", "grid", "--day", "31.2.2026"}).err.contains("31.2.2026"));
}

TEST(SyncOnce, NeedsAnAccountAndSaysWhenNoServerAnswers)
{
    QTemporaryDir folder;
    QProcess process;
    process.start(OBZORKA_BINARY, {"--data-dir", folder.path(), "--sync-once"});
    process.waitForFinished(20000);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains("--user"));
    process.start(OBZORKA_BINARY, {"--data-dir", folder.path(), "--server", "127.0.0.1:1",
                                   "--sync-once", "--user", "eva", "--password", "x'y"});
    process.waitForFinished(20000);
    EXPECT_EQ(process.exitCode(), 2);
    process.start(OBZORKA_BINARY, {"--data-dir", folder.path(), "--user", "eva"});
    process.waitForFinished(20000);
    EXPECT_EQ(process.exitCode(), 2); // --user belongs to --sync-once
}

TEST(ExportWithoutStore, SaysSoAndCreatesNothing)
{
    QTemporaryDir empty;
    QProcess process;
    process.start(OBZORKA_BINARY, {"--data-dir", empty.path(), "--export", "help"});
    process.waitForFinished(20000);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains("obz.db"));
    EXPECT_TRUE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}
