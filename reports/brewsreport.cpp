#include "reports/brewsreport.h"

#include <charconv>

#include "reports/htmlescape.h"
#include "reports/reportcontext.h"
#include "reports/reportlines.h"

namespace {

// List columns that get cells of the report's own before them.
constexpr int downcol = 2;
constexpr int bottledcol = 3;
constexpr int days1col = 4;
constexpr int days2col = 5;
constexpr int tempcol = 6;
constexpr int alccol = 7;

bool exactlynotgiven(double value) { return value == notgivenreal; }

class BrewsPage {
public:
    BrewsPage(ReportLines& out, const RecordList& records, const BrewListCells& list, const ReportContext& ctx)
        : out_(out), records_(records), list_(list), ctx_(ctx), lastcol_(list.colcount() - 2),
          fontline_("<FONT SIZE=" + ctx.FontSize + ">")
    {
    }

    void write()
    {
        writehead();
        writeheadings();
        for (int row = 1; row < list_.rowcount(); ++row) {
            if (const tbaccrec* rec = recordofrow(row))
                writerow(row, *rec);
        }
        out_.writeline("</FONT>");
        out_.writeline("");
        out_.writeline("</table>");
        out_.writeline("</center>");
        out_.writeline("</html>");
    }

private:
    // The font-tag line, built once: the page has several per brew.
    void font() { out_.writeline(fontline_); }

    void cell(std::string_view open, std::string_view text)
    {
        out_.writeline(open);
        font();
        out_.writeline(text);
        out_.writeline("</td>");
    }

    void writehead()
    {
        writepagehead(out_, "<HEAD><TITLE>Home Brew Report</TITLE></HEAD>");
        out_.writeline("<h1 align=center>Home Brew Report</h1>");
        out_.writeline("<center>");
        out_.writeline({"Date: ", datetext(ctx_.today, ctx_), "<br>"});
        font();
        out_.writeline({"No. brews: ", std::to_string(records_.size()), "<br>"});
        out_.writeline({"Sorted by: ", htmlescape(ansitext(list_.cell(list_.sortcol(), 0))), "<p>"});
        out_.writeline("</FONT>");
        out_.writeline("<table BORDER=\"1\"  CELLPADDING=\"4\" CELLSPACING=\"0\">");
        out_.writeline("<tr BGCOLOR=\"white\">");
    }

    std::string heading(int col) const
    {
        switch (col) {
        case days1col: return "1&deg;<br>days";
        case days2col: return "2&deg;<br>days";
        case tempcol: return ctx_.MetricUnits ? "Brew<br>temp<br>(&deg;C)" : "Brew<br>temp<br>(&deg;F)";
        default: return htmlescape(ansitext(list_.cell(col, 0)));
        }
    }

    void writeheadings()
    {
        for (int col = 0; col <= lastcol_; ++col) {
            if (col == downcol)
                cell("<td>", "Sugar<br>(" + std::string(weightunit(ctx_)) + ")");
            if (col == alccol) {
                cell("<td>", "Orig<br>Grav");
                cell("<td>", "Final<br>Grav");
            }
            cell("<td align=center>", heading(col));
            if (col == lastcol_)
                cell("<td>", "Taste");
        }
        out_.writeline("</tr>");
    }

    const tbaccrec* recordofrow(int row) const
    {
        const std::string text = list_.cell(list_.colcount() - 1, row);
        std::size_t position = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), position);
        if (ec != std::errc() || end != text.data() + text.size() || position < 1 || position > records_.size())
            return nullptr;
        return records_[position - 1].get();
    }

    void writerow(int row, const tbaccrec& rec)
    {
        out_.writeline("<tr>");
        for (int col = 0; col <= lastcol_; ++col) {
            if (col == 1) {
                writename(rec);
                continue;
            }
            if (col == downcol)
                writesugar(rec);
            if (col == alccol) {
                writegravity(rec.origgrav);
                writegravity(rec.finalgrav);
            }
            writeplain(col, ansitext(list_.cell(col, row)));
            if (col == lastcol_)
                writetaste(rec);
        }
        out_.writeline("</tr>");
    }

    void writename(const tbaccrec& rec)
    {
        const std::string batchname = getshortstring(rec.batchname);
        out_.writeline("<td>");
        if (rec.recordtype == kindExtract) {
            const std::string name = batchname.empty() ? "Unnamed Extract Brew" : htmlescape(batchname);
            out_.writeline({"<FONT SIZE=", ctx_.FontSize, "><b><i>", name, "</i></b></td>"});
        } else if (batchname.find_first_not_of(' ') != std::string::npos) {
            out_.writeline({"<FONT SIZE=", ctx_.FontSize, "><b><i>", htmlescape(batchname), "</i></b></td>"});
        } else {
            out_.writeline({"<FONT SIZE=", ctx_.FontSize, "><b>", htmlescape(getshortstring(rec.kit)), "</b></td>"});
        }
    }

    void writesugar(const tbaccrec& rec)
    {
        const double sugar = sugarvalue(rec);
        if (isnotgiven(sugar)) {
            cell("<td align=center>", "-");
            return;
        }
        const bool star = rec.recordtype != kindKit && !exactlynotgiven(rec.fermkgused);
        cell("<td align=right>", fixedtext(sugar, 3, ctx_) + (star ? "<sup>*</sup>" : ""));
    }

    void writegravity(std::int32_t gravity)
    {
        if (gravity == notgivenint)
            cell("<td align=center>", "-");
        else
            cell("<td align=right>", fixedtext(gravity / 1000.0, 3, ctx_));
    }

    void writeplain(int col, const std::string& text)
    {
        out_.writeline(text.empty() ? "<td align=center>" : col == 0 ? "<td>" : "<td align=right>");
        font();
        const std::string shown = text.empty() ? std::string("-") : htmlescape(text);
        if (col == bottledcol)
            out_.writeline("<b>");
        out_.writeline(shown);
        if (col == bottledcol)
            out_.writeline("</b>");
        out_.writeline("</td>");
    }

    void writetaste(const tbaccrec& rec)
    {
        if (rec.taste != -1 && rec.taste != 0)
            cell("<td align=right>", std::to_string(rec.taste));
        else
            cell("<td align=middle>", "-");
    }

    ReportLines& out_;
    const RecordList& records_;
    const BrewListCells& list_;
    const ReportContext& ctx_;
    const int lastcol_;
    const std::string fontline_;
};

}  // namespace

double sugarvalue(const tbaccrec& rec)
{
    switch (rec.recordtype) {
    case kindKit: return rec.kgused;
    case kindExtract: return exactlynotgiven(rec.fermkgused) ? rec.kgused : rec.fermkgused;
    default:
        if (exactlynotgiven(rec.fermkgused))
            return rec.kgused;
        if (exactlynotgiven(rec.kgused))
            return rec.fermkgused;
        return rec.kgused + rec.fermkgused;
    }
}

void writebrewsreport(ReportLines& out, const RecordList& records, const BrewListCells& list,
                      const ReportContext& ctx)
{
    BrewsPage(out, records, list, ctx).write();
}
