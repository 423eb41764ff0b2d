// Fixtures shared by the test suites: a private drive C and scoped host settings.
#pragma once

#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "windows.h"

namespace vkstest {

// A fresh drive C in a temporary folder, with C:\WINDOWS in it, mapped for the test's lifetime.
// The previous mapping of drive C comes back when it ends.
class ScopedDriveC {
public:
    ScopedDriveC();
    ~ScopedDriveC();
    ScopedDriveC(const ScopedDriveC &) = delete;
    ScopedDriveC &operator=(const ScopedDriveC &) = delete;

    const std::filesystem::path &root() const { return root_; }
    // The host path of a DOS-style relative path under drive C ("WINDOWS\\win.ini"); existing
    // components are matched without regard to letter case, as the platform matches them.
    std::filesystem::path host(const std::string &relative) const;
    // Writes `bytes` to the file at `relative`, creating its folders.
    void write(const std::string &relative, const std::string &bytes) const;
    // The file's bytes, or "" when it is missing.
    std::string read(const std::string &relative) const;

private:
    std::filesystem::path root_;
    std::string previous_;
};

// Fixes the tick count for the test's lifetime.
class ScopedTickCount {
public:
    explicit ScopedTickCount(DWORD ticks);
    ~ScopedTickCount();
    void set(DWORD ticks);
};

// Fixes the local clock for the test's lifetime.
class ScopedLocalTime {
public:
    explicit ScopedLocalTime(const SYSTEMTIME &now);
    ~ScopedLocalTime();
};

// Fixes the time-zone bias (UTC = local + bias, minutes) for the test's lifetime.
class ScopedTimeZoneBias {
public:
    explicit ScopedTimeZoneBias(LONG minutes);
    ~ScopedTimeZoneBias();
};

// Sets the ANSI code page for the test's lifetime, restoring 932 after it.
class ScopedCodePage {
public:
    explicit ScopedCodePage(UINT codePage);
    ~ScopedCodePage();
};

// Runs `work` in a forked child and returns its exit status (-1 when it did not exit).
template <typename Work>
int exitStatusOfChild(Work work)
{
    pid_t pid = fork();
    if (pid == 0)
        _exit(work());
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace vkstest
