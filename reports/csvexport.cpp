#include "reports/csvexport.h"

#include <algorithm>
#include <charconv>
#include <cstring>

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

namespace {

void appendquoted(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t from = 0;;) {
        const std::size_t quote = text.find('"', from);
        if (quote == std::string_view::npos) {
            out.append(text.substr(from));
            break;
        }
        out.append(text.substr(from, quote + 1 - from));
        out += '"';
        from = quote + 1;
    }
    out += '"';
}

void appendfield(std::string& out, std::string_view text)
{
    const bool plain = std::none_of(text.begin(), text.end(),
                                    [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
    if (plain)
        out.append(text);
    else
        appendquoted(out, text);
}

}  // namespace

std::string csvquoted(std::string_view text)
{
    std::string out;
    appendquoted(out, text);
    return out;
}

std::string csvfield(std::string_view text)
{
    std::string out;
    appendfield(out, text);
    return out;
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

// Short strings and the zero-terminated arrays read in place: the export
// touches every text of every brew, so it copies none of them.
std::string_view shortview(const tbrewkitstring& s)
{
    return {s.text, std::min<std::size_t>(s.len, shortstringmax)};
}

std::string_view arrayview(const char* array, std::size_t size)
{
    const void* zero = std::memchr(array, '\0', size - 1);
    return {array, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - array) : size - 1};
}

// Builds one line into a buffer that the caller reuses.
class CsvLine {
public:
    CsvLine(std::string& line, const FormatSettings& fs) : line_(line), fs_(fs) { line_.clear(); }

    void text(std::string_view value) { appendfield(next(), value); }
    void quoted(std::string_view value) { appendquoted(next(), value); }
    void integer(std::int32_t value)
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        next().append(digits, end);
    }
    void integerorblank(std::int32_t value)
    {
        if (value == notgivenint)
            next();
        else
            integer(value);
    }
    void real(double value) { text(ansitext(formatgeneral(value, fs_))); }
    void realorblank(double value) { text(blankifsentinel(ansitext(formatgeneral(value, fs_)), "-10000")); }
    void date(TDateTime value) { text(ansitext(formatdate(value, fs_))); }

private:
    std::string& next()
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        return line_;
    }

    std::string& line_;
    const FormatSettings& fs_;
    bool first_ = true;
};

void appendcsvline(std::string& out, const tbaccrec& rec, const FormatSettings& fs)
{
    CsvLine line(out, fs);
    line.integer(rec.num);
    line.text(shortview(rec.kit));
    line.date(rec.down);
    line.date(rec.bottled);
    line.realorblank(rec.alc);
    line.date(rec.minub);
    line.date(rec.maxub);
    line.text(shortview(rec.brewsugar));
    line.realorblank(rec.kgused);
    line.real(rec.water);
    line.text(shortview(rec.yeast));
    line.integerorblank(rec.origgrav);
    line.text(shortview(rec.primingsugar));
    line.realorblank(rec.pskgused);
    line.integerorblank(rec.finalgrav);
    line.integer(rec.days1);
    line.integerorblank(rec.days2);
    line.realorblank(rec.brewtemp);
    // The five additives in one field, joined by single CRs.
    std::string additives;
    for (const tbrewkitstring* add : {&rec.add1, &rec.add2, &rec.add3, &rec.add4, &rec.add5}) {
        if (add != &rec.add1)
            additives += '\r';
        additives.append(shortview(*add));
    }
    line.text(additives);
    line.text(shortview(rec.batchname));
    line.integer(rec.appearance);
    line.integer(rec.aroma);
    line.integer(rec.taste);
    line.quoted(arrayview(rec.notes, notessize));
    line.text(recordtypename(rec.recordtype));
    line.quoted(arrayview(rec.extracts, extractssize));
    line.realorblank(rec.fermkgused);
}

}  // namespace

std::string csvline(const tbaccrec& rec, const FormatSettings& fs)
{
    std::string line;
    appendcsvline(line, rec, fs);
    return line;
}

void writecsv(ReportLines& out, const RecordList& records, const FormatSettings& fs)
{
    out.writeline(csvheader);
    std::string line;
    for (const auto& rec : records) {
        appendcsvline(line, *rec, fs);
        out.writeline(line);
    }
}
