// The real file system, through POSIX calls: the data file needs fsync and
// hard links, which the standard library does not offer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "records/fileops.h"

namespace {

class PosixFile : public WritableFile {
public:
    explicit PosixFile(int fd) : fd_(fd) { buffer_.reserve(buffersize); }
    ~PosixFile() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool write(const void* data, std::size_t size) override
    {
        if (!ok_)
            return false;
        const char* p = static_cast<const char*>(data);
        if (buffer_.size() + size > buffersize && !flush())
            return false;
        if (size >= buffersize)
            return writeall(p, size);
        buffer_.insert(buffer_.end(), p, p + size);
        return true;
    }

    bool close() override
    {
        bool good = ok_ && flush() && ::fsync(fd_) == 0;
        good = ::close(fd_) == 0 && good;
        fd_ = -1;
        return good;
    }

private:
    static constexpr std::size_t buffersize = 1 << 20;

    bool flush()
    {
        const bool good = writeall(buffer_.data(), buffer_.size());
        buffer_.clear();
        return good;
    }

    bool writeall(const char* p, std::size_t size)
    {
        while (size > 0) {
            const ssize_t n = ::write(fd_, p, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ok_ = false;
                return false;
            }
            p += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

    int fd_;
    bool ok_ = true;
    std::vector<char> buffer_;
};

std::string folderof(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename or a new name in a folder last through a power cut.
void syncfolder(const std::string& path)
{
    const int fd = ::open(folderof(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class PosixFileOps : public FileOps {
public:
    bool exists(const std::string& path) override
    {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0;
    }

    std::unique_ptr<WritableFile> create(const std::string& path) override
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            return nullptr;
        return std::make_unique<PosixFile>(fd);
    }

    bool remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

    bool rename(const std::string& from, const std::string& to) override
    {
        if (::rename(from.c_str(), to.c_str()) != 0)
            return false;
        syncfolder(to);
        return true;
    }

    bool link(const std::string& from, const std::string& to) override
    {
        return ::link(from.c_str(), to.c_str()) == 0;
    }
};

}  // namespace

FileOps& realfileops()
{
    static PosixFileOps ops;
    return ops;
}
