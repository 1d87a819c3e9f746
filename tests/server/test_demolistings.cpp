#include "demolistings.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

using namespace obzorka::server;

namespace {

const QDate today(2026, 3, 15);
constexpr quint32 seed = 7;

// Generated once: every test reads the same listings.
const Listings& demo()
{
    static const Listings listings = demoListings(today, seed);
    return listings;
}

int startOf(const Programme& programme)
{
    return programme.hod1 * 60 + programme.min1;
}

int endOf(const Programme& programme)
{
    return programme.hod2 * 60 + programme.min2;
}

QString texts(const Programme& programme)
{
    return programme.title + u'\n' + programme.info1 + u'\n' + programme.info2;
}

bool anyProgramme(const std::function<bool(const Programme&)>& test)
{
    return std::any_of(demo().programmes.begin(), demo().programmes.end(), test);
}

int share(const std::function<bool(const Programme&)>& test)
{
    const auto& all = demo().programmes;
    return int(100 * std::count_if(all.begin(), all.end(), test) / all.size());
}

QList<std::pair<QString, int>> stationList(const Listings& listings)
{
    QList<std::pair<QString, int>> list;
    for (const Station& station : listings.stations)
        list.append({station.name, station.number});
    return list;
}

} // namespace

TEST(DemoListings, TheSameDayAndSeedGiveTheSameListings)
{
    const Listings again = demoListings(today, seed);
    EXPECT_EQ(stationList(again), stationList(demo()));
    EXPECT_EQ(again.programmes, demo().programmes);
    EXPECT_EQ(again.changes, demo().changes);
    EXPECT_EQ(again.message, demo().message);
    EXPECT_EQ(again.images, demo().images);
    ASSERT_EQ(again.banners.size(), demo().banners.size());
    for (int i = 0; i < again.banners.size(); ++i) {
        EXPECT_EQ(again.banners[i].indexHtml, demo().banners[i].indexHtml);
        EXPECT_EQ(again.banners[i].otherFiles, demo().banners[i].otherFiles);
    }
}

TEST(DemoListings, ConsecutiveDaysAgreeOnTheDaysTheyShare)
{
    const Listings tomorrow = demoListings(today.addDays(1), seed);
    QHash<qint64, Programme> earlier;
    for (const Programme& programme : demo().programmes)
        earlier.insert(programme.id, programme);
    int shared = 0;
    for (const Programme& programme : tomorrow.programmes) {
        if (programme.day > today.addDays(12))
            continue;
        ++shared;
        ASSERT_TRUE(earlier.contains(programme.id)) << programme.title.toStdString();
        EXPECT_EQ(earlier.value(programme.id), programme);
    }
    EXPECT_GT(shared, 0);
}

TEST(DemoListings, NineteenStationsInTheirGroups)
{
    const QList<std::pair<QString, int>> expected{
        {"ČT1", 1},       {"ČT2", 2},          {"Nova", 3},        {"Prima", 4},
        {"ČT24", 5},      {"ČT sport", 6},     {"Nova Cinema", 7}, {"Prima Cool", 8},
        {"ČT :D", 9},     {"Markíza", 1001},   {"JOJ", 1002},      {"TVP1", 2001},
        {"Polsat", 2002}, {"ZDF", 3001},       {"ARD", 3002},      {"BBC World", 4001},
        {"CNN", 4002},    {"Eurosport", 5001}, {"Arte", 5002}};
    EXPECT_EQ(stationList(demo()), expected);
}

TEST(DemoListings, EveryStationIsCoveredFromSixToThirtyOnEachOfFourteenDays)
{
    QHash<std::pair<QString, QDate>, QList<Programme>> days;
    for (const Programme& programme : demo().programmes)
        days[{programme.station, programme.day}].append(programme);
    EXPECT_EQ(days.size(), 19 * 14);
    for (const Station& station : demo().stations) {
        for (int offset = -1; offset < 13; ++offset) {
            QList<Programme> day = days.value({station.name, today.addDays(offset)});
            ASSERT_FALSE(day.isEmpty()) << station.name.toStdString() << " " << offset;
            std::sort(day.begin(), day.end(), [](const Programme& a, const Programme& b) {
                return startOf(a) < startOf(b);
            });
            int expectedStart = 6 * 60;
            for (const Programme& programme : day) {
                const int length = endOf(programme) - startOf(programme);
                EXPECT_EQ(startOf(programme), expectedStart) << station.name.toStdString();
                EXPECT_GE(length, 15);
                EXPECT_LE(length, 150);
                EXPECT_EQ(length % 5, 0);
                EXPECT_LT(programme.min1, 60);
                EXPECT_LT(programme.min2, 60);
                expectedStart = endOf(programme);
            }
            EXPECT_GE(expectedStart, 30 * 60) << station.name.toStdString();
        }
    }
}

TEST(DemoListings, IdsAreUniquePositiveAndFitInThirtyTwoBits)
{
    QSet<qint64> ids;
    for (const Programme& programme : demo().programmes) {
        EXPECT_GT(programme.id, 0);
        EXPECT_LE(programme.id, std::numeric_limits<qint32>::max());
        ids.insert(programme.id);
    }
    EXPECT_EQ(ids.size(), demo().programmes.size());
}

TEST(DemoListings, EveryTypeLetterAndEveryFlagCombinationOccurs)
{
    QSet<QChar> types;
    QSet<int> combinations;
    for (const Programme& programme : demo().programmes) {
        types.insert(programme.type);
        combinations.insert(int(programme.stereo) | int(programme.subtitles) << 1 |
                            int(programme.dual) << 2 | int(programme.signLanguage) << 3);
    }
    for (QChar letter : QStringLiteral("FTKWPHDZSQOXL"))
        EXPECT_TRUE(types.contains(letter)) << QString(letter).toStdString();
    EXPECT_EQ(types.size(), 13);
    EXPECT_EQ(combinations.size(), 16);
}

TEST(DemoListings, TextsHaveApostrophesBarsBlackAndWhiteAndEpisodes)
{
    EXPECT_TRUE(anyProgramme([](const Programme& p) { return p.title.contains(u'\''); }));
    EXPECT_TRUE(anyProgramme([](const Programme& p) { return texts(p).contains(u'|'); }));
    EXPECT_TRUE(anyProgramme([](const Programme& p) { return p.title.contains(u"(cb)"); }));
    EXPECT_TRUE(anyProgramme([](const Programme& p) { return p.info1.contains(u"(cb)"); }));
    EXPECT_TRUE(anyProgramme([](const Programme& p) { return p.info1.contains(u"/P/"); }));
    EXPECT_TRUE(anyProgramme([](const Programme& p) { return p.info1.contains(u"/R/"); }));
    const QRegularExpression episode(QStringLiteral("díl [1-9][0-9]*"));
    EXPECT_FALSE(anyProgramme(
        [&](const Programme& p) { return (p.type == u'S') != episode.match(p.info1).hasMatch(); }));
    EXPECT_FALSE(anyProgramme([](const Programme& p) { return p.title.trimmed().isEmpty(); }));
}

TEST(DemoListings, TextsUseOnlyCharactersOfWindows1250)
{
    const QString allowed = QStringLiteral("áäčďéěíĺľňóôöŕřšťúůüýžÁÄČĎÉĚÍĹĽŇÓÔÖŔŘŠŤÚŮÜÝŽ"
                                           "ąćęłńśźżĄĆĘŁŃŚŹŻß–„“");
    auto check = [&](const QString& text) {
        for (QChar c : text)
            EXPECT_TRUE(c.unicode() < 128 || allowed.contains(c)) << text.toStdString();
    };
    for (const Programme& programme : demo().programmes)
        check(texts(programme) + programme.station);
    check(demo().message);
}

TEST(DemoListings, ChangesKeepIdsOfTheFirstThreeDaysAndChangeSomething)
{
    QHash<qint64, Programme> originals;
    for (const Programme& programme : demo().programmes)
        originals.insert(programme.id, programme);
    const auto& changes = demo().changes;
    EXPECT_GE(changes.size(), 15);
    EXPECT_LE(changes.size(), 25);
    QSet<qint64> ids;
    QSet<int> kinds;
    for (const Programme& changed : changes) {
        ids.insert(changed.id);
        ASSERT_TRUE(originals.contains(changed.id));
        const Programme original = originals.value(changed.id);
        EXPECT_NE(changed, original);
        EXPECT_LE(changed.day, today.addDays(1));
        EXPECT_GT(endOf(changed), startOf(changed));
        // Only the title, info1 or the times move, and times by five minutes both.
        Programme rest = changed;
        rest.title = original.title;
        rest.info1 = original.info1;
        rest.hod1 = original.hod1;
        rest.min1 = original.min1;
        rest.hod2 = original.hod2;
        rest.min2 = original.min2;
        EXPECT_EQ(rest, original);
        const int shift = startOf(changed) - startOf(original);
        EXPECT_TRUE(shift == 0 || shift == 5 || shift == -5);
        EXPECT_EQ(endOf(changed) - endOf(original), shift);
        kinds.insert(changed.title != original.title ? 0 : changed.info1 != original.info1 ? 1 : 2);
    }
    EXPECT_EQ(ids.size(), changes.size());
    EXPECT_EQ(kinds.size(), 3);
}

TEST(DemoListings, IllustrationsAreSharedPngPicturesThatExist)
{
    const auto& images = demo().images;
    EXPECT_GE(images.size(), 25);
    EXPECT_LE(images.size(), 35);
    QSet<QByteArray> distinct;
    for (auto it = images.begin(); it != images.end(); ++it) {
        EXPECT_TRUE(it.value().startsWith("\x89PNG\r\n\x1a\n")) << it.key().toStdString();
        const QImage image = QImage::fromData(it.value(), "PNG");
        EXPECT_EQ(image.size(), QSize(274, 180)) << it.key().toStdString();
        distinct.insert(it.value());
    }
    EXPECT_EQ(distinct.size(), images.size());

    QSet<QString> used;
    for (const Programme& programme : demo().programmes) {
        for (const QString& name : {programme.image1, programme.image2}) {
            if (name.isEmpty())
                continue;
            used.insert(name);
            EXPECT_TRUE(images.contains(name)) << name.toStdString();
        }
        EXPECT_TRUE(programme.image2.isEmpty() ||
                    (!programme.image1.isEmpty() && programme.image1 != programme.image2));
    }
    EXPECT_EQ(used.size(), images.size());
    const int first = share([](const Programme& p) { return !p.image1.isEmpty(); });
    const int second = share([](const Programme& p) { return !p.image2.isEmpty(); });
    EXPECT_GE(first, 9);
    EXPECT_LE(first, 16);
    EXPECT_GE(second, 3);
    EXPECT_LE(second, 7);
}

TEST(DemoListings, MessageAndBanners)
{
    EXPECT_TRUE(demo().message.contains(u'\''));
    const auto& banners = demo().banners;
    ASSERT_EQ(banners.size(), 2);
    EXPECT_EQ(banners[0].id, "demo1");
    EXPECT_EQ(banners[0].lastDay, today.addDays(30));
    EXPECT_EQ(banners[1].id, "demo2");
    EXPECT_EQ(banners[1].lastDay, today.addDays(3));
    for (const Banner& banner : banners) {
        const QString html = QString::fromUtf8(banner.indexHtml);
        EXPECT_TRUE(html.contains(u"<html")) << banner.id.toStdString();
        EXPECT_TRUE(html.contains(u"ř") || html.contains(u"č")) << banner.id.toStdString();
        EXPECT_EQ(html.toUtf8(), banner.indexHtml);
    }
    EXPECT_EQ(banners[0].otherFiles.keys(), QStringList{"logo.png"});
    EXPECT_FALSE(QImage::fromData(banners[0].otherFiles.value("logo.png"), "PNG").isNull());
    EXPECT_TRUE(QString::fromUtf8(banners[0].indexHtml).contains(u"logo.png"));
    EXPECT_TRUE(banners[1].otherFiles.isEmpty());
    if (QFile::exists(":/demo/banner1.gif")) {
        EXPECT_TRUE(banners[0].bannerGif.startsWith("GIF89a"));
        EXPECT_TRUE(banners[1].bannerGif.startsWith("GIF89a"));
    } else {
        EXPECT_TRUE(banners[0].bannerGif.isEmpty());
    }
}
