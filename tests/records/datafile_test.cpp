#include <gtest/gtest.h>

#include <filesystem>

#include "filebytes.h"
#include "platform/fakemessages.h"
#include "records/datafile.h"
#include "tempfolder.h"

namespace fs = std::filesystem;
using filebytes::Bytes;

namespace {

const std::string readonlymessage = "Cannot open password file for output.\nIt may be marked \"Read Only\"";

Bytes threebrewfile()
{
    Bytes file = filebytes::fileheader("1.92", "Malt\r\nHops");
    for (int n = 1; n <= 3; ++n)
        filebytes::append(file, filebytes::record(n, "Kit " + std::to_string(n), n - 1));
    return file;
}

// The real file system, except that the Nth write, or every create, fails.
class FailingFileOps : public FileOps {
public:
    int failingwrite = -1;
    bool failcreate = false;

    bool exists(const std::string& p) override { return realfileops().exists(p); }
    bool remove(const std::string& p) override { return realfileops().remove(p); }
    bool rename(const std::string& a, const std::string& b) override { return realfileops().rename(a, b); }
    bool link(const std::string& a, const std::string& b) override { return realfileops().link(a, b); }
    std::unique_ptr<WritableFile> create(const std::string& p) override
    {
        if (failcreate)
            return nullptr;
        return std::make_unique<Counting>(realfileops().create(p), *this);
    }

private:
    struct Counting : WritableFile {
        Counting(std::unique_ptr<WritableFile> f, FailingFileOps& o) : file(std::move(f)), ops(o) {}
        bool write(const void* d, std::size_t n) override
        {
            return ops.writes++ != ops.failingwrite && file->write(d, n);
        }
        bool close() override { return file->close(); }
        std::unique_ptr<WritableFile> file;
        FailingFileOps& ops;
    };
    int writes = 0;
};

}  // namespace

class DataFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file("malvora.dat");
    FakeMessages messages;
};

TEST_F(DataFileTest, LoadAndSaveGiveBackTheSameBytes)
{
    const Bytes original = threebrewfile();
    filebytes::write(path, original);
    DataFile file(path);
    auto loaded = file.load(messages);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->records.size(), 3u);
    EXPECT_EQ(loaded->shoppinglist, "Malt\r\nHops");
    EXPECT_EQ(loaded->records[2]->recordtype, kindModifiedKit);

    ASSERT_TRUE(file.save(loaded->records, loaded->shoppinglist, false, messages));
    EXPECT_EQ(filebytes::read(path), original);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataFileTest, SampleFileOfThreeHundredBrewsRoundTrips)
{
    const fs::path sample = fs::path(MALVORA_SOURCE_DIR) / "../shared/samples/malvora-300.dat";
    if (!fs::exists(sample))
        GTEST_SKIP() << "no sample file beside the project";
    const Bytes original = filebytes::read(sample);
    filebytes::write(path, original);
    DataFile file(path);
    auto loaded = file.load(messages);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->records.size(), 300u);
    ASSERT_TRUE(file.save(loaded->records, loaded->shoppinglist, false, messages));
    EXPECT_EQ(filebytes::read(path), original);
}

TEST_F(DataFileTest, UnknownHeaderAndReservedBytesAreKept)
{
    Bytes original = threebrewfile();
    original[4] = 0xAB;              // not written by the program
    original[200] = 0xCD;
    original[322 + 101 + 5] = 'x';   // text of a reserved entry whose length is 0
    filebytes::write(path, original);
    DataFile file(path);
    auto loaded = file.load(messages);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(file.save(loaded->records, loaded->shoppinglist, false, messages));
    EXPECT_EQ(filebytes::read(path), original);
}

TEST_F(DataFileTest, EmptyListSavesTheFixedBlocksOnly)
{
    DataFile file(path);
    ASSERT_TRUE(file.save({}, "", false, messages));
    const Bytes saved = filebytes::read(path);
    EXPECT_EQ(saved.size(), 16423u);
    EXPECT_EQ(saved, filebytes::fileheader("1.92"));
}

TEST_F(DataFileTest, ShortLastPieceIsIgnored)
{
    Bytes bytes = threebrewfile();
    bytes.resize(bytes.size() + 100, 7);
    filebytes::write(path, bytes);
    auto loaded = DataFile(path).load(messages);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->records.size(), 3u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataFileTest, ShoppingListStopsAtItsFirstZeroByte)
{
    Bytes bytes = filebytes::fileheader("1.92", "Malt");
    bytes[10422 + 5] = 'X';
    filebytes::write(path, bytes);
    auto loaded = DataFile(path).load(messages);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->shoppinglist, "Malt");
    EXPECT_TRUE(loaded->records.empty());
}

TEST_F(DataFileTest, BrokenFilesGiveTheirMessageAndNothing)
{
    struct Case {
        const char* what;
        Bytes bytes;
        std::string message;
    };
    Bytes badmagic = threebrewfile();
    badmagic[2] = 'X';
    Bytes shortshopping = threebrewfile();
    shortshopping.resize(16422);
    Bytes shortheader = threebrewfile();
    shortheader.resize(321);
    Bytes shortreserved = threebrewfile();
    shortreserved.resize(400);
    const Case cases[] = {
        {"321-byte file", shortheader, "File read error"},
        {"empty file", Bytes{}, "File read error"},
        {"wrong magic", badmagic, "File is of an invalid format"},
        {"short reserved block", shortreserved, "File is corrupted"},
        {"short shopping list", shortshopping, "File is corrupted"},
    };
    for (const Case& c : cases) {
        filebytes::write(path, c.bytes);
        FakeMessages m;
        EXPECT_FALSE(DataFile(path).load(m)) << c.what;
        EXPECT_EQ(m.shown, std::vector<std::string>{c.message}) << c.what;
    }
}

TEST_F(DataFileTest, ReadOnlyFileCannotBeLoaded)
{
    filebytes::write(path, threebrewfile());
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(DataFile(path).load(messages));
    EXPECT_EQ(messages.shown, std::vector<std::string>{readonlymessage});
}

TEST_F(DataFileTest, OldVersionsAreUpgradedAsTheyLoad)
{
    struct Case {
        std::string version;
        bool old;
    };
    for (const Case& c : {Case{"1.0", true}, Case{"1.1", true}, Case{"1.2", true}, Case{"1.15", true},
                          Case{"", true}, Case{"1.20", false}, Case{"1.3", false}, Case{"1.92", false}}) {
        EXPECT_EQ(isoldversion(c.version), c.old) << c.version;
        Bytes bytes = filebytes::fileheader(c.version);
        filebytes::append(bytes, filebytes::record(1, "Kit", kindExtract));
        filebytes::write(path, bytes);
        DataFile file(path);
        auto loaded = file.load(messages);
        ASSERT_TRUE(loaded);
        const tbaccrec& rec = *loaded->records[0];
        EXPECT_EQ(+rec.recordtype, c.old ? kindKit : kindExtract) << c.version;
        EXPECT_EQ(getextractsstring(rec), c.old ? "" : "Light malt") << c.version;
        EXPECT_EQ(+rec.fermkgused, c.old ? notgivenreal : 1.5) << c.version;

        ASSERT_TRUE(file.save(loaded->records, "", false, messages));
        const Bytes saved = filebytes::read(path);
        EXPECT_EQ(std::string(saved.begin() + 6, saved.begin() + 11), "\x04" "1.92");
    }
}

TEST_F(DataFileTest, LoadCleansWhatTheProgramNeverWrites)
{
    Bytes bytes = filebytes::fileheader();
    Bytes rec = filebytes::record(1, "Kit");
    rec[105] = 9;                   // spare byte
    rec[4 + 1 + 3 + 2] = 'q';       // after the kit text
    rec[3544 + 10] = 1;             // reserved bytes
    rec[1132 + 20] = 'n';           // notes after their terminator
    filebytes::append(bytes, rec);
    filebytes::write(path, bytes);
    DataFile file(path);
    auto loaded = file.load(messages);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(file.save(loaded->records, "", false, messages));

    Bytes expected = filebytes::fileheader();
    filebytes::append(expected, filebytes::record(1, "Kit"));
    EXPECT_EQ(filebytes::read(path), expected);
}

TEST_F(DataFileTest, OverlongLengthByteReadsOneHundredBytes)
{
    Bytes bytes = filebytes::fileheader();
    Bytes rec = filebytes::record(1, std::string(100, 'k'));
    rec[4] = 250;
    filebytes::append(bytes, rec);
    filebytes::write(path, bytes);
    auto loaded = DataFile(path).load(messages);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(getshortstring(loaded->records[0]->kit), std::string(100, 'k'));
    EXPECT_EQ(+loaded->records[0]->kit.len, 100);
    EXPECT_EQ(+loaded->records[0]->b1, 0);
}

TEST_F(DataFileTest, BackupHoldsTheFileAsItWasBeforeTheSave)
{
    DataFile file(path);
    RecordList list;
    createnewrec(list, examplerecord(45000.0));
    ASSERT_TRUE(file.save(list, "first", true, messages));
    EXPECT_FALSE(fs::exists(backupname(path)));
    const Bytes first = filebytes::read(path);

    createnewrec(list, examplerecord(45001.0));
    ASSERT_TRUE(file.save(list, "second", true, messages));
    EXPECT_EQ(filebytes::read(backupname(path)), first);
    EXPECT_EQ(filebytes::read(path).size(), 16423u + 2 * 4132u);

    ASSERT_TRUE(file.save(list, "third", false, messages));
    EXPECT_EQ(filebytes::read(backupname(path)), first);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST_F(DataFileTest, FailedWriteLeavesThePreviousFileWhole)
{
    const Bytes original = threebrewfile();
    filebytes::write(path, original);
    FailingFileOps ops;
    DataFile file(path, ops);
    auto loaded = file.load(messages);
    ASSERT_TRUE(loaded);

    for (int failing : {0, 2, 4}) {
        ops.failingwrite = failing;
        FakeMessages m;
        EXPECT_FALSE(file.save(loaded->records, "changed", true, m));
        EXPECT_EQ(m.shown, std::vector<std::string>{"File write error"});
        EXPECT_EQ(filebytes::read(path), original);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    }
}

TEST_F(DataFileTest, FileThatCannotBeCreatedIsReported)
{
    FailingFileOps ops;
    ops.failcreate = true;
    EXPECT_FALSE(DataFile(path, ops).save({}, "", true, messages));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"File write error"});
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(DataFileTest, UnreadableFileIsKeptAsideBeforeTheFirstSave)
{
    const Bytes broken(500, 'x');
    filebytes::write(path, broken);
    DataFile file(path);
    EXPECT_FALSE(file.load(messages));

    RecordList list;
    createnewrec(list, examplerecord(45000.0));
    ASSERT_TRUE(file.save(list, "", true, messages));
    ASSERT_FALSE(file.keptname().empty());
    EXPECT_EQ(filebytes::read(file.keptname()), broken);
    EXPECT_EQ(filebytes::read(path).size(), 16423u + 4132u);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].find(file.keptname()), std::string::npos);

    // Only the first save moves a file aside.
    ASSERT_TRUE(file.save(list, "", true, messages));
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(filebytes::read(file.keptname()), broken);
}
