#include "reports/csvexport.h"

#include "reports/reportlines.h"

std::string csvfilename(const std::string& chosen)
{
    const std::size_t slash = chosen.find_last_of('/');
    const std::size_t namestart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = chosen.rfind('.');
    const bool hasext = dot != std::string::npos && dot >= namestart;
    if (hasext && chosen.compare(dot, std::string::npos, ".csv") == 0)
        return chosen;
    return chosen + ".csv";
}

std::string csvquoted(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string csvfield(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    return csvquoted(text);
}

std::string_view recordtypename(std::int32_t recordtype)
{
    switch (recordtype) {
    case kindExtract: return "Extract";
    case kindModifiedKit: return "Modified kit";
    default: return "Kit";
    }
}

std::string blankifsentinel(std::string text, std::string_view sentinel)
{
    return text == sentinel ? std::string() : std::move(text);
}

namespace {

class CsvLine {
public:
    explicit CsvLine(const FormatSettings& fs) : fs_(fs) {}

    void text(std::string_view value) { add(csvfield(value)); }
    void quoted(std::string_view value) { add(csvquoted(value)); }
    void integer(std::int32_t value) { add(std::to_string(value)); }
    void integerorblank(std::int32_t value) { add(blankifsentinel(std::to_string(value), "-1")); }
    void real(double value) { text(ansitext(formatgeneral(value, fs_))); }
    void realorblank(double value) { text(blankifsentinel(ansitext(formatgeneral(value, fs_)), "-10000")); }
    void date(TDateTime value) { text(ansitext(formatdate(value, fs_))); }

    std::string take() { return std::move(line_); }

private:
    void add(const std::string& field)
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        line_ += field;
    }

    const FormatSettings& fs_;
    std::string line_;
    bool first_ = true;
};

}  // namespace

std::string csvline(const tbaccrec& rec, const FormatSettings& fs)
{
    CsvLine line(fs);
    line.integer(rec.num);
    line.text(getshortstring(rec.kit));
    line.date(rec.down);
    line.date(rec.bottled);
    line.realorblank(rec.alc);
    line.date(rec.minub);
    line.date(rec.maxub);
    line.text(getshortstring(rec.brewsugar));
    line.realorblank(rec.kgused);
    line.real(rec.water);
    line.text(getshortstring(rec.yeast));
    line.integerorblank(rec.origgrav);
    line.text(getshortstring(rec.primingsugar));
    line.realorblank(rec.pskgused);
    line.integerorblank(rec.finalgrav);
    line.integer(rec.days1);
    line.integerorblank(rec.days2);
    line.realorblank(rec.brewtemp);
    line.text(getshortstring(rec.add1) + '\r' + getshortstring(rec.add2) + '\r' + getshortstring(rec.add3) + '\r' +
              getshortstring(rec.add4) + '\r' + getshortstring(rec.add5));
    line.text(getshortstring(rec.batchname));
    line.integer(rec.appearance);
    line.integer(rec.aroma);
    line.integer(rec.taste);
    line.quoted(getnotesstring(rec));
    line.text(recordtypename(rec.recordtype));
    line.quoted(getextractsstring(rec));
    line.realorblank(rec.fermkgused);
    return line.take();
}

void writecsv(ReportLines& out, const RecordList& records, const FormatSettings& fs)
{
    out.writeline(csvheader);
    for (const auto& rec : records)
        out.writeline(csvline(*rec, fs));
}
