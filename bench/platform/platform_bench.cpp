// Speed of the file layer on files of the size the program handles: a places
// list or a year of zmanim (tens of thousands of lines), and a folder of
// mailing letters (thousands of entries) searched without regard to case.
#include "platform/encoding.h"
#include "platform/file_lookup.h"
#include "platform/raw_file.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{

namespace fs = std::filesystem;
using namespace orvane::platform;

class ScratchFolder
{
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() / ("orvane-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    [[nodiscard]] const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::vector<std::string> place_lines(int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back("Béziers " + std::to_string(i) + "\tFrance\t43°21'N\t3°13'E\t-1\tÉté");
    }
    return lines;
}

void ReadWindows1252Lines(benchmark::State& state)
{
    const ScratchFolder folder;
    const fs::path path = folder.path() / "lieu.cal";
    write_lines(path, place_lines(static_cast<int>(state.range(0))));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<std::string> lines = read_lines(path);
        benchmark::DoNotOptimize(lines.data());
        bytes = fs::file_size(path);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(ReadWindows1252Lines)->Arg(1000)->Arg(50000);

void WriteWindows1252LinesAtomically(benchmark::State& state)
{
    const ScratchFolder folder;
    const fs::path path = folder.path() / "zemanim.txt";
    const std::vector<std::string> lines = place_lines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        write_lines(path, lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}
BENCHMARK(WriteWindows1252LinesAtomically)->Arg(1000)->Arg(50000);

void EncodeWindows1252(benchmark::State& state)
{
    std::string text;
    for (const std::string& line : place_lines(10000)) {
        text += line + "\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(windows1252_from_utf8(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(EncodeWindows1252);

void LookupIgnoringCaseInALargeFolder(benchmark::State& state)
{
    const ScratchFolder folder;
    const int entries = static_cast<int>(state.range(0));
    for (int i = 0; i < entries; ++i) {
        write_bytes(folder.path() / ("Lettre_" + std::to_string(i) + ".TXT"), "");
    }
    const std::string asked = "lettre_" + std::to_string(entries / 2) + ".txt";
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookup_ignoring_case(folder.path(), asked));
    }
}
BENCHMARK(LookupIgnoringCaseInALargeFolder)->Arg(100)->Arg(2000);

void LookupExactName(benchmark::State& state)
{
    const ScratchFolder folder;
    write_bytes(folder.path() / "config.dta", "");
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookup_ignoring_case(folder.path(), "config.dta"));
    }
}
BENCHMARK(LookupExactName);

} // namespace
