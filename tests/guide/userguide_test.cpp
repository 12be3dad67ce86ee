#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// Help > Contents opens the program's path with ".html"; the guide must be
// in the program folder under that name.
TEST(UserGuide, ShipsInTheProgramFolderAndSaysWhereTheDataLives)
{
    std::ifstream file(MALVORA_PROGRAM_DIR "/malvora.html", std::ios::binary);
    ASSERT_TRUE(file) << "the build puts the guide beside the program";
    std::stringstream text;
    text << file.rdbuf();
    const std::string guide = text.str();
    EXPECT_TRUE(guide.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(guide.find("</html>"), std::string::npos);
    EXPECT_NE(guide.find("~/.local/share/Orvanti/Malvora/malvora.dat"), std::string::npos);
    EXPECT_NE(guide.find("malvora.dat_bak"), std::string::npos);
    // Every link inside the page leads to a heading that exists.
    for (std::size_t at = guide.find("href=\"#"); at != std::string::npos; at = guide.find("href=\"#", at + 1)) {
        const std::size_t start = at + 7;
        const std::string anchor = guide.substr(start, guide.find('"', start) - start);
        EXPECT_NE(guide.find("id=\"" + anchor + "\""), std::string::npos) << anchor;
    }
}

}  // namespace
