#include "store/settings.h"
#include "support/listings.h"
#include "support/teststore.h"
#include "sync/bannerentries.h"
#include "sync/login.h"

using namespace obzorka;
using namespace obzorka::sync;
using Kind = Reply::Kind;

TEST(LoginReply, MarkerDecidesAndBodyIsWhatPrecedesIt)
{
    EXPECT_EQ(parseReply("xČT1;1\r\n.OK.").kind, Kind::Ok);
    EXPECT_EQ(parseReply("xČT1;1\r\n.OK.").body, "xČT1;1\r\n");
    EXPECT_EQ(parseReply("Špatná verze programu!.ER.").body, "Špatná verze programu!");
    EXPECT_EQ(parseReply(".ER.").kind, Kind::Error);
    EXPECT_EQ(parseReply("OK.").kind, Kind::Invalid);
    EXPECT_EQ(parseReply("body.ok.").kind, Kind::Invalid);
    EXPECT_EQ(parseReply("body.OK.\r\n").kind, Kind::Invalid);
    EXPECT_EQ(parseReply("body.OK.\r\n").body, "");
}

TEST(LoginReply, FirstCharacterDroppedAndFourLines)
{
    const LoginBody only = parseLoginBody("x1ČT1;1,0Nova;2");
    EXPECT_EQ(only.stations, "1ČT1;1,0Nova;2");
    EXPECT_TRUE(only.deletions.isEmpty() && only.message.isEmpty() && only.banners.isEmpty());
    const LoginBody all = parseLoginBody("x1ČT1;1\r\nNova\r\nAhoj\nsvěte\r\n1a;b\r\nnavíc\r\n");
    EXPECT_EQ(all.stations, "1ČT1;1");
    EXPECT_EQ(all.deletions, "Nova");
    EXPECT_EQ(all.message, "Ahoj\nsvěte");
    EXPECT_EQ(all.banners, "1a;b");
    EXPECT_TRUE(parseLoginBody("").stations.isEmpty());
}

class Login : public test::StoreTest
{
protected:
    LoginOutcome apply(const QString& stations, const QString& deletions = {},
                       const QString& message = {}, const QString& banners = {})
    {
        return applyLogin(store, {stations, deletions, message, banners});
    }
    QString station(const QString& tv)
    {
        return one("SELECT pozice || '/' || povoleno || '/' || idtv AS v FROM televize "
                   "WHERE tv=?",
                   {tv});
    }
    QString count(const QString& table) { return one("SELECT count(*) AS v FROM " + table); }
};

TEST_F(Login, MessageIsNewOnlyWhenItChanges)
{
    EXPECT_EQ(apply("", "", "Pozor, 'nová' verze").newMessage, "Pozor, 'nová' verze");
    EXPECT_EQ(apply("", "", "Pozor, 'nová' verze").newMessage, "");
    EXPECT_EQ(apply("", "", "").newMessage, "");
    EXPECT_EQ(apply("", "", "Pozor, 'nová' verze ").newMessage, "Pozor, 'nová' verze ");
    EXPECT_EQ(count("nastaveni WHERE polozka='posledni_zprava'"), "1");
    EXPECT_EQ(store::Settings(store).read(store::settingkeys::posledniZprava),
              "Pozor, 'nová' verze ");
}

TEST_F(Login, NewStationsTakeFreeSlotsByTheirFlag)
{
    test::addStation(store, "ČT1", 1, 1);
    test::addStation(store, "ČT2", 3, 2);
    test::addStation(store, "Prima", 95, 3, false);
    const LoginOutcome outcome =
        apply("1ČT1;1,1ČT2;2,0Prima;3,1Nova;4,0Óčko;5,2Joj;6,1Markíza;7,0Šlágr;8");
    EXPECT_EQ(outcome.stationsAdded, 5);
    EXPECT_EQ(station("Nova"), "2/1/4");
    EXPECT_EQ(station("Óčko"), "96/0/5");
    EXPECT_EQ(station("Joj"), "4/0/6");
    EXPECT_EQ(station("Markíza"), "5/1/7");
    EXPECT_EQ(station("Šlágr"), "94/0/8");
}

TEST_F(Login, WithAllSlotsTakenANewStationGetsNone)
{
    QString list;
    {
        store::Store::Transaction transaction(store);
        for (int slot = 1; slot <= 96; ++slot) {
            test::addStation(store, QString::number(slot), slot, slot);
            list += QString(QStringLiteral("1") + QString::number(slot) + ";1,");
        }
        transaction.commit();
    }
    EXPECT_EQ(apply(list + "1Nova;200,0Óčko;201").stationsAdded, 2);
    EXPECT_EQ(station("Nova"), "0/1/200");
    EXPECT_EQ(station("Óčko"), "0/0/201");
}

TEST_F(Login, KnownStationsKeepSlotAndNumberAndUnlistedOnesGo)
{
    test::addStation(store, "ČT1", 7, 1);
    test::addStation(store, "Stará", 8, 2);
    test::insert(store, {.id = 1, .tv = "Stará"});
    const LoginOutcome outcome = apply("0 čt1 ;99");
    EXPECT_EQ(outcome.stationsAdded, 0);
    EXPECT_EQ(outcome.stationsRemoved, 1);
    EXPECT_EQ(station("ČT1"), "7/0/1");
    EXPECT_EQ(count("televize"), "1");
    EXPECT_EQ(count("program WHERE tv='Stará'"), "1");
    EXPECT_EQ(count("televize WHERE prozruseni=1"), "0");
}

TEST_F(Login, DeletionsRemoveOnlyTheNamedStationsProgrammes)
{
    for (const auto& [id, tv] : {std::pair{1, "ČT1"}, {2, "Ji'ná"}, {3, "Nova"}, {4, ""}})
        test::insert(store, {.id = id, .tv = tv});
    apply("", " čt1 ; ;JI'NÁ;;");
    EXPECT_EQ(one("SELECT group_concat(id) AS v FROM program"), "3,4");
}

TEST_F(Login, BannerLineClearsOnlyAfterAOne)
{
    store.provedsql("INSERT INTO reklama (rekl_id) VALUES ('a')");
    EXPECT_EQ(apply("", "", "", "0b;c").bannerEntries, "b;c");
    EXPECT_EQ(count("reklama"), "1");
    EXPECT_EQ(apply("", "", "", "1").bannerEntries, "");
    EXPECT_EQ(count("reklama"), "0");
}

TEST_F(Login, UnusableEntriesAreSkippedAndCounted)
{
    const LoginOutcome outcome = apply(" ,,1;5,1  ;6,1Nova;abc,1Óčko,1Joj;12.5,1Ji'ná; 9 ");
    EXPECT_EQ(outcome.entriesSkipped, 5);
    EXPECT_EQ(outcome.stationsAdded, 1);
    EXPECT_EQ(one("SELECT group_concat(tv) AS v FROM televize"), "Ji'ná");
    EXPECT_EQ(station("Ji'ná"), "1/1/9");
    EXPECT_EQ(apply("0JI'NÁ;9").stationsAdded, 0);
    EXPECT_EQ(station("Ji'ná"), "1/0/9");
}

TEST_F(Login, AFailureLeavesTheStoreAsItWas)
{
    test::addStation(store, "ČT1", 1, 1);
    store.provedsql("DROP TABLE reklama");
    EXPECT_THROW(apply("", "", "Zpráva", "1"), test::SqlError);
    EXPECT_EQ(count("televize WHERE prozruseni=0"), "1");
    EXPECT_EQ(count("nastaveni WHERE polozka='posledni_zprava'"), "0");
}

TEST(BannerEntries, PlainNamesOnlyAndTheTwoFixedFilesLast)
{
    const QList<sync::BannerEntry> entries = sync::parseBannerEntries(
        " jaro :31.5.2027: logo.png, ../ven.gif,,a\\b.gif ;..:1.1.2027:x.gif;c/d:1.1.2027;;leto");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries.at(0).id, "jaro");
    EXPECT_EQ(entries.at(0).lastDay, "31.5.2027");
    EXPECT_EQ(entries.at(0).files, (QStringList{"logo.png", "index.html", "banner.gif"}));
    EXPECT_EQ(entries.at(1).id, "leto");
    EXPECT_EQ(entries.at(1).files, (QStringList{"index.html", "banner.gif"}));
}
