// Publishing 1,000 to 1,000,000 records of short cells, against the floor: one write of a buffer
// as large as the eight files into the same folder (create or truncate, write, close).
//
// Counters: ns_per_record (publishing), floor_ns_per_record, floor_ratio (publishing time over
// floor time, both measured in the same iterations), eight_file_floor_ratio (the same over eight
// writes of the eight files' sizes, in their order), output_MB, and peak_over_output: the peak
// resident memory a run adds, measured in a child process, over the bytes it writes.

#include "publish/line_ends.h"
#include "publish/publish.h"
#include "publish/record_data.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kFiles[] = {"db.xml", "by1.xsl", "by2.xsl", "by3.xsl", "by4.xsl", "db.htm", "findT.js", "db.css"};

const Captions kCaptions {"Fruit", "Colour", "Weight", "Price"};

std::vector<Record> ShortRecords(std::size_t count)
{
    constexpr const char* kColours[] = {"Red", "Yellow", "Green", "Orange", "Purple"};
    std::vector<Record> rows;
    rows.reserve(count);
    for (std::size_t index = 0; index < count; ++index)
        rows.push_back({"Fruit " + std::to_string(index), kColours[index % 5], std::to_string(index % 997) + " g",
                        std::to_string(index % 89) + ".50"});
    return rows;
}

class BenchmarkFolder
{
public:
    BenchmarkFolder()
    {
        std::string pattern = "/tmp/tabloom-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    ~BenchmarkFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::vector<std::string> OutputFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> files;
    for (const char* name : kFiles)
        files.emplace_back(std::filesystem::file_size(folder / name), 'x');
    return files;
}

// The floor: the same number of bytes written the way the writer writes, with nothing built.
void WriteFloor(const std::filesystem::path& path, const std::string& buffer)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0 || ::write(file, buffer.data(), buffer.size()) != static_cast<ssize_t>(buffer.size()) || ::close(file) != 0)
        throw std::runtime_error("floor write failed");
}

std::size_t StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field))
            return std::stoul(line.substr(std::string_view(field).size()));
    return 0;
}

// The floor file by file: each output file's size written to a file of its own, in the order of
// publishing. On a file system that discards freed blocks at once, cutting a small file can wait
// behind the write-back of the large one before it, which the one-file floor never meets.
void WriteEightFileFloor(const std::filesystem::path& folder, const std::vector<std::string>& files)
{
    for (std::size_t index = 0; index < files.size(); ++index)
        WriteFloor(folder / ("floor-" + std::string(kFiles[index])), files[index]);
}

// The resident memory that one run adds at its peak, in bytes, measured in a child whose rows
// are made before the peak is reset; 0 when it cannot be measured.
std::size_t PeakMemoryOfARun(std::size_t records, const std::filesystem::path& folder)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return 0;
    const pid_t child = ::fork();
    if (child == 0) {
        const auto rows = ShortRecords(records);
        std::ofstream("/proc/self/clear_refs") << "5";
        const std::size_t before = StatusKilobytes("VmRSS:");
        Publish(rows, kCaptions, folder);
        const std::size_t growth = (StatusKilobytes("VmHWM:") - before) * 1024;
        [[maybe_unused]] const auto written = ::write(channel[1], &growth, sizeof growth);
        ::_exit(0);
    }
    ::close(channel[1]);
    std::size_t growth = 0;
    if (::read(channel[0], &growth, sizeof growth) != sizeof growth)
        growth = 0;
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return growth;
}

void BM_Publish(benchmark::State& state)
{
    const auto records = static_cast<std::size_t>(state.range(0));
    const auto rows = ShortRecords(records);
    BenchmarkFolder folder;
    Publish(rows, kCaptions, folder.Path());
    const auto files = OutputFiles(folder.Path());
    std::size_t outputSize = 0;
    for (const auto& file : files)
        outputSize += file.size();
    const std::string floorBuffer(outputSize, 'x');
    const auto floorPath = folder.Path() / "floor.bin";
    WriteFloor(floorPath, floorBuffer);
    WriteEightFileFloor(folder.Path(), files);

    // Each timed write starts from files that are on disk already, so that neither waits for the
    // write-back of the other.
    const int folderHandle = ::open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::syncfs(folderHandle);

    using Clock = std::chrono::steady_clock;
    Clock::duration publishing {};
    Clock::duration floor {};
    Clock::duration eightFileFloor {};
    for (auto _ : state) {
        const auto start = Clock::now();
        const PublishResult result = Publish(rows, kCaptions, folder.Path());
        const auto published = Clock::now();
        benchmark::DoNotOptimize(result);
        ::syncfs(folderHandle);
        const auto floorStart = Clock::now();
        WriteFloor(floorPath, floorBuffer);
        const auto floorWritten = Clock::now();
        ::syncfs(folderHandle);
        const auto eightFilesStart = Clock::now();
        WriteEightFileFloor(folder.Path(), files);
        const auto eightFilesWritten = Clock::now();
        ::syncfs(folderHandle);
        publishing += published - start;
        eightFileFloor += eightFilesWritten - eightFilesStart;
        floor += floorWritten - floorStart;
        state.SetIterationTime(std::chrono::duration<double>(published - start).count());
    }
    ::close(folderHandle);

    const double iterations = static_cast<double>(state.iterations());
    if (records == 0)
        return;
    const double publishNs = std::chrono::duration<double, std::nano>(publishing).count() / iterations;
    const double floorNs = std::chrono::duration<double, std::nano>(floor).count() / iterations;
    state.counters["ns_per_record"] = publishNs / static_cast<double>(records);
    state.counters["floor_ns_per_record"] = floorNs / static_cast<double>(records);
    state.counters["floor_ratio"] = publishNs / floorNs;
    state.counters["eight_file_floor_ratio"] =
        publishNs / (std::chrono::duration<double, std::nano>(eightFileFloor).count() / iterations);
    state.counters["output_MB"] = static_cast<double>(floorBuffer.size()) / 1e6;
    state.counters["peak_over_output"] =
        static_cast<double>(PeakMemoryOfARun(records, folder.Path())) / static_cast<double>(floorBuffer.size());
}

// No records: the fixed cost of the eight files, which dominates at 1,000 records.
BENCHMARK(BM_Publish)->Arg(0)->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The writer's line-feed translation of the db.xml of 100,000 records, in the writer's pieces of
// 1 MB, for each way the processor runs (0: 32 bytes at a time, 1: 16, 2: byte by byte).
void BM_TranslateLineEnds(benchmark::State& state)
{
    const auto translation = static_cast<LineEndTranslation>(state.range(0));
    const auto supported = SupportedLineEndTranslations();
    if (std::ranges::find(supported, translation) == supported.end()) {
        state.SkipWithError("this processor cannot run this way");
        return;
    }
    constexpr std::size_t kPiece = 1024 * 1024;
    const std::string text = BuildRecordData(ShortRecords(100'000));
    std::vector<char> buffer(LineEndRoom(kPiece));
    for (auto _ : state) {
        for (std::size_t start = 0; start < text.size(); start += kPiece)
            benchmark::DoNotOptimize(TranslateLineEnds(translation, std::string_view(text).substr(start, kPiece), buffer.data()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_TranslateLineEnds)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
