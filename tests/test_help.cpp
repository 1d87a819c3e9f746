#include "pages/generhtml.h"
#include "support/teststore.h"

#include <QRegularExpression>

using namespace obzorka;
using namespace obzorka::pages;

class Help : public test::StoreTest
{
protected:
    PageContext context() { return {store, "/data/bmp", false}; }
    static QStringList links(const QString& page)
    {
        QStringList found;
        static const QRegularExpression link("<A HREF=\"(help[a-z]+\\.html)\" ONCLICK");
        for (auto match = link.globalMatch(page); match.hasNext();)
            found << match.next().captured(1);
        return found;
    }
};

TEST_F(Help, EachPageLinksEveryOtherTopicButItself)
{
    const QStringList topics{"helpstahovani.html", "helpklasicke.html", "helpvyhledavani.html",
                             "helpnastaveni.html", "helpodinstalace.html"};
    for (const QString& name : helpPageNames()) {
        const QString page = helpPage(context(), name);
        const QString navigation = page.mid(page.lastIndexOf("<BR><BR><BR><BR>"));
        QStringList expected = topics;
        expected.removeAll(name);
        if (name != "helpindex.html")
            expected.prepend("helpindex.html");
        EXPECT_EQ(links(navigation), expected) << name.toStdString();
        EXPECT_TRUE(
            navigation.contains("<A HREF=\"mailto:podpora@obzorka.cz\" class=\"a\">Problémy? "
                                "/ Připomínky k programu</A>"));
        EXPECT_TRUE(page.startsWith("<HTML><HEAD><TITLE>Televizní program</TITLE><META"));
        EXPECT_TRUE(page.endsWith("</BODY></HTML>"));
    }
    EXPECT_EQ(helpPage(context(), "HelpIndex.html"), "");
}

TEST_F(Help, TopicPagesNumberTheirItemsAndShowPicturesFromTheImageFolder)
{
    const QString classic = generhelpklasicke(context());
    EXPECT_TRUE(
        classic.contains("<p align=\"justify\" class=\"a\">26.&nbsp;Ilustrační&nbsp;foto</TD>"));
    EXPECT_FALSE(classic.contains(">27.&nbsp;"));
    EXPECT_TRUE(
        classic.contains("<CENTER><IMG SRC=\"/data/bmp/help/map.gif\" border=\"0\"></CENTER><BR>"));
    const QString search = generhelpvyhledavani(context());
    EXPECT_TRUE(search.contains(">10.&nbsp;Název,&nbsp;popis,&nbsp;info</TD>"));
    EXPECT_FALSE(search.contains(">11.&nbsp;"));
    EXPECT_TRUE(search.contains("/data/bmp/help/vyhledat.jpg"));
    EXPECT_TRUE(generhelpnastaveni(context()).contains("/data/bmp/help/nastav.gif"));
    const QString downloading = generhelpstahovani(context());
    for (const char* picture : {"zelena.gif", "stahuje.gif", "pozastaveno.gif"})
        EXPECT_TRUE(downloading.contains(QString("<IMG SRC=\"/data/bmp/help/") + picture + "\""))
            << picture;
    EXPECT_TRUE(
        generhelpodinstalace(context()).contains("Tímto jste úspěšně dokončili odinstalaci POBZ."));
}
