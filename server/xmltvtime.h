#pragma once

#include <QDateTime>
#include <QStringView>
#include <QTimeZone>

#include <optional>

// The times of an XMLTV document: "YYYYMMDD", "YYYYMMDDhh", "YYYYMMDDhhmm" or "YYYYMMDDhhmmss",
// then optionally a zone: a numeric offset ("+0100", "-05:30", "+01") or one of the zone names
// feeds write (UTC, GMT, Z, BST, IST, WET, WEST, CET, CEST, MET, MEST, EET, EEST, MSK; IST is the
// Irish summer time). A time without a zone is in `unzoned`, which is UTC unless the operator names
// the zone a feed writes its local times in.
namespace obzorka::server::xmltv {

// The zone of the guide's times.
const QTimeZone& prague();

// The moment the text names, in Prague time; none when it is not a time of that form. A local time
// the spring change skips reads as if the clocks had not moved yet, one the autumn change repeats
// as its second time.
std::optional<QDateTime> parseTime(QStringView text, const QTimeZone& unzoned);

} // namespace obzorka::server::xmltv
