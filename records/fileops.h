// The file system as the data file uses it, so that tests can make a write
// fail part way.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

class WritableFile {
public:
    virtual ~WritableFile() = default;
    // False when fewer bytes were written than asked. May buffer.
    virtual bool write(const void* data, std::size_t size) = 0;
    // Flushes to disk and closes; false on failure.
    virtual bool close() = 0;
};

class FileOps {
public:
    virtual ~FileOps() = default;
    virtual bool exists(const std::string& path) = 0;
    // Creates or truncates; null when the file cannot be created.
    virtual std::unique_ptr<WritableFile> create(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // A second name for the same file; false where the file system has none.
    virtual bool link(const std::string& from, const std::string& to) = 0;
};

FileOps& realfileops();
