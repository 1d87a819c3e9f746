// The times and texts of XMLTV feeds as the server reads them.
#include "wiretext.h"
#include "xmltvtime.h"

#include <gtest/gtest.h>

using namespace obzorka::server;

namespace {

// The moment as UTC, or "none".
std::string utc(QStringView text, const QTimeZone& unzoned = QTimeZone::utc())
{
    const auto time = xmltv::parseTime(text, unzoned);
    return time ? time->toUTC().toString(Qt::ISODate).toStdString() : "none";
}

} // namespace

TEST(XmltvTime, EveryFormOfTheTimeAndItsZone)
{
    const std::pair<const char16_t*, const char*> cases[] = {
        // Initial substrings; without a zone the time is UTC.
        {u"20261207", "2026-12-07T00:00:00Z"},
        {u"2026120720", "2026-12-07T20:00:00Z"},
        {u"202612072015", "2026-12-07T20:15:00Z"},
        {u" 20261207201530 ", "2026-12-07T20:15:30Z"},
        // Numeric offsets with and without a colon or a blank, or hours alone.
        {u"20261207201500 +0100", "2026-12-07T19:15:00Z"},
        {u"20261207201500+01:00", "2026-12-07T19:15:00Z"},
        {u"20261207201500 +01", "2026-12-07T19:15:00Z"},
        {u"20261207201500 -0530", "2026-12-08T01:45:00Z"},
        {u"202612072015 +1400", "2026-12-07T06:15:00Z"},
        // Named zones, in any case.
        {u"20010829000500 BST", "2001-08-28T23:05:00Z"},
        {u"20261207120000 UTC", "2026-12-07T12:00:00Z"},
        {u"20261207120000 GMT", "2026-12-07T12:00:00Z"},
        {u"20261207120000 Z", "2026-12-07T12:00:00Z"},
        {u"20261207120000 WET", "2026-12-07T12:00:00Z"},
        {u"20261207120000 IST", "2026-12-07T11:00:00Z"},
        {u"20261207120000 WEST", "2026-12-07T11:00:00Z"},
        {u"20261207120000 cet", "2026-12-07T11:00:00Z"},
        {u"20261207120000 MET", "2026-12-07T11:00:00Z"},
        {u"20261207120000 CEST", "2026-12-07T10:00:00Z"},
        {u"20261207120000 MEST", "2026-12-07T10:00:00Z"},
        {u"20261207120000 EET", "2026-12-07T10:00:00Z"},
        {u"20261207120000 EEST", "2026-12-07T09:00:00Z"},
        {u"20261207120000 MSK", "2026-12-07T09:00:00Z"},
        // Not times.
        {u"", "none"},
        {u"2026", "none"},
        {u"202612", "none"},
        {u"2026120", "none"},
        {u"20261207201", "none"},
        {u"202612072015301", "none"},
        {u"20261307", "none"},
        {u"20261232", "none"},
        {u"20261207246000", "none"},
        {u"2026-12-07", "none"},
        {u"20261207201500 XYZ", "none"},
        {u"20261207201500 PST", "none"},
        {u"20261207201500 +1500", "none"},
        {u"20261207201500 +0160", "none"},
        {u"20261207201500 +01:0", "none"},
        {u"20261207201500 +0100 CET", "none"},
        {u"20261207201500 +", "none"},
        {u"٢٠٢٦١٢٠٧", "none"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(utc(text), expected) << QString::fromUtf16(text).toStdString();
}

// A feed of local times without a zone, read in the zone the operator names: on the spring change
// the skipped hour reads as if the clocks had not moved yet, on the autumn change the repeated hour
// is its second time.
TEST(XmltvTime, UnzonedTimesInANamedZoneAcrossTheChanges)
{
    const QTimeZone prague("Europe/Prague");
    const QTimeZone london("Europe/London");
    const std::tuple<const char16_t*, const QTimeZone*, const char*> cases[] = {
        {u"20261207201500", &prague, "2026-12-07T19:15:00Z"},
        {u"20260715201500", &prague, "2026-07-15T18:15:00Z"},
        {u"20260715201500", &london, "2026-07-15T19:15:00Z"},
        {u"20260329015900", &prague, "2026-03-29T00:59:00Z"},
        {u"20260329023000", &prague, "2026-03-29T01:30:00Z"},
        {u"20260329030000", &prague, "2026-03-29T01:00:00Z"},
        {u"20261025023000", &prague, "2026-10-25T01:30:00Z"},
        {u"20261025033000", &prague, "2026-10-25T02:30:00Z"},
        {u"20261207201500 +0000", &prague, "2026-12-07T20:15:00Z"}};
    for (const auto& [text, zone, expected] : cases)
        EXPECT_EQ(utc(text, *zone), expected) << QString::fromUtf16(text).toStdString();
}

TEST(WireText, WhatWindows1250LacksGetsAStandIn)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"Příliš žluťoučký kůň úpěl ďábelské ódy", u"Příliš žluťoučký kůň úpěl ďábelské ódy"},
        {u"Łódź „Śląsk“ – 5 € © ß ü × °", u"Łódź „Śląsk“ – 5 € © ß ü × °"},
        {u"£ 5", u"GBP 5"},
        {u"Cœur, Œuvre, Æsop", u"Coeur, OEuvre, AEsop"},
        {u"Konec…", u"Konec..."},
        {u"Señor Ångström Øresund", u"Senor Angström Oresund"},
        {u"ﬁlm ½ ²", u"film 1/2 2"},
        {u"Řádek\tdruhý\r\ntřetí\u0085", u"Řádek druhý  třetí "},
        {u"bez\u200Bmezery\uFEFF", u"bezmezery"},
        {u"中文 😀 ✓", u"?? ? ?"},
        {u"sám\xD800", u"sám?"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(wiretext::fold(QString::fromUtf16(text)), QString::fromUtf16(expected))
            << QString::fromUtf16(text).toStdString();
}
