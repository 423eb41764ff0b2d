// Profiles of every size: a hot read of the first and of the last key of files of 1 KB, 1 MB,
// 10 MB and 50 MB against one stat() of the same file (the call a read cannot avoid, since it
// must see a change on disk), and the memory a process holds after its first read of the 50 MB
// file. Each ratio comes from the same run: the read and the stat() alternate, one of each per
// iteration; the memory is the peak resident size (getrusage) of a new process of this program
// that did nothing but that read, divided by the file's size.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "paired_samples.h"
#include "vkshost.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;
using benchsupport::PairedSamples;
using benchsupport::secondsOf;

constexpr int kKeysPerSection = 10;

// A profile of about `bytes` bytes in the Windows directory of a private drive C: sections of
// ten keys, "Key3=value of key 3 in section 41", written a section at a time so that making
// it holds no copy in memory.
class SizedProfile {
public:
    explicit SizedProfile(std::size_t bytes)
    {
        std::string pattern = (fs::temp_directory_path() / "vkssize-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        root_ = pattern;
        fs::create_directories(root_ / "WINDOWS");
        VksHostSetDrive('C', root_.c_str());
        std::ofstream out(hostPath(), std::ios::binary);
        std::size_t written = 0;
        for (sections_ = 0; written < bytes || sections_ == 0; ++sections_) {
            std::string text = "[Section" + std::to_string(sections_) + "]\r\n";
            for (int key = 0; key < kKeysPerSection; ++key)
                text += "Key" + std::to_string(key) + "=value of key " + std::to_string(key) +
                        " in section " + std::to_string(sections_) + "\r\n";
            out << text;
            written += text.size();
        }
        out.close();
        size_ = written;
        // The cache trusts a file's stamp once the file clock has moved past its last change.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ~SizedProfile()
    {
        VksHostSetDrive('C', nullptr);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string root() const { return root_.string(); }
    std::string hostPath() const { return (root_ / "WINDOWS" / "sized.ini").string(); }
    std::size_t size() const { return size_; }
    std::string lastSection() const { return "Section" + std::to_string(sections_ - 1); }

    static constexpr char kDosPath[] = "C:\\WINDOWS\\sized.ini";

private:
    fs::path root_;
    int sections_ = 0;
    std::size_t size_ = 0;
};

constexpr std::size_t kSizes[] = {1 << 10, 1 << 20, 10 << 20, 50 << 20};

// Arguments: the file's size (an index into kSizes), then 0 for the first key, 1 for the last.
void BM_HotReadPerStat(benchmark::State &state)
{
    SizedProfile profile(kSizes[state.range(0)]);
    const bool last = state.range(1) != 0;
    const std::string section = last ? profile.lastSection() : "Section0";
    const char *key = last ? "Key9" : "Key0";
    const std::string path = profile.hostPath();
    char buffer[64];
    // The first read parses the file; the benchmark times the reads after it.
    if (GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer,
                                 SizedProfile::kDosPath) == 0)
        state.SkipWithError("the key was not read");
    PairedSamples samples;
    for (auto _ : state) {
        double read = secondsOf([&] {
            benchmark::DoNotOptimize(GetPrivateProfileStringA(section.c_str(), key, "", buffer,
                                                              sizeof buffer,
                                                              SizedProfile::kDosPath));
        });
        samples.add(read, secondsOf([&] {
            struct stat st;
            benchmark::DoNotOptimize(stat(path.c_str(), &st));
        }));
        state.SetIterationTime(read);
    }
    state.counters["file_bytes"] = static_cast<double>(profile.size());
    state.counters["stat_ns"] = samples.secondMedianNs();
    state.counters["read_per_stat"] = samples.meanRatio();
    state.counters["read_per_stat_median"] = samples.medianRatio();
}
BENCHMARK(BM_HotReadPerStat)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->ArgNames({"size", "last"})
    ->UseManualTime();

constexpr char kChildFlag[] = "--first-read-of-drive=";

// In a new process of this program: the peak resident size after nothing but the first read
// of one key of the profile on drive C at `driveRoot`, in bytes.
long freshProcessPeakAfterFirstRead(const std::string &driveRoot)
{
    std::string command = "'";
    command += fs::read_symlink("/proc/self/exe").string();
    command += "' ";
    command += kChildFlag;
    command += "'";
    command += driveRoot;
    command += "'";
    FILE *child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    long peak = -1;
    if (std::fscanf(child, "%ld", &peak) != 1)
        peak = -1;
    return pclose(child) == 0 ? peak : -1;
}

int firstReadChild(const char *driveRoot)
{
    VksHostSetDrive('C', driveRoot);
    char buffer[64];
    if (GetPrivateProfileStringA("Section0", "Key0", "", buffer, sizeof buffer,
                                 SizedProfile::kDosPath) == 0)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss * 1024L);
    return 0;
}

void BM_ResidentAfterFirstReadPerFileSize(benchmark::State &state)
{
    SizedProfile profile(kSizes[3]);
    long peak = 0;
    for (auto _ : state)
        peak = freshProcessPeakAfterFirstRead(profile.root());
    if (peak <= 0)
        state.SkipWithError("the child process did not report");
    state.counters["file_mb"] = static_cast<double>(profile.size()) / (1 << 20);
    state.counters["peak_rss_mb"] = static_cast<double>(peak) / (1 << 20);
    state.counters["rss_per_file"] =
        static_cast<double>(peak) / static_cast<double>(profile.size());
}
BENCHMARK(BM_ResidentAfterFirstReadPerFileSize)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::string(argv[1]).rfind(kChildFlag, 0) == 0)
        return firstReadChild(argv[1] + std::strlen(kChildFlag));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
