#include "knowledge/fragments.h"

#include <vector>

std::string expand(std::string_view packed)
{
    std::string text;
    text.reserve(packed.size() * 2);
    for (char ch : packed) {
        const auto c = static_cast<unsigned char>(ch);
        if (iscode(c))
            text += fragmentof(c);
        else
            text += ch;
    }
    return text;
}

namespace {

// The code bytes of the fragments that start with each character, so that the
// packer tries only those that can match.
struct FirstCharIndex {
    std::array<std::vector<unsigned char>, 256> codes;
    FirstCharIndex()
    {
        for (std::size_t i = 0; i < fragmentcount; ++i)
            codes[static_cast<unsigned char>(fragments[i][0])].push_back(
                static_cast<unsigned char>(firstcode + i));
    }
};

const FirstCharIndex& firstcharindex()
{
    static const FirstCharIndex index;
    return index;
}

}  // namespace

std::string pack(std::string_view text)
{
    // cost[i] is the fewest stored bytes for text[i..]; choice[i] the byte
    // that starts that shortest form (a code, or 0 for a literal).
    const std::size_t n = text.size();
    std::vector<std::size_t> cost(n + 1, 0);
    std::vector<unsigned char> choice(n, 0);
    const auto& index = firstcharindex();
    for (std::size_t i = n; i-- > 0;) {
        cost[i] = cost[i + 1] + 1;
        for (unsigned char code : index.codes[static_cast<unsigned char>(text[i])]) {
            const std::string_view f = fragmentof(code);
            if (text.substr(i, f.size()) == f && cost[i + f.size()] + 1 < cost[i]) {
                cost[i] = cost[i + f.size()] + 1;
                choice[i] = code;
            }
        }
    }
    std::string packed;
    packed.reserve(cost[0]);
    for (std::size_t i = 0; i < n;) {
        if (choice[i] != 0) {
            packed += static_cast<char>(choice[i]);
            i += fragmentof(choice[i]).size();
        } else {
            packed += text[i++];
        }
    }
    return packed;
}
