#pragma once

#include <QDate>
#include <QStringList>

namespace obzorka {
class Store;
}

namespace obzorka::test {

// Fills a store with a week of believable listings around today: eight received stations
// in slots 1-8 (Czech, Slovak, German, English), one offered station in slot 96, every
// programme type and flag, texts with apostrophes, extended information, ShowView codes,
// illustration names (illustrationNames() lists them) and a few reminder marks.
void fillWeek(Store& store, QDate today);
QStringList illustrationNames();

} // namespace obzorka::test
