#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../records/tempfolder.h"
#include "platform/datafolder.h"

namespace fs = std::filesystem;

namespace {

class DataFolderTest : public ::testing::Test {
protected:
    TempFolder temp;
    std::string programdir() const { return temp.file("program") + "/"; }
    std::string appdata() const { return temp.file("appdata"); }
    std::string inappdata() const { return appdata() + "/Orvanti/Malvora/malvora.dat"; }
    void SetUp() override
    {
        fs::create_directories(temp.path() / "program");
        fs::create_directories(appdata());
    }
};

TEST_F(DataFolderTest, FoldersAreCreatedWhenMissing)
{
    EXPECT_EQ(choosedatafilename(programdir(), appdata(), false), inappdata());
    EXPECT_TRUE(fs::is_directory(appdata() + "/Orvanti/Malvora"));
    EXPECT_FALSE(fs::exists(inappdata()));
}

TEST_F(DataFolderTest, MissingApplicationDataFolderIsCreatedToo)
{
    fs::remove_all(appdata());
    EXPECT_EQ(choosedatafilename(programdir(), appdata(), false), inappdata());
    EXPECT_TRUE(fs::is_directory(appdata() + "/Orvanti/Malvora"));
}

TEST_F(DataFolderTest, RemovableDriveOrNoApplicationDataKeepsTheFileBesideTheProgram)
{
    fs::create_directories(appdata() + "/Orvanti/Malvora");
    std::ofstream(inappdata()) << "x";
    EXPECT_EQ(choosedatafilename(programdir(), appdata(), true), programdir() + "malvora.dat");
    EXPECT_EQ(choosedatafilename(programdir(), "", false), programdir() + "malvora.dat");
    EXPECT_EQ(choosedatafilename(programdir(), appdata(), false), inappdata());
}

TEST_F(DataFolderTest, FolderThatCannotBeMadeKeepsTheFileBesideTheProgram)
{
    // A file where the folder should be stops the folder, whoever runs the test.
    std::ofstream(appdata() + "/Orvanti") << "x";
    EXPECT_EQ(choosedatafilename(programdir(), appdata(), false), programdir() + "malvora.dat");
}

// A sysfs tree with a removable disk sdb holding partition sdb1, and a fixed
// disk sda.
TEST_F(DataFolderTest, RemovableBlockDevicesAreFoundThroughTheirDisk)
{
    const fs::path sys = temp.path() / "sys";
    const fs::path devices = sys / "devices";
    fs::create_directories(devices / "sdb" / "sdb1");
    fs::create_directories(devices / "sda" / "sda1");
    std::ofstream(devices / "sdb" / "removable") << "1\n";
    std::ofstream(devices / "sdb" / "sdb1" / "partition") << "1\n";
    std::ofstream(devices / "sda" / "removable") << "0\n";
    std::ofstream(devices / "sda" / "sda1" / "partition") << "1\n";
    fs::create_directories(sys / "class" / "block");
    for (const char* name : {"sdb", "sda"})
        fs::create_directory_symlink(devices / name, sys / "class" / "block" / name);
    fs::create_directory_symlink(devices / "sdb" / "sdb1", sys / "class" / "block" / "sdb1");
    fs::create_directory_symlink(devices / "sda" / "sda1", sys / "class" / "block" / "sda1");

    EXPECT_TRUE(blockdeviceremovable(sys.string(), "/dev/sdb1"));
    EXPECT_TRUE(blockdeviceremovable(sys.string(), "/dev/sdb"));
    EXPECT_FALSE(blockdeviceremovable(sys.string(), "/dev/sda1"));
    EXPECT_FALSE(blockdeviceremovable(sys.string(), "overlay"));
    EXPECT_FALSE(blockdeviceremovable(sys.string(), ""));
}

}  // namespace
