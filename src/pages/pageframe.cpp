#include "pages/generhtml.h"

namespace obzorka::pages {

QString pageStart()
{
    return QStringLiteral("<HTML><HEAD><TITLE>Televizní program</TITLE>");
}

QString metaLine()
{
    return QStringLiteral(
        "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=windows-1250\">");
}

QString metaAndHeadEnd()
{
    return metaLine() + QStringLiteral("</HEAD>");
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

QString listingStyle(bool withDateClass)
{
    QString style = QStringLiteral(
        "<STYLE TYPE=\"text/css\"><!--BODY   {  }"
        "       .cas  {  color: red; font-weight: bold; font-size: 10pt; font-family: "
        "\"Helvetica CE\",Arial;}"
        "       .caszvol  {  color: gold; background-color: red; font-weight: bold; font-size: "
        "10pt; font-family: \"Helvetica CE\",Arial;}");
    if (withDateClass)
        style += QStringLiteral("       .datum  {color: #10D010; font-size: 10pt; font-weight: "
                                "bold; font-family: \"Helvetica CE\",Arial;}");
    style += QStringLiteral(
        "       .vps  {  color: \"#22cc22\"; font-weight: bold; font-size: 8pt; font-family: "
        "Courier;}"
        "       .infnaz {color: gold; font-size: 10pt; font-family: \"Helvetica CE\",Arial;}"
        "--></STYLE>");
    return style;
}

QString noticeLine()
{
    return QStringLiteral("<BR><CENTER><FONT face=\"Arial, Helvetica, Sans - serif\" size=-2>"
                          "Programy se mohou změnit. Obzorka je stahuje ze serveru s programy "
                          "a za jejich obsah neručí.</FONT></CENTER>");
}

QString generzprava(const QString& message)
{
    return pageStart() + metaAndHeadEnd() + standardBody() + QStringLiteral("<BR><BR><CENTER>") +
           message + QStringLiteral("</CENTER>") + pageEnd();
}

} // namespace obzorka::pages
