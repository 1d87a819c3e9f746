#include "gui/guide/pane.h"
#include "support/teststore.h"

#include <QApplication>
#include <QDir>
#include <QTextBlock>
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

// The format of the fragment showing `text`, and how many lines its block takes.
std::pair<QTextCharFormat, int> formatOf(const QTextDocument* document, const QString& text)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().text() == text)
                return {fragment.fragment().charFormat(), block.layout()->lineCount()};
    ADD_FAILURE() << "no fragment " << text.toStdString();
    return {};
}

} // namespace

TEST(Pane, ShowsAListingAsABrowserWould)
{
    gui::Pane pane("WebBrowser1");
    pane.resize(400, 300);
    pane.show();
    pane.showPage(listing);
    QApplication::processEvents();
    EXPECT_EQ(pane.page(), listing);
    const auto [time, lines] = formatOf(pane.document(), "18:00");
    EXPECT_EQ(time.foreground().color(), QColor("red")); // the class rule, not the link colour
    EXPECT_EQ(lines, 1);                                 // the narrow time cell does not wrap
    EXPECT_EQ(formatOf(pane.document(), "Obyčejný text").first.foreground().color(),
              QColor("gold"));
}

// Only regular files inside bmp/ and icons/ of the data folder; devices, FIFOs, folders, files
// outside or too large and network addresses are refused at once, without being opened.
TEST(Pane, PicturesOnlyFromTheDataFolderAndNeverBlocking)
{
    QTemporaryDir data;
    const QString bmp = data.path() + "/bmp";
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    test::writeFile(bmp + "/obr/sum.jpg", QByteArray(100, 'g'));
    test::writeFile(bmp + "/obr/velky.jpg", QByteArray(pages::PageResources::maxBytes + 1, 'g'));
    ASSERT_TRUE(QDir().mkpath(data.path() + "/icons"));
    for (const QString& path :
         QStringList{bmp + "/film.gif", data.path() + "/obz.db", data.path() + "/icons/tv.ico"})
        ASSERT_TRUE(picture.save(path, "PNG"));
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
                     bmp + "/obr/pozde.gif", bmp + "/obr/sum.jpg", "http://example.com/a.gif"})
        EXPECT_FALSE(loads(refused)) << refused.toStdString();
    EXPECT_FALSE(
        pane.loadResource(QTextDocument::StyleSheetResource, QUrl(bmp + "/film.gif")).isValid());
    // A picture that arrives after a page asked for it shows the next time.
    ASSERT_TRUE(picture.save(bmp + "/obr/pozde.gif", "PNG"));
    EXPECT_TRUE(loads(bmp + "/obr/pozde.gif"));

    // A page naming them shows at once: reading the device or the FIFO would never end.
    pane.showPage("<HTML><BODY><IMG SRC=\"/dev/zero\"><IMG SRC=\"" + bmp +
                  "/obr/fifo.jpg\"><IMG SRC=\"" + bmp + "/film.gif\"></BODY></HTML>");
    pane.show();
    QApplication::processEvents();
}
