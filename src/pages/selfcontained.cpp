#include "pages/selfcontained.h"

#include "pages/rewrite.h"

#include <QHash>
#include <QMimeDatabase>

namespace obzorka::pages {
namespace {

// The path in an image source as the page builders wrote it, escaped for an attribute.
QString attributeValue(QString escaped)
{
    return escaped.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

QString dataAddress(const QByteArray& bytes, const QMimeDatabase& types)
{
    return QStringLiteral("data:") + types.mimeTypeForData(bytes).name() +
           QStringLiteral(";base64,") + QString::fromLatin1(bytes.toBase64());
}

} // namespace

QString withImagesInside(const QString& page, const PageResources& files)
{
    static const QRegularExpression source(QStringLiteral("(?<=<IMG SRC=\")[^\"]*"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QMimeDatabase types;
    // A page shows the same icon on many rows: each file is read and encoded once.
    QHash<QString, QString> inlined;
    return rewriteMatches(page, source, [&](const QRegularExpressionMatch& image) {
        const QString written = image.captured();
        auto known = inlined.find(written);
        if (known == inlined.end()) {
            const auto bytes = files.read(QUrl::fromLocalFile(attributeValue(written)));
            known = inlined.insert(written, bytes ? dataAddress(*bytes, types) : written);
        }
        return *known;
    });
}

} // namespace obzorka::pages
