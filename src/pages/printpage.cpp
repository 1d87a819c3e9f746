#include "pages/generhtml.h"

namespace obzorka::generhtml {

QString forPaper(QString page)
{
    // In this order: the type sizes step down twice, so 10pt and 8pt both end as 6pt.
    static const std::pair<const char*, const char*> steps[] = {
        {"BGCOLOR=", "TEMP="},
        {"<A", "<TEMP"},
        {"TEXT=", "TEMP="},
        {"color:", "temp:"},
        {"font-size: 10pt", "font-size: 8pt"},
        {"font-size: 8pt", "font-size: 6pt"}};
    for (const auto& [find, replacement] : steps)
        page.replace(QLatin1String(find), QLatin1String(replacement), Qt::CaseSensitive);
    return page;
}

} // namespace obzorka::generhtml
