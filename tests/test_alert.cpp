#include "reminders/alert.h"
#include "store/settings.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QFile>
#include <QtEndian>

using namespace obzorka;
using reminders::takeAlert;

class TakeAlert : public test::StoreTest
{
protected:
    void SetUp() override
    {
        test::StoreTest::SetUp();
        // Ends after midnight: hour 25 reads as 01.
        addProgramme(7, "Nova", QDate(2026, 12, 6), 8, 5, 25, 30, "Zprávy");
        test::mark(store, 7);
        test::mark(store, 8);
    }
    QStringList taken(const QString& id)
    {
        const reminders::AlertTexts texts = takeAlert(store, id);
        return {texts.title, texts.start, texts.end, texts.day, texts.station};
    }
    QString marks() { return one("SELECT group_concat(id) AS v FROM upozornit"); }

    const QStringList shown{"Zprávy", "08:05", "01:30", "6.12.2026", "Nova"};
    const QStringList designCaptions{"Label3", "Label4", "Label5", "Label8", "Label11"};
};

TEST_F(TakeAlert, ShowsTheProgrammeAndDeletesOnlyItsMarkOnce)
{
    EXPECT_EQ(taken("  7 "), shown);
    EXPECT_EQ(marks(), "8");
    EXPECT_EQ(taken("7"), shown);
    EXPECT_EQ(marks(), "8");
}

TEST_F(TakeAlert, IdsMatchOnlyAsWholeText)
{
    EXPECT_EQ(taken("7abc"), designCaptions);
    EXPECT_EQ(marks(), "7,8");
}

TEST_F(TakeAlert, AMarkWithoutItsProgrammeAlertsWithDesignCaptions)
{
    EXPECT_EQ(taken("8"), designCaptions);
    EXPECT_EQ(marks(), "7");
}

TEST_F(TakeAlert, AStoredDayThatIsNoDateShowsAsStored)
{
    store.provedsql("UPDATE program SET datum=? WHERE id=7", {"zítra"});
    EXPECT_EQ(takeAlert(store, "7").day, "zítra");
}

TEST_F(TakeAlert, TheSoundIsTheStoredPathOrNothing)
{
    EXPECT_TRUE(reminders::alertSound(store).isEmpty());
    store::Settings(store).write(store::settingkeys::zvukoveUpozorneni, "/data/wav/upozorni.wav");
    EXPECT_EQ(reminders::alertSound(store), "/data/wav/upozorni.wav");
}

class WholeWave : public test::StoreTest
{
protected:
    void SetUp() override
    {
        test::StoreTest::SetUp();
        QFile chime(":/install/wav/upozorni.wav");
        ASSERT_TRUE(chime.open(QIODevice::ReadOnly));
        const QByteArray bytes = chime.readAll();
        ASSERT_EQ(bytes.mid(36, 4), "data");
        riff = bytes.left(12);
        format = bytes.mid(12, 24);
        data = bytes.mid(36);
    }
    bool whole(const QByteArray& bytes)
    {
        QFile file(folder() + "/zvuk.wav");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return reminders::isWholeWave(file.fileName());
    }
    static QByteArray chunk(const char* id, const QByteArray& body)
    {
        char size[4];
        qToLittleEndian<quint32>(quint32(body.size()), size);
        return id + QByteArray(size, 4) + body;
    }
    QByteArray riff, format, data;
};

TEST_F(WholeWave, TheChimeAndExtraEvenChunksPass)
{
    EXPECT_TRUE(whole(riff + format + data));
    EXPECT_TRUE(whole(riff + chunk("LIST", "info") + format + chunk("fact", "abcd") + data));
    EXPECT_TRUE(whole(riff + format + data + "trailing"));
}

TEST_F(WholeWave, AnyMissingByteFails)
{
    const QByteArray wave = riff + format + data;
    for (qsizetype length = 0; length < 60; ++length)
        EXPECT_FALSE(whole(wave.left(length))) << length;
    EXPECT_FALSE(whole(wave.chopped(1)));
}

TEST_F(WholeWave, MisplacedShortOddOrForeignContentFails)
{
    EXPECT_FALSE(whole(riff + data + format));
    EXPECT_FALSE(whole(riff + chunk("fmt ", format.mid(8, 14)) + data));
    EXPECT_FALSE(whole(riff + format + chunk("LIST", "abc") + '\0' + data));
    QByteArray adpcm = format;
    adpcm[8] = 2; // another coding than plain PCM
    EXPECT_FALSE(whole(riff + adpcm + data));
    EXPECT_FALSE(
        whole(QByteArray::fromHex("4d546864000000060001000101e04d54726b0000000400ff2f00")));
    EXPECT_FALSE(reminders::isWholeWave(folder() + "/missing.wav"));
    EXPECT_FALSE(reminders::isWholeWave(folder()));
    EXPECT_FALSE(reminders::isWholeWave({}));
}
