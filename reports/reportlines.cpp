#include "reports/reportlines.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"
#include "records/fileops.h"

ReportLines::ReportLines(WritableFile& file) : file_(file), buffer_(new char[chunksize]) {}

void ReportLines::putlarge(std::string_view piece)
{
    flush();
    if (piece.size() > chunksize) {
        writeout(piece.data(), piece.size());
        return;
    }
    std::memcpy(buffer_.get(), piece.data(), piece.size());
    used_ = piece.size();
}

void ReportLines::flush()
{
    writeout(buffer_.get(), used_);
    used_ = 0;
}

void ReportLines::writeout(const char* data, std::size_t size)
{
    if (size != 0 && !file_.write(data, size))
        failed_ = true;
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

namespace {

bool isascii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string ansitext(std::string_view utf8) { return isascii(utf8) ? std::string(utf8) : utf8toansi(utf8); }

std::string ansitext(std::string&& utf8) { return isascii(utf8) ? std::move(utf8) : utf8toansi(utf8); }
