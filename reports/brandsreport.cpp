#include "reports/brandsreport.h"

#include <string>
#include <utility>

#include "reports/htmlescape.h"
#include "reports/reportcontext.h"
#include "reports/reportlines.h"

void sortbrands(BrandTally& tally)
{
    const std::size_t count = tally.size();
    std::size_t gap = count;
    while (gap > 1) {
        gap /= 2;
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (std::size_t j = 0; j + gap < count; ++j) {
                if (tally[j + gap].count > tally[j].count) {
                    std::swap(tally[j], tally[j + gap]);
                    swapped = true;
                }
            }
        }
    }
}

namespace {

void headingcell(ReportLines& out, const ReportContext& ctx, std::string_view text)
{
    out.writeline("<td align=center>");
    writefontline(out, ctx);
    out.writeline(text);
    out.writeline("</td>");
}

void datacell(ReportLines& out, const ReportContext& ctx, std::string_view open, std::string_view text)
{
    out.writeline(open);
    writefontline(out, ctx);
    out.writeline(text);
    out.writeline("</td>");
}

}  // namespace

void writebrandsreport(ReportLines& out, const BrandTally& tally, const ReportContext& ctx)
{
    writepagehead(out, "<HEAD><TITLE>Home Brew Brands Report</TITLE></HEAD>");
    out.writeline("<h1 align=center>Home Brew Brands Report</h1>");
    out.writeline("<center>");
    out.writeline({"Date: ", datetext(ctx.today, ctx), "<br>"});
    writefontline(out, ctx);
    out.writeline({"No. brands: ", std::to_string(tally.size()), "<p>"});
    out.writeline("</FONT>");
    out.writeline("<table BORDER=\"1\"  CELLPADDING=\"10\" CELLSPACING=\"0\">");
    out.writeline("<tr BGCOLOR=\"white\">");
    headingcell(out, ctx, "No.");
    headingcell(out, ctx, "Brand Name");
    headingcell(out, ctx, "Usage");
    out.writeline("</font>");
    out.writeline("</tr>");
    for (std::size_t k = 0; k < tally.size(); ++k) {
        out.writeline("<tr>");
        datacell(out, ctx, "<td align=right>", std::to_string(k + 1));
        datacell(out, ctx, "<td>", htmlescape(tally[k].name));
        datacell(out, ctx, "<td align=right>", std::to_string(tally[k].count));
        out.writeline("</tr>");
    }
    out.writeline("</FONT>");
    out.writeline("");
    out.writeline("</table>");
    out.writeline("</center>");
    out.writeline("</html>");
}
