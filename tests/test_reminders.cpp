#include "reminders/alert.h"
#include "reminders/keywords.h"
#include "reminders/marks.h"
#include "reminders/scheduler.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QFile>
#include <QtEndian>

using namespace obzorka;
using namespace obzorka::reminders;

namespace {

const QDate day(2026, 12, 6);

QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(day, QTime(hour, minute, second));
}

class Reminders : public test::StoreTest
{
protected:
    QStringList taken(const QString& id)
    {
        const AlertTexts texts = takeAlert(store, id);
        return {texts.title, texts.start, texts.end, texts.day, texts.station};
    }
    // The marks by id, "a" after those the keywords made.
    QString marks()
    {
        return one("SELECT group_concat(id || iif(automat, 'a', '')) AS v FROM (SELECT * FROM "
                   "upozornit ORDER BY id)");
    }
};

} // namespace

// The earliest mark of an existing programme comes next; it is due from the minute boundary of
// the lead on, a start already passed too; a download run uses 5 minutes and a strict test.
TEST_F(Reminders, TheEarliestMarkComesNextAndIsDueAtTheBoundaryOfTheLead)
{
    EXPECT_EQ(nextReminder(store), NextReminder{});
    EXPECT_FALSE(isDue(nextReminder(store), at(23, 59), 600));
    addProgramme(1, "ČT1", day, 24, 15, 25, 0); // starts the next day
    addProgramme(2, "ČT2", day, 20, 5, 21, 0);
    // A mark stored as text counts too; the programme of 77 is gone.
    store.provedsql("INSERT INTO upozornit (id) VALUES (1), ('2'), (77)");
    EXPECT_EQ(nextReminder(store), (NextReminder{2, at(20, 5)}));
    store.provedsql("DELETE FROM upozornit WHERE id=2");
    EXPECT_EQ(nextReminder(store), (NextReminder{1, QDateTime(day.addDays(1), QTime(0, 15))}));

    const NextReminder next{5, at(20, 0)};
    const std::tuple<QDateTime, int, bool> cases[] = {{at(19, 54, 59), 5, false},
                                                      {at(19, 55, 0), 5, true},
                                                      {at(21, 0), 5, true},
                                                      {at(19, 59, 59), 0, false},
                                                      {at(20, 0, 0), 0, true}};
    for (const auto& [now, lead, due] : cases)
        EXPECT_EQ(isDue(next, now, lead), due) << now.toString().toStdString() << " " << lead;
    EXPECT_FALSE(isDueDuringRun(next, at(19, 55, 59)));
    EXPECT_TRUE(isDueDuringRun(next, at(19, 56, 0)));
    EXPECT_FALSE(isDueDuringRun({}, at(23, 0)));
}

// Keywords mark programmes whose chosen texts hold them in any letter case, and that end
// within the next twelve days; a row without a ticked box or with a blank word marks nothing;
// the user's own marks stay, the keywords' are made anew.
TEST_F(Reminders, KeywordsMarkMatchingProgrammesAndShortWordsAreRefused)
{
    store::Clock::setFixed(at(12, 0));
    const std::tuple<int, int, int, const char*> programmes[] = {
        {1, 0, 2100, "ŽLUŤOUČKÝ KŮŇ"}, {2, 0, 2100, "Zprávy"},
        {3, 0, 2100, "Film"},          {4, 0, 2100, "Jiný pořad"},
        {5, 0, 1159, "Sport"},         {6, 0, 1200, "Sport"},
        {7, 12, 1200, "Sport"},        {8, 12, 1201, "Sport"},
        {9, -1, 3630, "Sport"},        {10, 0, 2100, "Sport v regionech"},
        {11, 0, 2100, "Zprávy"}};
    for (const auto& [id, offset, end, nazev] : programmes)
        addProgramme(id, "ČT1", day.addDays(offset), 20, 0, end / 100, end % 100, nazev);
    store.provedsql("UPDATE program SET info1='Počasí a žluťoučký kůň' WHERE id=2");
    store.provedsql("UPDATE program SET info2='O''Brienův žluťoučký kůň' WHERE id=3");
    test::mark(store, 10); // the user's own
    store.provedsql("INSERT INTO upozornit (id, automat) VALUES (11, 1)");
    const QString word = "  žluťoučký ";
    const std::pair<QList<store::KeywordRule>, const char*> cases[] = {
        {{{word, true, false, false}}, "1a,10"},
        {{{word, false, true, true}, {"o'brienův", true, true, true}}, "2a,3a,10"},
        {{{word, false, false, false}, {"   ", true, true, true}}, "10"},
        // Ended a minute ago, ending now, in exactly 12 days, a minute later, after midnight.
        {{{"sport", true, false, false}}, "6a,7a,9a,10"},
        {QList<store::KeywordRule>(keywordRowCount), "10"}};
    for (const auto& [rules, marked] : cases) {
        nastavautoupozorneni(store, rules);
        EXPECT_EQ(marks(), marked);
    }

    // A typed keyword loses its semicolons and outer blanks; one under four letters is refused.
    const std::tuple<const char*, const char*, bool> words[] = {{"  sp;or;t  ", "sport", false},
                                                                {" kůň ", "", true},
                                                                {" ;; ", "", false},
                                                                {"koně", "koně", false}};
    for (const auto& [typed, text, tooShort] : words)
        EXPECT_EQ(std::pair(cleanKeyword(typed).text, cleanKeyword(typed).tooShort),
                  std::pair(QString(text), tooShort))
            << typed;
}

// The programme's texts for its own mark, which goes once; captions of the window otherwise.
TEST_F(Reminders, AlertShowsTheProgrammeAndDeletesOnlyItsMark)
{
    // Ends after midnight: hour 25 reads as 01.
    addProgramme(7, "Nova", QDate(2026, 12, 6), 8, 5, 25, 30, "Zprávy");
    const QStringList shown{"Zprávy", "08:05", "01:30", "6.12.2026", "Nova"};
    const QStringList captions{"Label3", "Label4", "Label5", "Label8", "Label11"};
    const std::tuple<const char*, QStringList, const char*> cases[] = {
        {"  7 ", shown, "8"}, {"7abc", captions, "7,8"}, {"8", captions, "7"}};
    for (const auto& [id, texts, marksLeft] : cases) {
        store.provedsql("DELETE FROM upozornit");
        store.provedsql("INSERT INTO upozornit (id) VALUES (7), (8)");
        EXPECT_EQ(taken(id), texts) << id;
        EXPECT_EQ(marks(), marksLeft);
    }
    EXPECT_EQ(taken("7"), shown); // its mark is gone already
    store.provedsql("UPDATE program SET datum=? WHERE id=7", {"zítra"});
    EXPECT_EQ(takeAlert(store, "7").day, "zítra"); // a stored day that is no date, as stored
}

// Only a whole, uncompressed 8- or 16-bit WAV file passes.
TEST_F(Reminders, AlertOnlyAWholePlainWaveIsAChime)
{
    QFile chime(":/install/wav/upozorni.wav");
    ASSERT_TRUE(chime.open(QIODevice::ReadOnly));
    const QByteArray bytes = chime.readAll();
    ASSERT_EQ(bytes.mid(36, 4), "data");
    const QByteArray wave = bytes, riff = bytes.left(12), format = bytes.mid(12, 24),
                     data = bytes.mid(36);
    const auto chunk = [](const char* id, const QByteArray& body) -> QByteArray {
        char size[4];
        qToLittleEndian<quint32>(quint32(body.size()), size);
        return id + QByteArray(size, 4) + body;
    };
    const auto changed = [&](int at, char value) {
        QByteArray other = format;
        other[at] = value;
        return other;
    };
    const std::pair<QByteArray, bool> cases[] = {
        {wave, true},
        {riff + chunk("LIST", "info") + format + chunk("fact", "abcd") + data, true},
        {wave + "trailing", true},
        {wave.chopped(1), false},
        {riff + data + format, false},
        {riff + chunk("fmt ", format.mid(8, 14)) + data, false},
        {riff + format + chunk("LIST", "abc") + '\0' + data, false},
        {riff + changed(8, 2) + data, false},   // another coding than plain PCM
        {riff + changed(22, 24) + data, false}, // 24 bits a sample
        {riff + changed(10, 0) + data, false},  // no channel
        {QByteArray::fromHex("4d546864000000060001000101e04d54726b0000000400ff2f00"), false},
    };
    const QString file = folder() + "/zvuk.wav";
    for (const auto& [content, whole] : cases) {
        test::writeFile(file, content);
        EXPECT_EQ(reminders::isWholeWave(file), whole) << content.left(60).toHex().toStdString();
    }
    for (qsizetype length = 0; length < 60; ++length) {
        test::writeFile(file, wave.left(length));
        EXPECT_FALSE(reminders::isWholeWave(file)) << length;
    }
    for (const QString& other : {QString(folder() + "/missing.wav"), folder(), QString()})
        EXPECT_FALSE(reminders::isWholeWave(other)) << other.toStdString();
}

// Only marks of programmes ended before this minute go, at its first second as at any other.
TEST_F(Reminders, MarksPurgeTakesOnlyMarksOfProgrammesEndedBeforeThisMinute)
{
    addProgramme(1, "ČT1", day, 23, 0, 24, 29); // ended a minute ago
    addProgramme(2, "ČT1", day, 23, 0, 24, 30); // ends within this minute
    addProgramme(3, "ČT2", day, 24, 0, 25, 0);  // still running
    addProgramme(4, "ČT2", day, 10, 0, 11, 0);  // unmarked
    for (const int second : {0, 40}) {
        store.provedsql("DELETE FROM upozornit");
        store.provedsql(
            "INSERT INTO upozornit (id, automat) VALUES (1, 0), (2, 0), (3, 1), (99, 0)");
        store::Clock::setFixed(QDateTime(day.addDays(1), QTime(0, 30, second)));
        purgeEndedMarks(store);
        EXPECT_EQ(marks(), "2,3a,99") << second;
    }
}

TEST_F(Reminders, MarksToggleOnlyBeforeTheStartMinuteIsOver)
{
    test::insert(store, {.id = 5, .day = day, .hod1 = 20, .hod2 = 21});
    store.provedsql("INSERT INTO upozornit (id, automat) VALUES (6, 1)");
    test::insert(store, {.id = 6, .day = day, .hod1 = 22, .hod2 = 23});
    store::Clock::setFixed(QDateTime(day, QTime(20, 0, 59)));
    EXPECT_TRUE(toggleReminder(store, " 5 "));
    EXPECT_EQ(marks(), "5,6a");
    EXPECT_TRUE(toggleReminder(store, "5"));
    EXPECT_EQ(marks(), "6a");
    EXPECT_TRUE(toggleReminder(store, "6")); // a keyword mark is cleared by hand too
    EXPECT_EQ(marks(), "<null>");
    store::Clock::setFixed(QDateTime(day, QTime(20, 1)));
    EXPECT_FALSE(toggleReminder(store, "5"));
    EXPECT_FALSE(toggleReminder(store, "404"));
    EXPECT_EQ(marks(), "<null>");
}
