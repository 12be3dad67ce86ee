#include "knowledge/kbarticle.h"

#include <fstream>

#include "knowledge/fragments.h"
#include "knowledge/kbsearch.h"
#include "records/valueparse.h"

namespace {

// The stored bytes from `in` up to the CR that ends the first "----", or to
// the end of the file.
std::string readtoseparator(std::istream& in)
{
    std::string collected;
    char chunk[4096];
    std::size_t separator = std::string::npos;
    std::size_t searched = 0;  // where the next look for the separator starts
    while (in) {
        in.read(chunk, sizeof chunk);
        collected.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (separator == std::string::npos) {
            separator = collected.find(kbseparator, searched);
            searched = collected.size() < 3 ? 0 : collected.size() - 3;
        }
        if (separator != std::string::npos) {
            const std::size_t cr = collected.find('\r', separator + kbseparator.size());
            if (cr != std::string::npos) {
                collected.resize(cr + 1);
                break;
            }
        }
    }
    return collected;
}

// CR LF and lone CR become '\n'.
std::string unixlines(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The heading block: the lines down to the first blank one (spaces only),
// with their line breaks. None when no blank line follows them.
std::size_t headinglength(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t eol = text.find('\n', pos);
        const std::string_view line = text.substr(pos, eol == std::string_view::npos ? eol : eol - pos);
        if (strip(line).empty())
            return pos;
        if (eol == std::string_view::npos)
            break;
        pos = eol + 1;
    }
    return 0;
}

}  // namespace

KbReadResult kbreadarticle(const std::string& path, std::int64_t start, std::string& article)
{
    article.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return KbReadResult::notopened;
    const auto size = kbfilesize(path);
    if (start < 0 || !size || start > *size || !in.seekg(start))
        return KbReadResult::badoffset;
    std::string stored = readtoseparator(in);
    if (const std::size_t sep = stored.find(kbseparator); sep != std::string::npos)
        stored.erase(sep, kbseparator.size());
    article = expand(stored);
    return KbReadResult::ok;
}

KbArticleView kbarticleview(std::string_view article, std::string_view searchtext)
{
    KbArticleView view;
    view.text = unixlines(article);
    while (!view.text.empty() && view.text.back() == '\n')
        view.text.pop_back();
    view.headinglength = headinglength(view.text);

    const std::string pattern = upcase(strip(searchtext));
    view.matchlength = pattern.size();
    if (!pattern.empty()) {
        const std::string upper = upcase(view.text);
        for (std::size_t at = upper.find(pattern); at != std::string::npos; at = upper.find(pattern, at + 1))
            view.matches.push_back(at);
    }
    view.text += "\n\n";
    view.text += kbcourtesy;
    return view;
}
