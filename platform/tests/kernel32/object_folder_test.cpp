// The folder of object names against hostile neighbours: a folder others may enter, default
// folders made first by another user, and locks a neighbour never lets go.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "locking_process.h"
#include "posix/named_object_posix.h"
#include "scoped_object_folder.h"
#include "vkshost.h"
#include "vkstest.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t kStranger = 65534;

// What a CreateMutexA found, as a child's exit status.
enum Outcome { kNew = 10, kExisted = 11, kDenied = 12, kTimedOut = 13, kFailed = 14 };

int outcomeOfCreating(const char *name)
{
    SetLastError(0xdeadbeef);
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name);
    const DWORD error = GetLastError();
    if (!mutex)
        return error == ERROR_ACCESS_DENIED ? kDenied : error == ERROR_TIMEOUT ? kTimedOut : kFailed;
    CloseHandle(mutex);
    return error == ERROR_SUCCESS ? kNew : error == ERROR_ALREADY_EXISTS ? kExisted : kFailed;
}

// Sets an environment variable for the test (null: unset) and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const char *value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            previous_ = old;
        set(value);
    }
    ~ScopedVariable() { set(previous_ ? previous_->c_str() : nullptr); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

    void set(const char *value)
    {
        if (value)
            setenv(name_.c_str(), value, 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// A scratch tree that plays the host: `temporary` is its /tmp (mode 1777), folders made in it
// belong to whom the test says. No folder is chosen, and the defaults start from the
// environment the test sets; what the platform tells the debugger is kept.
class ObjectFolders : public ::testing::Test {
protected:
    ObjectFolders()
    {
        std::string pattern = (fs::temp_directory_path() / "vksnames-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            root_ = pattern;
        chmod(root_.c_str(), 0755);
        temporary_ = folder("tmp", 01777, 0);
        vks::detail::posix::setTemporaryRootForTesting(temporary_.string());
        VksHostSetObjectFolder(nullptr);
        VksHostSetDebugOutput(&ObjectFolders::hear, this);
    }
    ~ObjectFolders() override
    {
        VksHostSetDebugOutput(nullptr, nullptr);
        VksHostSetObjectFolder(nullptr);
        vks::detail::posix::setTemporaryRootForTesting({});
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // A folder under the scratch tree with exactly `mode`, belonging to `owner`.
    fs::path folder(const std::string &relative, mode_t mode, uid_t owner) const
    {
        const fs::path path = root_ / relative;
        fs::create_directories(path);
        EXPECT_EQ(0, chown(path.c_str(), owner, owner));
        EXPECT_EQ(0, chmod(path.c_str(), mode));
        return path;
    }

    bool toldAbout(const fs::path &refused) const
    {
        return debugText_.find("refused the folder " + refused.string() + ":") != std::string::npos;
    }

    static bool requireRoot()
    {
        return geteuid() == 0;
    }

    fs::path root_;
    fs::path temporary_;
    std::string debugText_;
    ScopedVariable runtime_{"XDG_RUNTIME_DIR", nullptr};
    ScopedVariable data_{"XDG_DATA_HOME", nullptr};
    ScopedVariable chosen_{"VKS_OBJECT_FOLDER", nullptr};

private:
    static void hear(const char *text, void *context)
    {
        static_cast<ObjectFolders *>(context)->debugText_ += text;
    }
};

#define REQUIRE_ROOT()                                                                          \
    if (!requireRoot())                                                                        \
    GTEST_SKIP() << "a second user needs the tests to run as root, who can become user 65534"

// A folder open to others (mode 1777) lets another user take a name first, so that a new mutex
// reads as taken: it is refused, and the names go to the user's own default.
TEST_F(ObjectFolders, AFolderOthersMayWriteIsRefusedAndTheNameIsNew)
{
    REQUIRE_ROOT();
    const fs::path shared = folder("shared", 01777, 0);
    const fs::path runtime = folder("run", 0700, 0);
    runtime_.set(runtime.c_str());
    vkstest::LockingProcess stranger((shared / "n-Tray").string(),
                                     vkstest::LockingProcess::Lock::read, kStranger, 0666);
    ASSERT_TRUE(stranger.held());
    VksHostSetObjectFolder(shared.c_str());

    EXPECT_EQ(kNew, outcomeOfCreating("Tray"));
    EXPECT_TRUE(toldAbout(shared)) << debugText_;
    EXPECT_TRUE(fs::exists(runtime / "vksutil-objects" / "n-Tray"));
}

// The same folder the other way round: the stranger's file there (mode 0600) would deny a new
// mutex with error 5.
TEST_F(ObjectFolders, AStrangersFileInASharedFolderDeniesNothing)
{
    REQUIRE_ROOT();
    const fs::path shared = folder("shared", 01777, 0);
    const fs::path runtime = folder("run", 0700, kStranger);
    vkstest::LockingProcess owner((shared / "n-Tray").string(),
                                  vkstest::LockingProcess::Lock::read);
    ASSERT_TRUE(owner.held());
    runtime_.set(runtime.c_str());
    VksHostSetObjectFolder(shared.c_str());

    EXPECT_EQ(kNew, vkstest::exitStatusAs(kStranger, [] { return outcomeOfCreating("Tray"); }));
    EXPECT_TRUE(fs::exists(runtime / "vksutil-objects" / "n-Tray"));
}

// Another user can make a default folder first: the runtime folder's (left there by root), or
// the one in /tmp (made before the user's first box). The user's names go to the next default.
TEST_F(ObjectFolders, ADefaultFolderAnotherUserMadeIsPassedOver)
{
    REQUIRE_ROOT();
    const std::string userTemporary = "tmp/vksutil-objects-" + std::to_string(kStranger);
    const struct {
        const char *name;
        std::vector<std::string> rootMade;  // made by root, mode 0700
        bool runtime;
        std::string refused, used;  // under the scratch tree
    } rows[] = {
        {"root's folder in the user's runtime folder", {"run/vksutil-objects"}, true,
         "run/vksutil-objects", userTemporary},
        {"a folder in /tmp made first by another user", {userTemporary}, false, userTemporary,
         "data/vksutil/objects"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        folder("run", 0700, kStranger);
        folder("data", 0700, kStranger);
        for (const std::string &made : row.rootMade)
            folder(made, 0700, 0);
        runtime_.set(row.runtime ? (root_ / "run").c_str() : nullptr);
        data_.set((root_ / "data").c_str());
        vks::detail::posix::setTemporaryRootForTesting(temporary_.string());

        EXPECT_EQ(kNew, vkstest::exitStatusAs(kStranger, [] { return outcomeOfCreating("Box"); }));
        EXPECT_TRUE(fs::exists(root_ / row.used / "n-Box"));
        struct stat made {};
        ASSERT_EQ(0, stat((root_ / row.used).c_str(), &made));
        EXPECT_EQ(kStranger, made.st_uid);
        EXPECT_EQ(0700u, made.st_mode & 07777);

        fs::remove_all(root_ / "run");
        fs::remove_all(root_ / "data");
        fs::remove_all(root_ / userTemporary);
    }
}

// Root run with a user's environment (sudo -E) keeps out of that user's runtime folder, which
// the user could then never clear.
TEST_F(ObjectFolders, ARuntimeFolderOfAnotherUserIsLeftAlone)
{
    REQUIRE_ROOT();
    const fs::path runtime = folder("run", 0700, kStranger);
    runtime_.set(runtime.c_str());

    EXPECT_EQ(kNew, outcomeOfCreating("Box"));
    EXPECT_FALSE(fs::exists(runtime / "vksutil-objects"));
    EXPECT_TRUE(fs::exists(temporary_ / ("vksutil-objects-" + std::to_string(geteuid())) / "n-Box"));
}

// No neighbour of the same user stops a mutex for good: the folder's old lock file means
// nothing, and a name's file held for writing is waited for a bounded time, then given up.
TEST(ObjectNameLocks, ANeighboursLockStopsNoCreateForGood)
{
    const struct {
        const char *name;
        const char *lockedFile;
        int outcome;
    } rows[] = {
        {"the folder's lock file", ".lock", kNew},
        {"the name's own file", "n-Tray", kTimedOut},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedObjectFolder objects;
        {
            vkstest::LockingProcess neighbour((objects.folder() / row.lockedFile).string(),
                                              vkstest::LockingProcess::Lock::write);
            ASSERT_TRUE(neighbour.held());
            EXPECT_EQ(row.outcome, outcomeOfCreating("Tray"));
        }
        EXPECT_EQ(kNew, outcomeOfCreating("Tray")) << "once the neighbour lets go";
    }
}

}  // namespace
