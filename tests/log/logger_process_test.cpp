// Several processes logging at once on a drive where the product has never run: the first of
// them registers the event source while the others already want to write.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "vkstest.h"

namespace {

namespace fs = std::filesystem;

// Starts the log writer with `name` and `lines` on drive C `root`; it waits for `gate` to close.
pid_t startWriter(const fs::path &root, int gate[2], const std::string &name, int lines)
{
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    dup2(gate[0], STDIN_FILENO);
    close(gate[0]);
    close(gate[1]);
    setenv("VKS_DRIVE_C", root.c_str(), 1);
    const std::string count = std::to_string(lines);
    execl(VKS_LOG_WRITER, VKS_LOG_WRITER, name.c_str(), count.c_str(), static_cast<char *>(nullptr));
    _exit(127);
}

// How often each string line ("> text") occurs in the day files below `root`.
std::map<std::string, int> loggedLines(const fs::path &root)
{
    std::map<std::string, int> seen;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != 11 || strncasecmp(name.c_str(), "VEL", 3) != 0 ||
            strcasecmp(name.c_str() + 7, ".LOG") != 0)
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.rfind("> ", 0) == 0)
                ++seen[line.substr(2)];
        }
    }
    return seen;
}

TEST(LoggerProcesses, EightFirstRunsAtOnceLoseNoLine)
{
    constexpr int kWriters = 8;
    constexpr int kLines = 100;
    vkstest::ScopedDriveC drive;  // no registry, no log folder yet
    int gate[2];
    ASSERT_EQ(0, pipe(gate));
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        pid_t pid = startWriter(drive.root(), gate, "writer" + std::to_string(writer), kLines);
        ASSERT_GT(pid, 0);
        writers.push_back(pid);
    }
    close(gate[0]);
    close(gate[1]);
    for (size_t writer = 0; writer < writers.size(); ++writer) {
        int status = -1;
        ASSERT_EQ(writers[writer], waitpid(writers[writer], &status, 0));
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(0, WEXITSTATUS(status)) << "writer " << writer << " (3: the log did not open)";
    }

    std::map<std::string, int> seen = loggedLines(drive.root());
    std::vector<std::string> lostOrRepeated;
    for (int writer = 0; writer < kWriters; ++writer)
        for (int line = 0; line < kLines; ++line) {
            const std::string text = "writer" + std::to_string(writer) + " line " + std::to_string(line);
            if (seen[text] != 1)
                lostOrRepeated.push_back(text + " x" + std::to_string(seen[text]));
        }
    EXPECT_EQ(std::vector<std::string>{}, lostOrRepeated);
    EXPECT_EQ(static_cast<size_t>(kWriters * kLines), seen.size()) << "no line logged that was not written";
}

}  // namespace
