#pragma once

#include <QDate>
#include <QStringList>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::test {

// Fills a store with a week of believable listings around today: eight received stations
// in slots 1-8 (Czech, Slovak, German, English), one offered station in slot 96, every
// programme type and flag, texts with apostrophes, extended information, ShowView codes,
// illustration names (illustrationNames() lists them) and a few reminder marks.
void fillWeek(store::Store& store, QDate today);
QStringList illustrationNames();

} // namespace obzorka::test
