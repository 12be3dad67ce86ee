#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "kbfiles.h"
#include "knowledge/kbarticle.h"
#include "knowledge/kbpacker.h"
#include "knowledge/fragments.h"

namespace fs = std::filesystem;

TEST(KbPacker, ArticleLinesAcceptBothLineEndsAndDropTrailingEmptyLines)
{
    EXPECT_EQ(kbarticlelines("Title\r\nHead\n\nbody\r\n\n\n"),
              (std::vector<std::string>{"Title", "Head", "", "body"}));
    EXPECT_EQ(kbarticlelines("no line end"), std::vector<std::string>{"no line end"});
    EXPECT_TRUE(kbarticlelines("\n\n").empty());
}

TEST(KbPacker, ChecksWhatWouldBreakTheFile)
{
    struct Case {
        std::string source;
        std::string problem;  // start of the message; empty when fine
    };
    const std::vector<Case> cases = {
        {"Title\nHead\n\nbody", ""},
        {"Title\n\n\tindented body", ""},
        {"Title\n\nna\xC3\xAFve", "line 3: only TAB and printable ASCII"},
        {"Title\n\nbell\a", "line 3: only TAB and printable ASCII"},
        {"Title\n\n---- rule", "line 3: \"----\" would end"},
        {"Title\n\nfour----hyphens", "line 3: \"----\" would end"},
        {"  \nTitle\n\nbody", "line 1: the article must start"},
        {"", "line 1: the article must start"},
        {"Title\nno gap", "line 2: an empty line must follow"},
        {"Title\n  \nbody", "line 2: the line after the heading block must be empty"},
        {"Title\nHead\n\n", "line 2: an empty line must follow"},
        {"Title\n\n\n", "line 1: an empty line must follow"},
    };
    for (const Case& c : cases) {
        const std::string problem = kbcheckarticle(kbarticlelines(c.source));
        EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem) << c.source;
        EXPECT_EQ(problem.empty(), c.problem.empty()) << c.source << " -> " << problem;
    }
    EXPECT_EQ(kbcheckarticle({"Title", "", " "}), "line 2: the article has no body");
}

TEST(KbPacker, PackedFileHasCrLfLinesAndASeparatorAfterEachArticle)
{
    const std::string bytes = kbpackarticles({{"Yeast and the wort", "", "Pitch the yeast."}, {"Two", "", "b"}});
    EXPECT_EQ(expand(bytes), "Yeast and the wort\r\n\r\nPitch the yeast.\r\n----\r\nTwo\r\n\r\nb\r\n----\r\n");
    EXPECT_LT(bytes.size(), expand(bytes).size());
}

// The articles that ship with the program: each one packs, and the packed
// file reads back as the articles.
TEST(KbPacker, ShippedArticlesAreValidAndRoundTrip)
{
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(fs::path(MALVORA_SOURCE_DIR) / "data" / "articles"))
        paths.push_back(entry.path());
    ASSERT_FALSE(paths.empty());
    std::vector<std::vector<std::string>> articles;
    std::size_t textsize = 0;
    for (const fs::path& p : paths) {
        std::ifstream in(p, std::ios::binary);
        const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        articles.push_back(kbarticlelines(source));
        EXPECT_EQ(kbcheckarticle(articles.back()), "") << p;
        for (const auto& line : articles.back())
            textsize += line.size() + 2;
        textsize += 6;
    }
    const std::string bytes = kbpackarticles(articles);
    std::string expected;
    for (const auto& lines : articles) {
        for (const auto& line : lines)
            expected += line + "\r\n";
        expected += "----\r\n";
    }
    EXPECT_EQ(expand(bytes), expected);
    // The table was made for these articles; it should pack them well.
    EXPECT_LT(bytes.size(), textsize * 7 / 10);
}
