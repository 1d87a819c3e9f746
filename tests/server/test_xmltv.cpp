#include "xmltv.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace obzorka::server;

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString prog(QStringView start, QStringView stop, QStringView inner = u"<title>T</title>",
             QStringView channel = u"a")
{
    const QString stopAttribute = stop.isEmpty() ? QString() : QString(u" stop=\"" % stop % u'"');
    return u"<programme channel=\"" % channel % u"\" start=\"" % start % u'"' % stopAttribute %
           u'>' % inner % u"</programme>";
}

QByteArray tv(QStringView body)
{
    return QString(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>" % body % u"</tv>").toUtf8();
}

Listings read(const QString& body, const ChannelMap& map = {})
{
    Listings listings;
    QString error;
    EXPECT_TRUE(readXmltv(tv(body), map, &listings, &error)) << error.toStdString();
    return listings;
}

// Day, start and end of the only programme of a document, as "d.M. hh:mm-hh:mm".
QString times(QStringView start, QStringView stop)
{
    const Listings listings = read(prog(start, stop));
    if (listings.programmes.size() != 1)
        return QStringLiteral("%1 programmes").arg(listings.programmes.size());
    const Programme& p = listings.programmes.first();
    return QString::asprintf("%d.%d. %02d:%02d-%02d:%02d", p.day.day(), p.day.month(), p.hod1,
                             p.min1, p.hod2, p.min2);
}

Programme only(QStringView inner)
{
    const Listings listings = read(prog(u"20261207201500 +0100", u"20261207210000 +0100", inner));
    return listings.programmes.value(0);
}

} // namespace

TEST(XmltvTimes, BroadcastDayBeginsAtSix)
{
    EXPECT_EQ(times(u"20261207233000 +0100", u"20261208010000 +0100"), "7.12. 23:30-25:00");
    EXPECT_EQ(times(u"20261208013000 +0100", u"20261208023000 +0100"), "7.12. 25:30-26:30");
    EXPECT_EQ(times(u"20261208055900 +0100", u"20261208060000 +0100"), "7.12. 29:59-30:00");
    EXPECT_EQ(times(u"20261208060000 +0100", u"20261208063000 +0100"), "8.12. 06:00-06:30");
    EXPECT_EQ(times(u"20261207230000 +0100", u"20261208073000 +0100"), "7.12. 23:00-31:30");
}

TEST(XmltvTimes, OffsetsBecomePragueTime)
{
    EXPECT_EQ(times(u"20261207191500 +0000", u"20261207201500 +0000"), "7.12. 20:15-21:15");
    EXPECT_EQ(times(u"20261207221500 +0200", u"20261207231500 +0200"), "7.12. 21:15-22:15");
    EXPECT_EQ(times(u"20260715181500 +0000", u"20260715191500+0000"), "15.7. 20:15-21:15");
    EXPECT_EQ(times(u"20260715201530", u"202607152130"), "15.7. 20:15-21:30");
}

TEST(XmltvTimes, SpringChangeSkipsAnHour)
{
    EXPECT_EQ(times(u"20260329003000 +0000", u"20260329013000 +0000"), "28.3. 25:30-27:30");
    EXPECT_EQ(times(u"20260329013000 +0100", u"20260329033000 +0200"), "28.3. 25:30-27:30");
    EXPECT_EQ(times(u"20260328230000 +0000", u"20260329100000 +0000"), "28.3. 24:00-36:00");
    // A time the clocks skip is read as if they had not moved yet.
    EXPECT_EQ(times(u"20260329023000", u"20260329040000"), "28.3. 27:30-28:00");
}

TEST(XmltvTimes, AutumnChangeRepeatsAnHour)
{
    EXPECT_EQ(times(u"20261024120000 +0000", u"20261024130000 +0000"), "24.10. 14:00-15:00");
    EXPECT_EQ(times(u"20261024230000 +0000", u"20261025030000 +0000"), "24.10. 25:00-28:00");
    EXPECT_EQ(times(u"20261025003000 +0000", u"20261025013000 +0000"), "24.10. 26:30-26:30");
    EXPECT_EQ(times(u"20261025120000 +0000", u"20261025130000 +0000"), "25.10. 13:00-14:00");
}

TEST(XmltvTimes, MissingStopIsTheNextStartOnTheChannel)
{
    const Listings listings =
        read(prog(u"20261207220000 +0100", {}) + prog(u"20261207200000 +0100", {}) +
             prog(u"20261207203000 +0100", {}, u"<title>B</title>", u"b") +
             prog(u"20261207210000 +0100", {}));
    ASSERT_EQ(listings.programmes.size(), 4);
    QList<int> ends;
    for (const Programme& p : listings.programmes)
        ends << p.hod2 * 100 + p.min2;
    EXPECT_EQ(ends, QList<int>({2300, 2100, 2130, 2200}));
}

TEST(XmltvTimes, ProgrammesNotEndingAfterTheyStartAreSkipped)
{
    EXPECT_EQ(times(u"20261207200000 +0100", u"20261207200000 +0100"), "0 programmes");
    EXPECT_EQ(times(u"20261207200000 +0100", u"20261207190000 +0100"), "0 programmes");
}

TEST(XmltvTexts, CzechPreferredThenFirst)
{
    const Programme p = only(u"<title lang=\"en\">News</title><title lang=\"cs\">Zprávy</title>"
                             u"<desc lang=\"de\">Erste</desc><desc lang=\"en\">Second</desc>"
                             u"<sub-title lang=\"en\">Episode</sub-title>"
                             u"<sub-title lang=\"cs-CZ\">Díl</sub-title>");
    EXPECT_EQ(p.title, "Zprávy");
    EXPECT_EQ(p.info2, "Erste");
    EXPECT_EQ(p.info1, "Díl");
}

TEST(XmltvTexts, ShortInfoJoinsSubTitleEpisodeAndYear)
{
    EXPECT_EQ(only(u"<sub-title>Návrat</sub-title><episode-num system=\"xmltv_ns\">1.4/10.0/1"
                   u"</episode-num><date>19840312</date>")
                  .info1,
              "Návrat, řada 2, díl 5, (1984)");
    EXPECT_EQ(only(u"<episode-num system=\"xmltv_ns\"> . 0 . </episode-num>").info1, "díl 1");
    EXPECT_EQ(only(u"<episode-num system=\"xmltv_ns\">2.3.</episode-num>"
                   u"<episode-num system=\"onscreen\">S03E04</episode-num>")
                  .info1,
              "S03E04");
    EXPECT_EQ(only(u"<date>1984</date>").info1, "(1984)");
}

TEST(XmltvTexts, WireSeparatorsAreKeptOut)
{
    const Programme p = only(u"<title>A|B</title><sub-title>C|D</sub-title><desc>E|F</desc>");
    EXPECT_EQ(p.title, "A/B");
    EXPECT_EQ(p.info1, "C/D");
    EXPECT_EQ(p.info2, "E/F");
}

TEST(XmltvTexts, CategoriesGiveTheType)
{
    const QList<std::pair<QStringView, char>> cases{
        {u"Movie", 'F'},        {u"&quot;film&quot;", 'F'},
        {u"Feature film", 'F'}, {u"Akční film", 'F'},
        {u"Documentary", 'D'},  {u"dokument", 'D'},
        {u"Zprávy", 'Z'},       {u"ZPRAVODAJSTVÍ", 'Z'},
        {u"News", 'Z'},         {u"Seriál", 'S'},
        {u"Sitcom", 'S'},       {u"soap", 'S'},
        {u"Pro děti", 'Q'},     {u"dětem", 'Q'},
        {u"Animated", 'Q'},     {u"kids", 'Q'},
        {u"Sports", 'O'},       {u"sport", 'O'},
        {u"Talk show", 'L'},    {u"Zábava", 'L'},
        {u"Hudba", 'L'},        {u"Entertainment", 'L'},
        {u"Vaření", 'X'}};
    for (const auto& [category, type] : cases) {
        EXPECT_EQ(only(QString(u"<category lang=\"cs\">" % category % u"</category>")).type,
                  QChar(type))
            << category.toString().toStdString();
    }
    EXPECT_EQ(only(u"<category>Drama</category><category>movie</category>").type, u'F');
    EXPECT_TRUE(only(u"").type.isNull());
}

TEST(XmltvFlags, AudioSubtitlesAndColour)
{
    for (const QStringView sound : {u"stereo", u"Dolby Digital", u"dolby", u"surround"}) {
        const Programme p = only(QStringLiteral("<audio><stereo>%1</stereo></audio>").arg(sound));
        EXPECT_TRUE(p.stereo && !p.dual) << sound.toString().toStdString();
    }
    const Programme bilingual = only(u"<audio><stereo>bilingual</stereo></audio>");
    EXPECT_TRUE(bilingual.dual && !bilingual.stereo);
    const Programme mono = only(u"<audio><stereo>mono</stereo></audio>");
    EXPECT_FALSE(mono.stereo || mono.dual);

    const Programme teletext = only(u"<subtitles type=\"teletext\"><language>cs</language>"
                                    u"</subtitles>");
    EXPECT_TRUE(teletext.subtitles && !teletext.signLanguage);
    EXPECT_TRUE(only(u"<subtitles/>").subtitles);
    const Programme signedOnly = only(u"<subtitles type=\"deaf-signed\"/>");
    EXPECT_TRUE(signedOnly.signLanguage && !signedOnly.subtitles);
    EXPECT_FALSE(only(u"").subtitles || only(u"").signLanguage || only(u"").stereo);

    EXPECT_EQ(only(u"<title>Limonádový Joe</title><video><colour>no</colour></video>").title,
              "Limonádový Joe (čb)");
    EXPECT_EQ(only(u"<title>Kolja</title><video><colour>yes</colour></video>").title, "Kolja");
}

TEST(XmltvIds, StableFromChannelAndStartMoment)
{
    const QString body =
        prog(u"20261207201500 +0100", u"20261207210000 +0100") +
        prog(u"20261207201500 +0100", u"20261207210000 +0100", u"<title>X</title>", u"b");
    const Listings first = read(body);
    ASSERT_EQ(first.programmes.size(), 2);
    EXPECT_EQ(read(body).programmes, first.programmes);
    EXPECT_NE(first.programmes[0].id, first.programmes[1].id);
    EXPECT_EQ(read(prog(u"20261207191500 +0000", u"20261207200000 +0000")).programmes.value(0).id,
              first.programmes[0].id);
    for (const Programme& p : first.programmes)
        EXPECT_TRUE(p.id > 0 && p.id < (qint64(1) << 47)) << p.id;
}

TEST(XmltvIds, LaterOfTwoSameIdsIsSkipped)
{
    Listings listings = read(prog(u"20261207201500 +0100", u"20261207210000 +0100") +
                             prog(u"20261207191500 +0000", {}, u"<title>Later</title>"));
    ASSERT_EQ(listings.programmes.size(), 1);
    EXPECT_EQ(listings.programmes[0].title, "T");
    // Reading the same document again adds nothing new.
    QString error;
    ASSERT_TRUE(readXmltv(tv(prog(u"20261207201500 +0100", {})), {}, &listings, &error));
    EXPECT_EQ(listings.programmes.size(), 1);
    EXPECT_EQ(listings.stations.size(), 1);
}

TEST(XmltvStations, UnmappedChannelsNumberedFrom5000)
{
    ChannelMap map;
    map.byChannel.insert(u"ct1.cz"_qs, Station{u"ČT1"_qs, 1});
    map.byChannel.insert(u"taken.eu"_qs, Station{u"Taken"_qs, 5001});
    Listings listings;
    listings.stations << Station{u"Older"_qs, 5000};
    const QString body = u"<channel id=\"x.de\"><display-name lang=\"de\">X Deutsch</display-name>"
                         u"<display-name lang=\"cs\">X česky</display-name></channel>"
                         u"<channel id=\"ct1.cz\"><display-name>Česká 1</display-name></channel>"
                         u"<channel id=\"y.uk\"><display-name>Y</display-name></channel>" %
                         prog(u"20261207201500 +0100", {}, u"<title>T</title>", u"ct1.cz") %
                         prog(u"20261207201500 +0100", {}, u"<title>T</title>", u"z.at");
    QString error;
    ASSERT_TRUE(readXmltv(tv(body), map, &listings, &error)) << error.toStdString();
    ASSERT_EQ(listings.stations.size(), 5);
    const QStringList expected{u"Older 5000"_qs, u"X česky 5002"_qs, u"ČT1 1"_qs, u"Y 5003"_qs,
                               u"z.at 5004"_qs};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const Station& station = listings.stations[i];
        EXPECT_EQ(QString(station.name % u' ' % QString::number(station.number)), expected[i]);
    }
    EXPECT_EQ(listings.programmes.value(0).station, "ČT1");
    EXPECT_EQ(listings.programmes.value(1).station, "z.at");
}

// The login reply separates stations by "," and their numbers by ";", lines by CR LF.
TEST(XmltvStations, NamesCarryNoSeparatorOfTheLoginReply)
{
    ChannelMap map;
    map.byChannel.insert(u"m"_qs, Station{u"Prima,\r\ncool"_qs, 5});
    const struct
    {
        QStringView channel;
        QStringView displayName;
        QStringView name;
    } cases[] = {{u"a", u"Prima, cool", u"Prima cool"},
                 {u"a", u" Jedna;Dva&#13;&#10;Tři\n\t&#x80;HD ", u"Jedna Dva Tři HD"},
                 {u"a", u"Nova|Plus", u"Nova/Plus"},
                 {u"x,y", u", ;", u"x y"},
                 {u";", u",", u"Bez názvu"},
                 {u"m", u"Jiné", u"Prima cool"}};
    for (const auto& [channel, displayName, name] : cases) {
        const Listings listings =
            read(u"<channel id=\"" % channel % u"\"><display-name>" % displayName %
                     u"</display-name></channel>" %
                     prog(u"20261207201500 +0100", {}, u"<title>T</title>", channel),
                 map);
        ASSERT_EQ(listings.stations.size(), 1);
        EXPECT_EQ(listings.stations[0].name, name);
        EXPECT_EQ(listings.programmes.value(0).station, name);
    }
}

TEST(XmltvChannelMap, ReadsLinesAndNamesTheBadOne)
{
    QTemporaryDir dir;
    const auto write = [&dir](const QByteArray& content) {
        QFile file(dir.filePath(u"map.txt"_qs));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    };
    ChannelMap map;
    QString error;
    ASSERT_TRUE(readChannelMap(write("# comment\r\n\r\nct1.cz;\xc4\x8cT1;1\r\n"
                                     "nova.cz; Prima,\x12"
                                     "cool|HD ;3\n"),
                               &map, &error))
        << error.toStdString();
    ASSERT_EQ(map.byChannel.size(), 2);
    EXPECT_EQ(map.byChannel[u"ct1.cz"_qs].name, "ČT1");
    EXPECT_EQ(map.byChannel[u"nova.cz"_qs].name, "Prima cool/HD");
    EXPECT_EQ(map.byChannel[u"nova.cz"_qs].number, 3);

    for (const QByteArray bad :
         {"a;A;1\n\nb;B\n", "a;A;1\n\nb;B;x\n", "a;A;1\n\n;B;2\n", "a;A;1\n#\na;B;2\n"}) {
        error.clear();
        EXPECT_FALSE(readChannelMap(write(bad), &map, &error)) << bad.toStdString();
        EXPECT_TRUE(error.contains(u"řádek 3")) << error.toStdString();
    }
    EXPECT_EQ(map.byChannel.size(), 2);
    EXPECT_FALSE(readChannelMap(dir.filePath(u"missing.txt"_qs), &map, &error));
    EXPECT_TRUE(error.contains(u"missing.txt")) << error.toStdString();
}

TEST(XmltvErrors, MalformedDocumentsFailWithAMessage)
{
    const QList<QByteArray> documents{
        tv(u"<channel id=\"x\"/><programme channel=\"x\" start=\"20261207201500 +0100\">"
           u"<title>T</programme>"),
        QByteArray("<tv></tv><tv/>"),
        QByteArray(""),
        QByteArray("<rss></rss>"),
        tv(u"<programme start=\"20261207201500 +0100\"/>"),
        tv(u"<programme channel=\"a\" start=\"2026-12-07 20:15\"/>"),
        tv(u"<programme channel=\"a\" start=\"20261207201500 +0100\" stop=\"20261232\"/>"),
        tv(u"<channel><display-name>A</display-name></channel>"),
    };
    for (const QByteArray& document : documents) {
        Listings listings;
        listings.stations << Station{u"Older"_qs, 1};
        QString error;
        EXPECT_FALSE(readXmltv(document, {}, &listings, &error)) << document.toStdString();
        EXPECT_FALSE(error.isEmpty()) << document.toStdString();
        EXPECT_EQ(listings.stations.size(), 1);
    }
}
