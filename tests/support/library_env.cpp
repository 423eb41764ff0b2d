#include "library_env.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>

#include <gtest/gtest.h>

namespace vkstest {

namespace {

// Sets or unsets an environment variable for a while, putting the old value back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const char *valueOrNull) : name_(name)
    {
        if (const char *old = std::getenv(name))
            previous_ = old;
        if (valueOrNull)
            setenv(name, valueOrNull, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (previous_)
            setenv(name_, previous_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *name_;
    std::optional<std::string> previous_;
};

struct RunState {
    ScopedDriveC drive;
    std::filesystem::path home = drive.host("home");
    std::filesystem::path objects = drive.root() / "objects";
    ScopedVariable driveVariable{"VKS_DRIVE_C", drive.root().c_str()};
    ScopedVariable homeVariable{"HOME", home.c_str()};
    ScopedVariable configVariable{"XDG_CONFIG_HOME", nullptr};
    ScopedVariable dataVariable{"XDG_DATA_HOME", nullptr};
    ScopedVariable objectsVariable{"VKS_OBJECT_FOLDER", objects.c_str()};
    std::string executable;
};

std::unique_ptr<RunState> run;

std::string moduleFileName()
{
    char name[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, name, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        throw std::runtime_error("the test executable has no DOS path that fits MAX_PATH");
    return std::string(name, length);
}

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        run = std::make_unique<RunState>();
        std::filesystem::create_directories(run->home);
        run->executable = moduleFileName();
    }
    // Members go in reverse order: the variables come back before drive C is unmapped.
    void TearDown() override { run.reset(); }
};

[[maybe_unused]] ::testing::Environment *const registered =
    ::testing::AddGlobalTestEnvironment(new Environment);

const RunState &state()
{
    if (!run)
        throw std::logic_error("the library environment is used outside the test run");
    return *run;
}

}  // namespace

const ScopedDriveC &LibraryEnvironment::driveC()
{
    return state().drive;
}

const std::filesystem::path &LibraryEnvironment::home()
{
    return state().home;
}

const std::string &LibraryEnvironment::executableDosPath()
{
    return state().executable;
}

}  // namespace vkstest
