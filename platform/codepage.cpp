#include "platform/codepage.h"

#include <iconv.h>

#include <array>
#include <stdexcept>
#include <unordered_map>

namespace {

// The upper half of Windows-1252 as UTF-8, asked of iconv once. iconv leaves
// five bytes (0x81 0x8D 0x8F 0x90 0x9D) undefined; Windows maps them to the C1
// controls of the same number, and so do we, so that every byte survives a
// trip through the program's text and back.
class CodePage {
public:
    CodePage()
    {
        iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("The Windows-1252 code page is not available");
        for (unsigned b = 0x80; b <= 0xFF; ++b) {
            char in = static_cast<char>(b);
            char out[8];
            char* src = &in;
            char* dst = out;
            std::size_t inleft = 1, outleft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            std::string utf8;
            if (iconv(cd, &src, &inleft, &dst, &outleft) != static_cast<std::size_t>(-1))
                utf8.assign(out, sizeof out - outleft);
            else
                utf8 = {static_cast<char>(0xC2), static_cast<char>(b)};
            upper_[b - 0x80] = utf8;
            bytes_.emplace(utf8, static_cast<char>(b));
        }
        iconv_close(cd);
    }

    const std::string& toutf8(unsigned char b) const { return upper_[b - 0x80]; }

    // The byte of one UTF-8 sequence, or '?' when it has none.
    char tobyte(std::string_view sequence) const
    {
        const auto it = bytes_.find(std::string(sequence));
        return it == bytes_.end() ? '?' : it->second;
    }

private:
    std::array<std::string, 128> upper_;
    std::unordered_map<std::string, char> bytes_;
};

const CodePage& codepage()
{
    static const CodePage table;
    return table;
}

// Length of the UTF-8 sequence starting at s[i], at least 1.
std::size_t sequencelength(std::string_view s, std::size_t i)
{
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    std::size_t len = 1;
    while (len < n && i + len < s.size() && (static_cast<unsigned char>(s[i + len]) & 0xC0) == 0x80)
        ++len;
    return len;
}

}  // namespace

std::string ansitoutf8(std::string_view ansi)
{
    const CodePage& cp = codepage();
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (char ch : ansi) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else
            out += cp.toutf8(c);
    }
    return out;
}

std::string utf8toansi(std::string_view utf8)
{
    const CodePage& cp = codepage();
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t len = sequencelength(utf8, i);
        out += cp.tobyte(utf8.substr(i, len));
        i += len;
    }
    return out;
}
