#include "pages/generhtml.h"

#include "pages/pagelinks.h"
#include "pages/pagetext.h"
#include "store/dates.h"
#include "store/plainname.h"
#include "store/store.h"

#include <QFileInfo>

namespace obzorka::pages {
namespace {

QString twoDigits(qint64 number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString image(const PageContext& context, const QString& name, const QString& attributes = {})
{
    return QStringLiteral("<IMG SRC=\"") + attributeText(context.imageFolder + u'/' + name) + u'"' +
           attributes + u'>';
}

} // namespace

QString casnatext(qint64 hour, qint64 minute)
{
    if (hour >= 24)
        hour -= 24;
    return twoDigits(hour) + u':' + twoDigits(minute);
}

QString ikonatypu(const PageContext& context, const QString& typprg)
{
    if (typprg.isEmpty())
        return {};
    static const QString films = QStringLiteral("FTKWPH");
    QString icon;
    if (typprg.size() == 1 && films.contains(typprg))
        icon = QStringLiteral("film.gif");
    else if (typprg == u"D")
        icon = QStringLiteral("dokum.gif");
    else if (typprg == u"Z")
        icon = QStringLiteral("zpravy.gif");
    else if (typprg == u"S")
        icon = QStringLiteral("serial.gif");
    else if (typprg == u"Q")
        icon = QStringLiteral("detem.gif");
    else if (typprg == u"O")
        icon = QStringLiteral("sport.gif");
    else if (typprg == u"X")
        icon = QStringLiteral("extra.gif");
    else if (typprg == u"L")
        icon = QStringLiteral("zabava.gif");
    return (icon.isEmpty() ? QString() : image(context, icon)) + QStringLiteral("<BR>");
}

bool souborexistuje(const QString& path)
{
    // Asked of the file's entry, not by opening it: opening a FIFO would wait for a writer.
    const QFileInfo file(path);
    return file.isFile() && file.isReadable();
}

QString vpsCode(const store::Row& programme)
{
    const QString station = programme.text(u"tv");
    QString code;
    if (station == u"ČT1")
        code = QStringLiteral("1");
    else if (station == u"ČT2")
        code = QStringLiteral("2");
    else
        return {};
    QDate day = store::dates::parseDate(programme.text(u"datum")).value_or(QDate());
    qint64 hour = programme.number(u"hod1");
    if (hour >= 24) {
        hour -= 24;
        day = day.addDays(1);
    }
    return code + twoDigits(day.day()) + twoDigits(day.month()) + twoDigits(hour) +
           twoDigits(programme.number(u"min1"));
}

QString rowOpening(const store::Row& programme)
{
    const QString showview = programme.text(u"showview");
    if (showview.isEmpty())
        return QStringLiteral("<TR>");
    return QStringLiteral("<TR TITLE=\"ShowView: ") + attributeText(showview) +
           QStringLiteral("\">");
}

QString flagIcons(const PageContext& context, const store::Row& programme)
{
    return flagIcons(context, programme, !programme.text(u"info2").isEmpty());
}

QString flagIcons(const PageContext& context, const store::Row& programme, bool extendedInfo,
                  const QString& after)
{
    QString icons;
    if (extendedInfo)
        icons += image(context, QStringLiteral("info.gif"), QStringLiteral(" BORDER=0")) + after;
    const std::pair<const char16_t*, const char*> flags[] = {{u"stereo", "s.gif"},
                                                             {u"titulky", "t.gif"},
                                                             {u"dual", "d.gif"},
                                                             {u"znak_rec", "z.gif"},
                                                             {u"cb", "cb.gif"}};
    for (const auto& [column, icon] : flags) {
        if (programme.number(column) != 0)
            icons += image(context, QString::fromLatin1(icon)) + after;
    }
    return icons;
}

QString shortInfo(const store::Row& programme)
{
    const QString info1 = programme.text(u"info1");
    return info1.isEmpty() ? QString() : QStringLiteral("<BR>") + pageText(info1);
}

QString vpsLine(const PageContext& context, const store::Row& programme)
{
    const QString code = context.showVps ? vpsCode(programme) : QString();
    return code.isEmpty() ? QString()
                          : QStringLiteral("<DIV CLASS=vps>VPS:") + code + QStringLiteral("</DIV>");
}

QString notLoaded()
{
    return QStringLiteral("<FONT COLOR=yellow>--Tento obr. není načten.--</FONT>");
}

QString illustrationPath(const PageContext& context, const QString& name)
{
    if (!store::isPlainName(name))
        return {};
    const QString path = context.imageFolder + QStringLiteral("/obr/") + name;
    return souborexistuje(path) ? path : QString();
}

QString illustration(const PageContext& context, const store::Row& programme)
{
    const QString name = programme.text(u"obr");
    if (name.isEmpty())
        return {};
    const QString path = illustrationPath(context, name);
    if (path.isEmpty())
        return QStringLiteral("<BR>") + notLoaded();
    return QStringLiteral("<BR><IMG SRC=\"") + attributeText(path) +
           QStringLiteral("\" WIDTH=137>");
}

QString radkyporadu(const PageContext& context, const QString& sql, const QVariantList& params,
                    bool noImages, links::Origin from)
{
    QString rows;
    for (const store::Row& programme : context.store.provedsql(sql, params)) {
        const QString id = programme.text(u"id");
        rows += rowOpening(programme) +
                links::timeCellOpening(id, programme.number(u"upozornitid") != 0) +
                QStringLiteral(" STYLE=\"text-decoration: none;\" ONCLICK=\"return false\"");
        if (programme.number(u"hod1") >= 20)
            rows += QStringLiteral(" NAME=\"") + links::eightPmAnchor + u'"';
        rows += u'>' + casnatext(programme.number(u"hod1"), programme.number(u"min1")) +
                QStringLiteral("</A>") + ikonatypu(context, programme.text(u"typprg")) +
                flagIcons(context, programme) +
                QStringLiteral("</TD><TD VALIGN=TOP CLASS=infnaz><B><A HREF=\"") +
                links::detailTarget(id, from) +
                QStringLiteral("\" TARGET=\"_parent\" CLASS=infnaz STYLE=\"text-decoration:none; "
                               "color: gold; font-size: 10pt; font-family: \"Helvetica CE\",Arial;"
                               "\" ONCLICK=\"return false\">") +
                pageText(programme.text(u"nazev")) + QStringLiteral("</A></B>") +
                shortInfo(programme) + vpsLine(context, programme);
        if (!noImages)
            rows += illustration(context, programme);
        rows += QStringLiteral("</TD></TR>");
    }
    return rows;
}

} // namespace obzorka::pages
