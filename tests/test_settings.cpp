#include "store/settings.h"
#include "support/teststore.h"

using namespace obzorka;

class SettingsTest : public test::StoreTest
{
protected:
    int rowsOf(const QString& key)
    {
        return int(store.provedsql("SELECT * FROM nastaveni WHERE polozka=?", {key}).size());
    }
    store::Settings settings{store};
};

TEST_F(SettingsTest, LeadMinutesAreHeldToTheirRange)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"1000", "600"},           {"601", "600"}, {"600", "600"}, {"-3", "0"},  {"99999", "600"},
        {"-40000", "0"},           {"07", "7"},    {"2.5", "2"},   {"3,5", "4"}, {" 12 ", "12"},
        {QString(400, '9'), "600"}};
    for (const auto& [typed, stored] : cases) {
        ASSERT_TRUE(settings.writeLeadMinutes(typed).has_value()) << typed.toStdString();
        EXPECT_EQ(settings.read(store::settingkeys::upozornitMinutPredem), stored)
            << typed.toStdString();
        EXPECT_EQ(rowsOf(store::settingkeys::upozornitMinutPredem), 1);
    }
}

TEST_F(SettingsTest, LeadMinutesThatAreNoNumberStoreNothing)
{
    settings.writeLeadMinutes("15");
    for (const QString typed : {"pět", "", "inf"}) {
        EXPECT_FALSE(settings.writeLeadMinutes(typed).has_value()) << typed.toStdString();
        EXPECT_EQ(settings.readLeadMinutes(), 15);
    }
    settings.remove(store::settingkeys::upozornitMinutPredem);
    EXPECT_EQ(settings.readLeadMinutes(), 5);
}

TEST_F(SettingsTest, KeywordRulesReadMissingFlagsAsZero)
{
    EXPECT_EQ(settings.readKeywordRule(3), (store::KeywordRule{"", true, false, false}));
    settings.write(store::settingkeys::upozornitText(3), "film");
    EXPECT_EQ(settings.readKeywordRule(3), (store::KeywordRule{"film", false, false, false}));
    settings.write(store::settingkeys::upozornitText(10), "sport;0;1");
    EXPECT_EQ(settings.readKeywordRule(10), (store::KeywordRule{"sport", false, true, false}));
}

TEST_F(SettingsTest, KeywordRulesLoseQuotesAndRoundTrip)
{
    settings.writeKeywordRule(1, {"Pán \"prstenů\" d'Artagnan", true, false, true});
    EXPECT_EQ(settings.read("upozornit_text1"), "Pán prstenů dArtagnan;1;0;1");
    EXPECT_EQ(settings.readKeywordRule(1),
              (store::KeywordRule{"Pán prstenů dArtagnan", true, false, true}));
    settings.writeKeywordRule(1, {"", true, false, false});
    EXPECT_EQ(rowsOf("upozornit_text1"), 1);
}

TEST_F(SettingsTest, FlagsReadTrueOnlyForTheWordTrue)
{
    EXPECT_FALSE(settings.readFlag(store::settingkeys::vps));
    for (const QString value : {"TRUE", "true", "True"}) {
        settings.write(store::settingkeys::vps, value);
        EXPECT_TRUE(settings.readFlag(store::settingkeys::vps)) << value.toStdString();
    }
    for (const QString value : {"1", "ano", "False"}) {
        settings.write(store::settingkeys::vps, value);
        EXPECT_FALSE(settings.readFlag(store::settingkeys::vps)) << value.toStdString();
    }
    settings.writeFlag(store::settingkeys::nestahovatObrazky, true);
    EXPECT_EQ(settings.read(store::settingkeys::nestahovatObrazky), "True");
}

TEST_F(SettingsTest, ServerMessageWithApostropheRoundTripsUntrimmed)
{
    const QString message = " Vánoční program je tu! Let's go '' \"ČT\" ";
    settings.writeServerMessage(message);
    settings.writeServerMessage(message);
    EXPECT_EQ(settings.read(store::settingkeys::posledniZprava), message);
    EXPECT_EQ(rowsOf(store::settingkeys::posledniZprava), 1);
}

TEST_F(SettingsTest, AccountKeepsAnyPasswordCharacterAndTrimsBlanks)
{
    const store::Account saved = settings.writeAccount("  jan.novak ", " it's \"my\" p&ss=wörd; ");
    EXPECT_EQ(saved.name, "jan.novak");
    EXPECT_EQ(saved.password, "it's \"my\" p&ss=wörd;");
    EXPECT_EQ(settings.readAccount().password, saved.password);
    EXPECT_EQ(rowsOf(store::settingkeys::heslo), 1);
    settings.removeAccount();
    EXPECT_EQ(settings.readAccount().name, "");
    EXPECT_EQ(settings.readAccount().password, "");
}

TEST_F(SettingsTest, AccountKeysAreFoundByTrimmedKey)
{
    store.provedsql(
        "INSERT INTO nastaveni (polozka, hodnota) VALUES (' jmeno ', ' eva '), ('heslo', NULL)");
    EXPECT_EQ(settings.readAccount().name, "eva");
    EXPECT_EQ(settings.readAccount().password, "");
}

TEST_F(SettingsTest, DownloadingIsAllowedUnlessFalseIsStored)
{
    EXPECT_TRUE(settings.downloadAllowed());
    settings.writeFlag(store::settingkeys::povolenoStahovani, false);
    EXPECT_FALSE(settings.downloadAllowed());
    settings.remove(store::settingkeys::povolenoStahovani);
    EXPECT_TRUE(settings.downloadAllowed());
    EXPECT_EQ(rowsOf(store::settingkeys::povolenoStahovani), 0);
}

TEST(QuoteCleaning, RemovesApostrophesAndDoubleQuotesOnly)
{
    EXPECT_EQ(store::withoutQuotes("O'Brien \"Jr.\" ; `x`"), "OBrien Jr. ; `x`");
}
