#include "pages/helptexts.h"

#include "pages/pagelinks.h"

namespace obzorka::pages::helptexts {

namespace {

QString mailLink()
{
    return QStringLiteral("<A HREF=\"") + links::mailTarget(supportAddress()) +
           QStringLiteral("\">") + supportAddress() + QStringLiteral("</A>");
}

QString trayImage(const QString& imageFolder, const QString& fileName)
{
    return QStringLiteral("<IMG SRC=\"") + imageFolder + QStringLiteral("/help/") + fileName +
           QStringLiteral("\">");
}

} // namespace

QString supportAddress()
{
    return QStringLiteral("podpora@obzorka.cz");
}

std::vector<Item> classicViewItems(const QString& imageFolder)
{
    const auto icon = [&](const char* name) {
        return QString(QStringLiteral("<IMG SRC=\"") + imageFolder + u'/' + QLatin1String(name) +
                       QStringLiteral("\">"));
    };
    return {
        {QStringLiteral("Klasické&nbsp;zobrazení"),
         QStringLiteral("Hlavní stránka programu, na které se zobrazuje televizní program "
                        "vybraných stanic.")},
        {QStringLiteral("Verze"),
         QStringLiteral("Verze programu, kterou právě používáte. Jakmile je k dispozici nová "
                        "verze, objeví se na tomto místě upozornění.")},
        {QStringLiteral("<A HREF=\"") + links::helpSearch +
             QStringLiteral("\" ONCLICK=\"return false\" class=\"a\">Vyhledat</A>"),
         QStringLiteral("Přepne na stránku <B>Vyhledat</B>, kde můžete hledat pořady podle "
                        "názvu, typu a stanice.")},
        {QStringLiteral("Přístupové&nbsp;jméno"),
         QStringLiteral("Přístupové jméno, pod kterým program stahuje data ze serveru.")},
        {QStringLiteral("Nastavení"),
         QStringLiteral("Otevře nastavení, kde zvolíte stanice, jejichž program se má stahovat, "
                        "a upravíte své předvolby.")},
        {QStringLiteral("Stránkový&nbsp;přepínač"),
         QStringLiteral("Každé číslo představuje jednu stránku s nejvýše čtyřmi stanicemi. "
                        "Kliknutím na číslo se na danou stránku přepnete.")},
        {QStringLiteral("Ukazatel&nbsp;stanic"),
         QStringLiteral("Když podržíte ukazatel myši nad číslem stránky, zobrazí se seznam "
                        "stanic, které na ní najdete.")},
        {QStringLiteral("Stanice"),
         QStringLiteral("Název stanice, jejíž program je uveden ve sloupci pod ním.")},
        {QStringLiteral("Reklama"),
         QStringLiteral("Reklamní proužek, který si můžete prohlédnout i bez připojení "
                        "k internetu (off line). Zájemci o umístění reklamy nám mohou napsat "
                        "na adresu ") +
             mailLink() + QStringLiteral(".")},
        {QStringLiteral("Svátek"), QStringLiteral("Jméno, které má dnes svátek.")},
        {QStringLiteral("Dnes&nbsp;je"), QStringLiteral("Dnešní datum.")},
        {QStringLiteral("Typ&nbsp;pořadu"),
         QStringLiteral("Výběr typu pořadů, které se mají zobrazit; výchozí volba je "
                        "<B>VŠE</B>. Při jakékoli jiné volbě se výběr zbarví červeně, aby vás "
                        "upozornil, že zobrazený přehled není úplný.")},
        {QStringLiteral("Tisk"),
         QStringLiteral("Otevře náhled tisku zobrazeného přehledu s tlačítky pro vytištění "
                        "a zavření náhledu.")},
        {QStringLiteral("Minimalizační&nbsp;tlačítko"),
         QStringLiteral("Skryje program do oznamovací oblasti hlavního panelu. Znovu jej "
                        "otevřete poklepáním na jeho ikonu.")},
        {QStringLiteral("Datum"),
         QStringLiteral("Výběr dne, jehož program se má zobrazit. Po spuštění se program "
                        "otevře na dnešním dni a aktuální hodině.")},
        {QStringLiteral("Od"),
         QStringLiteral("Začátek zobrazeného časového úseku: nyní, začátek dne nebo zvolená "
                        "hodina.")},
        {QStringLiteral("Do"),
         QStringLiteral("Konec zobrazeného časového úseku, tedy zvolená hodina, stejně jako "
                        "u položky (16).")},
        {QStringLiteral("Info&nbsp;2"),
         QStringLiteral("Ikona info ") + icon("info.gif") +
             QStringLiteral(" znamená, že k pořadu je k dispozici rozšířená informace. "
                            "Zobrazíte ji kliknutím na název pořadu.")},
        {QStringLiteral("Doplňující&nbsp;info"),
         QStringLiteral("Ikony doplňujících informací: ") + icon("d.gif") +
             QStringLiteral(" duální zvuk, ") + icon("s.gif") + QStringLiteral(" stereo, ") +
             icon("t.gif") + QStringLiteral(" skryté titulky, ") + icon("z.gif") +
             QStringLiteral(" znakový jazyk, ") + icon("cb.gif") +
             QStringLiteral(" černobílý pořad.")},
        {QStringLiteral("Název&nbsp;pořadu"),
         QStringLiteral("Název pořadu je odkazem na stránku s podrobnostmi, kde najdete "
                        "přepínač upozornění na pořad a rozšířené informace.")},
        {QStringLiteral("Krátká&nbsp;informace"),
         QStringLiteral("Krátký popis pořadu. Značka /P/ označuje premiéru, značka /R/ "
                        "reprízu.")},
        {QStringLiteral("VPS"),
         QStringLiteral("Kódy VPS pro nahrávání videorekordérem. Jejich zobrazení zapnete "
                        "v nastavení; jsou k dispozici pouze pro stanice ČT1 a ČT2.")},
        {QStringLiteral("Začátek&nbsp;pořadu"),
         QStringLiteral("Kliknutím na čas začátku pořad označíte červeně a program vás na něj "
                        "upozorní. Jak dlouho předem upozornění přijde, určíte v nastavení "
                        "(5).")},
        {QStringLiteral("Typ&nbsp;pořadu"),
         QStringLiteral("Ikony typu pořadu: ") + icon("detem.gif") + QStringLiteral(" dětem, ") +
             icon("dokum.gif") + QStringLiteral(" dokument, ") + icon("film.gif") +
             QStringLiteral(" film, ") + icon("serial.gif") + QStringLiteral(" seriál, ") +
             icon("sport.gif") + QStringLiteral(" sport, ") + icon("zpravy.gif") +
             QStringLiteral(" zprávy a ") + icon("zabava.gif") + QStringLiteral(" zábava.")},
        {QStringLiteral("Upozornění&nbsp;na&nbsp;pořad"),
         QStringLiteral("Zvukové a vizuální upozornění na označený pořad. Zapnete je či "
                        "vypnete kliknutím na čas začátku (23) nebo na stránce s podrobnostmi "
                        "pořadu (20).")},
        {QStringLiteral("Ilustrační&nbsp;foto"),
         QStringLiteral("Ilustrační obrázky k pořadům. Jejich stahování lze vypnout "
                        "v nastavení; obrázky, které už jsou uložené, se zobrazují i nadále.")},
    };
}

const std::vector<Item>& moreClassicViewItems()
{
    static const std::vector<Item> items = {
        {QStringLiteral("Teď&nbsp;běží"),
         QStringLiteral("Tlačítko <B>Teď běží</B> vedle nápovědy (nebo stejná položka v nabídce "
                        "ikony v oznamovací oblasti) ukáže u každé přijímané stanice pořad, který "
                        "právě běží, a pořad po něm. Stránka se každou minutu sama obnoví; čas "
                        "začátku i název pořadu fungují stejně jako v přehledu.")},
        {QStringLiteral("Přidat&nbsp;do&nbsp;kalendáře"),
         QStringLiteral("Odkaz na stránce s podrobnostmi pořadu uloží pořad jako soubor "
                        "kalendáře (.ics) a otevře jej v kalendáři vašeho počítače, i s "
                        "připomenutím tolik minut předem, kolik máte nastaveno pro upozornění.")},
        {QStringLiteral("Velikost&nbsp;písma"),
         QStringLiteral("Klávesy <B>Ctrl&nbsp;+</B> a <B>Ctrl&nbsp;−</B> zvětší či zmenší "
                        "písmo stránek (od 70&nbsp;% do 200&nbsp;%), <B>Ctrl&nbsp;0</B> vrátí "
                        "původní velikost. Program si velikost pamatuje; tiskové verze ji "
                        "nepřebírají.")},
        {QStringLiteral("Klávesnice"),
         QStringLiteral("Podtržené písmeno tlačítka stiskněte s klávesou <B>Alt</B>. Klávesou "
                        "<B>Tab</B> procházíte odkazy na stránce, <B>Enter</B> odkaz otevře nebo "
                        "přepne upozornění; <B>PgUp</B>, <B>PgDn</B>, <B>Home</B> a <B>End</B> "
                        "posouvají stránku.")},
    };
    return items;
}

const std::vector<Item>& searchItems()
{
    static const std::vector<Item> items = {
        {QStringLiteral("Vyhledat"),
         QStringLiteral("Sem napište název hledaného pořadu nebo jeho část. Stačí několik "
                        "písmen, doporučujeme však zadat alespoň čtyři.")},
        {QStringLiteral("Pouze&nbsp;pořady&nbsp;na&nbsp;upozornění"),
         QStringLiteral("Vyhledá pouze pořady, které máte označené pro upozornění.")},
        {QStringLiteral("Datum"),
         QStringLiteral("Volba <B>Kdykoliv</B> prohledá všechny dny, pro které jsou "
                        "k dispozici data; jinak se hledá jen ve zvoleném dni.")},
        {QStringLiteral("Hledej"),
         QStringLiteral("Spustí vyhledávání. Stejně funguje i stisknutí klávesy Enter "
                        "v textovém poli (1).")},
        {QStringLiteral("Pouze&nbsp;v&nbsp;názvu&nbsp;pořadu"),
         QStringLiteral("Zadaný text se hledá jen v názvech pořadů, nikoli ve všech "
                        "popisech.")},
        {QStringLiteral("Typ&nbsp;pořadu"),
         QStringLiteral("Omezí hledání na zvolený typ pořadu: Vše, Dokumenty, Filmy, Dětem, "
                        "Seriály, Sport, Zábava, Zprávy. Necháte-li textové pole prázdné "
                        "a zvolíte typ a skupinu stanic, zobrazí se všechny takové pořady.")},
        {QStringLiteral("Stanice"),
         QStringLiteral("Skupina stanic, ve kterých se hledá: Všechny, Základní české, České, "
                        "Zahraniční, Slovenské, Polské, Německé, Anglické, Jiné "
                        "zahraniční.")},
        {QStringLiteral("Stanice"), QStringLiteral("Stanice, na které nalezený pořad běží.")},
        {QStringLiteral("Datum&nbsp;a&nbsp;čas"),
         QStringLiteral("Den a čas vysílání nalezeného pořadu.")},
        {QStringLiteral("Název,&nbsp;popis,&nbsp;info"),
         QStringLiteral("Název, popis a informace o nalezeném pořadu spolu se stavem "
                        "upozornění. I zde si můžete kliknutím na čas začátku nastavit "
                        "upozornění na pořad.")},
    };
    return items;
}

const std::vector<Item>& settingsItems()
{
    static const std::vector<Item> items = {
        {QStringLiteral("NASTAVENÍ"),
         QStringLiteral("Na záložce <B>Nastavení</B> najdete podnabídku se třemi tlačítky: "
                        "<B>Obecné</B>, <B>Klasické zobrazení</B> a <B>Upozorňování na "
                        "pořady</B>. Tlačítkem <B>Zpět</B> se z každé části vrátíte do této "
                        "nabídky.")},
        {QStringLiteral("Obecné"),
         QStringLiteral("Volba <B>Nestahovat obrázky</B> vypne stahování ilustračních "
                        "fotografií. Tlačítko <B>Změnit stanice pro stahování</B> otevře "
                        "na serveru stránku s výběrem stanic (je nutné připojení k internetu); "
                        "program se poté ukončí a nový výběr se projeví při příštím "
                        "stahování.")},
        {QStringLiteral("Klasické&nbsp;zobrazení"),
         QStringLiteral("Volba <B>Zobrazovat VPS</B> zapne zobrazení kódů VPS. V přehledu "
                        "stanic jsou automaticky stahované stanice uvedeny tučně a nabízené "
                        "kurzívou; přetažením jedné stanice na jinou změníte stránku a pořadí, "
                        "ve kterém se stanice zobrazují. Bez myši stiskněte mezerník na jedné "
                        "pozici a pak na druhé.")},
        {QStringLiteral("Upozorňování&nbsp;na&nbsp;pořady"),
         QStringLiteral(
             "Volba <B>Upozornit na vybraný pořad X minut předem</B> určuje, kolik "
             "minut předem vás program upozorní (výchozí hodnota je 5 minut), "
             "a <B>Znělka upozorňování na pořad</B> je nekomprimovaný soubor .wav (8 "
             "nebo 16 bitů), který vyberete tlačítkem <B>Změnit...</B>. V části <B>Pravidelné "
             "upozorňování na pořady</B> zadáte až 10 klíčových slov o nejméně "
             "čtyřech písmenech, podle nichž vás program upozorní na pořady, "
             "a můžete nechat prohledávat i informační texty. Nastavení potvrďte "
             "velkým tlačítkem <B>Nastavit</B>.")},
    };
    return items;
}

QString uninstallText()
{
    return QStringLiteral(
        "Nejprve program ukončete: klikněte pravým tlačítkem myši na jeho ikonu v oznamovací "
        "oblasti a v nabídce zvolte <B>Konec</B>. Potom program odeberte v seznamu "
        "nainstalovaných programů vašeho systému a nakonec smažte složku s daty programu. "
        "Tímto jste úspěšně dokončili odinstalaci POBZ.");
}

QString downloadingText(const QString& imageFolder)
{
    return QStringLiteral("Pokud jste připojeni k internetu, Obzorka (POBZ) kontroluje "
                          "na serveru, zda se televizní program nezměnil, a změněná data "
                          "stáhne. Chcete-li stahování zastavit, zvolte v nabídce ikony "
                          "v oznamovací oblasti <B>Pozastavit stahování</B>; zelená ikona ") +
           trayImage(imageFolder, QStringLiteral("zelena.gif")) +
           QStringLiteral(" nebo ikona stahování ") +
           trayImage(imageFolder, QStringLiteral("stahuje.gif")) +
           QStringLiteral(" se pak změní na přeškrtnutou ikonu ") +
           trayImage(imageFolder, QStringLiteral("pozastaveno.gif")) +
           QStringLiteral(". Stahování znovu spustíte volbou <B>Povolit stahování</B>.");
}

} // namespace obzorka::pages::helptexts
