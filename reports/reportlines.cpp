#include "reports/reportlines.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"
#include "records/fileops.h"

ReportLines::ReportLines(WritableFile& file) : file_(file), buffer_(new char[chunksize]) {}

// Fills the buffer to the brim before it goes to the file, so that the file
// layer gets whole chunks, which it passes on without copying them again.
void ReportLines::putlarge(std::string_view piece)
{
    while (!piece.empty()) {
        const std::size_t n = std::min(piece.size(), chunksize - used_);
        std::memcpy(buffer_.get() + used_, piece.data(), n);
        used_ += n;
        piece.remove_prefix(n);
        if (used_ == chunksize)
            flush();
    }
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

void makeansi(std::string& text, std::size_t from)
{
    const std::string_view tail = std::string_view(text).substr(from);
    if (isascii(tail))
        return;
    const std::string ansi = utf8toansi(tail);
    text.replace(from, std::string::npos, ansi);
}
