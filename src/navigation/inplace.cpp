#include "navigation/inplace.h"

#include <QRegularExpression>

namespace obzorka::navigation::inplace {

QString flipTimeCell(const QString& page, const QString& target)
{
    const QRegularExpression cell(QStringLiteral("CLASS=(\\w+)><A HREF=\"") +
                                  QRegularExpression::escape(target) +
                                  QStringLiteral("\" TARGET=\"_parent\" CLASS=(\\w+) "));
    const QRegularExpressionMatch match = cell.match(page);
    if (!match.hasMatch())
        return page;
    const QString flipped =
        match.captured(2) == u"cas" ? QStringLiteral("caszvol") : QStringLiteral("cas");
    QString changed = page;
    // The link's class first: replacing it does not move the cell's class before it.
    changed.replace(match.capturedStart(2), match.capturedLength(2), flipped);
    changed.replace(match.capturedStart(1), match.capturedLength(1), flipped);
    return changed;
}

QString flipReminderLink(const QString& page, const QString& target)
{
    const QRegularExpression link(QStringLiteral("<A HREF=\"") +
                                  QRegularExpression::escape(target) +
                                  QStringLiteral("\"[^>]*>(NASTAVIT|ZRUŠIT) UPOZORNĚNÍ</A>"));
    const QRegularExpressionMatch match = link.match(page);
    if (!match.hasMatch())
        return page;
    QString changed = page;
    changed.replace(match.capturedStart(1), match.capturedLength(1),
                    match.captured(1) == u"NASTAVIT" ? QStringLiteral("ZRUŠIT")
                                                     : QStringLiteral("NASTAVIT"));
    return changed;
}

} // namespace obzorka::navigation::inplace
