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
    int hod1 = 20;
    int min1 = 0;
    int hod2 = 21;
    int min2 = 0;
    QString nazev = QStringLiteral("Pořad");
    QString info1{};
    QString info2{};
    QString typprg{};
    QString showview{};
    QString obr{};
    QString obr2{};
    bool stereo = false;
    bool titulky = false;
    bool dual = false;
    bool znakRec = false;
    bool cb = false;
};

void insert(store::Store& store, const Entry& entry);
void addStation(store::Store& store, const QString& tv, int pozice, int idtv, bool received = true);
void mark(store::Store& store, int id);

} // namespace obzorka::test
