// The brews report and the CSV export of 100,000 brews, each beside the time
// to write the same number of bytes to a file and flush it, measured in the
// same run. Each time is the best of three, so that other work on a shared
// machine disturbs the figures less. Usage: reports_bench [brews] [folder]
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "mainform/brewrows.h"
#include "platform/fakemessages.h"
#include "bench/benchbrews.h"
#include "records/fileops.h"
#include "reports/brewsreport.h"
#include "reports/csvexport.h"
#include "reports/reportcontext.h"
#include "reports/reportfile.h"
#include "reports/reportlines.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// The brew list's cells, filled once before the clock runs.
class ListCells : public BrewListCells {
public:
    ListCells(const RecordList& records, const FormatSettings& fs)
    {
        rows_.push_back({"No.", "Brew Name", "Down", "Bottled", "Days1", "Days2", "Brew tmp", "Alc %",
                         "Min use by", "Max use by", ""});
        for (std::size_t i = 0; i < records.size(); ++i) {
            const auto texts = brewrowtexts(*records[i], fs);
            rows_.emplace_back(texts.begin(), texts.end());
            rows_.back().push_back(std::to_string(i + 1));
        }
    }
    int colcount() const override { return 11; }
    int rowcount() const override { return static_cast<int>(rows_.size()); }
    std::string cell(int col, int row) const override { return rows_[row][col]; }
    int sortcol() const override { return 0; }

private:
    std::vector<std::vector<std::string>> rows_;
};

// Writes `bytes` bytes in 1 MiB pieces and flushes the file to disk.
void writeandflush(const std::string& path, std::uintmax_t bytes)
{
    static const std::vector<char> buffer(1 << 20, 'x');
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    while (bytes > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uintmax_t>(bytes, buffer.size()));
        if (::write(fd, buffer.data(), n) != static_cast<ssize_t>(n))
            break;
        bytes -= n;
    }
    ::fsync(fd);
    ::close(fd);
}

// The processor time of this process, user and system: unlike the wall
// clock it hardly grows when other programs share the processors.
double cputime()
{
    timespec t;
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Times {
    double wall = 1e9;
    double cpu = 1e9;
};

template <typename Work>
Times bestofthree(Work work)
{
    Times best;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        const double cpustart = cputime();
        work();
        best.cpu = std::min(best.cpu, cputime() - cpustart);
        best.wall = std::min(best.wall, seconds(start));
    }
    return best;
}

void report(const char* what, Times took, const std::string& path)
{
    const auto size = std::filesystem::file_size(path);
    const Times plain = bestofthree([&] { writeandflush(path + ".plain", size); });
    std::printf("%-12s %6.1f MB  wall %.3f s, plain write %.3f s, ratio %.2f;  cpu %.3f s, plain %.3f s, ratio "
                "%.2f  (budget 2)\n",
                what, size / 1e6, took.wall, plain.wall, took.wall / plain.wall, took.cpu, plain.cpu,
                took.cpu / plain.cpu);
    std::filesystem::remove(path + ".plain");
}

}  // namespace

int main(int argc, char** argv)
{
    const int brews = argc > 1 ? std::stoi(argv[1]) : 100000;
    const std::filesystem::path folder = argc > 2 ? argv[2] : std::filesystem::temp_directory_path() / "malvora-bench";
    std::filesystem::create_directories(folder);

    RecordList list;
    list.reserve(static_cast<std::size_t>(brews));
    for (int i = 0; i < brews; ++i) {
        BrewFields f = benchbrew(i);
        f.recordtype = i % 3;
        f.fermkgused = i % 3 ? 1.25 : notgivenreal;
        f.notes = "Brewed on a cold day, \"very\" clear.\r\nBottled early.";
        createnewrec(list, f);
    }
    ReportContext ctx;
    ctx.today = 45600;
    const ListCells cells(list, ctx.fs);
    FakeMessages messages;

    const std::string html = (folder / brewsreportfile).string();
    const Times brewsreport = bestofthree([&] {
        writereportfile(realfileops(), messages, html, reportfailmessage,
                        [&](ReportLines& out) { writebrewsreport(out, list, cells, ctx); });
    });

    const std::string csv = (folder / csvdefaultname).string();
    const Times csvexport = bestofthree([&] { writecsvfile(realfileops(), messages, csv, list, ctx.fs); });

    std::printf("brews %d\n", brews);
    report("brews report", brewsreport, html);
    report("csv export", csvexport, csv);
    std::filesystem::remove(html);
    std::filesystem::remove(csv);
    return messages.shown.empty() ? 0 : 1;
}
