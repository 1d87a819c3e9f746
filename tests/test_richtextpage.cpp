#include "pages/generhtml.h"
#include "pages/richtextpage.h"

#include <gtest/gtest.h>

using namespace obzorka;

TEST(RichTextPage, StyleCommentMarkersGoOnlyInsideStyle)
{
    const QString page =
        "<HTML><HEAD><STYLE TYPE=\"text/css\"><!--BODY   {  }  .cas {color: red;}--></STYLE>"
        "</HEAD><BODY TEXT=\"gold\">a <!-- b --> c</BODY></HTML>";
    const pages::RichTextPage adapted = pages::adaptForRichText(page);
    EXPECT_EQ(adapted.html.toStdString(),
              "<HTML><HEAD><STYLE TYPE=\"text/css\">BODY   {  }  .cas {color: red;}</STYLE>"
              "</HEAD><BODY TEXT=\"gold\">a <!-- b --> c</BODY></HTML>");
    EXPECT_EQ(adapted.textColour.toStdString(), "gold");
}

TEST(RichTextPage, BodyTextColourInAnyFormAndNone)
{
    EXPECT_EQ(pages::adaptForRichText("<body bgcolor=red text=#10D010>").textColour.toStdString(),
              "#10D010");
    EXPECT_EQ(pages::adaptForRichText("<BODY LEFTMARGIN=0>").textColour.toStdString(), "");
    EXPECT_EQ(pages::adaptForRichText(pages::generzprava("x")).textColour.toStdString(), "gold");
}

TEST(MessagePage, IsTheFrameAroundTheCentredText)
{
    EXPECT_EQ(pages::generzprava("Čekejte...").toStdString(),
              "<HTML><HEAD><TITLE>Televizní program</TITLE>"
              "<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=windows-1250\"></HEAD>"
              "<BODY BGCOLOR=\"#000050\" TEXT=\"gold\" LEFTMARGIN=0 RIGHTMARGIN=0 TOPMARGIN=0 "
              "BOTTOMMARGIN=0><BR><BR><CENTER>Čekejte...</CENTER></BODY></HTML>");
}

TEST(RichTextPage, LooseTableMarkupGetsWhatQtNeeds)
{
    EXPECT_EQ(
        pages::adaptForRichText("<TD><TABLE WIDTH=100%><TD></TD></TABLE></TD>").html.toStdString(),
        "<TD><TABLE WIDTH=100%><TR><TD></TD></TABLE></TD>");
    EXPECT_EQ(pages::adaptForRichText("<TABLE><TR><TD><TABLE><TR><TD>a</TD></TD><TD></TR></TABLE>")
                  .html.toStdString(),
              "<TABLE><TR><TD><TABLE><TR><TD>a</TD><TD></TR></TABLE>");
    const QString header = pages::generhlavicku({"ČT1", "ČT2", "", "Nova"});
    EXPECT_FALSE(pages::adaptForRichText(header).html.contains("</TD></TD>"));
}
