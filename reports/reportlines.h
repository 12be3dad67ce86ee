// The write-line operation shared by the report writers and the CSV export.
#pragma once

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

class WritableFile;

// Writes single-byte (Windows-1252) lines, each followed by CR LF, to one
// file. Lines are gathered and handed to the file in large pieces. A failed
// write sets the error flag, which stays set for the rest of the run; writing
// goes on with the next piece, so a partly written file stays on disk.
class ReportLines {
public:
    // As large as the file layer's own buffer, so that it passes the pieces
    // straight on instead of copying them again.
    static constexpr std::size_t chunksize = 1 << 20;

    explicit ReportLines(WritableFile& file);
    ReportLines(const ReportLines&) = delete;
    ReportLines& operator=(const ReportLines&) = delete;

    // One line: the pieces one after another, then CR LF.
    void writeline(std::string_view line)
    {
        put(line);
        put("\r\n");
    }
    void writeline(std::initializer_list<std::string_view> pieces)
    {
        for (std::string_view piece : pieces)
            put(piece);
        put("\r\n");
    }

    // Writes out what is still gathered and closes the file. Call once, at
    // the end of the run; failed() then tells whether any write went wrong.
    void close();
    bool failed() const { return failed_; }

private:
    // A report is millions of short pieces: the common case stays inline.
    void put(std::string_view piece)
    {
        if (piece.size() <= chunksize - used_) {
            std::memcpy(buffer_.get() + used_, piece.data(), piece.size());
            used_ += piece.size();
        } else {
            putlarge(piece);
        }
    }
    void putlarge(std::string_view piece);
    void flush();
    void writeout(const char* data, std::size_t size);

    WritableFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
    bool closed_ = false;
};

// Program text (UTF-8) as single-byte report text. Plain ASCII, which is
// what numbers and dates nearly always are, passes unchanged.
std::string ansitext(std::string_view utf8);
std::string ansitext(std::string&& utf8);
