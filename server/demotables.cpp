#include "demotables.h"

namespace obzorka::server::demo {
namespace {

using enum Language;

// clang-format off
const Show showTable[] = {
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

const StationInfo stationTable[] = {
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

const LongTexts longTextTable{{
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

const char* const homeNameTable[] = {
    "Jan Horák", "Eva Dvořáková", "Petr Malý", "Klára Nováková", "Tomáš Beneš",
    "Lucie Veselá", "Martin Král", "Alena Černá", "Ján Kováč", "Zuzana Hrušková",
};
const char* const foreignNameTable[] = {
    "Anna Schmidt", "John Miller", "Piotr Nowak", "Marie Dubois", "Klaus Becker",
    "Sarah O'Connor", "Ewa Wiśniewska", "Pierre Martin",
};

const ReplacementTitle replacementTable[] = {
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

const Window windowTable[] = {
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

} // namespace

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

std::span<const Show> shows()
{
    return showTable;
}

std::span<const StationInfo> stations()
{
    return stationTable;
}

std::span<const Window> windows()
{
    return windowTable;
}

const LongTexts& longTexts()
{
    return longTextTable;
}

std::span<const char* const> homeNames()
{
    return homeNameTable;
}

std::span<const char* const> foreignNames()
{
    return foreignNameTable;
}

std::span<const ReplacementTitle> replacementTitles()
{
    return replacementTable;
}

} // namespace obzorka::server::demo
