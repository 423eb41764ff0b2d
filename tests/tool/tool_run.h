// Runs the built tool as a separate process on a copy of the sample drive C.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tooltest {

struct Outcome {
    int exitCode = -1;  // 128 + the signal when the tool was killed
    std::string out;
    std::string err;
};

struct RunOptions {
    // The working folder of the tool; empty: the test's own.
    std::filesystem::path workingFolder;
    // Removes the working folder once the tool has it as its working folder.
    bool removeWorkingFolder = false;
    // Runs the tool as the unprivileged user 65534, for whom permissions hold.
    bool unprivileged = false;
};

// A fresh copy of the sample drive C in a temporary folder, removed at the end of the test.
class SampleDrive {
public:
    SampleDrive();
    ~SampleDrive();
    SampleDrive(const SampleDrive &) = delete;
    SampleDrive &operator=(const SampleDrive &) = delete;

    const std::filesystem::path &root() const { return root_; }
    // The host path of a path under the drive, such as "WINDOWS/win.ini".
    std::filesystem::path host(const std::string &relative) const { return root_ / relative; }

    // `vksutil --drive-c ROOT args...`.
    Outcome run(const std::vector<std::string> &args, const RunOptions &options = {}) const;

    // Takes the write permission from every file and folder of the drive (undone at the end).
    void makeReadOnly() const;

private:
    std::filesystem::path root_;
};

// True when the tests run as root, for whom file permissions do not hold.
bool runningAsRoot();

}  // namespace tooltest
