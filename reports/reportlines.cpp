#include "reports/reportlines.h"

#include <algorithm>

#include "platform/codepage.h"
#include "records/fileops.h"

namespace {

constexpr std::size_t chunksize = 64 * 1024;

}  // namespace

ReportLines::ReportLines(WritableFile& file) : file_(file) { buffer_.reserve(chunksize + 4096); }

void ReportLines::writeline(std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        buffer_.append(piece);
    buffer_.append("\r\n");
    if (buffer_.size() >= chunksize)
        flush();
}

void ReportLines::flush()
{
    if (buffer_.empty())
        return;
    if (!file_.write(buffer_.data(), buffer_.size()))
        failed_ = true;
    buffer_.clear();
}

void ReportLines::close()
{
    if (closed_)
        return;
    closed_ = true;
    flush();
    if (!file_.close())
        failed_ = true;
}

std::string ansitext(std::string_view utf8)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(utf8) : utf8toansi(utf8);
}
