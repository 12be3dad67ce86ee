#include "reports/detailsreport.h"

#include <string>

#include "reports/htmlescape.h"
#include "reports/reportcontext.h"
#include "reports/reportlines.h"

std::vector<std::string> printedlines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string piece;
    auto finish = [&] {
        if (!piece.empty())
            lines.push_back(std::move(piece));
        piece.clear();
    };
    for (char c : text) {
        if (c == '\r')
            finish();
        else if (c != '\n')
            piece += c;
    }
    finish();
    return lines;
}

namespace {

constexpr std::string_view thirtyspaces =
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

class DetailsPage {
public:
    DetailsPage(ReportLines& out, const tbaccrec& rec, std::string_view number, const ReportContext& ctx)
        : out_(out), rec_(rec), number_(number), ctx_(ctx)
    {
    }

    void write()
    {
        writehead();
        writeingredients();
        writemeasures();
        writescores();
        writenotes();
    }

private:
    void line(std::string_view text) { out_.writeline(text); }
    void font() { writefontline(out_, ctx_); }
    bool kitlike() const { return rec_.recordtype == kindKit || rec_.recordtype == kindModifiedKit; }
    std::string text(const tbrewkitstring& s) const { return htmlescape(getshortstring(s)); }

    void writehead()
    {
        writepagehead(out_, "<HEAD><TITLE>Brew Details</TITLE></HEAD>");
        line("<table BORDER=\"0\"  CELLPADDING=\"0\" CELLSPACING=\"0\" width=100%>");
        line("<tr> <td align = left><h2>");
        const std::string batchname = text(rec_.batchname);
        line(batchname.empty() ? " " : batchname);
        line("</td>");
        line("<td align=right><h2>");
        out_.writeline({"Batch No. ", htmlescape(ansitext(number_))});
        line("</td></tr>");
        line("</table>");
        if (kitlike())
            out_.writeline({"<h2>", text(rec_.kit), "</h2>"});
        line("<hr>");
    }

    // The extracts as list items, then the fermentables' weight.
    void writeextractlist()
    {
        for (const std::string& piece : printedlines(getextractsstring(rec_)))
            out_.writeline({"<li>", htmlescape(piece), "</li>"});
        line("</ol>");
        line("Fermentables:");
        font();
        line(fixedorblank(rec_.fermkgused, 3, ctx_));
        font();
        line(weightunit(ctx_));
    }

    void writeingredients()
    {
        line("<table BORDER=\"0\"  CELLPADDING=\"4\" CELLSPACING=\"3\" align=center>");
        line("<tr>");
        line("<td align = right>");
        font();
        if (kitlike()) {
            line("Brew Sugar:</td><td align=right>");
            font();
            line(fixedorblank(rec_.kgused, 3, ctx_));
            line("</td><td align=left>");
            font();
            out_.writeline({weightunit(ctx_), "</td><td>"});
            font();
            out_.writeline({text(rec_.brewsugar), "</td>"});
        } else {
            line("<font size=\"1\"><b>Extracts:</b></td><td align=left><ol>");
            font();
            line("<font size=\"1\">");
            writeextractlist();
            line("</td><td> </td>");
        }
        line("<td>");
        font();
        line(thirtyspaces);
        line("</td><td width= 30%>");
        if (rec_.recordtype == kindModifiedKit) {
            line("<font size=\"1\"><b>Extracts:</b><ol>");
            writeextractlist();
            line("<P>");
        }
        line("<font size=\"1\"><b>Additives:</b><ol>");
        for (const tbrewkitstring* additive : {&rec_.add1, &rec_.add2, &rec_.add3}) {
            if (additive->len != 0) {
                line("<li>");
                line(text(*additive));
                line("<br>");
            }
        }
        if (rec_.add4.len != 0) {
            line("<li>");
            line(text(rec_.add4));
        }
        line("</ol></font></td>");
        line("</tr><tr><td align=right>");
        font();
        line("Priming Sugar:</td><td align=right>");
        font();
        line(fixedorblank(rec_.pskgused, 3, ctx_));
        line("</td><td align=left>");
        font();
        out_.writeline({weightunit(ctx_), "</td><td>"});
        font();
        out_.writeline({text(rec_.primingsugar), "</td>"});
        line("<td>");
        font();
        line("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td><td> ");
        line("</font></td>");
        line("</tr><tr><td align=right>");
        font();
        line("Water:</td><td align=right>");
        font();
        line(fixedorblank(rec_.water, 1, ctx_));
        line("</td><td align=left>");
        font();
        line(ctx_.MetricUnits ? "Ltr" : "Gals");
        line("</td>");
        line("</tr><tr><td align=right>");
        font();
        line("Yeast:</td><td>");
        font();
        line(text(rec_.yeast));
        line("</td></tr>");
        line("</table>");
        line("<hr>");
    }

    void pairrow(std::string_view leftlabel, const std::string& leftvalue, std::string_view rightlabel,
                 const std::string& rightvalue, std::string_view rowend)
    {
        line("<td align = right>");
        font();
        line(leftlabel);
        font();
        line(leftvalue);
        line("</td>");
        line("<td>&nbsp;");
        line("</td><td align=right>");
        font();
        line(rightlabel);
        font();
        line(rightvalue);
        line(rowend);
    }

    void writemeasures()
    {
        line("<table BORDER=\"0\"  CELLPADDING=\"4\" CELLSPACING=\"3\" align=center>");
        line("<tr>");
        line("<td align = right>");
        font();
        line("Original Gravity:</td><td align=left><b>");
        font();
        line(intorblank(rec_.origgrav));
        line("</td>");
        line("<td>");
        font();
        line(thirtyspaces);
        line("</td><td align=right>");
        font();
        line("Date Down:</td><td><b>");
        font();
        line(outdateorblank(rec_.down, ctx_));
        line("</td></tr><tr>");
        pairrow("Final Gravity:</td><td align=left><b>", intorblank(rec_.finalgrav), "Date bottled:</td><td><b>",
                outdateorblank(rec_.bottled, ctx_), "</td></tr><tr>");
        pairrow("Est Alc Vol %:</td><td align=left><b>", fixedorblank(rec_.alc, 1, ctx_),
                "Brewing temp.:</td><td><b>", fixedorblank(rec_.brewtemp, 1, ctx_), "</td></tr><tr>");
        pairrow("Primary fermentation:</td><td align=left><b>", intorblank(rec_.days1),
                "Secondary fermentation:</td><td><b>", intorblank(rec_.days2), "</td></tr><tr>");
        pairrow("Min use by date:</td><td align=left><b>", nodateorblank(rec_.minub, ctx_),
                "Max use by date:</td><td><b>", nodateorblank(rec_.maxub, ctx_), "</td></tr>");
        line("</table>");
        line("<hr>");
    }

    void writescores()
    {
        constexpr std::string_view gap = "&nbsp;&nbsp;&nbsp;&nbsp;</td><td>";
        line("<table BORDER=\"0\"  CELLPADDING=\"8\" CELLSPACING=\"2\" align=center>");
        line("<tr>");
        line("<td><b>Tasting Score:</b></td></tr><tr><td>");
        font();
        out_.writeline({"Appearance: ", std::to_string(rec_.appearance)});
        line(gap);
        font();
        out_.writeline({"Aroma: ", std::to_string(rec_.aroma)});
        line(gap);
        font();
        out_.writeline({"Taste: ", std::to_string(rec_.taste)});
        line(gap);
        font();
        const std::int64_t overall = std::int64_t{rec_.appearance} + rec_.aroma + rec_.taste;
        out_.writeline({"Overall: <b>", std::to_string(overall), "</b> /50", "&nbsp;&nbsp;&nbsp;&nbsp;"});
        line("</td></tr>");
        line("</table>");
        line("<hr>");
    }

    void writenotes()
    {
        line("<h4>Notes:</h4>");
        font();
        for (const std::string& piece : printedlines(getnotesstring(rec_)))
            out_.writeline({htmlescape(piece), "<br>"});
        line("</html>");
    }

    ReportLines& out_;
    const tbaccrec& rec_;
    std::string_view number_;
    const ReportContext& ctx_;
};

}  // namespace

void writedetailsreport(ReportLines& out, const tbaccrec& rec, std::string_view number, const ReportContext& ctx)
{
    DetailsPage(out, rec, number, ctx).write();
}
