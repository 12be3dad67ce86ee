#include <gtest/gtest.h>

#include "kbfiles.h"
#include "knowledge/kbarticle.h"
#include "records/tempfolder.h"

using kbfiles::Recorder;

namespace {

class KbSearch : public ::testing::Test {
protected:
    // Writes the file and searches it.
    Recorder search(const std::string& bytes, std::string_view text, int stopatpause = -1)
    {
        kbfiles::writefile(path, bytes);
        Recorder r;
        r.stopatpause = stopatpause;
        end = kbsearch(path, text, r);
        return r;
    }
    // The title of the article that starts at `start`, read back from the file.
    std::string titleat(std::int64_t start)
    {
        std::string article;
        EXPECT_EQ(kbreadarticle(path, start, article), KbReadResult::ok);
        return article.substr(0, article.find("\r\n"));
    }

    TempFolder folder;
    std::string path = folder.file("know.dat");
    KbSearchEnd end = KbSearchEnd::notopened;
};

const std::vector<std::string> threearticles = {
    "Cleaning the fermenter\nSubject: hygiene\n\nScrub, rinse and sanitise.",
    "Yeast and pitching\nSubject: fermentation\n\nPitch the YEAST at 20 C.\nRehydrate yeast first.",
    "Bottling day\nSubject: packaging\n\nDead yeast settles in each bottle.",
};

}  // namespace

TEST_F(KbSearch, TitleMatchesComeFirstAndEachArticleOnce)
{
    const std::string bytes = kbfiles::knowbytes(threearticles);
    const Recorder r = search(bytes, "yeast");
    EXPECT_EQ(end, KbSearchEnd::finished);
    EXPECT_EQ(r.filesize, static_cast<std::int64_t>(bytes.size()));
    ASSERT_EQ(r.titles(), (std::vector<std::string>{"Yeast and pitching", "Bottling day"}));
    // The offsets count stored bytes: each article starts right after a separator line.
    const std::size_t second = bytes.find("----\r\n") + 6;
    EXPECT_EQ(r.list[0].start, static_cast<std::int64_t>(second));
    EXPECT_EQ(r.list[1].start, static_cast<std::int64_t>(bytes.find("----\r\n", second) + 6));
}

TEST_F(KbSearch, TopPartMatchesListInReverseFileOrderAboveBodyMatchesInFileOrder)
{
    const Recorder r = search(kbfiles::knowbytes({
                                  "Hops one\n\nbody",
                                  "Other\n\nhops in the body",
                                  "Hops two\nheading\n\nbody",
                                  "Other again\n\nHOPS",
                                  // A line of spaces is not zero-length: still the top part.
                                  "Title\n   \nhops\n\nbody",
                              }),
                              "Hops");
    EXPECT_EQ(r.titles(), (std::vector<std::string>{"Title", "Hops two", "Hops one", "Other", "Other again"}));
}

TEST_F(KbSearch, TwoHyphensListEveryArticleWithASeparatorAtItsRightStart)
{
    const std::vector<std::string> articles = {"First\n\nbody", "Second\n\nbody", "Third\n\nbody"};
    const Recorder withlast = search(kbfiles::knowbytes(articles), "--");
    ASSERT_EQ(withlast.list.size(), 3u);
    for (const KbEntry& e : withlast.list)
        EXPECT_EQ(titleat(e.start), e.title);

    const Recorder withoutlast = search(kbfiles::knowbytes(articles, false), "--");
    EXPECT_EQ(withoutlast.titles(), (std::vector<std::string>{"First", "Second"}));
}

TEST_F(KbSearch, SpacesInTheSearchTextTakePart)
{
    const std::string bytes = kbfiles::knowbytes({"Yeast at the start\n\nbody", "Body match\n\ndried yeast"});
    EXPECT_EQ(search(bytes, " yeast").titles(), std::vector<std::string>{"Body match"});
    EXPECT_EQ(search(bytes, "yeast ").titles(), std::vector<std::string>{"Yeast at the start"});
}

TEST_F(KbSearch, TitleIsTheFirstNonBlankLineWithoutTabs)
{
    const Recorder r = search("\r\n   \r\n\tTab\tbed title \r\nsugar\r\n", "SUGAR");
    ASSERT_EQ(r.list.size(), 1u);
    EXPECT_EQ(r.list[0].title, "Tabbed title ");
    EXPECT_EQ(r.list[0].start, 0);
}

TEST_F(KbSearch, LetterCaseIsIgnoredForAToZOnly)
{
    const std::string bytes = kbfiles::knowbytes({"Malt\n\nMALT and malt {x}"});
    EXPECT_EQ(search(bytes, "mAlT").list.size(), 1u);
    EXPECT_TRUE(search(bytes, "[X]").list.empty());
}

TEST_F(KbSearch, PausesEvery400LinesEvenWhenEveryArticleMatches)
{
    std::string bytes;
    for (int i = 0; i < 500; ++i)
        bytes += "malt\r\n----\r\n";  // 12 bytes per article
    const Recorder r = search(bytes, "MALT");
    EXPECT_EQ(r.list.size(), 500u);
    EXPECT_EQ(r.pauses, (std::vector<std::int64_t>{200 * 12, 400 * 12}));
}

TEST_F(KbSearch, StopKeepsWhatWasFoundAndReadsNoFurther)
{
    std::vector<std::string> articles;
    for (int i = 0; i < 300; ++i)
        articles.push_back("Article " + std::to_string(i) + "\n\nmalt\nline\nline");
    const Recorder r = search(kbfiles::knowbytes(articles), "malt", 1);
    EXPECT_EQ(end, KbSearchEnd::stopped);
    ASSERT_EQ(r.pauses.size(), 1u);
    EXPECT_FALSE(r.list.empty());
    EXPECT_LT(r.list.size(), articles.size());
    EXPECT_EQ(r.list.back().title, "Article " + std::to_string(r.list.size() - 1));
}

TEST_F(KbSearch, MissingFileIsReportedBeforeAnythingStarts)
{
    Recorder r;
    EXPECT_EQ(kbsearch(folder.file("none.dat"), "yeast", r), KbSearchEnd::notopened);
    EXPECT_EQ(r.filesize, -1);
    EXPECT_TRUE(r.list.empty());
}

TEST_F(KbSearch, LongLinesAndAFileWithoutALastLineEnd)
{
    const std::string longline(3 << 20, 'x');
    const Recorder r = search("Long\r\n" + longline + "needle\r\n----\r\nShort\r\nneedle", "NEEDLE");
    EXPECT_EQ(r.titles(), (std::vector<std::string>{"Short", "Long"}));
    EXPECT_EQ(r.list[0].start, static_cast<std::int64_t>(6 + longline.size() + 8 + 6));
}
