#include "pages/pagetext.h"

#include <QRegularExpression>

namespace obzorka::pages {

QString attributeText(const QString& stored)
{
    return stored.toHtmlEscaped();
}

QString pageText(const QString& stored)
{
    static const QRegularExpression allowedTag(QStringLiteral("<(/?)(B|I|U|BR)>"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString text;
    text.reserve(stored.size() + 16);
    QStringList open; // the formatting tags open at this point, innermost last
    qsizetype copied = 0;
    auto tags = allowedTag.globalMatch(stored);
    while (tags.hasNext()) {
        const QRegularExpressionMatch tag = tags.next();
        text += stored.mid(copied, tag.capturedStart() - copied).toHtmlEscaped();
        copied = tag.capturedEnd();
        const QString name = tag.captured(2).toUpper();
        const bool closing = !tag.captured(1).isEmpty();
        if (name == u"BR") {
            if (!closing)
                text += QStringLiteral("<BR>");
            continue;
        }
        if (!closing) {
            open << name;
            text += u'<' + name + u'>';
            continue;
        }
        const qsizetype at = open.lastIndexOf(name);
        if (at < 0)
            continue;
        // Tags opened inside this one close with it and open again after it.
        const QStringList inner = open.mid(at + 1);
        for (qsizetype i = open.size() - 1; i >= at; --i)
            text += QStringLiteral("</") + open.at(i) + u'>';
        open.resize(at);
        for (const QString& reopened : inner)
            text += u'<' + reopened + u'>';
        open << inner;
    }
    text += stored.mid(copied).toHtmlEscaped();
    for (qsizetype i = open.size() - 1; i >= 0; --i)
        text += QStringLiteral("</") + open.at(i) + u'>';
    return text;
}

} // namespace obzorka::pages
