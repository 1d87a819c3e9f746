#include "store/datafolder.h"
#include "store/settings.h"
#include "support/teststore.h"
#include "support/weekfixture.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>

using namespace obzorka;

namespace {

struct Outcome
{
    int status;
    QString out, err; // the output read as windows-1250
};

// The program run on a data folder.
Outcome run(const QString& folder, QStringList arguments)
{
    QProcess process;
    process.start(OBZORKA_BINARY, QStringList{"--data-dir", folder} + arguments);
    process.waitForFinished(20000);
    return {process.exitCode(), QStringDecoder("windows-1250")(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class Export : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        test::fillWeek(store, QDate::currentDate());
        // 7 runs until late tomorrow, so that it is never over while the tests run; 8 is
        // before the time of day now (but in the first minute of a day), so that a window
        // starting now would leave it out.
        store.provedsql(
            "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev, info1) VALUES "
            "(7, 'ČT1', ?, 23, 0, 47, 0, 'Žluťoučký kůň', '€ a ☺ nejsou v 1250'), "
            "(8, 'ČT2', ?, 0, 0, 0, 1, 'Kůň zítra', NULL)",
            {QDate::currentDate(), QDate::currentDate().addDays(1)});
        store.zavridb();
        ASSERT_TRUE(store::installFiles(folder(), nullptr));
    }
    Outcome run(const QStringList& arguments) { return ::run(folder(), arguments); }

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

} // namespace

TEST_F(Export, PagesInTheirCharacterSetDaysAsInTheWindowAndTheFolderLeftAlone)
{
    const QStringList before = snapshot();
    const Outcome grid = run({"--export", "grid", "--from", "Začátku", "--to", "Konce"});
    ASSERT_EQ(grid.status, 0) << grid.err.toStdString();
    EXPECT_TRUE(grid.out.contains("Žluťoučký kůň"));
    // The page holds its icons and names no file of the data folder.
    EXPECT_TRUE(grid.out.contains("<IMG SRC=\"data:image/gif;base64,R0lGOD"));
    EXPECT_FALSE(grid.out.contains(folder()));

    // The detail page declares no character set of its own; the exported file does. A folder
    // takes the page as its index.html.
    const QString out = folder() + "/../stranka/";
    const Outcome detail = run({"--export", "detail", "--id", "7", "--out", out});
    ASSERT_EQ(detail.status, 0) << detail.err.toStdString();
    QFile written(out + "index.html");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString detailPage = QStringDecoder("windows-1250")(written.readAll());
    EXPECT_TRUE(detailPage.startsWith("<HTML><META HTTP-EQUIV=\"content-type\" "
                                      "CONTENT=\"text/html;charset=windows-1250\"><BODY"));
    EXPECT_TRUE(detailPage.contains("Žluťoučký kůň"));
    QDir(out).removeRecursively();

    EXPECT_EQ(run({"--export", "search", "--text", "KŮŇ", "--day", "Kdykoliv"}).status, 0);
    EXPECT_EQ(snapshot(), before);

    // Another day than today starts at its beginning, not at the time of day now.
    const QString tomorrow = QDate::currentDate().addDays(1).toString("d.M.yyyy");
    EXPECT_TRUE(run({"--export", "grid", "--day", tomorrow, "--page", "1"})
                    .out.contains("vypisinf.htm?id=8\""));
    // A bare day is the search chooser's item of that day.
    const QString found = run({"--export", "search", "--text", "kůň", "--day", tomorrow}).out;
    EXPECT_TRUE(found.contains("id=8\""));
    EXPECT_FALSE(found.contains("id=7\""));
}

// What is on at a moment: each received station once in slot order, its running programme
// (also yesterday's, after midnight) and the next, or only the next when nothing runs.
TEST_F(Export, WhatIsOnNowShowsTheRunningAndTheNextProgrammeOfEachReceivedStation)
{
    ASSERT_TRUE(store.otevridb(folder(), nullptr));
    const QDate day(2027, 3, 1);
    store.provedsql("INSERT INTO televize (tv, povoleno, pozice) VALUES ('Kanál A', 1, 20), "
                    "('Kanál B', 1, 21), ('Kanál C', 0, 22)");
    store.provedsql(
        "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) VALUES "
        "(901, 'Kanál A', ?1, 23, 0, 25, 0, 'Noční film'), (902, 'Kanál A', ?2, 1, 0, 6, 0, "
        "'Ranní zprávy'), (903, 'Kanál A', ?2, 6, 0, 12, 0, 'Dopoledne'), (911, 'Kanál B', ?3, "
        "8, 0, 9, 0, 'Zítřejší pořad'), (912, 'Kanál B', ?3, 10, 0, 11, 0, 'Pozdější'), "
        "(921, 'Kanál C', ?2, 0, 0, 2, 0, 'Nepřijímaný')",
        {day.addDays(-1), day, day.addDays(1)});
    store.provedsql("INSERT INTO upozornit (id) VALUES (902)");
    store.zavridb();
    const std::vector<std::tuple<QString, QStringList, QStringList>> moments{
        {"1.3.2027 0:30",
         {"Noční film", "Ranní zprávy", "Zítřejší pořad"},
         {"Dopoledne", "Pozdější", "Nepřijímaný", "Kanál C"}},
        {"1.3.2027 1:00",
         {"Ranní zprávy", "Dopoledne", "Zítřejší pořad"},
         {"Noční film", "Pozdější"}}};
    for (const auto& [at, shown, left] : moments) {
        const Outcome now = run({"--export", "now", "--at", at});
        ASSERT_EQ(now.status, 0) << now.err.toStdString();
        for (const QString& title : shown)
            EXPECT_TRUE(now.out.contains(title)) << at.toStdString() << title.toStdString();
        for (const QString& title : left)
            EXPECT_FALSE(now.out.contains(title)) << at.toStdString() << title.toStdString();
        EXPECT_TRUE(
            now.out.contains("CLASS=caszvol><A HREF=\"upozor.htm?zpet=true&vypis=true&id=902"));
        EXPECT_TRUE(now.out.contains("vypisinf.htm?ted=true&id=902\""));
        int previous = -1;
        for (const QString& station : QStringList{"ČT1", "ČT2", "Kanál A", "Kanál B"}) {
            const QString name = "<B>" + station + "</B>";
            EXPECT_EQ(now.out.count(name), 1) << station.toStdString();
            EXPECT_GT(now.out.indexOf(name), previous) << station.toStdString();
            previous = int(now.out.indexOf(name));
        }
    }
    EXPECT_EQ(run({"--export", "now", "--at", "1.3.2027 25:00"}).status, 2);
}

// The marked programmes as one calendar, read by Debian's iCalendar parser: an event for each,
// the alarm at the lead minutes, texts whole, local times right across the spring change of
// time, and the same UIDs from a second export.
TEST_F(Export, MarkedProgrammesMakeACalendarThatARealParserReads)
{
    ASSERT_TRUE(store.otevridb(folder(), nullptr));
    const QString title = "Přes změnu času; díl 1, " + QString(60, u'ž');
    store.provedsql(
        "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev, info1, info2) "
        "VALUES (931, 'Kanál, A', '2027-03-28', 1, 30, 3, 30, ?, 'Krátce\\a; dost', 'Dlouze')",
        {title});
    store.provedsql("INSERT INTO upozornit (id) VALUES (931)");
    store::Settings(store).writeLeadMinutes("12");
    const QString marked =
        one("SELECT count(DISTINCT program.id) AS v FROM program JOIN upozornit USING (id)");
    store.zavridb();
    const QString first = folder() + "/../a.ics", second = folder() + "/../b.ics";
    for (const QString& out : {first, second})
        ASSERT_EQ(run({"--export", "ical", "--out", out}).status, 0);
    QProcess check;
    check.start("/usr/bin/python3", {ICALENDAR_CHECK, first, second, marked, "12", "931", title,
                                     "Kanál, A", "Krátce\\a; dost\n\nDlouze", "2027-03-28 01:30",
                                     "+0100", "2027-03-28 03:30", "+0200"});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0)
        << check.readAll().toStdString() << check.readAllStandardError().toStdString();
    EXPECT_GT(marked.toInt(), 1);
    QFile::remove(first);
    QFile::remove(second);
}

// A mistake on the command line ends with 2, a missing store, entry or account, or a data
// folder a window holds, with 1; an export without a store leaves its folder empty.
TEST_F(Export, MistakesAndMissingThingsEndWithTheirStatusAndAMessage)
{
    QTemporaryDir empty, other, held;
    const auto window = store::claimDataFolder(held.path(), nullptr);
    const std::vector<std::tuple<QString, QStringList, int, QString>> cases{
        {held.path(), {"--sync-once", "--user", "eva", "--password", "x"}, 1, "již otevřen"},
        {folder(), {"--export", "grid", "--day", "31.2.2026"}, 2, "31.2.2026"},
        {empty.path(), {"--export", "help"}, 1, "obz.db"},
        {folder(), {"--export", "detail", "--id", "999"}, 1, "„999“"},
        {other.path(), {"--sync-once"}, 1, "--user"},
        {other.path(),
         {"--sync-once", "--user", "eva", "--password", "x'y", "--server", "127.0.0.1:1"},
         2,
         "127.0.0.1:1"}};
    for (const auto& [dataFolder, arguments, status, named] : cases) {
        const Outcome outcome = ::run(dataFolder, arguments);
        EXPECT_EQ(outcome.status, status) << arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.out.isEmpty());
        EXPECT_TRUE(outcome.err.contains(named)) << outcome.err.toStdString();
    }
    EXPECT_TRUE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}
