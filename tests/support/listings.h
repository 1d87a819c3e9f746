#pragma once

#include "store/store.h"

#include <QDate>
#include <QString>

namespace obzorka::test {

// One programme entry as a test writes it; unset texts stay NULL in the store.
struct Entry
{
    int id = 0;
    QString tv = QStringLiteral("ČT1");
    QDate day{};
    int hod1 = 20, min1 = 0, hod2 = 21, min2 = 0;
    QString nazev = QStringLiteral("Pořad");
    QString info1{}, info2{}, typprg{}, showview{}, obr{}, obr2{};
    bool stereo = false, titulky = false, dual = false, znakRec = false, cb = false;
};

void insert(store::Store& store, const Entry& entry);
void addStation(store::Store& store, const QString& tv, int pozice, int idtv, bool received = true);
void mark(store::Store& store, int id);

} // namespace obzorka::test
