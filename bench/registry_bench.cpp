// The cost of the registry functions against the file system calls they cannot avoid: writing
// one value into a key that holds N values against a plain rewrite of the registry file's bytes
// (temporary file, then rename), and reading one value against one stat() of the file. Each
// benchmark reports its ratio as a counter; the argument is N.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "vkshost.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr char kKey[] = "Software\\Bench\\Values";

// A private drive C whose registry holds one key with `values` string values.
class BenchRegistry {
public:
    explicit BenchRegistry(int values)
    {
        std::string pattern = (fs::temp_directory_path() / "vksregbench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        root_ = pattern;
        fs::create_directories(root_ / "WINDOWS");
        VksHostSetDrive('C', root_.c_str());
        std::ofstream(filePath(), std::ios::binary) << registryText(values);
        if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kKey, &key_) != ERROR_SUCCESS)
            std::abort();
    }
    ~BenchRegistry()
    {
        RegCloseKey(key_);
        VksHostSetDrive('C', nullptr);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    HKEY key() const { return key_; }
    std::string filePath() const { return (root_ / "WINDOWS" / "VKSREG.DAT").string(); }
    std::string fileBytes() const
    {
        std::ifstream in(filePath(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

private:
    static std::string registryText(int values)
    {
        std::string text = "[HKEY_LOCAL_MACHINE\\Software\\Bench\\Values]\r\n";
        for (int i = 0; i < values; ++i)
            text += "\"Value" + std::to_string(i) + "\"=sz:\"the text of value " +
                    std::to_string(i) + " in a key of " + std::to_string(values) + "\"\r\n";
        return text;
    }

    fs::path root_;
    HKEY key_ = nullptr;
};

template <typename Work>
double secondsOf(Work work)
{
    auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void plainRewrite(const std::string &path, const std::string &bytes)
{
    std::string temp = path + ".plain";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    close(fd);
    if (rename(temp.c_str(), path.c_str()) != 0)
        std::abort();
}

// Each iteration times one value written into the middle of the key and, right after it, one
// plain rewrite of a copy of the registry file, so that a busy machine weighs on both alike.
void BM_WriteOneValuePerPlainRewrite(benchmark::State &state)
{
    const int values = static_cast<int>(state.range(0));
    BenchRegistry registry(values);
    const std::string name = "Value" + std::to_string(values / 2);
    const std::string copy = registry.filePath() + ".copy";
    std::string bytes;
    int writes = 0;
    double writeSeconds = 0;
    double rewriteSeconds = 0;
    for (auto _ : state) {
        // A new text each time, so that every call rewrites the file.
        std::string text = "changed " + std::to_string(writes++ % 10);
        double written = secondsOf([&] {
            if (RegSetValueExA(registry.key(), name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE *>(text.c_str()),
                               static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
                state.SkipWithError("write failed");
        });
        if (bytes.empty())
            bytes = registry.fileBytes();
        rewriteSeconds += secondsOf([&] { plainRewrite(copy, bytes); });
        writeSeconds += written;
        state.SetIterationTime(written);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.counters["rewrite_ns"] = rewriteSeconds / writes * 1e9;
    state.counters["write_per_rewrite"] = writeSeconds / rewriteSeconds;
}
BENCHMARK(BM_WriteOneValuePerPlainRewrite)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime();

// Each iteration times one value read from the key and one stat() of the registry file.
void BM_ReadOneValuePerStat(benchmark::State &state)
{
    const int values = static_cast<int>(state.range(0));
    BenchRegistry registry(values);
    const std::string path = registry.filePath();
    const std::string names[] = {"Value0", "value" + std::to_string(values / 2),
                                 "VALUE" + std::to_string(values - 1)};
    int reads = 0;
    double readSeconds = 0;
    double statSeconds = 0;
    for (auto _ : state) {
        char text[128];
        DWORD size = sizeof text;
        double read = secondsOf([&] {
            if (RegQueryValueExA(registry.key(), names[reads++ % 3].c_str(), nullptr, nullptr,
                                 reinterpret_cast<BYTE *>(text), &size) != ERROR_SUCCESS)
                state.SkipWithError("read failed");
        });
        statSeconds += secondsOf([&] {
            struct stat st;
            benchmark::DoNotOptimize(stat(path.c_str(), &st));
        });
        readSeconds += read;
        state.SetIterationTime(read);
    }
    state.counters["stat_ns"] = statSeconds / reads * 1e9;
    state.counters["read_per_stat"] = readSeconds / statSeconds;
}
BENCHMARK(BM_ReadOneValuePerStat)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
