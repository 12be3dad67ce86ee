#include "reports/reportcontext.h"

#include "records/calendar.h"
#include "reports/reportlines.h"

void writepagehead(ReportLines& out, std::string_view headline)
{
    out.writeline("<html>");
    out.writeline(headline);
    out.writeline("<BODY BGCOLOR=\"#F0EFCC\">");
}

void writefontline(ReportLines& out, const ReportContext& ctx) { out.writeline({"<FONT SIZE=", ctx.FontSize, ">"}); }

std::string fixedtext(double value, int decimals, const ReportContext& ctx)
{
    return ansitext(formatfixed(value, decimals, ctx.fs));
}

std::string fixedorblank(double value, int decimals, const ReportContext& ctx)
{
    return isnotgiven(value) ? std::string(" ") : fixedtext(value, decimals, ctx);
}

std::string datetext(TDateTime date, const ReportContext& ctx) { return ansitext(formatdate(date, ctx.fs)); }

std::string outdateorblank(TDateTime date, const ReportContext& ctx)
{
    return isoutdate(date) ? std::string(" ") : datetext(date, ctx);
}

std::string nodateorblank(TDateTime date, const ReportContext& ctx)
{
    return date == nodate ? std::string(" ") : datetext(date, ctx);
}

std::string intorblank(std::int32_t value) { return value == notgivenint ? std::string(" ") : std::to_string(value); }

std::string_view weightunit(const ReportContext& ctx) { return ctx.MetricUnits ? "kg" : "lb"; }
