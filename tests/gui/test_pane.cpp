#include "gui/dialogs/messagewindow.h"
#include "gui/guide/pane.h"
#include "pages/generhtml.h"
#include "support/teststore.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <sys/stat.h>

using namespace obzorka;

namespace {

// A time cell and a title as the listings write them, plus text that follows the body colour.
const QString listing =
    "<HTML><HEAD><TITLE>Televizní program</TITLE><STYLE TYPE=\"text/css\"><!--BODY   {  }"
    "       .cas  {  color: red; font-weight: bold; font-size: 10pt; font-family: \"Helvetica "
    "CE\",Arial;}"
    "       .infnaz {color: gold; font-size: 10pt; font-family: \"Helvetica CE\",Arial;}-->"
    "</STYLE></HEAD><BODY BGCOLOR=\"#000050\" TEXT=\"gold\"><TABLE WIDTH=100%><TR>"
    "<TD VALIGN=TOP WIDTH=35 CLASS=cas><A HREF=\"upozor.htm?zpet=true&vypis=true&id=5\" "
    "CLASS=cas STYLE=\"text-decoration: none;\" ONCLICK=\"return false\">18:00</A></TD>"
    "<TD VALIGN=TOP CLASS=infnaz>Zprávy</TD></TR></TABLE><P>Obyčejný text</P></BODY></HTML>";

QTextCharFormat formatOf(const QTextDocument* document, const QString& text, int* lines = nullptr)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().text() == text) {
                if (lines)
                    *lines = block.layout()->lineCount();
                return fragment.fragment().charFormat();
            }
        }
    }
    ADD_FAILURE() << "no fragment " << text.toStdString();
    return {};
}

} // namespace

TEST(Pane, LinksTakeTheirClassColourAndBodyTextTakesTheBodyColour)
{
    gui::Pane pane("WebBrowser1");
    pane.resize(400, 300);
    pane.show();
    pane.showPage(listing);
    EXPECT_EQ(pane.page(), listing);
    const QTextCharFormat time = formatOf(pane.document(), "18:00");
    EXPECT_EQ(time.foreground().color(), QColor("red"));
    EXPECT_FALSE(time.fontUnderline());
    EXPECT_EQ(formatOf(pane.document(), "Obyčejný text").foreground().color(), QColor("gold"));
}

TEST(Pane, NarrowTimeCellKeepsTheTimeOnOneLine)
{
    gui::Pane pane("WebBrowser1");
    pane.resize(400, 300);
    pane.show();
    pane.showPage(listing);
    QApplication::processEvents();
    int lines = 0;
    formatOf(pane.document(), "18:00", &lines);
    EXPECT_EQ(lines, 1);
}

TEST(Pane, ClickedLinkIsReportedNotFollowed)
{
    gui::Pane pane("WebBrowser1");
    pane.resize(400, 300);
    pane.show();
    pane.showPage(listing);
    QSignalSpy clicked(&pane, &gui::Pane::linkClicked);
    pane.setFocus();
    // Tab moves to the first link, Enter activates it, as a keyboard user would.
    QTest::keyClick(pane.viewport(), Qt::Key_Tab);
    QTest::keyClick(pane.viewport(), Qt::Key_Return);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "upozor.htm?zpet=true&vypis=true&id=5");
    EXPECT_EQ(pane.page(), listing);
}

TEST(Pane, NoContextMenu)
{
    gui::Pane pane("WebBrowser1");
    pane.show();
    pane.showPage(pages::generzprava("Zpráva"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                            pane.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(pane.viewport(), &event);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Only regular files inside bmp/ and icons/ of the data folder; devices, FIFOs, folders, files
// outside or too large and network addresses are refused at once, without being opened.
TEST(Pane, PicturesOnlyFromTheDataFolderAndNeverBlocking)
{
    QTemporaryDir data;
    const QString bmp = data.path() + "/bmp";
    ASSERT_TRUE(QDir().mkpath(bmp + "/obr") && QDir().mkpath(data.path() + "/icons"));
    const auto write = [](const QString& path, qint64 size) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'g')) == size;
    };
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(bmp + "/film.gif", "PNG") &&
                picture.save(data.path() + "/obz.db", "PNG"));
    ASSERT_TRUE(picture.save(data.path() + "/icons/tv.ico", "PNG"));
    ASSERT_TRUE(write(bmp + "/obr/sum.jpg", 100));
    ASSERT_TRUE(write(bmp + "/obr/velky.jpg", pages::PageResources::maxBytes + 1));
    ASSERT_EQ(mkfifo(QFile::encodeName(bmp + "/obr/fifo.jpg").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", bmp + "/obr/nula.jpg"));
    ASSERT_TRUE(QFile::link(data.path() + "/obz.db", bmp + "/obr/ven.jpg"));
    ASSERT_TRUE(QFile::link(bmp + "/film.gif", bmp + "/obr/uvnitr.gif"));

    gui::Pane pane("WebBrowser1");
    pane.setResourceFolders({bmp, data.path() + "/icons"});
    const auto loads = [&](const QString& source) {
        const QVariant image = pane.loadResource(QTextDocument::ImageResource, QUrl(source));
        return image.value<QImage>().convertToFormat(picture.format()) == picture;
    };
    for (const QString& shown : QStringList{bmp + "/film.gif", data.path() + "/icons/tv.ico",
                                            bmp + "/obr/uvnitr.gif", "file://" + bmp + "/film.gif"})
        EXPECT_TRUE(loads(shown)) << shown.toStdString();
    for (const QString& refused :
         QStringList{"/dev/zero", bmp + "/obr/nula.jpg", bmp + "/obr/fifo.jpg", bmp + "/obr",
                     bmp + "/../obz.db", bmp + "/obr/ven.jpg", bmp + "/obr/velky.jpg",
                     bmp + "/chybi.gif", bmp + "/obr/sum.jpg", "http://example.com/a.gif"})
        EXPECT_FALSE(loads(refused)) << refused.toStdString();
    EXPECT_FALSE(
        pane.loadResource(QTextDocument::StyleSheetResource, QUrl(bmp + "/film.gif")).isValid());

    // A page naming them shows at once: reading the device or the FIFO would never end.
    pane.showPage("<HTML><BODY><IMG SRC=\"/dev/zero\"><IMG SRC=\"" + bmp +
                  "/obr/fifo.jpg\"><IMG SRC=\"" + bmp + "/film.gif\"></BODY></HTML>");
    pane.show();
    QApplication::processEvents();
}

TEST(Pane, ScrollPositionCanBeSavedAndRestored)
{
    gui::Pane pane("WebBrowser1");
    pane.resize(300, 200);
    pane.show();
    QString rows;
    for (int i = 0; i < 200; ++i)
        rows += QStringLiteral("<A NAME=\"r%1\">řádek %1</A><BR>").arg(i);
    pane.showPage("<HTML><BODY>" + rows + "</BODY></HTML>");
    QApplication::processEvents();
    pane.scrollToAnchor("r150");
    const int atAnchor = pane.scrollTop();
    EXPECT_GT(atAnchor, 0);
    pane.setScrollTop(0);
    EXPECT_EQ(pane.scrollTop(), 0);
    pane.setScrollTop(atAnchor);
    EXPECT_EQ(pane.scrollTop(), atAnchor);

    const QString changed = QString(pane.page()).replace("řádek 3<", "změněný řádek<");
    pane.redraw(changed);
    EXPECT_EQ(pane.page(), changed);
    EXPECT_EQ(pane.scrollTop(), atAnchor);
    pane.showPage(changed);
    EXPECT_EQ(pane.scrollTop(), 0);
}

TEST(MessageWindow, EachMessageInItsOwnWindowClosedByOk)
{
    QPointer<gui::MessageWindow> first =
        gui::MessageWindow::napln("Vítejte v Obzorce!\nNové stanice: ČT sport.");
    QPointer<gui::MessageWindow> second = gui::MessageWindow::napln("Druhá zpráva");
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(first->windowTitle(), "Zpráva");
    EXPECT_EQ(first->findChild<QPlainTextEdit*>("Text1")->toPlainText(),
              "Vítejte v Obzorce!\nNové stanice: ČT sport.");
    QTest::mouseClick(first->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second->isVisible());
    second->close();
}
