#include "xmltv.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

bool readInto(QByteArray xml, const ChannelMap& map, Listings* listings)
{
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    FeedReport report;
    QString error;
    const bool read = readXmltv(&buffer, map, QTimeZone::utc(), listings, &report, &error);
    EXPECT_TRUE(read) << error.toStdString();
    return read;
}

Listings read(const QString& body, const ChannelMap& map = {})
{
    Listings listings;
    readInto(tv(body), map, &listings);
    return listings;
}

// The programme of the inner elements, titled "T" when they give no title.
Programme only(const QString& inner)
{
    const QString titled = inner.contains(u"<title") ? inner : u"<title>T</title>" + inner;
    return read(prog(u"20261207201500 +0100", u"20261207210000 +0100", titled)).programmes.value(0);
}

} // namespace

// The broadcast day begins at six; times become Prague time, whose clocks skip an hour in spring
// and repeat one in autumn.
TEST(XmltvTimes, BroadcastDayHoursInPragueTime)
{
    const std::tuple<QStringView, QStringView, const char*> cases[] = {
        {u"20261207233000 +0100", u"20261208010000 +0100", "7.12. 23:30-25:00"},
        {u"20261208055900 +0100", u"20261208060000 +0100", "7.12. 29:59-30:00"},
        {u"20261208060000 +0100", u"20261208063000 +0100", "8.12. 06:00-06:30"},
        {u"20261207191500 +0000", u"20261207201500 +0000", "7.12. 20:15-21:15"},
        {u"20261207221500 +0200", u"20261207231500 +0200", "7.12. 21:15-22:15"},
        {u"20260715181500 +0000", u"20260715191500+0000", "15.7. 20:15-21:15"},
        {u"20260715181530", u"202607151930", "15.7. 20:15-21:30"},
        {u"20260329013000 +0100", u"20260329033000 +0200", "28.3. 25:30-27:30"},
        {u"20261025003000 +0000", u"20261025013000 +0000", "24.10. 26:30-26:30"},
    };
    for (const auto& [start, stop, shown] : cases) {
        const QList<Programme> found = read(prog(start, stop)).programmes.all();
        const Programme p = found.value(0);
        EXPECT_EQ(found.size() != 1
                      ? QString("%1 programmes").arg(found.size())
                      : QString::asprintf("%d.%d. %02d:%02d-%02d:%02d", p.day.day(), p.day.month(),
                                          p.hod1, p.min1, p.hod2, p.min2),
                  shown)
            << start.toString().toStdString();
    }
}

// Title, short and long information (Czech preferred, then the first; the short one joins
// sub-title, episode and year; "|" never goes out in a text), the type from the first known
// category, and the audio and subtitle flags.
TEST(XmltvTexts, TextsTypeAndFlags)
{
    const std::pair<QStringView, const char*> cases[] = {
        {u"<title lang=\"en\">News</title><title lang=\"cs\">Zprávy</title><desc lang=\"de\">Erste"
         u"</desc><desc lang=\"en\">Second</desc><sub-title lang=\"en\">Episode</sub-title>"
         u"<sub-title lang=\"cs-CZ\">Díl</sub-title>",
         "Zprávy|Díl|Erste||"},
        {u"<title>A|B</title><sub-title>C|D</sub-title><desc>E|F</desc>", "A/B|C/D|E/F||"},
        {u"<sub-title>Návrat</sub-title><episode-num system=\"xmltv_ns\">1.4/10.0/1</episode-num>"
         u"<date>19840312</date>",
         "T|Návrat, řada 2, díl 5, (1984)|||"},
        {u"<episode-num system=\"xmltv_ns\"> . 0 . </episode-num>", "T|díl 1|||"},
        {u"<episode-num system=\"xmltv_ns\">2.3.</episode-num><episode-num system=\"onscreen\">"
         u"S03E04</episode-num>",
         "T|S03E04|||"},
        {u"<date>1984</date>", "T|(1984)|||"},
        {u"<title>Joe</title><video><colour>no</colour></video>", "Joe (čb)||||"},
        {u"<title>Kolja</title><video><colour>yes</colour></video>", "Kolja||||"},
        {u"<category>Drama</category><category>movie</category>", "T|||F|"},
        {u"<audio><stereo>stereo</stereo></audio>", "T||||s"},
        {u"<audio><stereo>Dolby Digital</stereo></audio>", "T||||s"},
        {u"<audio><stereo>surround</stereo></audio>", "T||||s"},
        {u"<audio><stereo>bilingual</stereo></audio>", "T||||d"},
        {u"<audio><stereo>mono</stereo></audio>", "T||||"},
        {u"<subtitles type=\"teletext\"><language>cs</language></subtitles>", "T||||t"},
        {u"<subtitles/>", "T||||t"},
        {u"<subtitles type=\"deaf-signed\"/>", "T||||z"}};
    for (const auto& [inner, shown] : cases) {
        const Programme p = only(inner.toString());
        const QString flags = QLatin1String(p.stereo ? "s" : "") + (p.dual ? "d" : "") +
                              (p.subtitles ? "t" : "") + (p.signLanguage ? "z" : "");
        EXPECT_EQ(
            QStringList({p.title, p.info1, p.info2, p.type.isNull() ? QString() : p.type, flags})
                .join('|'),
            shown)
            << inner.toString().toStdString();
    }
    // A category is found word by word, in any case, and one unknown is the type "extra".
    const std::pair<QStringView, QChar> categories[] = {
        {u"Feature film", 'F'}, {u"Akční film", 'F'}, {u"ZPRAVODAJSTVÍ", 'Z'},
        {u"Pro děti", 'Q'},     {u"Talk show", 'L'},  {u"Vaření", 'X'}};
    for (const auto& [category, type] : categories)
        EXPECT_EQ(only(QString(u"<category lang=\"cs\">" % category % u"</category>")).type, type)
            << category.toString().toStdString();
}

// Ids come from the channel and the start moment: the same on every reading, whatever the
// offset; the later of two programmes with one id is skipped, and a document read again adds
// nothing.
TEST(XmltvIds, StableFromChannelAndStartMoment)
{
    const QString body = prog(u"20261207201500 +0100", u"20261207210000 +0100") +
                         prog(u"20261207201500 +0100", {}, u"<title>X</title>", u"b") +
                         prog(u"20261207191500 +0000", {}, u"<title>Later</title>");
    Listings listings = read(body);
    ASSERT_EQ(listings.programmes.size(), 2);
    EXPECT_EQ(read(body).programmes, listings.programmes);
    EXPECT_EQ(listings.programmes.at(0).title, "T");
    EXPECT_NE(listings.programmes.id(0), listings.programmes.id(1));
    for (const Programme& p : listings.programmes)
        EXPECT_TRUE(p.id > 0 && p.id < (qint64(1) << 47)) << p.id;
    ASSERT_TRUE(readInto(tv(prog(u"20261207201500 +0100", {})), {}, &listings));
    EXPECT_EQ(listings.programmes.size(), 2);
    EXPECT_EQ(listings.stations.size(), 2);
}

TEST(XmltvStations, UnmappedChannelsNumberedFrom5000AndNamesFreeOfReplySeparators)
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
    ASSERT_TRUE(readInto(tv(body), map, &listings));
    QStringList stations;
    for (const Station& station : listings.stations)
        stations << station.name % u' ' % QString::number(station.number);
    EXPECT_EQ(stations.join(','), "Older 5000,X česky 5002,ČT1 1,Y 5003,z.at 5004");
    EXPECT_EQ(
        QString(listings.programmes.value(0).station + ',' + listings.programmes.value(1).station),
        "ČT1,z.at");

    // The login reply separates stations by "," and their numbers by ";", lines by CR LF.
    map.byChannel.insert(u"m"_qs, Station{u"Prima,\r\ncool"_qs, 5});
    // The channel id, its display name and the station's name.
    const std::tuple<QStringView, QStringView, QStringView> cases[] = {
        {u"a", u"Prima, cool", u"Prima cool"},
        {u"a", u" Jedna;Dva&#13;&#10;Tři\n\t&#x80;HD ", u"Jedna Dva Tři HD"},
        {u"a", u"Nova|Plus", u"Nova/Plus"},
        {u"x,y", u", ;", u"x y"},
        {u";", u",", u"Bez názvu"},
        {u"m", u"Jiné", u"Prima cool"}};
    for (const auto& [channel, displayName, name] : cases) {
        const Listings named =
            read(u"<channel id=\"" % channel % u"\"><display-name>" % displayName %
                     u"</display-name></channel>" %
                     prog(u"20261207201500 +0100", {}, u"<title>T</title>", channel),
                 map);
        ASSERT_EQ(named.stations.size(), 1);
        EXPECT_EQ(named.stations[0].name, name);
        EXPECT_EQ(named.programmes.value(0).station, name);
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
    const Station nova = map.byChannel.value(u"nova.cz"_qs);
    EXPECT_EQ(map.byChannel[u"ct1.cz"_qs].name + '|' + nova.name + '|' +
                  QString::number(nova.number),
              "ČT1|Prima cool/HD|3");

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
