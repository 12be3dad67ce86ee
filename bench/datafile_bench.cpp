// Load and save of a data file of 100,000 brews, beside the time to read the
// file whole and to copy it and flush it to disk, measured in the same run.
// Usage: datafile_bench [brews] [folder]
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/fakemessages.h"
#include "bench/benchbrews.h"
#include "records/datafile.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

double readwhole(const std::string& path)
{
    const auto start = Clock::now();
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::vector<char> buffer(std::filesystem::file_size(path));
    std::size_t got = 0;
    while (got < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return seconds(start);
}

double copyandflush(const std::string& from, const std::string& to)
{
    const auto start = Clock::now();
    const int in = ::open(from.c_str(), O_RDONLY);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> buffer(1 << 20);
    ssize_t n;
    while ((n = ::read(in, buffer.data(), buffer.size())) > 0)
        if (::write(out, buffer.data(), static_cast<std::size_t>(n)) != n)
            break;
    ::fsync(out);
    ::close(out);
    ::close(in);
    return seconds(start);
}

}  // namespace

int main(int argc, char** argv)
{
    const int brews = argc > 1 ? std::stoi(argv[1]) : 100000;
    const std::filesystem::path folder = argc > 2 ? argv[2] : std::filesystem::temp_directory_path() / "malvora-bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "malvora.dat").string();

    RecordList list;
    list.reserve(static_cast<std::size_t>(brews));
    for (int i = 0; i < brews; ++i) {
        BrewFields f = benchbrew(i);
        createnewrec(list, f);
    }
    FakeMessages messages;
    DataFile file(path);
    file.save(list, "Shopping", false, messages);  // the file to measure with

    const double read = readwhole(path);
    auto start = Clock::now();
    auto loaded = file.load(messages);
    const double load = seconds(start);

    const double copy = copyandflush(path, path + ".copy");
    start = Clock::now();
    file.save(loaded->records, loaded->shoppinglist, true, messages);
    const double save = seconds(start);

    std::printf("brews %d, file %.0f MB\n", brews, std::filesystem::file_size(path) / 1e6);
    std::printf("load  %.3f s   read whole     %.3f s   ratio %.1f (budget 10)\n", load, read, load / read);
    std::printf("save  %.3f s   copy and flush %.3f s   ratio %.1f (budget 2)\n", save, copy, save / copy);
    for (const char* suffix : {"", ".copy", "_bak"})
        std::filesystem::remove(path + suffix);
    return messages.shown.empty() ? 0 : 1;
}
