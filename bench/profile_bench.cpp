// The cost of the profile functions against the file system calls they cannot avoid: reading one
// key against one stat() of the file, and writing one value against a plain rewrite of the file
// (temporary file, then rename). Each benchmark reports its ratio as a counter: the ratio of the
// total times of the two interleaved series, and beside it the ratio of their medians, which
// leaves out the calls that a journal commit of the file system happened to stall.
//
// GetPrivateProfileIntA and a section's key list are weighed against a string read that copies
// as much. Another benchmark prices durability: the plain rewrite with the file's data and its
// folder synced to disk, against the same rewrite without. The last weighs a key of win.ini's
// [intl] that the host's locale answers against a key that win.ini itself holds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
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

constexpr char kDosPath[] = "C:\\WINDOWS\\bench.ini";

// A private drive C with a 40-section, 400-key profile in its Windows directory.
class BenchDrive {
public:
    BenchDrive()
    {
        std::string pattern = (fs::temp_directory_path() / "vksbench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        root_ = pattern;
        fs::create_directories(root_ / "WINDOWS");
        VksHostSetDrive('C', root_.c_str());
        std::ofstream(iniPath(), std::ios::binary) << profileText();
        // The cache trusts a file's stamp once the file clock has moved past its last change;
        // until then every read looks at the bytes again.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ~BenchDrive()
    {
        VksHostSetDrive('C', nullptr);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string iniPath() const { return (root_ / "WINDOWS" / "bench.ini").string(); }

    // 40 sections of 10 keys, then [many]: 200 keys of 10 characters, a number, and a value as
    // long as the list of those 200 names.
    static std::string profileText()
    {
        std::string text;
        for (int section = 0; section < 40; ++section) {
            text += "[Section" + std::to_string(section) + "]\r\n";
            for (int key = 0; key < 10; ++key)
                text += "Key" + std::to_string(key) + "=value of key " + std::to_string(key) +
                        " in section " + std::to_string(section) + "\r\n";
        }
        text += "[many]\r\nnumber=1234567\r\nlong=" + std::string(kListBytes, 'x') + "\r\n";
        for (int key = 0; key < 200; ++key) {
            char name[16];
            std::snprintf(name, sizeof name, "key%07d", key);
            text += std::string(name) + "=" + std::to_string(key) + "\r\n";
        }
        return text;
    }

    // The key list of [many]: 200 names of 10 characters and their NULs, and "number" and
    // "long".
    static constexpr std::size_t kListBytes = 200 * 11 + 7 + 5;

private:
    fs::path root_;
};

void syncFolderOf(const std::string &path)
{
    int folder = open(path.substr(0, path.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0 || fsync(folder) != 0)
        std::abort();
    close(folder);
}

// A new file, then a rename over the old one; with `durable`, the data reaches the disk before
// the rename and the rename before the return.
void plainRewrite(const std::string &path, const std::string &bytes, bool durable = false)
{
    std::string temp = path + ".plain";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    if (durable && fdatasync(fd) != 0)
        std::abort();
    close(fd);
    if (rename(temp.c_str(), path.c_str()) != 0)
        std::abort();
    if (durable)
        syncFolderOf(path);
}

void readOneKey(int i)
{
    char buffer[64];
    const char *sections[] = {"Section7", "section23", "SECTION39"};
    benchmark::DoNotOptimize(
        GetPrivateProfileStringA(sections[i % 3], "key5", "", buffer, sizeof buffer, kDosPath));
}

// Each iteration times one read and, right after it, one stat() of the same file, so that a busy
// machine weighs on both alike. The benchmark's time is the reads' alone.
void BM_ReadOneKeyPerStat(benchmark::State &state)
{
    BenchDrive drive;
    std::string path = drive.iniPath();
    int reads = 0;
    PairedSamples samples;
    for (auto _ : state) {
        double read = secondsOf([&] { readOneKey(reads++); });
        samples.add(read, secondsOf([&] {
            struct stat st;
            benchmark::DoNotOptimize(stat(path.c_str(), &st));
        }));
        state.SetIterationTime(read);
    }
    state.counters["stat_ns"] = samples.secondMedianNs();
    state.counters["read_per_stat"] = samples.meanRatio();
    state.counters["read_per_stat_median"] = samples.medianRatio();
}
BENCHMARK(BM_ReadOneKeyPerStat)->UseManualTime();

// The number a value holds, against the same value read as a string.
void BM_IntPerStringRead(benchmark::State &state)
{
    BenchDrive drive;
    char buffer[64];
    PairedSamples samples;
    for (auto _ : state) {
        double number = secondsOf([&] {
            benchmark::DoNotOptimize(GetPrivateProfileIntA("many", "number", 0, kDosPath));
        });
        samples.add(number, secondsOf([&] {
            benchmark::DoNotOptimize(
                GetPrivateProfileStringA("many", "number", "", buffer, sizeof buffer, kDosPath));
        }));
        state.SetIterationTime(number);
    }
    state.counters["string_read_ns"] = samples.secondMedianNs();
    state.counters["int_per_string"] = samples.meanRatio();
    state.counters["int_per_string_median"] = samples.medianRatio();
}
BENCHMARK(BM_IntPerStringRead)->UseManualTime();

// The list of a section's 202 keys (a null key), against a string read that copies as many
// bytes: a value as long as the list.
void BM_KeyListPerStringRead(benchmark::State &state)
{
    BenchDrive drive;
    std::vector<char> buffer(BenchDrive::kListBytes + 64);
    const auto size = static_cast<DWORD>(buffer.size());
    if (GetPrivateProfileStringA("many", nullptr, "", buffer.data(), size, kDosPath) !=
            BenchDrive::kListBytes ||
        GetPrivateProfileStringA("many", "long", "", buffer.data(), size, kDosPath) !=
            BenchDrive::kListBytes)
        state.SkipWithError("the list and the long value differ in length");
    PairedSamples samples;
    for (auto _ : state) {
        double list = secondsOf([&] {
            benchmark::DoNotOptimize(
                GetPrivateProfileStringA("many", nullptr, "", buffer.data(), size, kDosPath));
        });
        samples.add(list, secondsOf([&] {
            benchmark::DoNotOptimize(
                GetPrivateProfileStringA("many", "long", "", buffer.data(), size, kDosPath));
        }));
        state.SetIterationTime(list);
    }
    state.counters["string_read_ns"] = samples.secondMedianNs();
    state.counters["list_per_string"] = samples.meanRatio();
    state.counters["list_per_string_median"] = samples.medianRatio();
}
BENCHMARK(BM_KeyListPerStringRead)->UseManualTime();

// Each iteration times one profile write and one plain rewrite of a copy of the same file.
void BM_WriteOneValuePerPlainRewrite(benchmark::State &state)
{
    BenchDrive drive;
    std::string copy = drive.iniPath() + ".copy";
    std::string bytes = BenchDrive::profileText();
    int writes = 0;
    PairedSamples samples;
    for (auto _ : state) {
        // A new value each time, so that every call rewrites the file.
        std::string value = "value " + std::to_string(writes++ % 10);
        double written = secondsOf([&] {
            if (!WritePrivateProfileStringA("Section23", "Key5", value.c_str(), kDosPath))
                state.SkipWithError("write failed");
        });
        samples.add(written, secondsOf([&] { plainRewrite(copy, bytes); }));
        state.SetIterationTime(written);
    }
    state.counters["rewrite_ns"] = samples.secondMedianNs();
    state.counters["write_per_rewrite"] = samples.meanRatio();
    state.counters["write_per_rewrite_median"] = samples.medianRatio();
}
BENCHMARK(BM_WriteOneValuePerPlainRewrite)->UseManualTime();

// What a write would cost if it synced the new file and its folder before returning.
void BM_SyncedRewritePerPlainRewrite(benchmark::State &state)
{
    BenchDrive drive;
    std::string synced = drive.iniPath() + ".synced";
    std::string plain = drive.iniPath() + ".copy";
    std::string bytes = BenchDrive::profileText();
    PairedSamples samples;
    for (auto _ : state) {
        double durable = secondsOf([&] { plainRewrite(synced, bytes, true); });
        samples.add(durable, secondsOf([&] { plainRewrite(plain, bytes); }));
        state.SetIterationTime(durable);
    }
    state.counters["rewrite_ns"] = samples.secondMedianNs();
    state.counters["synced_per_rewrite"] = samples.meanRatio();
    state.counters["synced_per_rewrite_median"] = samples.medianRatio();
}
BENCHMARK(BM_SyncedRewritePerPlainRewrite)->UseManualTime();

// Each iteration reads one [intl] key that the locale answers (win.ini lacks it) and one key
// that win.ini holds.
void BM_RegionalReadPerWinIniRead(benchmark::State &state)
{
    BenchDrive drive;
    std::ofstream(drive.iniPath().substr(0, drive.iniPath().rfind('/')) + "/win.ini",
                  std::ios::binary)
        << "[windows]\r\nload=\r\nrun=\r\n\r\n[intl]\r\niCountry=49\r\n";
    VksHostSetRegionalLocale("de_DE.UTF-8");
    char buffer[64];
    if (GetProfileStringA("intl", "sShortDate", "", buffer, sizeof buffer) == 0)
        state.SkipWithError("the locale de_DE.UTF-8 is missing (localedef -i de_DE -f UTF-8)");
    PairedSamples samples;
    for (auto _ : state) {
        double regional = secondsOf([&] {
            benchmark::DoNotOptimize(
                GetProfileStringA("intl", "sShortDate", "", buffer, sizeof buffer));
        });
        samples.add(regional, secondsOf([&] {
            benchmark::DoNotOptimize(GetProfileStringA("intl", "iCountry", "", buffer,
                                                       sizeof buffer));
        }));
        state.SetIterationTime(regional);
    }
    VksHostSetRegionalLocale(nullptr);
    state.counters["regional_per_file_read"] = samples.meanRatio();
    state.counters["regional_per_file_read_median"] = samples.medianRatio();
}
BENCHMARK(BM_RegionalReadPerWinIniRead)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
