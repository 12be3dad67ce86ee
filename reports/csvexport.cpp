#include "reports/csvexport.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <initializer_list>

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

std::string_view blankifsentinel(std::string_view text, std::string_view sentinel)
{
    return text == sentinel ? std::string_view() : text;
}

namespace {

// The zero-terminated arrays read in place, like the short strings: the export
// touches every text of every brew, so it copies none of them.
std::string_view arrayview(const char* array, std::size_t size)
{
    const void* zero = std::memchr(array, '\0', size - 1);
    return {array, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - array) : size - 1};
}

// True when the text can stand in the line as it is: plain ASCII that needs
// no quotes, as numbers and dates nearly always are.
bool plainfield(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80;
    });
}

// Builds one line into a buffer that the caller reuses. Numbers and dates are
// written straight into the line, and only the rare one that is not plain
// ASCII is converted and quoted afterwards.
class CsvLine {
public:
    CsvLine(std::string& line, std::string& scratch, const FormatSettings& fs)
        : line_(line), scratch_(scratch), fs_(fs)
    {
        line_.clear();
    }

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
    void real(double value) { finish(general(value)); }
    void realorblank(double value)
    {
        const std::size_t from = general(value);
        if (blankifsentinel(tail(from), "-10000").empty())
            line_.resize(from);
        else
            finish(from);
    }
    void date(TDateTime value)
    {
        const std::size_t from = start();
        appenddate(line_, value, fs_);
        finish(from);
    }
    // A field of several texts, each after the first preceded by `separator`.
    void joined(std::initializer_list<std::string_view> texts, char separator)
    {
        scratch_.clear();
        for (auto piece = texts.begin(); piece != texts.end(); ++piece) {
            if (piece != texts.begin())
                scratch_ += separator;
            scratch_.append(*piece);
        }
        text(scratch_);
    }

private:
    std::string& next()
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        return line_;
    }
    // Where the next field's text starts.
    std::size_t start() { return next().size(); }
    // Writes the value's general form as the next field; returns where it starts.
    std::size_t general(double value)
    {
        const std::size_t from = start();
        appendgeneral(line_, value, fs_);
        return from;
    }
    std::string_view tail(std::size_t from) const { return std::string_view(line_).substr(from); }
    // The field written from `from` on, as single-byte text and quoted where
    // it must be.
    void finish(std::size_t from)
    {
        if (plainfield(tail(from)))
            return;
        scratch_ = ansitext(tail(from));
        line_.resize(from);
        appendfield(line_, scratch_);
    }

    std::string& line_;
    std::string& scratch_;
    const FormatSettings& fs_;
    bool first_ = true;
};

void buildcsvline(CsvLine& line, const tbaccrec& rec)
{
    line.integer(rec.num);
    line.text(shortstringview(rec.kit));
    line.date(rec.down);
    line.date(rec.bottled);
    line.realorblank(rec.alc);
    line.date(rec.minub);
    line.date(rec.maxub);
    line.text(shortstringview(rec.brewsugar));
    line.realorblank(rec.kgused);
    line.real(rec.water);
    line.text(shortstringview(rec.yeast));
    line.integerorblank(rec.origgrav);
    line.text(shortstringview(rec.primingsugar));
    line.realorblank(rec.pskgused);
    line.integerorblank(rec.finalgrav);
    line.integer(rec.days1);
    line.integerorblank(rec.days2);
    line.realorblank(rec.brewtemp);
    // The five additives in one field, joined by single CRs.
    line.joined({shortstringview(rec.add1), shortstringview(rec.add2), shortstringview(rec.add3),
                 shortstringview(rec.add4), shortstringview(rec.add5)},
                '\r');
    line.text(shortstringview(rec.batchname));
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
    std::string line, scratch;
    CsvLine built(line, scratch, fs);
    buildcsvline(built, rec);
    return line;
}

void writecsv(ReportLines& out, const RecordList& records, const FormatSettings& fs)
{
    out.writeline(csvheader);
    // One line and one scratch buffer serve every brew.
    std::string line, scratch;
    for (const auto& rec : records) {
        CsvLine built(line, scratch, fs);
        buildcsvline(built, *rec);
        out.writeline(line);
    }
}
