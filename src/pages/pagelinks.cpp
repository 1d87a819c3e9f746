#include "pages/pagelinks.h"

#include "pages/generhtml.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <optional>

namespace obzorka::pages::links {
namespace {

using Kind = LinkAction::Kind;

constexpr QLatin1StringView timeCellToggle{"upozor.htm?zpet=true&vypis=true&id="};
constexpr QLatin1StringView detailToggle{"upozor.htm?id="};
constexpr QLatin1StringView detailFromGrid{"vypisinf.htm?id="};
constexpr QLatin1StringView detailFromSearch{"vypisinf.htm?hledej=true&id="};
constexpr QLatin1StringView detailFromNow{"vypisinf.htm?ted=true&id="};
constexpr QLatin1StringView searchPage{"hledej.htm?od="};
constexpr QLatin1StringView backToGrid{"zpet.htm"};
constexpr QLatin1StringView backToSearch{"zpet.htm?hledej=true"};
constexpr QLatin1StringView backToNow{"zpet.htm?ted=true"};
constexpr QLatin1StringView jumpToEight{"vypishod20.htm"};
constexpr QLatin1StringView toCalendar{"kalendar.htm?id="};

constexpr QLatin1StringView plainCell{"cas"};
constexpr QLatin1StringView markedCell{"caszvol"};
const QString setReminder = QStringLiteral("NASTAVIT UPOZORNĚNÍ");
const QString cancelReminder = QStringLiteral("ZRUŠIT UPOZORNĚNÍ");

// Digits a value may have: an id fits a 64-bit number, an offset a 32-bit one.
constexpr int idDigits = 18;
constexpr int offsetDigits = 9;

// A link as the pages write it: its fixed text, then a whole number of up to `digits`
// digits, or nothing when `digits` is 0.
struct LinkForm
{
    QLatin1StringView text;
    Kind kind;
    int digits = 0;
    Origin from = Origin::Grid;
};

constexpr std::array<LinkForm, 11> linkForms{{
    {searchPage, Kind::SearchPage, offsetDigits},
    {backToGrid, Kind::BackToGrid},
    {backToSearch, Kind::BackToSearch},
    {backToNow, Kind::BackToNow},
    {detailFromGrid, Kind::Detail, idDigits},
    {detailFromSearch, Kind::Detail, idDigits, Origin::Search},
    {detailFromNow, Kind::Detail, idDigits, Origin::Now},
    {timeCellToggle, Kind::ToggleTimeCell, idDigits},
    {detailToggle, Kind::ToggleDetailLink, idDigits},
    {jumpToEight, Kind::JumpToEight},
    {toCalendar, Kind::AddToCalendar, idDigits},
}};

bool isWholeNumber(QStringView text, int digits)
{
    if (text.startsWith(u'-'))
        text = text.sliced(1);
    return !text.isEmpty() && text.size() <= digits &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The value that follows the form's text, or nothing when the target is not of the form.
std::optional<QString> valueOf(const LinkForm& form, const QString& target)
{
    if (!target.startsWith(form.text))
        return std::nullopt;
    const QStringView value = QStringView(target).sliced(form.text.size());
    if (form.digits == 0 ? !value.isEmpty() : !isWholeNumber(value, form.digits))
        return std::nullopt;
    return value.toString();
}

bool isMailLink(const QString& target)
{
    // One address, at most a subject: nothing a mail program would add recipients from.
    static const QRegularExpression mail(QRegularExpression::anchoredPattern(
        QStringLiteral(R"(mailto:[^\s?&"<>@]+@[^\s?&"<>@]+(?:\?subject=[^&=?]*)?)")));
    return mail.match(target).hasMatch();
}

// Fills in the action of the fixed form the target has, when it has one.
void readLinkForm(LinkAction& action)
{
    for (const LinkForm& form : linkForms) {
        const std::optional<QString> value = valueOf(form, action.target);
        if (!value)
            continue;
        action.kind = form.kind;
        action.from = form.from;
        if (form.kind == Kind::SearchPage)
            action.od = *value;
        else
            action.id = *value;
        return;
    }
}

} // namespace

QString timeCellTarget(const QString& id)
{
    return timeCellToggle + id;
}

QString timeCellOpening(const QString& id, bool marked)
{
    const QLatin1StringView cellClass = marked ? markedCell : plainCell;
    return QStringLiteral("<TD VALIGN=TOP WIDTH=35 CLASS=") + cellClass +
           QStringLiteral("><A HREF=\"") + timeCellTarget(id) +
           QStringLiteral("\" TARGET=\"_parent\" CLASS=") + cellClass;
}

QString reminderTarget(const QString& id)
{
    return detailToggle + id;
}

QString reminderLink(const QString& id, bool marked)
{
    return QStringLiteral("<A HREF=\"") + reminderTarget(id) +
           QStringLiteral("\" STYLE=\"color: #10D010;font-weight: bold;\" ONCLICK=\"return "
                          "false\">") +
           (marked ? cancelReminder : setReminder) + QStringLiteral("</A>");
}

QString calendarTarget(const QString& id)
{
    return toCalendar + id;
}

QString calendarLink(const QString& id)
{
    return QStringLiteral("<A HREF=\"") + calendarTarget(id) +
           QStringLiteral("\" STYLE=\"color: #10D010;\" ONCLICK=\"return false\">Přidat do "
                          "kalendáře</A><BR>");
}

QString detailTarget(const QString& id, Origin from)
{
    switch (from) {
    case Origin::Search:
        return detailFromSearch + id;
    case Origin::Now:
        return detailFromNow + id;
    case Origin::Grid:
        break;
    }
    return detailFromGrid + id;
}

QString searchPageTarget(const QString& firstRow)
{
    return searchPage + firstRow;
}

QString backTarget(Origin to)
{
    switch (to) {
    case Origin::Search:
        return backToSearch;
    case Origin::Now:
        return backToNow;
    case Origin::Grid:
        break;
    }
    return backToGrid;
}

QString jumpToEightTarget()
{
    return jumpToEight;
}

QString mailTarget(const QString& address)
{
    return QStringLiteral("mailto:") + address;
}

LinkAction parseLink(QString target)
{
    target.remove(QStringLiteral("about:blank"));
    LinkAction action;
    action.target = target;
    if (isMailLink(target)) {
        action.kind = Kind::Mail;
    } else if (helpPageNames().contains(target)) {
        action.kind = Kind::Help;
        action.name = target;
    } else {
        readLinkForm(action);
    }
    return action;
}

QString flipTimeCell(const QString& page, const QString& target)
{
    const QRegularExpression cell(QStringLiteral("CLASS=(\\w+)><A HREF=\"") +
                                  QRegularExpression::escape(target) +
                                  QStringLiteral("\" TARGET=\"_parent\" CLASS=(\\w+) "));
    const QRegularExpressionMatch match = cell.match(page);
    if (!match.hasMatch())
        return page;
    const QString flipped = match.captured(2) == plainCell ? markedCell : plainCell;
    QString changed = page;
    // The link's class first: replacing it does not move the cell's class before it.
    changed.replace(match.capturedStart(2), match.capturedLength(2), flipped);
    changed.replace(match.capturedStart(1), match.capturedLength(1), flipped);
    return changed;
}

QString flipReminderLink(const QString& page, const QString& target)
{
    const QRegularExpression link(QStringLiteral("<A HREF=\"") +
                                  QRegularExpression::escape(target) + QStringLiteral("\"[^>]*>(") +
                                  setReminder + u'|' + cancelReminder + QStringLiteral(")</A>"));
    const QRegularExpressionMatch match = link.match(page);
    if (!match.hasMatch())
        return page;
    QString changed = page;
    changed.replace(match.capturedStart(1), match.capturedLength(1),
                    match.captured(1) == setReminder ? cancelReminder : setReminder);
    return changed;
}

} // namespace obzorka::pages::links
