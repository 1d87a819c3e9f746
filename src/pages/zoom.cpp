#include "pages/zoom.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace obzorka::pages::zoom {
namespace {

constexpr std::array<int, 11> steps{70, 80, 90, 100, 110, 120, 135, 150, 165, 180, 200};

} // namespace

int larger(int percent)
{
    const auto* next = std::upper_bound(steps.begin(), steps.end(), percent);
    return next == steps.end() ? largest : *next;
}

int smaller(int percent)
{
    const auto* next = std::lower_bound(steps.begin(), steps.end(), percent);
    return next == steps.begin() ? smallest : *(next - 1);
}

int fromText(const QString& text)
{
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    if (!ok)
        return normal;
    return *std::min_element(steps.begin(), steps.end(), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
}

QString scaledFontSizes(const QString& html, int percent)
{
    if (percent == normal)
        return html;
    static const QRegularExpression size(QStringLiteral(R"((font-size:\s*)(\d+(?:\.\d+)?))"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString scaled;
    scaled.reserve(html.size());
    qsizetype copied = 0;
    for (auto sizes = size.globalMatch(html); sizes.hasNext();) {
        const QRegularExpressionMatch found = sizes.next();
        scaled += QStringView(html).mid(copied, found.capturedStart(2) - copied);
        scaled += QString::number(found.captured(2).toDouble() * percent / normal, 'g', 4);
        copied = found.capturedEnd(2);
    }
    return scaled + QStringView(html).mid(copied);
}

} // namespace obzorka::pages::zoom
