#include "pages/generhtml.h"

namespace obzorka::generhtml {

QString pageStart()
{
    return QStringLiteral("<HTML><HEAD><TITLE>Televizní program</TITLE>");
}

QString metaAndHeadEnd()
{
    return QStringLiteral(
        "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=windows-1250\"></HEAD>");
}

QString standardBody()
{
    return QStringLiteral("<BODY BGCOLOR=\"#000050\" TEXT=\"gold\" LEFTMARGIN=0 RIGHTMARGIN=0 "
                          "TOPMARGIN=0 BOTTOMMARGIN=0>");
}

QString pageEnd()
{
    return QStringLiteral("</BODY></HTML>");
}

QString generzprava(const QString& message)
{
    return pageStart() + metaAndHeadEnd() + standardBody() + QStringLiteral("<BR><BR><CENTER>") +
           message + QStringLiteral("</CENTER>") + pageEnd();
}

} // namespace obzorka::generhtml
