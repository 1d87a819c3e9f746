#include "support/weekfixture.h"

#include "support/listings.h"

#include <array>

namespace obzorka::test {
namespace {

struct Show
{
    const char* title;
    const char* type;
    const char* info;
};

constexpr std::array<Show, 16> shows{
    {{"Události", "Z", "Zpravodajství z domova i ze světa"},
     {"Počasí", "Z", ""},
     {"Četnické humoresky", "S", "/R/ Kriminální seriál z první republiky"},
     {"Pelíšky", "F", "Česká komedie (1999)"},
     {"Večerníček", "Q", "/R/ Pohádka pro nejmenší"},
     {"Hokej: Sparta – Kometa", "O", "Přímý přenos utkání extraligy"},
     {"Objektiv", "D", "Magazín zahraničního zpravodajství"},
     {"Kouzelné školky", "Q", ""},
     {"Vyprávěj", "S", "/P/ Rodinná sága"},
     {"Star Trek", "T", "Sci-fi film (USA)"},
     {"Na stopě", "D", ""},
     {"Všechnopárty", "L", "Talk show Karla Šípa"},
     {"Rock'n'roll z Lucerny", "L", "Koncert, o kterém se mluví"},
     {"Nebe a dudy", "K", "(čb) Stará česká komedie"},
     {"Extra směna", "X", ""},
     {"Sportovní noviny", "O", ""}}};

constexpr std::array<int, 5> lengths{30, 45, 60, 90, 120};

} // namespace

QStringList illustrationNames()
{
    return {QStringLiteral("pelisky.jpg"), QStringLiteral("hokej.jpg"), QStringLiteral("neni.jpg")};
}

void fillWeek(store::Store& store, QDate today)
{
    const QStringList stations{"ČT1",  "ČT2",     "Nova", "Prima",
                               "ČT24", "Markíza", "ZDF",  "BBC World"};
    const std::array<int, 8> numbers{1, 2, 3, 4, 5, 1001, 3001, 4001};
    for (int i = 0; i < stations.size(); ++i)
        addStation(store, stations.at(i), i + 1, numbers.at(i));
    addStation(store, QStringLiteral("ORF 2"), 96, 5002, false);

    store.provedsql(QStringLiteral("BEGIN"));
    int id = 1000;
    for (int offset = -1; offset <= 5; ++offset) {
        const QDate day = today.addDays(offset);
        for (int s = 0; s < stations.size(); ++s) {
            int minutes = 6 * 60 + s * 5;
            for (int n = 0; minutes < 26 * 60; ++n) {
                const Show& show = shows.at((n + s * 3 + offset + 1) % shows.size());
                const int length = lengths.at((n + s) % lengths.size());
                Entry entry{.id = ++id, .tv = stations.at(s), .day = day, .hod1 = minutes / 60,
                            .min1 = minutes % 60, .hod2 = (minutes + length) / 60,
                            .min2 = (minutes + length) % 60, .nazev = QString::fromUtf8(show.title),
                            .info1 = QString::fromUtf8(show.info),
                            .typprg = QString::fromLatin1(show.type)};
                if (n % 3 == 0)
                    entry.info2 =
                        "Podrobný popis: " + entry.nazev + " v hlavní roli s oblíbenými herci.";
                entry.showview = n % 4 == 0 ? QString::number(100000 + id) : QString();
                entry.stereo = n % 2 == 0;
                entry.titulky = n % 3 == 1;
                entry.dual = n % 5 == 2;
                entry.znakRec = n % 7 == 3;
                entry.cb = entry.info1.contains(QStringLiteral("(čb)"));
                if (n % 6 == 1)
                    entry.obr = illustrationNames().at((n / 6) % illustrationNames().size());
                insert(store, entry);
                if (n % 9 == 4)
                    mark(store, entry.id);
                minutes += length;
            }
        }
    }
    store.provedsql(QStringLiteral("COMMIT"));
}

} // namespace obzorka::test
