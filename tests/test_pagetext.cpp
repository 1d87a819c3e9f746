#include "pagecheck.h"
#include "pages/generhtml.h"
#include "pages/pagetext.h"
#include "pages/richtextpage.h"
#include "support/teststore.h"

#include <QRegularExpression>

using namespace obzorka;
using fuzz::ProgrammeTexts;
using namespace obzorka::pages;

TEST(PageText, EntitiesForTextAndOnlyBareFormattingTagsKept)
{
    const std::pair<QString, QString> cases[] = {
        {"Sčítání 3<5 a 7>2", "Sčítání 3&lt;5 a 7&gt;2"},
        {"\"Tom & Jerry\" <!--", "&quot;Tom &amp; Jerry&quot; &lt;!--"},
        {"<i>kurzíva</I> a<br>řádek", "<I>kurzíva</I> a<BR>řádek"},
        {"<B>neuzavřené", "<B>neuzavřené</B>"},
        {"</U>bez začátku</BR>", "bez začátku"},
        {"<B><I>oba</B> jen kurzíva</I>", "<B><I>oba</I></B><I> jen kurzíva</I>"},
        {"<B class=x>s atributem<BR/>", "&lt;B class=x&gt;s atributem&lt;BR/&gt;"},
    };
    for (const auto& [stored, page] : cases)
        EXPECT_EQ(pages::pageText(stored), page) << stored.toStdString();
    EXPECT_EQ(pages::attributeText("\"><B>"), "&quot;&gt;&lt;B&gt;");
}

// Every page that shows a programme, with a hostile text in each of its fields in turn.
TEST(PageText, HostileTextsReadAsSentInEveryPage)
{
    const QString texts[] = {"<!-- zbytek stránky", "</TD></TR></TABLE></BODY>",
                             "</A><A HREF=\"upozor.htm?zpet=true&vypis=true&id=99\">past</A>",
                             "<a href=\"mailto:x@y?body=z\">pošta</a> <A HREF=zpet.htm>zpět</A>",
                             "<IMG SRC=\"/dev/zero\"><img src=../../../../etc/passwd>",
                             "Sčítání 3<5 a 7>2", "\"><B>\" ' & &amp; &nbsp;",
                             "<B>neuzavřené <U>podtržení",
                             "<I>kurzíva</I> a <b>tučné</b><br>na řádku",
                             // Illustrations show only by plain names of fetched files.
                             "je.jpg", "../../../../dev/zero", "/etc/passwd", "obr/../je.jpg", "..",
                             ".", "C:je.jpg", "je\t.jpg"};
    QString ProgrammeTexts::*const fields[] = {&ProgrammeTexts::nazev,    &ProgrammeTexts::info1,
                                               &ProgrammeTexts::info2,    &ProgrammeTexts::tv,
                                               &ProgrammeTexts::showview, &ProgrammeTexts::obr,
                                               &ProgrammeTexts::obr2};
    test::throwOnSqlError();
    for (const QString& text : texts) {
        for (QString ProgrammeTexts::*field : fields) {
            ProgrammeTexts programme;
            programme.*field = text;
            EXPECT_EQ(fuzz::checkProgrammePages(programme), QString()) << text.toStdString();
        }
    }
}

// What Qt's rich text needs: the style comment markers dropped inside STYLE only, the body's
// text colour taken out, loose table markup closed.
TEST(RichTextPage, AdaptsWhatQtReadsOtherwise)
{
    const std::tuple<QString, QString, QString> cases[] = {
        {"<style><!--.a {}--></STYLE><BODY TEXT=\"gold\"><!-- b -->",
         "<style>.a {}</STYLE><BODY TEXT=\"gold\"><!-- b -->", "gold"},
        {"<body bgcolor=red text=#10D010>", "<body bgcolor=red text=#10D010>", "#10D010"},
        {"<BODY LEFTMARGIN=0>", "<BODY LEFTMARGIN=0>", ""},
        {"<TD><TABLE WIDTH=100%><TD></TD></TABLE></TD>",
         "<TD><TABLE WIDTH=100%><TR><TD></TD></TABLE></TD>", ""},
        {"<TABLE><TR><TD>a</TD></TD><TD></TR></TABLE>", "<TABLE><TR><TD>a</TD><TD></TR></TABLE>",
         ""},
    };
    for (const auto& [page, html, textColour] : cases) {
        const pages::RichTextPage adapted = pages::adaptForRichText(page);
        EXPECT_EQ(adapted.html, html);
        EXPECT_EQ(adapted.textColour, textColour) << page.toStdString();
    }
}

// Each page ends with links to every other topic (and to the index), the support address, and
// shows its pictures from the image folder; the topics number their items up to the last.
TEST(Help, PagesLinkEveryOtherTopicAndShowTheirPictures)
{
    store::Store store; // help pages read nothing from it
    const PageContext context{store, "/data/bmp", false};
    static const QRegularExpression link("<A HREF=\"(help[a-z]+\\.html)\" ONCLICK");
    for (const QString& name : helpPageNames()) {
        const QString page = helpPage(context, name);
        const QString navigation = page.mid(page.lastIndexOf("<BR><BR><BR><BR>"));
        QStringList links;
        for (auto match = link.globalMatch(navigation); match.hasNext();)
            links << match.next().captured(1);
        QStringList expected = helpPageNames();
        expected.removeAll(name);
        links.sort();
        EXPECT_EQ(links, expected) << name.toStdString();
        EXPECT_TRUE(navigation.contains("<A HREF=\"mailto:podpora@obzorka.cz\" class=\"a\">"));
    }
    EXPECT_EQ(helpPage(context, "HelpIndex.html"), "");
    const QString classic = generhelpklasicke(context);
    EXPECT_TRUE(classic.contains(">26.&nbsp;") && !classic.contains(">27.&nbsp;"));
    EXPECT_TRUE(classic.contains("<CENTER><IMG SRC=\"/data/bmp/help/map.gif\" border=\"0\">"));
}
