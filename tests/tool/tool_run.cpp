#include "tool_run.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tooltest {

namespace fs = std::filesystem;

namespace {

constexpr uid_t kUnprivilegedId = 65534;

fs::path makeTempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "vkstool-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    // Open to an unprivileged run of the tool.
    fs::permissions(pattern, fs::perms::owner_all | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec);
    return pattern;
}

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void redirect(const fs::path &path, int fd)
{
    int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (file < 0 || dup2(file, fd) < 0)
        _exit(125);
    close(file);
}

// In the child: everything up to exec, without returning.
[[noreturn]] void startTool(const std::vector<std::string> &argv, const RunOptions &options,
                            const fs::path &outPath, const fs::path &errPath)
{
    redirect(outPath, STDOUT_FILENO);
    redirect(errPath, STDERR_FILENO);
    if (!options.workingFolder.empty()) {
        if (chdir(options.workingFolder.c_str()) != 0)
            _exit(125);
        if (options.removeWorkingFolder && rmdir(options.workingFolder.c_str()) != 0)
            _exit(125);
    }
    if (options.unprivileged && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedId) != 0 ||
         setuid(kUnprivilegedId) != 0))
        _exit(125);
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    // The messages do not depend on the machine's locale, and the tool runs on the build
    // tree's libraries, not on an installed copy the environment may name.
    setenv("LC_ALL", "C", 1);
    unsetenv("VKS_DRIVE_C");
    unsetenv("LD_LIBRARY_PATH");
    execv(args[0], args.data());
    _exit(127);
}

}  // namespace

bool runningAsRoot()
{
    return geteuid() == 0;
}

SampleDrive::SampleDrive() : root_(makeTempFolder())
{
    fs::copy(VKS_SAMPLE_DRIVE_C, root_ / "drive_c", fs::copy_options::recursive);
    root_ /= "drive_c";
}

SampleDrive::~SampleDrive()
{
    std::error_code ignored;
    const fs::path folder = root_.parent_path();
    for (const auto &entry : fs::recursive_directory_iterator(folder, ignored))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
}

void SampleDrive::makeReadOnly() const
{
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto &entry : fs::recursive_directory_iterator(root_))
        fs::permissions(entry.path(), writable, fs::perm_options::remove);
    fs::permissions(root_, writable, fs::perm_options::remove);
}

Outcome SampleDrive::run(const std::vector<std::string> &args, const RunOptions &options) const
{
    std::vector<std::string> argv = {VKS_TOOL, "--drive-c", root_.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    const fs::path outPath = root_.parent_path() / "stdout.txt";
    const fs::path errPath = root_.parent_path() / "stderr.txt";

    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start the tool");
    if (child == 0)
        startTool(argv, options, outPath, errPath);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    Outcome outcome;
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.out = fileText(outPath);
    outcome.err = fileText(errPath);
    return outcome;
}

}  // namespace tooltest
