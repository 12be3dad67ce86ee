#include "reports/labelsreport.h"

#include <string>

#include "reports/htmlescape.h"
#include "reports/reportcontext.h"
#include "reports/reportlines.h"

namespace {

std::string gravitytext(std::int32_t gravity) { return gravity == notgivenint ? " - " : std::to_string(gravity); }

void writelabel(ReportLines& out, const tbaccrec& rec, const ReportContext& ctx)
{
    constexpr std::string_view smallcell = "<td align=center><font size=\"1\">";
    out.writeline("<td align=center>");
    const std::string batchname = htmlescape(getshortstring(rec.batchname));
    if (!batchname.empty())
        out.writeline({"<font size=\"+1\"><i>", batchname, "</i></font><p>"});
    else
        out.writeline({"<font size=\"+1\"><i>", htmlescape(getshortstring(rec.kit)), "</i></font>"});
    out.writeline("<hr><p><font size=\"+2\">");
    out.writeline({"Brew Batch No. ", std::to_string(rec.num)});
    out.writeline("</font><p><hr>");
    out.writeline("<table BORDER=\"0\"  CELLPADDING=\"2\" CELLSPACING=\"2\">");
    out.writeline({"<tr>", smallcell});
    out.writeline({"Down:</td><td>&nbsp;&nbsp;&nbsp;</td>", smallcell});
    out.writeline({"Bottled:</td><td>&nbsp;&nbsp;&nbsp;</td>", smallcell});
    out.writeline({"Min:</td><td>&nbsp;&nbsp;&nbsp;</td>", smallcell});
    out.writeline({"Max:</td></tr><tr>", smallcell});
    out.writeline(outdateorblank(rec.down, ctx));
    out.writeline({"</td><td>&nbsp;</td>", smallcell});
    out.writeline(outdateorblank(rec.bottled, ctx));
    out.writeline({"</td><td>&nbsp;</td>", smallcell});
    out.writeline(nodateorblank(rec.minub, ctx));
    out.writeline({"</td><td>&nbsp;</td>", smallcell});
    out.writeline(nodateorblank(rec.maxub, ctx));
    out.writeline("</td></tr>");
    out.writeline("</table>");
    out.writeline("<table BORDER=\"0\"  CELLPADDING=\"6\" CELLSPACING=\"2\" width=100%><tr><td align=left>"
                  "<font size=\"1\">");
    out.writeline("Gravity: &nbsp;");
    out.writeline(gravitytext(rec.origgrav));
    out.writeline("&nbsp;&nbsp;&nbsp;&nbsp;");
    out.writeline(gravitytext(rec.finalgrav));
    out.writeline("</td><td align=right>");
    out.writeline("<font size=\"1\">");
    out.writeline("Alc/Vol. ");
    out.writeline(fixedorblank(rec.alc, 1, ctx));
    out.writeline(" %");
    out.writeline("</td></tr></table>");
    out.writeline("</td>");
}

}  // namespace

void writelabelsreport(ReportLines& out, const tbaccrec& rec, const ReportContext& ctx)
{
    writepagehead(out, "<HEAD><TITLE>Bottle Labels</TITLE></HEAD>");
    out.writeline("<center>");
    out.writeline("<table BORDER=\"2\"  CELLPADDING=\"6\" CELLSPACING=\"9\" width=100%>");
    out.writeline("<tr>");
    for (int row = 0; row < 4; ++row) {
        if (row > 0)
            out.writeline("</tr><tr>");
        writelabel(out, rec, ctx);
        writelabel(out, rec, ctx);
    }
    out.writeline("</tr></table>");
    out.writeline("</FONT></center>");
    out.writeline("</html>");
}
