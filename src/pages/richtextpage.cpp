#include "pages/richtextpage.h"

#include <QRegularExpression>

namespace obzorka::pages {

RichTextPage adaptForRichText(const QString& page)
{
    static const QRegularExpression styleBlock(QStringLiteral("<STYLE[^>]*>.*?</STYLE>"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression bodyText(
        QStringLiteral(R"(<BODY\b[^>]*?\sTEXT\s*=\s*"?([#\w]+))"),
        QRegularExpression::CaseInsensitiveOption);

    RichTextPage adapted;
    adapted.html.reserve(page.size());
    qsizetype copied = 0;
    auto blocks = styleBlock.globalMatch(page);
    while (blocks.hasNext()) {
        const auto block = blocks.next();
        adapted.html += QStringView(page).mid(copied, block.capturedStart() - copied);
        QString rules = block.captured();
        rules.remove(QStringLiteral("<!--"));
        rules.remove(QStringLiteral("-->"));
        adapted.html += rules;
        copied = block.capturedEnd();
    }
    adapted.html += QStringView(page).mid(copied);

    static const QRegularExpression cellWithoutRow(QStringLiteral("(<TABLE\\b[^>]*>)(\\s*<TD\\b)"),
                                                   QRegularExpression::CaseInsensitiveOption);
    adapted.html.replace(cellWithoutRow, QStringLiteral("\\1<TR>\\2"));
    adapted.html.replace(QStringLiteral("</TD></TD>"), QStringLiteral("</TD>"),
                         Qt::CaseInsensitive);

    if (const auto match = bodyText.match(page); match.hasMatch())
        adapted.textColour = match.captured(1);
    return adapted;
}

} // namespace obzorka::pages
