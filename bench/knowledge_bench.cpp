// Knowledge-base search over a 100 MB know.dat, against `grep -ciF` over the
// same text unpacked. Budget: under 3 times grep's time.
//   knowledge_bench [KNOW.DAT]
// The articles come from the know.dat that the build puts in the program folder,
// repeated until the file reaches 100 MB.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "knowledge/fragments.h"
#include "knowledge/kbsearch.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t targetsize = 100u << 20;

struct Counter : KbSearchEvents {
    std::size_t articles = 0;
    void started(std::int64_t) override {}
    void found(const KbEntry&, bool) override { ++articles; }
    bool pause(std::int64_t) override { return false; }
};

std::string readfile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writerepeated(const fs::path& path, const std::string& unit, std::size_t times)
{
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < times; ++i)
        out << unit;
}

template <typename F>
double bestof3(F run)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[])
{
    const fs::path know = argc > 1 ? fs::path(argv[1]) : fs::path(MALVORA_PROGRAM_DIR) / "know.dat";
    const std::string packed = readfile(know);
    if (packed.empty()) {
        std::cerr << know << ": no knowledge base to repeat\n";
        return 2;
    }
    const fs::path folder = fs::temp_directory_path() / "malvora-kb-bench";
    fs::create_directories(folder);
    const fs::path bigpacked = folder / "know.dat";
    const fs::path bigtext = folder / "know.txt";
    const std::size_t times = targetsize / packed.size() + 1;
    writerepeated(bigpacked, packed, times);
    writerepeated(bigtext, expand(packed), times);
    std::cout << "packed " << fs::file_size(bigpacked) / 1e6 << " MB, unpacked " << fs::file_size(bigtext) / 1e6
              << " MB\n";

    bool within = true;
    for (const std::string word : {"yeast", "hydrometer", "no such words"}) {
        Counter counter;
        const double search = bestof3([&] {
            counter.articles = 0;
            kbsearch(bigpacked.string(), word, counter);
        });
        // Not to /dev/null: grep stops at the first match when it sees that.
        const std::string grep =
            "grep -ciF '" + word + "' " + bigtext.string() + " > " + (folder / "count").string();
        const double grepped = bestof3([&] { (void)std::system(grep.c_str()); });
        const double ratio = search / grepped;
        within = within && ratio < 3.0;
        std::printf("%-14s search %.3f s (%zu articles), grep -ciF %.3f s, ratio %.2f (budget 3)\n", word.c_str(),
                    search, counter.articles, grepped, ratio);
    }
    fs::remove_all(folder);
    std::cout << (within ? "within budget\n" : "OVER BUDGET\n");
    return within ? 0 : 1;
}
