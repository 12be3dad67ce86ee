#include "knowledge/kbsearch.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "knowledge/fragments.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads a file in large blocks and hands out its lines. A line ends at LF;
// one CR before the LF belongs to the line end. A read error ends the file.
class LineReader {
public:
    explicit LineReader(std::FILE* f) : f_(f), buf_(1 << 20) {}

    // The next line without its line end, and the bytes it took in the file.
    bool next(std::string_view& line, std::size_t& taken)
    {
        for (;;) {
            const char* begin = buf_.data() + pos_;
            if (const void* lf = std::memchr(begin, '\n', end_ - pos_)) {
                const std::size_t len = static_cast<const char*>(lf) - begin;
                taken = len + 1;
                pos_ += taken;
                line = trimcr(std::string_view(begin, len));
                return true;
            }
            if (eof_) {
                if (pos_ == end_)
                    return false;
                taken = end_ - pos_;
                line = trimcr(std::string_view(begin, taken));
                pos_ = end_;
                return true;
            }
            refill();
        }
    }

private:
    static std::string_view trimcr(std::string_view s)
    {
        if (!s.empty() && s.back() == '\r')
            s.remove_suffix(1);
        return s;
    }

    // Keeps the unfinished line, growing the buffer for a line longer than it.
    void refill()
    {
        std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
        if (end_ == buf_.size())
            buf_.resize(buf_.size() * 2);
        const std::size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, f_);
        end_ += got;
        if (got == 0)
            eof_ = true;
    }

    std::FILE* f_;
    std::vector<char> buf_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
};

// The upper-cased expansion of every byte in an 8-byte slot, so that a line is
// expanded and upper-cased in one pass of fixed-size copies.
struct UpperExpansion {
    std::array<std::array<char, 8>, 256> slot{};
    std::array<unsigned char, 256> length{};
    UpperExpansion()
    {
        for (int c = 0; c < 256; ++c) {
            const auto b = static_cast<unsigned char>(c);
            const std::string text = iscode(b) ? upcase(fragmentof(b)) : upcase(std::string(1, static_cast<char>(b)));
            std::copy(text.begin(), text.end(), slot[b].begin());
            length[b] = static_cast<unsigned char>(text.size());
        }
    }
};
static_assert(maxfragment <= 8);

const UpperExpansion& upperexpansion()
{
    static const UpperExpansion table;
    return table;
}

// REQUIRES: `out` has room for stored.size() * maxfragment + 8 bytes.
std::size_t expandupper(std::string_view stored, char* out)
{
    const auto& table = upperexpansion();
    char* p = out;
    for (char ch : stored) {
        const auto c = static_cast<unsigned char>(ch);
        std::memcpy(p, table.slot[c].data(), 8);
        p += table.length[c];
    }
    return static_cast<std::size_t>(p - out);
}

bool isblank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

std::string titleof(std::string_view stored)
{
    std::string title = expand(stored);
    std::erase(title, '\t');
    return title;
}

bool contains(std::string_view line, std::string_view pattern)
{
    return line.find(pattern) != std::string_view::npos;
}

}  // namespace

std::string upcase(std::string_view text)
{
    std::string up(text);
    for (char& c : up)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return up;
}

std::optional<std::int64_t> kbfilesize(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return std::nullopt;
    return static_cast<std::int64_t>(size);
}

KbSearchEnd kbsearch(const std::string& path, std::string_view text, KbSearchEvents& events)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return KbSearchEnd::notopened;
    events.started(kbfilesize(path).value_or(0));
    const std::string pattern = upcase(text);
    LineReader reader(file.get());
    std::int64_t articlestart = 0;
    std::int64_t lastlisted = -1;
    std::int64_t bytesread = 0;
    std::int64_t linecount = 0;
    bool wanttitle = true;
    bool toppart = true;
    std::string title;
    std::vector<char> upper;
    std::string_view line;
    std::size_t taken = 0;
    while (reader.next(line, taken)) {
        if (line.empty())
            toppart = false;
        // Once an article is listed and has its title, its other lines only
        // need looking at for the separator.
        if (wanttitle || articlestart != lastlisted) {
            if (upper.size() < line.size() * maxfragment + 8)
                upper.resize(line.size() * maxfragment + 8);
            const std::string_view expanded(upper.data(), expandupper(line, upper.data()));
            if (wanttitle && !isblank(expanded)) {
                title = titleof(line);
                wanttitle = false;
            }
            if (articlestart != lastlisted && contains(expanded, pattern)) {
                events.found(KbEntry{title, articlestart}, toppart);
                lastlisted = articlestart;
            }
        }
        bytesread += static_cast<std::int64_t>(taken);
        // No fragment holds a hyphen, so the stored separator is the expanded one.
        if (line == "----") {
            articlestart = bytesread;
            wanttitle = true;
            toppart = true;
        }
        // Every block of lines gives the window its turn, however many lines matched.
        if (++linecount % kbpauselines == 0 && events.pause(bytesread))
            return KbSearchEnd::stopped;
    }
    return KbSearchEnd::finished;
}
