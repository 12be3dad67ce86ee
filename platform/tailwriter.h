// Writing a short text onto the end of a string through a plain pointer: the
// text is put together in a buffer on the stack and appended in one piece,
// far cheaper than one append per character or part, which counts where a
// report formats millions of numbers and dates. No allocation, unless the
// string itself must grow or the room asked for is unusually large.
#pragma once

#include <cassert>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class TailWriter {
public:
    // Room for an int written in full: sign and ten digits.
    static constexpr std::size_t introom = 11;

    // Takes at most `room` characters before it goes.
    TailWriter(std::string& out, std::size_t room)
        : out_(out)
    {
        if (room > sizeof local_)
            spill_ = std::make_unique<char[]>(room);
        begin_ = spill_ ? spill_.get() : local_;
        p_ = begin_;
        end_ = begin_ + room;
    }
    ~TailWriter() { out_.append(begin_, static_cast<std::size_t>(p_ - begin_)); }
    TailWriter(const TailWriter&) = delete;
    TailWriter& operator=(const TailWriter&) = delete;

    void put(char c)
    {
        assert(p_ < end_);
        *p_++ = c;
    }
    void put(std::string_view text)
    {
        assert(text.size() <= static_cast<std::size_t>(end_ - p_));
        if (text.size() == 1) { // a separator, most often: not worth a call
            *p_++ = text[0];
            return;
        }
        std::memcpy(p_, text.data(), text.size());
        p_ += text.size();
    }
    // At least `width` digits, zeros in front (after the sign); takes
    // introom at most when width is 10 or less.
    void putnumber(int n, int width)
    {
        if (n >= 0 && n < 100 && width <= 2) { // days, months, short years
            if (n >= 10 || width == 2)
                put(static_cast<char>('0' + n / 10));
            put(static_cast<char>('0' + n % 10));
            return;
        }
        char digits[introom];
        char* first = digits + sizeof digits;
        unsigned magnitude = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
        do {
            *--first = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (n < 0)
            put('-');
        for (auto pad = width - (digits + sizeof digits - first); pad > 0; --pad)
            put('0');
        while (first != digits + sizeof digits)
            put(*first++);
    }

private:
    std::string& out_;
    char local_[64];
    std::unique_ptr<char[]> spill_;
    char* begin_;
    char* p_;
    char* end_;
};
