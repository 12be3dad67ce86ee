#include <gtest/gtest.h>

#include "kbfiles.h"
#include "knowledge/kbarticle.h"
#include "records/tempfolder.h"

namespace {

class KbArticle : public ::testing::Test {
protected:
    KbReadResult read(const std::string& bytes, std::int64_t start)
    {
        kbfiles::writefile(path, bytes);
        return kbreadarticle(path, start, article);
    }

    TempFolder folder;
    std::string path = folder.file("know.dat");
    std::string article = "left over";
};

}  // namespace

TEST_F(KbArticle, ReadsFromItsOffsetToTheSeparatorExpanded)
{
    const std::string bytes = kbfiles::knowbytes({"First\nSubject\n\nthe body", "Second\n\nthe other body"});
    const std::int64_t second = static_cast<std::int64_t>(bytes.find("----\r\n") + 6);
    ASSERT_EQ(read(bytes, 0), KbReadResult::ok);
    EXPECT_EQ(article, "First\r\nSubject\r\n\r\nthe body\r\n\r");
    ASSERT_EQ(read(bytes, second), KbReadResult::ok);
    EXPECT_EQ(article, "Second\r\n\r\nthe other body\r\n\r");
}

TEST_F(KbArticle, LastArticleWithoutSeparatorRunsToTheEndOfTheFile)
{
    const std::string bytes = "One\r\n\r\nx\r\n----\r\nTwo\r\n\r\nlast line";
    ASSERT_EQ(read(bytes, 16), KbReadResult::ok);
    EXPECT_EQ(article, "Two\r\n\r\nlast line");
    ASSERT_EQ(read(bytes, static_cast<std::int64_t>(bytes.size())), KbReadResult::ok);
    EXPECT_EQ(article, "");
}

TEST_F(KbArticle, SeparatorAcrossReadBlocksIsFound)
{
    const std::string body(4091, 'b');  // puts "----" across the 4096-byte blocks
    ASSERT_EQ(read("T\r\n" + body + "----\r\nNext\r\n", 0), KbReadResult::ok);
    EXPECT_EQ(article, "T\r\n" + body + "\r");
}

TEST_F(KbArticle, FailuresLeaveNoText)
{
    EXPECT_EQ(read("Only\r\n----\r\n", 13), KbReadResult::badoffset);
    EXPECT_EQ(article, "");
    EXPECT_EQ(read("Only\r\n----\r\n", -1), KbReadResult::badoffset);
    article = "left over";
    EXPECT_EQ(kbreadarticle(folder.file("missing.dat"), 0, article), KbReadResult::notopened);
    EXPECT_EQ(article, "");
}

TEST(KbArticleView, HeadingBlockMatchesAndCourtesyLine)
{
    const KbArticleView view = kbarticleview("Yeast notes\r\nSubject: yeast\r\n  \r\nDried YEAST keeps.\r\n\r", " yeast ");
    EXPECT_EQ(view.text, "Yeast notes\nSubject: yeast\n  \nDried YEAST keeps.\n\n[Item courtesy of 3rd party source]");
    EXPECT_EQ(view.headinglength, std::string("Yeast notes\nSubject: yeast\n").size());
    EXPECT_EQ(view.matchlength, 5u);
    EXPECT_EQ(view.matches, (std::vector<std::size_t>{0, 21, 36}));
}

TEST(KbArticleView, HeadingNeedsABlankLineAfterIt)
{
    struct Case {
        std::string article;
        std::size_t heading;
    };
    const std::vector<Case> cases = {
        {"Title\r\nbody without a gap\r\n\r", 0},
        {"\r\nStarts blank\r\n", 0},
        {"Title\r\n\r\nbody", 6},
        {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kbarticleview(c.article, "x").headinglength, c.heading) << c.article;
}

TEST(KbArticleView, MatchesOverlapAndABlankSearchMarksNothing)
{
    EXPECT_EQ(kbarticleview("aaaa", "AA").matches, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(kbarticleview("a b", "   ").matches.empty());
    EXPECT_TRUE(kbarticleview("courtesy", "courtesy").matches.size() == 1);
}
