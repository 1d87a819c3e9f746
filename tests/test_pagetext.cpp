#include "pagecheck.h"
#include "pages/pagetext.h"
#include "support/teststore.h"

#include <QTextBlock>
#include <QTextDocument>

using namespace obzorka;
using fuzz::ProgrammeTexts;

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
        {"<A HREF=\"upozor.htm?id=9\">", "&lt;A HREF=&quot;upozor.htm?id=9&quot;&gt;"},
    };
    for (const auto& [stored, page] : cases)
        EXPECT_EQ(pages::pageText(stored), page) << stored.toStdString();
    EXPECT_EQ(pages::attributeText("\"><B>"), "&quot;&gt;&lt;B&gt;");
}

TEST(PageText, AllowedTagsFormatTheFieldOnly)
{
    fuzz::ensureGuiApplication();
    QTextDocument document;
    document.setHtml(pages::pageText("<I>kurzíva</I> <u>podtržené") + " konec");
    QStringList formatted;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        formatted << it.fragment().text() + (format.fontItalic() ? "/i" : "") +
                         (format.fontUnderline() ? "/u" : "");
    }
    EXPECT_EQ(formatted, (QStringList{"kurzíva/i", " ", "podtržené/u", " konec"}));
}

// Every page that shows a programme, with a hostile text in each of its fields in turn.
TEST(PageText, HostileTextsReadAsSentInEveryPage)
{
    const QString texts[] = {
        "<!-- zbytek stránky",
        "</TD></TR></TABLE></BODY>",
        "</A><A HREF=\"upozor.htm?zpet=true&vypis=true&id=99\">past</A>",
        "<a href=\"mailto:x@y?body=z\">pošta</a> <A HREF=zpet.htm>zpět</A>",
        "<IMG SRC=\"/dev/zero\"><img src=../../../../etc/passwd>",
        "Sčítání 3<5 a 7>2",
        "\"><B>\" ' & &amp; &nbsp;",
        "<B>neuzavřené <U>podtržení",
        "<I>kurzíva</I> a <b>tučné</b><br>na řádku",
    };
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

TEST(PageText, IllustrationsOnlyByPlainNamesOfFetchedFiles)
{
    test::throwOnSqlError();
    for (const QString name : {"je.jpg", "../../../../dev/zero", "/etc/passwd", "obr/../je.jpg",
                               "..", ".", "C:je.jpg", "je\t.jpg"}) {
        EXPECT_EQ(fuzz::checkProgrammePages({.obr = name, .obr2 = name}), QString())
            << name.toStdString();
    }
}
