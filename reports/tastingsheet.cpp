#include "reports/tastingsheet.h"

#include <string>

#include "reports/htmlescape.h"
#include "reports/reportcontext.h"
#include "reports/reportlines.h"

namespace {

constexpr std::string_view sumfield = "______&nbsp;&nbsp;>&nbsp;&nbsp;______<p></td>";

class TastingPage {
public:
    TastingPage(ReportLines& out, const ReportContext& ctx) : out_(out), ctx_(ctx) {}

    void line(std::string_view text) { out_.writeline(text); }
    void font() { writefontline(out_, ctx_); }

    void scorerow(std::string_view category)
    {
        line("<td align = right>");
        font();
        line(category);
        line("</td><td align=left>");
        font();
        line("______</td>");
    }

    void heading(std::string_view text)
    {
        line("<tr><td>");
        font();
        out_.writeline({"<FONT SIZE=\"+1\">", text, "</FONT><P></td></tr>"});
    }

    void sumrow()
    {
        line("<td align=left>");
        font();
        line(sumfield);
    }

private:
    ReportLines& out_;
    const ReportContext& ctx_;
};

}  // namespace

void writetastingsheet(ReportLines& out, const tbaccrec& rec, std::string_view number, const ReportContext& ctx)
{
    TastingPage page(out, ctx);
    writepagehead(out, "<HEAD><TITLE>Tasting Sheet</TITLE></HEAD>");
    out.writeline({"<h1 align=center>Tasting Sheet - Brew Batch No. ", htmlescape(ansitext(number)), "</h1>"});
    out.writeline("<center>");
    const std::string batchname = htmlescape(getshortstring(rec.batchname));
    if (!batchname.empty())
        out.writeline({"Brew:", batchname});
    else
        out.writeline(htmlescape(getshortstring(rec.kit)));
    out.writeline("<br>");
    out.writeline({"Date bottled: ", datetext(rec.bottled, ctx), "<p>"});
    out.writeline("<hr width = 0 size = 0>");
    out.writeline("<p>");
    out.writeline("</center>");
    out.writeline("<center><table BORDER=\"0\"  CELLPADDING=\"10\" CELLSPACING=\"0\">");

    page.heading("APPEARANCE");
    out.writeline("<tr><td> </td>");
    page.scorerow("Clarity: (1 . . 4)");
    out.writeline("</tr><tr><td> </td>");
    page.scorerow("Head Retention: (1 . . 3)");
    out.writeline("</tr><tr><td> </td><td> </td>");
    page.sumrow();
    out.writeline("</tr>");

    page.heading("AROMA/BOUQUET");
    out.writeline("<tr><td> </td>");
    out.writeline("<td align = right>");
    page.font();
    out.writeline("Aroma/Bouquet (1 . . 8)");
    out.writeline("</td><td>");
    page.font();
    out.writeline("______&nbsp;&nbsp;>&nbsp;&nbsp;______</td>");
    out.writeline("</tr>");

    page.heading("TASTE");
    out.writeline("<tr><td> </td>");
    page.scorerow("Balance: Sweet/Dry: (1 . . 10)");
    for (std::string_view category :
         {"Bubbles: (1 . . 5)", "After taste: (1 . . 5)", "Mouth feel: (1 . . 5)", "Overall drinkability: (1 . . 10)"}) {
        out.writeline("</tr><tr><td> </td>");
        page.scorerow(category);
    }
    out.writeline("</tr><tr><td> </td><td> </td>");
    page.sumrow();
    out.writeline("</tr>");

    out.writeline("</tr><tr><td> </td><td> </td>");
    out.writeline("<td align=right>");
    page.font();
    out.writeline("&nbsp;<p><font size= \"+1\"><b>TOTAL&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                  "/ 50<p></b></font></td>");
    out.writeline("</tr>");
    out.writeline("</table></center>");
    out.writeline("</FONT>");
    out.writeline("</html>");
}
