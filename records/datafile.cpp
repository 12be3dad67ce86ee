#include "records/datafile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {

constexpr std::string_view magic = "vlq";
constexpr std::string_view currentversion = "1.92";
constexpr std::size_t versionoffset = 6;
constexpr std::size_t shortentrysize = 101;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The data file is opened for reading and writing, so a file marked read-only
// cannot be loaded. The owner's write bit is checked as well, since the
// super-user can open any file for writing.
FilePtr openforupdate(const std::string& path)
{
    std::error_code ec;
    const auto perms = std::filesystem::status(path, ec).permissions();
    if (ec || (perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return nullptr;
    return FilePtr(std::fopen(path.c_str(), "r+b"));
}

bool readblock(std::FILE* f, void* data, std::size_t size)
{
    return std::fread(data, 1, size, f) == size;
}

std::string versionof(const unsigned char* header)
{
    const std::size_t len = std::min<std::size_t>(header[versionoffset], headersize - versionoffset - 1);
    return std::string(reinterpret_cast<const char*>(header + versionoffset + 1), len);
}

// A record as the program holds it: the bytes after each text, the spare bytes
// and the reserved block are zero, and the notes and extracts keep room for
// their terminator. Building the record anew from its values gives the same.
std::unique_ptr<tbaccrec> recordfromfile(const unsigned char* bytes, bool oldfile)
{
    auto rec = std::make_unique<tbaccrec>();
    std::memcpy(rec.get(), bytes, sizeof(tbaccrec));
    tbaccrec& r = *rec;
    for (tbrewkitstring* s : {&r.kit, &r.brewsugar, &r.yeast, &r.primingsugar, &r.add1, &r.add2, &r.add3,
                              &r.add4, &r.add5, &r.batchname})
        setshortstring(*s, getshortstring(*s));
    for (std::uint8_t* b : {&r.b1, &r.b2, &r.b3, &r.b4, &r.b5, &r.b6, &r.b7, &r.b8, &r.b9, &r.b10, &r.b11,
                            &r.b12, &r.b13, &r.b14})
        *b = 0;
    const std::string notes = getnotesstring(r);
    std::memset(r.notes, 0, notessize);
    putintonotes(notes, r);
    const std::string extracts = oldfile ? std::string() : getextractsstring(r);
    std::memset(r.extracts, 0, extractssize);
    putintoextracts(extracts, r);
    if (oldfile) {
        r.recordtype = kindKit;
        r.fermkgused = notgivenreal;
    }
    std::memset(r.dummy, 0, sizeof r.dummy);
    return rec;
}

// A name beside `path` that no file has yet.
std::string freename(FileOps& ops, const std::string& path, const std::string& suffix)
{
    std::string name = path + suffix;
    for (int n = 2; ops.exists(name); ++n)
        name = path + suffix + "-" + std::to_string(n);
    return name;
}

}  // namespace

bool isoldversion(std::string_view version)
{
    // Byte by byte over the common length; a prefix sorts first.
    return version.compare("1.2") <= 0;
}

std::string backupname(const std::string& path) { return path + "_bak"; }

DataFile::DataFile(std::string path, FileOps& ops) : path_(std::move(path)), ops_(ops) {}

std::optional<LoadedFile> DataFile::load(Messages& messages)
{
    FilePtr file = openforupdate(path_);
    if (!file) {
        loadfailed_ = true;
        messages.showmsg("Cannot open password file for output.\nIt may be marked \"Read Only\"");
        return std::nullopt;
    }
    std::array<unsigned char, headersize> header;
    std::array<unsigned char, reservedsize> reserved;
    std::vector<char> shopping(shoppingsize);
    const char* failure = nullptr;
    if (!readblock(file.get(), header.data(), headersize))
        failure = "File read error";
    else if (header[0] != 3 || std::memcmp(header.data() + 1, magic.data(), 3) != 0)
        failure = "File is of an invalid format";
    else if (!readblock(file.get(), reserved.data(), reservedsize) ||
             !readblock(file.get(), shopping.data(), shoppingsize))
        failure = "File is corrupted";
    if (failure) {
        loadfailed_ = true;
        messages.showmsg(failure);
        return std::nullopt;
    }

    LoadedFile loaded;
    loaded.shoppinglist.assign(shopping.data(), strnlen(shopping.data(), shoppingsize));
    const bool oldfile = isoldversion(versionof(header.data()));
    constexpr std::size_t batch = 256;
    std::vector<unsigned char> chunk(batch * brewrecordsize);
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        const std::size_t whole = got / brewrecordsize;
        for (std::size_t i = 0; i < whole; ++i)
            loaded.records.push_back(recordfromfile(chunk.data() + i * brewrecordsize, oldfile));
        if (got < chunk.size())
            break;  // a short last piece is ignored
    }
    header_ = header;
    reserved_ = reserved;
    loadfailed_ = false;
    return loaded;
}

bool DataFile::keepunreadablefile(Messages& messages)
{
    if (!loadfailed_ || !ops_.exists(path_))
        return true;
    const std::string kept = freename(ops_, path_, ".unreadable");
    if (!ops_.rename(path_, kept)) {
        messages.showmsg("File write error",
                         "The data file \"" + path_ + "\" could not be read at start-up and could not be "
                         "moved aside, so it was left as it is and nothing was saved.");
        return false;
    }
    loadfailed_ = false;
    keptname_ = kept;
    messages.showmsg("The data file could not be read, so it has been kept as \"" + kept +
                     "\". Your brews are now saved in a new data file.");
    return true;
}

void DataFile::makebackup(bool createbackups, Messages& messages)
{
    if (!createbackups || !ops_.exists(path_))
        return;
    const std::string backup = backupname(path_);
    if (ops_.exists(backup) && !ops_.remove(backup)) {
        messages.showmsg("Warning: could not create backup file");
        return;
    }
    // A second name keeps the data file in place until the new one replaces it.
    if (!ops_.link(path_, backup) && !ops_.rename(path_, backup))
        messages.showmsg("Warning: could not create backup file");
}

bool DataFile::save(const RecordList& records, std::string_view shoppinglist, bool createbackups,
                    Messages& messages)
{
    if (!keepunreadablefile(messages))
        return false;

    header_[0] = 3;
    std::memcpy(header_.data() + 1, magic.data(), magic.size());
    header_[versionoffset] = 4;
    std::memcpy(header_.data() + versionoffset + 1, currentversion.data(), currentversion.size());
    for (std::size_t i = 0; i < reservedentries; ++i)
        reserved_[i * shortentrysize] = 0;
    std::array<char, shoppingsize> shopping{};
    std::memcpy(shopping.data(), shoppinglist.data(), std::min(shoppinglist.size(), shoppingtextmax));

    const std::string temp = freename(ops_, path_, ".new");
    std::unique_ptr<WritableFile> file = ops_.create(temp);
    bool written = file && file->write(header_.data(), headersize) &&
                   file->write(reserved_.data(), reservedsize) && file->write(shopping.data(), shoppingsize);
    for (std::size_t i = 0; written && i < records.size(); ++i)
        written = file->write(records[i].get(), brewrecordsize);
    written = file && file->close() && written;
    if (!written) {
        if (file)
            ops_.remove(temp);
        messages.showmsg("File write error");
        return false;
    }

    makebackup(createbackups, messages);
    if (!ops_.rename(temp, path_)) {
        ops_.remove(temp);
        if (!ops_.exists(path_))
            ops_.rename(backupname(path_), path_);
        messages.showmsg("File write error");
        return false;
    }
    return true;
}
