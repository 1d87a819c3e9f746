#include "store/settings.h"
#include "support/listings.h"
#include "support/teststore.h"
#include "sync/bannerentries.h"
#include "sync/login.h"

using namespace obzorka;
using namespace obzorka::sync;

// The marker at the very end decides, the body is what precedes it; a login body drops its
// first character and has four lines.
TEST(LoginReply, MarkerDecidesTheLoginBodyHasFourLinesAndBannersArePlainNames)
{
    const char* const kinds[] = {"Ok", "Error", "Invalid"};
    const std::pair<const char*, const char*> replies[] = {
        {"xČT1;1\r\n.OK.", "Ok xČT1;1\r\n"},
        {"Špatná verze!.ER.", "Error Špatná verze!"},
        {".ER.", "Error "},
        {"OK.", "Invalid "},
        {"body.ok.", "Invalid "},
        {"body.OK.\r\n", "Invalid "}};
    for (const auto& [text, reply] : replies)
        EXPECT_EQ(kinds[int(parseReply(text).kind)] + (' ' + parseReply(text).body), reply);
    const std::pair<const char*, const char*> bodies[] = {
        {"x1ČT1;1,0Nova;2", "1ČT1;1,0Nova;2|||"},
        {"x1ČT1;1\r\nNova\r\nAhoj\nsvěte\r\n1a;b\r\nnavíc\r\n", "1ČT1;1|Nova|Ahoj\nsvěte|1a;b"},
        {"", "|||"}};
    for (const auto& [text, lines] : bodies) {
        const LoginBody body = parseLoginBody(text);
        EXPECT_EQ(
            QStringList({body.stations, body.deletions, body.message, body.banners}).join('|'),
            lines);
    }

    // Banner ids and files must be plain names; index.html and banner.gif come last.
    QStringList entries;
    for (const BannerEntry& entry :
         parseBannerEntries(" jaro :31.5.2027: logo.png, ../ven.gif,,a\\b.gif "
                            ";..:1.1.2027:x.gif;c/d:1.1.2027;;leto"))
        entries << entry.id + ':' + entry.lastDay + ':' + entry.files.join(',');
    EXPECT_EQ(entries, (QStringList{"jaro:31.5.2027:logo.png,index.html,banner.gif",
                                    "leto::index.html,banner.gif"}));
}

class Login : public test::StoreTest
{
protected:
    LoginOutcome apply(const QString& stations, const QString& deletions = {},
                       const QString& message = {}, const QString& banners = {})
    {
        return applyLogin(store, {stations, deletions, message, banners});
    }
    // Each station with its slot, whether received and its number, by number.
    QString stations()
    {
        return one("SELECT group_concat(tv || '=' || pozice || '/' || povoleno || '/' || idtv) AS "
                   "v FROM (SELECT * FROM televize ORDER BY idtv)");
    }
    QString count(const QString& table) { return one("SELECT count(*) AS v FROM " + table); }
};

// Received stations take the first free slots, offered ones the last; known stations keep their
// slot and number; with every slot taken a new station gets none.
TEST_F(Login, NewStationsTakeFreeSlotsByTheirFlagAndUnusableEntriesAreSkipped)
{
    test::addStation(store, "ČT1", 1, 1);
    test::addStation(store, "ČT2", 3, 2);
    test::addStation(store, "Prima", 95, 3, false);
    EXPECT_EQ(
        apply("1ČT1;1,1ČT2;2,0Prima;3,1Nova;4,0Óčko;5,2Joj;6,1Markíza;7,0Šlágr;8").stationsAdded,
        5);
    EXPECT_EQ(stations(), "ČT1=1/1/1,ČT2=3/1/2,Prima=95/0/3,Nova=2/1/4,Óčko=96/0/5,Joj=4/0/6,"
                          "Markíza=5/1/7,Šlágr=94/0/8");
    store.provedsql("DELETE FROM televize");
    QString list;
    store::Store::Transaction all(store);
    for (int slot = 1; slot <= 96; ++slot) {
        test::addStation(store, QString::number(slot), slot, slot);
        list += QString("1%1;%1,").arg(slot);
    }
    all.commit();
    EXPECT_EQ(apply(list + "1Nova;200,0Óčko;201").stationsAdded, 2);
    EXPECT_TRUE(stations().endsWith(",96=96/1/96,Nova=0/1/200,Óčko=0/0/201"));

    // Unusable entries are skipped and counted.
    store.provedsql("DELETE FROM televize");
    const LoginOutcome skipping = apply(" ,,1;5,1  ;6,1Nova;abc,1Óčko,1Joj;12.5,1Ji'ná; 9 ");
    EXPECT_EQ(skipping.entriesSkipped, 5);
    EXPECT_EQ(skipping.stationsAdded, 1);
    EXPECT_EQ(stations(), "Ji'ná=1/1/9");
    EXPECT_EQ(apply("0JI'NÁ;9").stationsAdded, 0);
    EXPECT_EQ(stations(), "Ji'ná=1/0/9");
}

// Unlisted stations go, their programmes stay; deletions take only the named stations'
// programmes; the banner line clears the banners only after a "1"; the message is new only
// when it changes.
TEST_F(Login, RemovalsDeletionsBannersAndTheMessage)
{
    test::addStation(store, "ČT1", 7, 1);
    test::addStation(store, "Stará", 8, 2);
    for (const auto& [id, tv] :
         {std::pair{1, "Stará"}, {2, "Ji'ná"}, {3, "Nova"}, {4, ""}, {5, "ČT1"}})
        addProgramme(id, tv, QDate(2026, 12, 7), 20, 0, 21, 0);
    const LoginOutcome outcome = apply("0 čt1 ;99", " čt1 ; ;JI'NÁ;;");
    EXPECT_EQ(QString("%1 %2").arg(outcome.stationsAdded).arg(outcome.stationsRemoved), "0 1");
    EXPECT_EQ(stations(), "ČT1=7/0/1");
    EXPECT_EQ(count("televize WHERE prozruseni=1"), "0");
    EXPECT_EQ(one("SELECT group_concat(id) AS v FROM (SELECT id FROM program ORDER BY id)"),
              "1,3,4");

    store.provedsql("INSERT INTO reklama (rekl_id) VALUES ('a')");
    EXPECT_EQ(apply("", "", "", "0b;c").bannerEntries, "b;c");
    EXPECT_EQ(count("reklama"), "1");
    EXPECT_EQ(apply("", "", "", "1").bannerEntries, "");
    EXPECT_EQ(count("reklama"), "0");

    QStringList told;
    for (const char* message :
         {"Pozor, 'nová' verze", "Pozor, 'nová' verze", "", "Pozor, 'nová' verze "})
        told << apply("", "", message).newMessage;
    EXPECT_EQ(told, (QStringList{"Pozor, 'nová' verze", "", "", "Pozor, 'nová' verze "}));
    EXPECT_EQ(count("nastaveni WHERE polozka='posledni_zprava'"), "1");
    EXPECT_EQ(store::Settings(store).read(store::settingkeys::posledniZprava),
              "Pozor, 'nová' verze ");
}

// Ten thousand stations are applied, the first 96 in slots; a stop raised meanwhile, or a
// failure, leaves the store as it was; a message is kept to 64 KB.
TEST_F(Login, ManyStationsAndAStopOrAFailureLeavingTheStoreAsItWas)
{
    test::addStation(store, "ČT1", 1, 1);
    QStringList many;
    for (int i = 0; i < 10000; ++i)
        many << QString("1Stanice %1;%1").arg(i + 10);
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(applyLogin(store, {many.join(','), {}, "Zpráva", {}}, &stop).stopped);
    EXPECT_EQ(count("televize") + count("nastaveni WHERE polozka='posledni_zprava'"), "10");
    EXPECT_EQ(apply(many.join(',') + ",1čt1;1", {}, QString(70000, u'z')).stationsAdded, 10000);
    EXPECT_EQ(one("SELECT count(*) || ' ' || sum(pozice>0) || ' ' || sum(povoleno) AS v FROM "
                  "televize"),
              "10001 96 10001");
    EXPECT_EQ(store::Settings(store).read(store::settingkeys::posledniZprava).size(), 65536);

    store.provedsql("DROP TABLE reklama");
    EXPECT_THROW(apply("", "", "Jiná zpráva", "1"), test::SqlError);
    EXPECT_EQ(count("televize WHERE prozruseni=0"), "10001");
    EXPECT_EQ(store::Settings(store).read(store::settingkeys::posledniZprava).size(), 65536);
}
