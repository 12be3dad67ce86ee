#include "reportfixture.h"

// The file gets whole chunks, so a piece may be split between two writes;
// what arrives must still be every byte in order.
TEST(ReportLines, PiecesSplitAcrossChunksArriveWholeAndInOrder)
{
    std::string expected;
    MemoryFileOps ops;
    {
        auto file = ops.create("page");
        ReportLines out(*file);
        const std::string large(ReportLines::chunksize + 12345, 'L');
        for (int i = 0; i < 40000; ++i) {
            const std::string line = "line " + std::to_string(i) + std::string(std::size_t(i % 97), 'x');
            out.writeline({ line, i == 20000 ? std::string_view(large) : std::string_view("") });
            expected += line + (i == 20000 ? large : "") + "\r\n";
        }
        out.close();
        EXPECT_FALSE(out.failed());
    }
    EXPECT_EQ(ops.files["page"], expected);
    const int chunks = int((expected.size() + ReportLines::chunksize - 1) / ReportLines::chunksize);
    EXPECT_EQ(ops.writes, chunks) << "every write but the last is a whole chunk";
}

TEST(ReportLines, NumbersWithANonAsciiSeparatorBecomeSingleByte)
{
    ReportContext ctx;
    ctx.fs.decimalSeparator = "\u00b7"; // middle dot, 0xB7 in Windows-1252
    EXPECT_EQ(fixedtext(5.26, 2, ctx),
        "5\xb7"
        "26");
    std::string text = "Alc ";
    appendfixedtext(text, 1.5, 1, ctx);
    EXPECT_EQ(text,
        "Alc 1\xb7"
        "5");
}
