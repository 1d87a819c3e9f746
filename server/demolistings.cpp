#include "demolistings.h"

#include <QBuffer>
#include <QConicalGradient>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <random>

namespace obzorka::server {
namespace {

constexpr int broadcastDays = 14;
constexpr int dayStart = 6 * 60;
constexpr int dayEnd = 30 * 60;
constexpr int shortest = 15;
constexpr int longest = 150;
constexpr int illustrationCount = 30;
constexpr int changeCount = 20;
constexpr qint64 epochJulianDay = 2440588; // 1970-01-01: ids count days from it

// A generator whose numbers are the same with every standard library: mt19937 and seed_seq
// are fully defined, the standard distributions are not.
class Dice
{
public:
    Dice(std::initializer_list<quint32> seeds)
    {
        std::seed_seq sequence(seeds);
        m_engine.seed(sequence);
    }

    int below(int count) { return int(m_engine() % quint32(count)); }
    bool chance(int percent) { return below(100) < percent; }
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::mt19937 m_engine;
};

enum Category
{
    Film,
    Documentary,
    News,
    Series,
    Children,
    Sport,
    Extra,
    Entertainment,
    Kinds
};

Category categoryOf(char type)
{
    switch (type) {
    case 'D':
        return Documentary;
    case 'Z':
        return News;
    case 'S':
        return Series;
    case 'Q':
        return Children;
    case 'O':
        return Sport;
    case 'X':
        return Extra;
    case 'L':
        return Entertainment;
    default:
        return Film; // F T K W P H
    }
}

enum class Language
{
    Czech,
    Slovak,
    Polish,
    German,
    English,
    French
};

// Titles in the station's language; descriptions are Czech on every station, as the guide's
// users read them.
struct Show
{
    Language language;
    char type;
    const char* title;
    const char* info;
    int year; // 0: none shown
};

using enum Language;

// clang-format off
const Show shows[] = {
    {Czech, 'W', "Vlak do Zlatého kaňonu", "Americký western", 1956},
    {Czech, 'W', "Muž z Kamenného údolí", "Italský western", 1968},
    {Czech, 'W', "Poslední šerif z Dakoty", "Americký western", 1949},
    {Czech, 'K', "Hrdinové z hospody U Kocoura", "Česká komedie", 1938},
    {Czech, 'K', "Rock'n'roll pro Kateřinu", "Česká hudební komedie", 1963},
    {Czech, 'K', "Svatba na Hané", "Česká komedie", 1999},
    {Czech, 'P', "Jak princezna ztratila korunku", "Česká pohádka", 1985},
    {Czech, 'P', "O kováři a drakovi", "Česká pohádka", 1979},
    {Czech, 'P', "Princ a švadlenka", "Německá pohádka", 2011},
    {Czech, 'H', "Noc v opuštěném mlýně", "Britský horor", 1972},
    {Czech, 'H', "Upír z Ledové pasáže", "Americký horor", 1988},
    {Czech, 'T', "Tajemství hradu Bezdězu", "Český televizní film", 1991},
    {Czech, 'T', "Pravda o Janu Vránovi", "Český televizní film", 2002},
    {Czech, 'F', "Poslední let do Lisabonu", "Americké drama", 1949},
    {Czech, 'F', "Dům u tří lip", "Český film", 1957},
    {Czech, 'F', "Kapitán O'Hara se vrací", "Americký dobrodružný film", 1952},
    {Czech, 'F', "Zimní zahrada", "Francouzské drama", 2004},
    {Czech, 'F', "Ticho nad jezerem", "Švédské drama", 2015},
    {Czech, 'D', "Tajemství českých hradů", "Dokumentární cyklus", 0},
    {Czech, 'D', "Planeta moří", "Přírodovědný dokument", 0},
    {Czech, 'D', "Shakespeare's England: Cesta do Stratfordu", "Britský dokument", 0},
    {Czech, 'D', "Rock'n'roll za železnou oponou", "Hudební dokument", 0},
    {Czech, 'D', "Po stopách Keltů", "Historický dokument", 0},
    {Czech, 'D', "Divočina Šumavy", "Přírodopisný dokument", 0},
    {Czech, 'D', "Řemesla našich předků", "Dokumentární cyklus", 0},
    {Czech, 'Z', "Zprávy", "Zpravodajství", 0},
    {Czech, 'Z', "Ranní zprávy", "Zpravodajství | doprava | počasí", 0},
    {Czech, 'Z', "Zprávy z regionů", "Regionální zpravodajství", 0},
    {Czech, 'Z', "Počasí", "Předpověď počasí", 0},
    {Czech, 'Z', "Ekonomika dnes", "Ekonomické zpravodajství", 0},
    {Czech, 'Z', "Hlavní zprávy", "Zpravodajství | sport | počasí", 0},
    {Czech, 'S', "Ordinace v Lipové ulici", "Český seriál", 2019},
    {Czech, 'S', "Četníci z Vysočiny", "Český kriminální seriál", 2016},
    {Czech, 'S', "Rodina Horáků", "Rodinný seriál", 2021},
    {Czech, 'S', "Přátelé z Kampy", "Komediální seriál", 2012},
    {Czech, 'S', "Hotel Modrá hvězda", "Český seriál", 2008},
    {Czech, 'S', "O'Neillovi z Dublinu", "Irský rodinný seriál", 2014},
    {Czech, 'Q', "Méďa Béďa a kamarádi", "Animovaný seriál", 0},
    {Czech, 'Q', "Kouzelná školka", "Pořad pro děti", 0},
    {Czech, 'Q', "Draci z Podskalí", "Animovaný seriál", 0},
    {Czech, 'Q', "Tlapky na cestách", "Animovaný seriál", 0},
    {Czech, 'Q', "Zprávičky", "Zpravodajství pro děti", 0},
    {Czech, 'Q', "Pohádka na dobrou noc", "Večerníček", 0},
    {Czech, 'O', "Fotbal: Slavia – Baník", "Přímý přenos | 1. liga", 0},
    {Czech, 'O', "Hokej: Brno – Třinec", "Přímý přenos", 0},
    {Czech, 'O', "Tenis: turnaj v Praze", "Záznam", 0},
    {Czech, 'O', "Atletika: mítink v Ostravě", "Přímý přenos", 0},
    {Czech, 'O', "Lyžování: Světový pohár", "Přímý přenos", 0},
    {Czech, 'O', "Sportovní noviny", "Sportovní zpravodajství", 0},
    {Czech, 'X', "Tipy pro vás", "Upoutávky", 0},
    {Czech, 'X', "Teleshopping", "Reklamní pořad", 0},
    {Czech, 'X', "Slosování loterie", "Losování čísel", 0},
    {Czech, 'X', "Hudba na noc", "Hudební smyčka", 0},
    {Czech, 'L', "Rock'n'roll v Jablonci", "Hudební pořad", 0},
    {Czech, 'L', "Zábavný večer s Pepou Pospíšilem", "Zábavný pořad", 0},
    {Czech, 'L', "Kdo chce vyhrát?", "Soutěž", 0},
    {Czech, 'L', "Kuchyně od babičky", "Kulinářský pořad", 0},
    {Czech, 'L', "Taneční ráj", "Taneční soutěž", 0},
    {Czech, 'L', "Shakespeare's Globe: Večer tříkrálový", "Divadelní záznam", 0},

    {Slovak, 'F', "Zbojník z Kriváňa", "Slovenský dobrodružný film", 1954},
    {Slovak, 'K', "Ľúbostný list z Tatier", "Slovenská komedie", 2003},
    {Slovak, 'P', "Princezná a drevorubač", "Slovenská pohádka", 1988},
    {Slovak, 'H', "Strašidlo z Čachtíc", "Slovenský horor", 2010},
    {Slovak, 'T', "Tajomstvo starej studne", "Slovenský televizní film", 1997},
    {Slovak, 'W', "Posledný výstrel", "Americký western", 1961},
    {Slovak, 'D', "Tajomstvá slovenských hradov", "Dokumentární cyklus", 0},
    {Slovak, 'D', "Príroda Tatier", "Přírodopisný dokument", 0},
    {Slovak, 'Z', "Televízne noviny", "Hlavní zpravodajství", 0},
    {Slovak, 'Z', "Správy", "Zpravodajství", 0},
    {Slovak, 'Z', "Počasie", "Předpověď počasí", 0},
    {Slovak, 'Z', "Ranné noviny", "Zpravodajství | doprava | počasí", 0},
    {Slovak, 'S', "Susedia z paneláku", "Slovenský seriál", 2018},
    {Slovak, 'S', "Lekárka z Podhoria", "Slovenský seriál", 2020},
    {Slovak, 'S', "Rodinné tajomstvá", "Slovenský rodinný seriál", 2015},
    {Slovak, 'Q', "Rozprávky pre najmenších", "Pořad pro děti", 0},
    {Slovak, 'Q', "Kocúrik Mňau", "Animovaný seriál", 0},
    {Slovak, 'O', "Futbal: Slovan – Žilina", "Přímý přenos", 0},
    {Slovak, 'O', "Šport", "Sportovní zpravodajství", 0},
    {Slovak, 'X', "Telenákup", "Reklamní pořad", 0},
    {Slovak, 'X', "Lotéria", "Losování čísel", 0},
    {Slovak, 'L', "Zábava s Jožkom", "Zábavný pořad", 0},
    {Slovak, 'L', "Vyhraj milión", "Soutěž", 0},
    {Slovak, 'L', "Varíme s Janou", "Kulinářský pořad", 0},

    {Polish, 'F', "Rycerz z Mazur", "Polský historický film", 1958},
    {Polish, 'K', "Wesele w Zakopanem", "Polská komedie", 2006},
    {Polish, 'P', "Królewna i smok", "Polská pohádka", 1983},
    {Polish, 'H', "Dom na wzgórzu", "Polský horor", 2012},
    {Polish, 'T', "Śledztwo w Gdańsku", "Polský televizní film", 1999},
    {Polish, 'W', "Kowboj z Bieszczad", "Polský western", 1971},
    {Polish, 'D', "Tajemnice Wawelu", "Historický dokument", 0},
    {Polish, 'D', "Dzika Polska", "Přírodopisný dokument", 0},
    {Polish, 'Z', "Wiadomości", "Hlavní zpravodajství", 0},
    {Polish, 'Z', "Serwis informacyjny", "Zpravodajství", 0},
    {Polish, 'Z', "Pogoda", "Předpověď počasí", 0},
    {Polish, 'S', "Sąsiedzi z Mokotowa", "Polský seriál", 2017},
    {Polish, 'S', "Lekarze z Krakowa", "Polský seriál", 2013},
    {Polish, 'S', "Rodzina Kowalskich", "Polský rodinný seriál", 2019},
    {Polish, 'Q', "Bajki dla dzieci", "Pořad pro děti", 0},
    {Polish, 'Q', "Przygody Misia Puszka", "Animovaný seriál", 0},
    {Polish, 'O', "Piłka nożna: Legia – Lech", "Přímý přenos", 0},
    {Polish, 'O', "Skoki narciarskie: Puchar Świata", "Přímý přenos", 0},
    {Polish, 'X', "Telezakupy", "Reklamní pořad", 0},
    {Polish, 'X', "Losowanie Lotto", "Losování čísel", 0},
    {Polish, 'L', "Wieczór z gwiazdami", "Zábavný pořad", 0},
    {Polish, 'L', "Gotuj z nami", "Kulinářský pořad", 0},
    {Polish, 'L', "Kto wygra milion?", "Soutěž", 0},

    {German, 'F', "Die Mühle am Bach", "Německé drama", 1953},
    {German, 'K', "Hochzeit in Kitzbühel", "Rakouská komedie", 1998},
    {German, 'P', "Die Prinzessin und der Schmied", "Německá pohádka", 2009},
    {German, 'H', "Das Haus am Moor", "Německý horor", 1979},
    {German, 'T', "Mord im Schwarzwald", "Německý televizní film", 2011},
    {German, 'W', "Der Reiter aus Texas", "Německý western", 1965},
    {German, 'D', "Terra Germanica", "Historický dokument", 0},
    {German, 'D', "Geheimnisse der Alpen", "Přírodopisný dokument", 0},
    {German, 'Z', "Nachrichten", "Zpravodajství", 0},
    {German, 'Z', "Heute am Abend", "Hlavní zpravodajství", 0},
    {German, 'Z', "Wetter", "Předpověď počasí", 0},
    {German, 'S', "Die Landärztin", "Německý seriál", 2016},
    {German, 'S', "Kommissar Berger", "Německý kriminální seriál", 2010},
    {German, 'S', "Familie Hoffmann", "Německý rodinný seriál", 2020},
    {German, 'Q', "Die Sendung mit dem Bären", "Pořad pro děti", 0},
    {German, 'Q', "Kinderstunde", "Pořad pro děti", 0},
    {German, 'O', "Fußball: Bundesliga", "Přímý přenos", 0},
    {German, 'O', "Sport am Samstag", "Sportovní magazín", 0},
    {German, 'X', "Lottoziehung", "Losování čísel", 0},
    {German, 'X', "Programmvorschau", "Upoutávky", 0},
    {German, 'L', "Volksmusik aus Tirol", "Hudební pořad", 0},
    {German, 'L', "Wer gewinnt?", "Soutěž", 0},
    {German, 'L', "Kochen mit Oma Grete", "Kulinářský pořad", 0},

    {English, 'F', "Harbour Lights", "Britské drama", 2001},
    {English, 'K', "Mr O'Brien's Holiday", "Britská komedie", 1951},
    {English, 'P', "The Mermaid's Song", "Britská pohádka", 1994},
    {English, 'H', "Midnight at the Manor", "Britský horor", 1968},
    {English, 'T', "The Glass Key Affair", "Britský televizní film", 2007},
    {English, 'W', "The Long Road West", "Americký western", 1955},
    {English, 'D', "Planet Ocean", "Přírodovědný dokument", 0},
    {English, 'D', "Shakespeare's London", "Britský dokument", 0},
    {English, 'D', "Hidden Cities", "Dokumentární cyklus", 0},
    {English, 'D', "Inside Science", "Populárně-vědecký magazín", 0},
    {English, 'Z', "World News", "Zpravodajství", 0},
    {English, 'Z', "Newsroom", "Zpravodajství | komentáře", 0},
    {English, 'Z', "Business Today", "Ekonomické zpravodajství", 0},
    {English, 'Z', "World Weather", "Předpověď počasí", 0},
    {English, 'S', "The Detective's Casebook", "Britský kriminální seriál", 2015},
    {English, 'S', "Castle Hill", "Britský seriál", 2018},
    {English, 'Q', "Tiny Tales", "Animovaný seriál", 0},
    {English, 'Q', "Story Time", "Pořad pro děti", 0},
    {English, 'O', "World Sport", "Sportovní zpravodajství", 0},
    {English, 'O', "Tennis: Grand Slam", "Přímý přenos", 0},
    {English, 'O', "Snooker: Masters", "Přímý přenos", 0},
    {English, 'O', "Football: Champions' Review", "Sportovní magazín", 0},
    {English, 'O', "Cycling: Grand Tour", "Přímý přenos", 0},
    {English, 'O', "Ski Jumping: World Cup", "Přímý přenos", 0},
    {English, 'X', "Programme Preview", "Upoutávky", 0},
    {English, 'X', "Sport Shop", "Reklamní pořad", 0},
    {English, 'L', "Talk of the Town", "Talk show", 0},
    {English, 'L', "Travel Diaries", "Cestopisný magazín", 0},
    {English, 'L', "Kitchen Heroes", "Kulinářský pořad", 0},

    {French, 'F', "Le voleur de Lyon", "Francouzský film", 1955},
    {French, 'K', "Mon oncle de Marseille", "Francouzská komedie", 1974},
    {French, 'P', "La princesse et le loup", "Francouzská pohádka", 1992},
    {French, 'H', "La maison du docteur Roux", "Francouzský horor", 1981},
    {French, 'T', "Meurtre au village", "Francouzský televizní film", 2013},
    {French, 'W', "Le cavalier solitaire", "Francouzský western", 1967},
    {French, 'D', "Les secrets du Louvre", "Dokument o umění", 0},
    {French, 'D', "Histoire de l'Europe", "Historický dokument", 0},
    {French, 'D', "La mer du Nord", "Přírodopisný dokument", 0},
    {French, 'Z', "Journal de l'Europe", "Zpravodajství", 0},
    {French, 'Z', "Météo", "Předpověď počasí", 0},
    {French, 'S', "Les voisins de Paris", "Francouzský seriál", 2016},
    {French, 'Q', "Petites histoires", "Pořad pro děti", 0},
    {French, 'O', "Cyclisme: étape de montagne", "Přímý přenos", 0},
    {French, 'X', "Bande-annonce", "Upoutávky", 0},
    {French, 'L', "Concert du soir", "Hudební pořad", 0},
    {French, 'L', "Cuisines d'Europe", "Kulinářský pořad", 0},
};

struct StationInfo
{
    const char* name;
    int number;
    Language language;
    // Film, documentary, news, series, children, sport, extra, entertainment.
    std::array<int, Kinds> weights;
};

const StationInfo stationInfos[] = {
    {"ČT1", 1, Czech, {20, 10, 16, 20, 8, 2, 4, 20}},
    {"ČT2", 2, Czech, {24, 34, 4, 8, 4, 6, 8, 12}},
    {"Nova", 3, Czech, {22, 2, 10, 30, 6, 0, 4, 26}},
    {"Prima", 4, Czech, {24, 6, 10, 28, 4, 0, 6, 22}},
    {"ČT24", 5, Czech, {0, 16, 70, 0, 0, 6, 4, 4}},
    {"ČT sport", 6, Czech, {0, 4, 6, 0, 0, 86, 4, 0}},
    {"Nova Cinema", 7, Czech, {86, 0, 0, 8, 0, 0, 6, 0}},
    {"Prima Cool", 8, Czech, {26, 10, 0, 34, 0, 10, 4, 16}},
    {"ČT :D", 9, Czech, {6, 10, 0, 4, 76, 0, 0, 4}},
    {"Markíza", 1001, Slovak, {22, 2, 10, 30, 6, 2, 4, 24}},
    {"JOJ", 1002, Slovak, {24, 4, 10, 28, 4, 2, 4, 24}},
    {"TVP1", 2001, Polish, {20, 10, 14, 22, 6, 6, 4, 18}},
    {"Polsat", 2002, Polish, {22, 2, 10, 28, 4, 8, 4, 22}},
    {"ZDF", 3001, German, {18, 14, 18, 20, 6, 6, 4, 14}},
    {"ARD", 3002, German, {20, 12, 18, 18, 6, 8, 4, 14}},
    {"BBC World", 4001, English, {0, 22, 64, 4, 0, 4, 2, 4}},
    {"CNN", 4002, English, {0, 14, 70, 0, 0, 6, 4, 6}},
    {"Eurosport", 5001, English, {0, 0, 4, 0, 0, 90, 6, 0}},
    {"Arte", 5002, French, {34, 40, 6, 6, 2, 0, 4, 8}},
};

// Extended texts; %1 is a cast, %2 a person.
const std::array<std::array<const char*, 2>, Kinds> longTexts{{
    {"Strhující příběh o odvaze a přátelství, který nenechá nikoho chladným. Hrají: %1. "
     "Režie: %2.",
     "Když se hlavní hrdina vrátí po letech domů, nic už není jako dřív. Hrají: %1. Režie: %2."},
    {"Pořad vás zavede na místa, kam se běžně nedostanete, a představí lidi, kteří o nich vědí "
     "nejvíc. Průvodce: %2.",
     "Unikátní záběry, rozhovory s odborníky a pohled do zákulisí. Komentář: %2."},
    {"Aktuální zpravodajství z domova i ze světa | sport | počasí. Moderuje %2.",
     "Nejdůležitější události dne v souvislostech, s reportéry přímo na místě. Moderuje %2."},
    {"V dnešním díle čeká hrdiny nečekaná návštěva a rodinné tajemství vyplouvá na povrch. "
     "Hrají: %1.",
     "Napětí roste: kdo stojí za záhadnými událostmi posledních dní? Hrají: %1."},
    {"Veselé příběhy pro nejmenší diváky, kteří se chystají spát. Vypráví %2.",
     "Písničky, hádanky a malování s kamarády ze studia. Provází %2."},
    {"Komentuje %2. Výsledky, rozhovory a sestřihy nejzajímavějších okamžiků.",
     "Rozhodující utkání sezóny se vším, co k němu patří. Komentuje %2."},
    {"Krátké upoutávky na pořady nadcházejících dnů.",
     "Výběr toho nejlepšího z vysílání | hudba | zajímavosti."},
    {"Moderuje %2. Hosté večera zazpívají, zatančí i zavzpomínají na staré časy.",
     "Soutěžící se utkají o hlavní výhru; diváci mohou hlasovat. Moderuje %2."},
}};

const char* const homeNames[] = {"Jan Horák",     "Eva Dvořáková", "Petr Malý",
                                 "Klára Nováková", "Tomáš Beneš",  "Lucie Veselá",
                                 "Martin Král",    "Alena Černá",  "Ján Kováč",
                                 "Zuzana Hrušková"};
const char* const foreignNames[] = {"Anna Schmidt", "John Miller",  "Piotr Nowak",
                                    "Marie Dubois", "Klaus Becker", "Sarah O'Connor",
                                    "Ewa Wiśniewska", "Pierre Martin"};

// What a changed entry may be replaced with, in the station's language.
const std::pair<Language, const char*> replacementTitles[] = {
    {Czech, "Mimořádné zpravodajství"},
    {Czech, "Změna programu: Koncert na přání"},
    {Czech, "Náhradní program: Přírodní krásy Česka"},
    {Slovak, "Mimoriadne správy"},
    {Slovak, "Zmena programu: Koncert na želanie"},
    {Polish, "Wydanie nadzwyczajne"},
    {Polish, "Zmiana programu: Koncert życzeń"},
    {German, "Sondersendung"},
    {German, "Programmänderung: Wunschkonzert"},
    {English, "Breaking News"},
    {English, "Schedule Change: Request Concert"},
    {French, "Flash info"},
    {French, "Changement de programme: Concert"},
};

// Shows that only fit some hours of the broadcast day, as minutes from its midnight.
struct Window
{
    const char* title;
    int from;
    int to;
};

const Window windows[] = {
    {"Ranní zprávy", 6 * 60, 9 * 60},
    {"Ranné noviny", 6 * 60, 9 * 60},
    {"Hlavní zprávy", 18 * 60, 22 * 60},
    {"Televízne noviny", 18 * 60, 22 * 60},
    {"Wiadomości", 18 * 60, 22 * 60},
    {"Heute am Abend", 18 * 60, 22 * 60},
    {"Pohádka na dobrou noc", 18 * 60, 20 * 60},
    {"Zábavný večer s Pepou Pospíšilem", 19 * 60, 23 * 60},
    {"Wieczór z gwiazdami", 19 * 60, 24 * 60},
    {"Concert du soir", 19 * 60, 24 * 60},
    {"Hudba na noc", 24 * 60, 30 * 60},
};

// clang-format on

// How much more likely a category is at a time of the broadcast day than the station's own
// weight says: children in the morning, news around the evening, films at prime time and night.
int timeFactor(Category category, int start)
{
    if (start < 9 * 60)
        return category == Children ? 3 : category == News ? 2 : 1;
    if (start >= 18 * 60 && start < 20 * 60)
        return category == News ? 3 : 1;
    if (start >= 20 * 60 && start < 23 * 60)
        return category == Film || category == Entertainment ? 3 : category == Children ? 0 : 1;
    if (start >= 24 * 60)
        return category == Film || category == Documentary || category == Extra ? 2
               : category == Children                                           ? 0
                                                                                : 1;
    return 1;
}

Category pickCategory(Dice& dice, const StationInfo& station, int start)
{
    std::array<int, Kinds> weights{};
    int total = 0;
    for (int kind = 0; kind < Kinds; ++kind) {
        weights[kind] = station.weights[kind] * timeFactor(Category(kind), start);
        total += weights[kind];
    }
    if (total == 0) {
        weights = station.weights;
        for (int weight : weights)
            total += weight;
    }
    int roll = dice.below(total);
    for (int kind = 0; kind < Kinds; ++kind) {
        if (roll < weights[kind])
            return Category(kind);
        roll -= weights[kind];
    }
    return Film;
}

bool fitsTime(const Show& show, int start)
{
    for (const Window& window : windows) {
        if (qstrcmp(window.title, show.title) == 0)
            return start >= window.from && start < window.to;
    }
    return true;
}

// A show of the category in the station's language, preferring one that fits the time and has
// been on least today, so that a day repeats little; never the one just before.
const Show& pickShow(Dice& dice, Language language, Category category, int start,
                     const QHash<const Show*, int>& airings, const Show* previous)
{
    QList<const Show*> matching;
    for (const Show& show : shows) {
        if (show.language == language && categoryOf(show.type) == category && &show != previous)
            matching.append(&show);
    }
    if (matching.isEmpty())
        return previous ? *previous : shows[0];
    QList<const Show*> timely;
    for (const Show* show : matching) {
        if (fitsTime(*show, start))
            timely.append(show);
    }
    if (!timely.isEmpty())
        matching = timely;
    int fewest = std::numeric_limits<int>::max();
    for (const Show* show : matching)
        fewest = std::min(fewest, airings.value(show));
    QList<const Show*> candidates;
    for (const Show* show : matching) {
        if (airings.value(show) == fewest)
            candidates.append(show);
    }
    return *candidates[dice.below(int(candidates.size()))];
}

// A length in 5-minute steps that fits the category and leaves no gap shorter than the
// shortest programme before the end of the broadcast day, which the last one meets exactly.
int programmeLength(Dice& dice, Category category, int remaining)
{
    static const std::array<std::pair<int, int>, Kinds> ranges{{{80, longest},
                                                                {25, 60},
                                                                {shortest, 30},
                                                                {25, 60},
                                                                {shortest, 30},
                                                                {60, longest},
                                                                {shortest, 30},
                                                                {45, 120}}};
    const auto [low, high] = ranges[category];
    int length = low + 5 * dice.below((high - low) / 5 + 1);
    if (remaining <= longest && (length >= remaining || remaining - length < shortest))
        length = remaining;
    else if (remaining - length < shortest)
        length = remaining - shortest;
    return length;
}

QString illustrationName(int number)
{
    return QStringLiteral("demo-%1.png").arg(number, 4, 10, QLatin1Char('0'));
}

QString names(Dice& dice, Language language, int count)
{
    const bool home = language == Czech || language == Slovak;
    const int size = home ? int(std::size(homeNames)) : int(std::size(foreignNames));
    QStringList chosen;
    int first = dice.below(size);
    for (int i = 0; i < count; ++i)
        chosen << QString::fromUtf8(home ? homeNames[(first + i) % size]
                                         : foreignNames[(first + i) % size]);
    return chosen.join(QStringLiteral(", "));
}

QString longText(Dice& dice, Language language, Category category)
{
    const QString text = QString::fromUtf8(longTexts[category][dice.below(2)]);
    const QString cast = names(dice, language, 3);
    const QString person = names(dice, language, 1);
    if (!text.contains(QStringLiteral("%1")))
        return text.contains(QStringLiteral("%2")) ? text.arg(person) : text;
    return text.contains(QStringLiteral("%2")) ? text.arg(cast, person) : text.arg(cast);
}

QString digits(Dice& dice)
{
    QString code = QString::number(dice.between(1, 9));
    const int length = dice.between(4, 8);
    while (code.size() < length)
        code += QString::number(dice.below(10));
    return code;
}

// One station's broadcast day. Ids come from the day, the station and the position, never
// from the generator, and fit in 32 bits for dates up to the year 3400.
QList<Programme> stationDay(int stationIndex, QDate day, quint32 seed)
{
    const StationInfo& station = stationInfos[stationIndex];
    const qint64 dayNumber = day.toJulianDay() - epochJulianDay;
    Dice dice{seed, quint32(dayNumber), quint32(stationIndex)};
    QHash<const Show*, int> airings;
    const Show* previous = nullptr;
    QList<Programme> programmes;
    int start = dayStart;
    for (int position = 0; start < dayEnd; ++position) {
        const Category category = pickCategory(dice, station, start);
        const Show& show = pickShow(dice, station.language, category, start, airings, previous);
        previous = &show;
        const int end = start + programmeLength(dice, category, dayEnd - start);

        Programme programme;
        programme.id = 1 + position + 128 * (stationIndex + 32 * dayNumber);
        programme.station = QString::fromUtf8(station.name);
        programme.day = day;
        programme.hod1 = start / 60;
        programme.min1 = start % 60;
        programme.hod2 = end / 60;
        programme.min2 = end % 60;
        programme.type = QLatin1Char(show.type);
        programme.title = QString::fromUtf8(show.title);
        programme.info1 = QString::fromUtf8(show.info);
        if (show.year != 0)
            programme.info1 +=
                QStringLiteral(" (") + QString::number(show.year) + QStringLiteral(")");
        const int airing = airings[&show]++;
        if (category == Series) {
            const qint64 showIndex = &show - shows;
            programme.info1 +=
                QStringLiteral(", díl ") + QString::number(1 + (dayNumber + showIndex * 17) % 150);
        }
        // Old films are often black and white; the guide reads "(cb)" in the title or info1.
        if (category == Film && show.year < 1960 && dice.chance(70)) {
            if (dice.chance(50))
                programme.title += QStringLiteral(" (cb)");
            else
                programme.info1 += QStringLiteral(" (cb)");
        }
        // Premieres and reruns of what has episodes or is seen again; a repeat the same day is
        // always a rerun.
        if (category != News && category != Sport && category != Extra) {
            const int mark = dice.below(100);
            if ((airing > 0 && (category == Film || category == Series)) || mark < 14)
                programme.info1 += QStringLiteral(" /R/");
            else if (mark < 24)
                programme.info1 += QStringLiteral(" /P/");
        }
        if (dice.chance(33))
            programme.info2 = longText(dice, station.language, category);

        programme.stereo = dice.chance(50);
        programme.subtitles = dice.chance(35);
        programme.dual = dice.chance(25);
        programme.signLanguage = dice.chance(20);
        if (dice.chance(25))
            programme.showview = digits(dice);
        if (dice.below(8) == 0) {
            const int first = dice.between(1, illustrationCount);
            programme.image1 = illustrationName(first);
            if (dice.chance(40))
                programme.image2 = illustrationName(
                    (first + dice.below(illustrationCount - 1)) % illustrationCount + 1);
        }
        const int link = dice.below(10);
        if (link == 0)
            programme.link =
                QStringLiteral("https://tv.example.org/porad/") + QString::number(programme.id);
        else if (link == 1)
            programme.link =
                QStringLiteral("www.example.com/tv/") + QString::number(station.number);

        programmes.append(programme);
        start = end;
    }
    return programmes;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QColor colour(Dice& dice, int minSaturation = 90, int minValue = 110)
{
    return QColor::fromHsv(dice.below(360), dice.between(minSaturation, 255),
                           dice.between(minValue, 255));
}

// Far mountains and near hills under a sky with a sun.
void drawLandscape(QPainter& painter, Dice& dice, const QRect& area)
{
    QLinearGradient sky(0, 0, 0, area.height());
    const int skyHue = dice.below(360);
    sky.setColorAt(0, QColor::fromHsv(skyHue, 200, 110));
    sky.setColorAt(1, QColor::fromHsv((skyHue + 40) % 360, 90, 250));
    painter.fillRect(area, sky);
    const QPointF sun(dice.between(30, area.width() - 30), dice.between(20, 70));
    const qreal radius = dice.between(14, 30) * 2.5;
    QRadialGradient glow(sun, radius);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(0.4, QColor(255, 210, 80));
    glow.setColorAt(1, QColor(255, 180, 60, 0));
    painter.setBrush(glow);
    painter.drawEllipse(sun, radius, radius);

    QPainterPath mountains;
    mountains.moveTo(0, area.height());
    mountains.lineTo(0, dice.between(60, 110));
    for (int x = 0; x < area.width();) {
        x += dice.between(25, 70);
        mountains.lineTo(x, dice.between(35, 110));
    }
    mountains.lineTo(area.width(), area.height());
    mountains.closeSubpath();
    painter.setBrush(
        QColor::fromHsv(dice.between(200, 260), dice.between(40, 110), dice.between(120, 190)));
    painter.drawPath(mountains);

    const int hue = dice.between(50, 150);
    for (int layer = 0; layer < 2; ++layer) {
        const int base = 125 + layer * 28;
        QPainterPath hill;
        hill.moveTo(0, base + dice.between(-10, 10));
        for (int x = 0; x < area.width();) {
            const int step = dice.between(40, 110);
            hill.quadTo(x + step / 2, base - dice.between(5, 40), x + step,
                        base + dice.between(-10, 10));
            x += step;
        }
        hill.lineTo(area.width() + 110, area.height());
        hill.lineTo(0, area.height());
        hill.closeSubpath();
        painter.setBrush(QColor::fromHsv(hue + layer * 8, 150 + layer * 30, 200 - layer * 60));
        painter.drawPath(hill);
    }
}

// Overlapping translucent circles, squares and triangles.
void drawShapes(QPainter& painter, Dice& dice, const QRect& area)
{
    QLinearGradient background(0, 0, area.width(), area.height());
    background.setColorAt(0, colour(dice, 60, 60));
    background.setColorAt(1, colour(dice, 60, 60));
    painter.fillRect(area, background);
    const int count = dice.between(7, 14);
    for (int i = 0; i < count; ++i) {
        QColor fill = colour(dice);
        fill.setAlpha(dice.between(120, 220));
        painter.setBrush(fill);
        const QPointF centre(dice.below(area.width()), dice.below(area.height()));
        const int size = dice.between(15, 60);
        switch (dice.below(3)) {
        case 0:
            painter.drawEllipse(centre, size, size);
            break;
        case 1:
            painter.drawRoundedRect(
                QRectF(centre.x() - size, centre.y() - size, size * 2, size * 2), 8, 8);
            break;
        default:
            painter.drawPolygon(QPolygonF{{centre.x(), centre.y() - size},
                                          {centre.x() + size, centre.y() + size},
                                          {centre.x() - size, centre.y() + size}});
        }
    }
}

// Rays around a point and rings, like a test card.
void drawRays(QPainter& painter, Dice& dice, const QRect& area)
{
    const QPointF centre(dice.between(60, area.width() - 60), dice.between(40, area.height() - 40));
    QConicalGradient rays(centre, dice.below(360));
    const int bands = 2 * dice.between(3, 6); // even, so the last band meets the first
    const QColor first = colour(dice);
    const QColor second = colour(dice);
    for (int band = 0; band <= bands; ++band)
        rays.setColorAt(qreal(band) / bands, band % 2 ? first : second);
    painter.fillRect(area, rays);
    painter.setBrush(Qt::NoBrush);
    const int rings = dice.between(2, 5);
    for (int ring = 1; ring <= rings; ++ring) {
        painter.setPen(QPen(colour(dice, 0, 200), dice.between(3, 9)));
        painter.drawEllipse(centre, ring * 22.0, ring * 22.0);
    }
    painter.setPen(Qt::NoPen);
}

QByteArray illustration(int number, quint32 seed)
{
    Dice dice{seed, quint32(number), 0x1A6Eu};
    QImage image(274, 180, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    switch (number % 3) {
    case 0:
        drawLandscape(painter, dice, image.rect());
        break;
    case 1:
        drawShapes(painter, dice, image.rect());
        break;
    default:
        drawRays(painter, dice, image.rect());
    }
    painter.end();
    return png(image);
}

// Obzorka means a little horizon: a sun rising over one, in a round badge.
QByteArray logo()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QPainterPath badge;
    badge.addEllipse(2, 2, 60, 60);
    painter.setClipPath(badge);
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0x00, 0x00, 0x50));
    sky.setColorAt(0.6, QColor(0xE0, 0x60, 0x80));
    painter.fillRect(image.rect(), sky);
    QRadialGradient sun(QPointF(32, 40), 18);
    sun.setColorAt(0, QColor(0xFF, 0xF4, 0xB0));
    sun.setColorAt(1, QColor(0xFF, 0xB0, 0x20));
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(32, 40), 16, 16);
    painter.fillRect(QRect(0, 40, 64, 24), QColor(0x20, 0x80, 0x40));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(2, 2, 60, 60);
    painter.end();
    return png(image);
}

// Missing when the server is built without its resources (as in unit tests): no picture then.
QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<Banner> demoBanners(QDate today)
{
    Banner own;
    own.id = QStringLiteral("demo1");
    own.lastDay = today.addDays(30);
    own.bannerGif = resource(QStringLiteral(":/demo/banner1.gif"));
    own.indexHtml =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>Obzorka – televizní program v počítači</title>\n</head>\n"
            "<body style=\"background: #000050; color: #ffffff; font-family: sans-serif\">\n"
            "<p><img src=\"logo.png\" width=\"64\" height=\"64\" alt=\"Obzorka\"></p>\n"
            "<h1>Obzorka</h1>\n"
            "<p>Program devatenácti stanic na čtrnáct dní dopředu, s upozorněním na oblíbené "
            "pořady a tiskem přehledů.</p>\n"
            "<p>Tohle je ukázková reklama: skutečné bannery sem nahraje provozovatel serveru.</p>\n"
            "</body>\n</html>\n")
            .toUtf8();
    own.otherFiles.insert(QStringLiteral("logo.png"), logo());

    Banner magazine;
    magazine.id = QStringLiteral("demo2");
    magazine.lastDay = today.addDays(3);
    magazine.bannerGif = resource(QStringLiteral(":/demo/banner2.gif"));
    magazine.indexHtml =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>Týdeník TV PROGRAM</title>\n</head>\n"
            "<body style=\"background: #fff8e0; color: #202020; font-family: serif\">\n"
            "<h1>Týdeník TV PROGRAM</h1>\n"
            "<p>Každý čtvrtek nové číslo: tipy na filmy týdne, rozhovory s herci a křížovka "
            "o ceny.</p>\n"
            "<p><b>Předplatné jen za 39 Kč týdně</b> – a první měsíc zdarma.</p>\n"
            "<p><small>Smyšlený inzerent ukázkových dat.</small></p>\n"
            "</body>\n</html>\n")
            .toUtf8();
    return {own, magazine};
}

Language languageOf(const QString& stationName)
{
    for (const StationInfo& station : stationInfos) {
        if (QString::fromUtf8(station.name) == stationName)
            return station.language;
    }
    return Czech;
}

// Entries of the first three days served again with a new title, info1 or times.
QList<Programme> demoChanges(const QList<Programme>& programmes, QDate today, quint32 seed)
{
    const QDate lastDay = today.addDays(1);
    QList<int> candidates;
    for (int i = 0; i < programmes.size(); ++i) {
        if (programmes[i].day <= lastDay)
            candidates.append(i);
    }
    Dice dice{seed, quint32(today.toJulianDay() - epochJulianDay), 0xC4A9u};
    QSet<int> chosen;
    while (chosen.size() < std::min<qsizetype>(changeCount, candidates.size()))
        chosen.insert(candidates[dice.below(int(candidates.size()))]);
    QList<int> order(chosen.begin(), chosen.end());
    std::sort(order.begin(), order.end());

    QList<Programme> changes;
    for (int index : order) {
        Programme changed = programmes[index];
        switch (dice.below(3)) {
        case 0: {
            const Language language = languageOf(changed.station);
            QStringList titles;
            for (const auto& [titleLanguage, title] : replacementTitles) {
                if (titleLanguage == language && QString::fromUtf8(title) != changed.title)
                    titles << QString::fromUtf8(title);
            }
            changed.title = titles[dice.below(int(titles.size()))];
            break;
        }
        case 1:
            changed.info1 = changed.info1.isEmpty()
                                ? QStringLiteral("Změna programu!")
                                : QString(QStringLiteral("Změna programu! ") + changed.info1);
            break;
        default: {
            const int start = changed.hod1 * 60 + changed.min1;
            const int shift = start > dayStart && dice.chance(50) ? -5 : 5;
            const int newStart = start + shift;
            const int newEnd = changed.hod2 * 60 + changed.min2 + shift;
            changed.hod1 = newStart / 60;
            changed.min1 = newStart % 60;
            changed.hod2 = newEnd / 60;
            changed.min2 = newEnd % 60;
        }
        }
        changes.append(changed);
    }
    return changes;
}

} // namespace

Listings demoListings(QDate today, quint32 seed)
{
    Listings listings;
    for (const StationInfo& station : stationInfos)
        listings.stations.append({QString::fromUtf8(station.name), station.number});
    for (int offset = -1; offset < broadcastDays - 1; ++offset) {
        for (int station = 0; station < int(std::size(stationInfos)); ++station)
            listings.programmes += stationDay(station, today.addDays(offset), seed);
    }
    listings.changes = demoChanges(listings.programmes, today, seed);
    listings.message = QStringLiteral(
        "Vítejte v Obzorce! Server zatím běží s ukázkovými daty, takže pořady jako "
        "„Rock'n'roll v Jablonci“ jsou smyšlené. Skutečný program sem nahraje provozovatel.");
    listings.banners = demoBanners(today);
    for (int number = 1; number <= illustrationCount; ++number)
        listings.images.insert(illustrationName(number), illustration(number, seed));
    return listings;
}

} // namespace obzorka::server
