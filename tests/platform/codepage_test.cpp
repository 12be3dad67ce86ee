#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/paths.h"

TEST(CodePage, TranslatesWindows1252BothWays)
{
    struct Case {
        std::string ansi;
        std::string utf8;
    };
    for (const Case& c : {Case{"Plain ASCII", "Plain ASCII"}, Case{"Caf\xE9", "Caf\u00E9"},
                          Case{"\x80 5", "\u20AC 5"}, Case{"\x93quoted\x94", "\u201Cquoted\u201D"},
                          Case{"12\xB0" "C", "12\u00B0C"}, Case{"", ""}}) {
        EXPECT_EQ(ansitoutf8(c.ansi), c.utf8);
        EXPECT_EQ(utf8toansi(c.utf8), c.ansi);
    }
}

TEST(CodePage, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8toansi(ansitoutf8(all)), all);
}

TEST(CodePage, CharactersWithoutASingleByteFormBecomeQuestionMarks)
{
    EXPECT_EQ(utf8toansi("\u4E2D\u6587 ok \U0001F37A"), "?? ok ?");
    EXPECT_EQ(utf8toansi(std::string("bad \xC3", 5)), "bad ?");
}

TEST(Paths, MakeFullNamePutsOneSeparatorBetween)
{
    EXPECT_EQ(makefullname("/home/brewer", "malvora.dat"), "/home/brewer/malvora.dat");
    EXPECT_EQ(makefullname("/home/brewer/", "malvora.dat"), "/home/brewer/malvora.dat");
    EXPECT_EQ(makefullname("", "malvora.dat"), "malvora.dat");
}

TEST(Paths, DirExists)
{
    EXPECT_TRUE(direxists("/tmp"));
    EXPECT_TRUE(direxists("/tmp/"));
    EXPECT_FALSE(direxists(""));
    EXPECT_FALSE(direxists("/no/such/folder/here"));
}
