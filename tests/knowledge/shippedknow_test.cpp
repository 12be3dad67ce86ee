#include <gtest/gtest.h>

#include <algorithm>

#include "kbfiles.h"
#include "knowledge/kbarticle.h"

// The know.dat that the build puts into the program folder answers the
// searches a new user would try with articles about them.
TEST(ShippedKnowledgeBase, CommonSearchesListArticlesAboutThemFirst)
{
    const std::string path = std::string(MALVORA_PROGRAM_DIR) + "/know.dat";
    for (const std::string word : {"yeast", "priming", "hydrometer", "sanitis", "off-flavour", "dry hop"}) {
        SCOPED_TRACE(word);
        kbfiles::Recorder r;
        ASSERT_EQ(kbsearch(path, word, r), KbSearchEnd::finished);
        ASSERT_GE(r.list.size(), 2u);
        EXPECT_NE(upcase(r.list.front().title).find(upcase(word)), std::string::npos) << r.list.front().title;
        std::string article;
        ASSERT_EQ(kbreadarticle(path, r.list.front().start, article), KbReadResult::ok);
        const KbArticleView view = kbarticleview(article, word);
        EXPECT_GT(view.headinglength, 0u);
        EXPECT_FALSE(view.matches.empty());
    }
}

TEST(ShippedKnowledgeBase, EveryArticleHasItsOwnTitle)
{
    kbfiles::Recorder r;
    ASSERT_EQ(kbsearch(std::string(MALVORA_PROGRAM_DIR) + "/know.dat", "----", r), KbSearchEnd::finished);
    EXPECT_GE(r.list.size(), 40u);
    std::vector<std::string> titles = r.titles();
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(std::adjacent_find(titles.begin(), titles.end()), titles.end());
}
