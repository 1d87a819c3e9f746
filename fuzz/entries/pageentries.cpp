#include "entries.h"
#include "pagecheck.h"
#include "scratch.h"

#include "pages/generhtml.h"
#include "pages/pagelinks.h"
#include "pages/richtextpage.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/plainname.h"
#include "store/store.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <optional>

namespace obzorka::fuzz {
namespace {

constexpr int programmeId = 7;
constexpr int controlId = 8;
const QString controlStation = QStringLiteral("Kontrola");
const QString controlTitle = QStringLiteral("Kontrolní pořad");
const QString notice = QStringLiteral("Programy se mohou změnit.");
const QString fetchedPicture = QStringLiteral("je.jpg");

} // namespace

// Laying out a page needs fonts, and fonts need a GUI application.
void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "obzorka-pages";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

namespace {

QString imageFolder()
{
    const QString folder = scratchFolder() + QStringLiteral("/bmp");
    if (QDir().mkpath(folder + QStringLiteral("/obr"))) {
        QFile picture(folder + QStringLiteral("/obr/") + fetchedPicture);
        if (!picture.exists() && picture.open(QIODevice::WriteOnly))
            picture.write("jpg");
    }
    return folder;
}

// What a reader sees of a text: the allowed tags format it and are gone, and blanks and line
// breaks run together as in any page.
QString shown(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("<BR>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression formatting(QStringLiteral("</?[BIU]>|</BR>"),
                                               QRegularExpression::CaseInsensitiveOption);
    return QString(text).replace(lineBreak, QStringLiteral(" ")).remove(formatting).simplified();
}

struct ShownPage
{
    QString text;
    QSet<QString> anchors;
    QStringList images;
    std::optional<QTextCharFormat> sentinel; // the builder's own text after the fields
};

ShownPage show(const QString& page, const QString& sentinel)
{
    QTextDocument document;
    document.setHtml(pages::adaptForRichText(page).html);
    ShownPage shownPage{document.toPlainText().simplified(), {}, {}, {}};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                shownPage.anchors.insert(format.anchorHref());
            if (format.isImageFormat())
                shownPage.images << format.toImageFormat().name();
            if (fragment.text().contains(sentinel))
                shownPage.sentinel = format; // the last one: a field may hold the text too
        }
    }
    return shownPage;
}

QString pictureProblem(const ShownPage& page, const QString& folder)
{
    static const QSet<QString> icons{
        QStringLiteral("film.gif"),   QStringLiteral("dokum.gif"),  QStringLiteral("zpravy.gif"),
        QStringLiteral("serial.gif"), QStringLiteral("detem.gif"),  QStringLiteral("sport.gif"),
        QStringLiteral("extra.gif"),  QStringLiteral("zabava.gif"), QStringLiteral("info.gif"),
        QStringLiteral("s.gif"),      QStringLiteral("t.gif"),      QStringLiteral("d.gif"),
        QStringLiteral("z.gif"),      QStringLiteral("cb.gif")};
    for (const QString& image : page.images) {
        const QString name =
            image.startsWith(folder + u'/') ? image.mid(folder.size() + 1) : QString();
        const QString fetched = name.startsWith(u"obr/") ? name.mid(4) : QString();
        if (!icons.contains(name) && !(store::isPlainName(fetched) &&
                                       QFile::exists(folder + QStringLiteral("/obr/") + fetched)))
            return QStringLiteral("a picture the builder did not write: ") + image;
    }
    return {};
}

// What one page must show.
struct Expected
{
    QStringList texts;
    QSet<QString> anchors;  // the builder's own, every one present
    QString titleLink = {}; // may be missing: a title that shows nothing leaves no anchor
    QString sentinel = {};  // the builder's text after the fields, free of their formats
    bool sentinelMayBeBold = false;
};

QString checkPage(const QString& name, const QString& page, const Expected& expected,
                  const QString& folder)
{
    const ShownPage shownPage = show(page, expected.sentinel);
    for (const QString& text : expected.texts) {
        if (!shownPage.text.contains(shown(text)))
            return name + QStringLiteral(": a text is not shown as sent: ") + text;
    }
    QSet<QString> foreign = shownPage.anchors - expected.anchors;
    foreign.remove(expected.titleLink);
    if (!foreign.isEmpty() || !shownPage.anchors.contains(expected.anchors))
        return name + QStringLiteral(": anchors other than the builder's: ") +
               QStringList(shownPage.anchors.values()).join(u' ');
    if (const QString problem = pictureProblem(shownPage, folder); !problem.isEmpty())
        return name + QStringLiteral(": ") + problem;
    if (!shownPage.sentinel)
        return name + QStringLiteral(": the rest of the page is gone");
    const QTextCharFormat& format = *shownPage.sentinel;
    if (format.fontItalic() || (!format.isAnchor() && format.fontUnderline()) ||
        (!expected.sentinelMayBeBold && format.fontWeight() > QFont::Normal))
        return name + QStringLiteral(": a text formats the rest of the page");
    return {};
}

void storeProgrammes(store::Store& store, const ProgrammeTexts& texts, QDate day)
{
    const QString insert = QStringLiteral(
        "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev, info1, info2, "
        "showview, obr, obr2, typprg, stereo) VALUES (?, ?, ?, 20, 0, 21, 0, ?, ?, ?, ?, ?, ?, "
        "'F', 1)");
    store.provedsql(insert, {programmeId, texts.tv, store::dates::isoDate(day), texts.nazev,
                             texts.info1, texts.info2, texts.showview, texts.obr, texts.obr2});
    store.provedsql(
        insert,
        {controlId, controlStation, store::dates::isoDate(day), controlTitle, {}, {}, {}, {}, {}});
    for (const QString& station : {texts.tv, controlStation})
        store.provedsql(QStringLiteral("INSERT INTO televize (tv, povoleno, pozice, idtv) "
                                       "VALUES (?, 1, 1, 1)"),
                        {station});
}

// The rows of both programmes: the time cells' links, the control's title link and the
// programme's title link (which may be missing).
Expected rows(pages::links::Origin from, const QStringList& texts)
{
    const QString programme = QString::number(programmeId);
    const QString control = QString::number(controlId);
    return {texts,
            {pages::links::timeCellTarget(programme), pages::links::timeCellTarget(control),
             pages::links::detailTarget(control, from)},
            pages::links::detailTarget(programme, from),
            notice};
}

} // namespace

QString checkProgrammePages(const ProgrammeTexts& texts)
{
    ensureGuiApplication();
    store::Store& store = freshStore();
    const QDate day = store::Clock::today();
    storeProgrammes(store, texts, day);
    const QString folder = imageFolder();
    const pages::PageContext context{store, folder, true};
    const QStringList stations{texts.tv, controlStation};
    const auto grid = [&](bool print) {
        return pages::genertabulku(context, day, QStringLiteral("Vše"), QStringLiteral("Začátku"),
                                   QStringLiteral("Konce"), stations, print);
    };
    const QStringList rowTexts{texts.nazev, texts.info1, controlTitle};
    // A name that is not a fetched file's shows the placeholder, never a path of its own.
    const QStringList placeholder{
        texts.obr.isEmpty() || texts.obr == fetchedPicture
            ? QString()
            : pages::notLoaded().remove(QRegularExpression(QStringLiteral("<[^>]*>")))};
    QString broken = checkPage(QStringLiteral("grid"), grid(false),
                               rows(pages::links::Origin::Grid, rowTexts + placeholder), folder);
    if (broken.isEmpty())
        broken = checkPage(QStringLiteral("print"), pages::forPaper(grid(true)),
                           {rowTexts + QStringList{texts.tv}, {}, {}, notice}, folder);
    if (broken.isEmpty())
        broken = checkPage(
            QStringLiteral("header"), pages::generhlavicku(stations),
            {{texts.tv}, {pages::links::jumpToEightTarget()}, {}, controlStation, true}, folder);
    if (broken.isEmpty())
        broken =
            checkPage(QStringLiteral("search"), pages::generhledani(context, pages::SearchQuery{}),
                      rows(pages::links::Origin::Search, rowTexts + QStringList{texts.tv}), folder);
    if (broken.isEmpty())
        broken = checkPage(
            QStringLiteral("now"), pages::generbezi(context, QDateTime(day, QTime(20, 30))),
            rows(pages::links::Origin::Now, rowTexts + QStringList{texts.tv}), folder);
    if (broken.isEmpty())
        broken = checkPage(QStringLiteral("detail"),
                           pages::genervypisinf(context, QString::number(programmeId),
                                                pages::links::Origin::Search),
                           {{texts.nazev, texts.tv, texts.info1, texts.info2},
                            {pages::links::reminderTarget(QString::number(programmeId)),
                             pages::links::calendarTarget(QString::number(programmeId)),
                             pages::links::backTarget(pages::links::Origin::Search)},
                            {},
                            QStringLiteral("Zpět")},
                           folder);
    return broken;
}

QString programmePages(QByteArrayView input)
{
    // Fields as a record carries them, separated by "|", which no field can hold.
    const QStringList fields = serverText(input).split(QLatin1Char('|'));
    ProgrammeTexts texts{fields.value(0), fields.value(1), fields.value(2), fields.value(3),
                         fields.value(4), fields.value(5), fields.value(6)};
    if (texts.tv.trimmed().isEmpty() || texts.tv == controlStation)
        texts.tv = QStringLiteral("ČT1");
    return checkProgrammePages(texts);
}

} // namespace obzorka::fuzz
