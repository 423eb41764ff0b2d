// Mutexes: names, ownership, handles, and names shared with other processes.
#include <csignal>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "scoped_object_folder.h"
#include "vkstest.h"
#include "windows.h"

namespace {

// Closes the handles a test opened, whatever it asserted.
class Mutexes : public ::testing::Test {
protected:
    ~Mutexes() override
    {
        for (HANDLE handle : opened_)
            CloseHandle(handle);
    }

    // CreateMutexA with the error sentinel set; the handle is closed after the test.
    HANDLE create(const char *name, BOOL owned, DWORD &error)
    {
        SetLastError(0xdeadbeef);
        HANDLE handle = CreateMutexA(nullptr, owned, name);
        error = GetLastError();
        if (handle)
            opened_.push_back(handle);
        return handle;
    }

    // Whether creating `name` now finds it existing; the handle is closed at once.
    static bool existsNow(const char *name)
    {
        HANDLE handle = CreateMutexA(nullptr, FALSE, name);
        const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
        CloseHandle(handle);
        return existed;
    }

    vkstest::ScopedObjectFolder objects;
    std::vector<HANDLE> opened_;
};

TEST_F(Mutexes, NamesAreCaseSensitiveAndLocalIsTheBareNamesNamespace)
{
    DWORD error = 0;
    ASSERT_NE(nullptr, create("Tray", TRUE, error));
    EXPECT_EQ(ERROR_SUCCESS, error);

    const struct {
        const char *name;
        DWORD error;
    } kCases[] = {
        {"Tray", ERROR_ALREADY_EXISTS},
        {"Local\\Tray", ERROR_ALREADY_EXISTS},
        {"tray", ERROR_SUCCESS},
        {"Global\\Tray", ERROR_SUCCESS},
        {"Tray ", ERROR_SUCCESS},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_NE(nullptr, create(row.name, FALSE, error));
        EXPECT_EQ(row.error, error);
    }
}

TEST_F(Mutexes, RefusesNamesThatAreTooLongOrNameAFolder)
{
    const std::string longest(MAX_PATH, 'm');
    const std::string tooLong(MAX_PATH + 1, 'm');
    const struct {
        const char *what;
        std::string name;
        bool made;
        DWORD error;
    } kCases[] = {
        {"MAX_PATH bytes", longest, true, ERROR_SUCCESS},
        {"one byte more", tooLong, false, ERROR_FILENAME_EXCED_RANGE},
        {"a folder", "Folder\\Tray", false, ERROR_PATH_NOT_FOUND},
        {"a folder under Global", "Global\\Folder\\Tray", false, ERROR_PATH_NOT_FOUND},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        DWORD error = 0;
        EXPECT_EQ(row.made, create(row.name.c_str(), FALSE, error) != nullptr);
        EXPECT_EQ(row.error, error);
    }
}

// Long names are shortened into file names; names that differ only in their last byte or in
// letter case still name different mutexes.
TEST_F(Mutexes, LongNamesThatDifferLateStayApart)
{
    const std::string base(MAX_PATH - 1, 'x');
    DWORD error = 0;
    for (const std::string &name : {base + "a", base + "b", base + "A"}) {
        SCOPED_TRACE(name.substr(name.size() - 1));
        EXPECT_NE(nullptr, create(name.c_str(), FALSE, error));
        EXPECT_EQ(ERROR_SUCCESS, error);
    }
}

TEST_F(Mutexes, UnnamedMutexesAreEachTheirOwn)
{
    for (const char *name : {static_cast<const char *>(nullptr), "", ""}) {
        DWORD error = 0;
        EXPECT_NE(nullptr, create(name, TRUE, error));
        EXPECT_EQ(ERROR_SUCCESS, error);
    }
}

TEST_F(Mutexes, OnlyTheOwningThreadReleasesAndOnlyOnce)
{
    DWORD error = 0;
    const HANDLE owned = create("Owned", TRUE, error);
    ASSERT_NE(nullptr, owned);

    BOOL releasedElsewhere = TRUE;
    DWORD errorElsewhere = 0;
    std::thread([&] {
        SetLastError(0xdeadbeef);
        releasedElsewhere = ReleaseMutex(owned);
        errorElsewhere = GetLastError();
    }).join();
    EXPECT_FALSE(releasedElsewhere);
    EXPECT_EQ(ERROR_NOT_OWNER, errorElsewhere);

    EXPECT_TRUE(ReleaseMutex(owned));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(ReleaseMutex(owned));
    EXPECT_EQ(ERROR_NOT_OWNER, GetLastError());
}

// Opening an existing name ignores the request for ownership: the second handle owns nothing.
TEST_F(Mutexes, OpeningAnExistingNameDoesNotTakeOwnership)
{
    DWORD error = 0;
    const HANDLE first = create("Shared", FALSE, error);
    const HANDLE second = create("Shared", TRUE, error);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(ERROR_ALREADY_EXISTS, error);
    EXPECT_NE(first, second);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(ReleaseMutex(second));
    EXPECT_EQ(ERROR_NOT_OWNER, GetLastError());
}

TEST_F(Mutexes, TheNameGoesWithTheLastHandle)
{
    HANDLE first = CreateMutexA(nullptr, TRUE, "Last");
    HANDLE second = CreateMutexA(nullptr, FALSE, "Last");
    ASSERT_TRUE(CloseHandle(first));
    EXPECT_TRUE(existsNow("Last"));
    ASSERT_TRUE(CloseHandle(second));
    EXPECT_FALSE(existsNow("Last"));
}

TEST_F(Mutexes, ClosedAndUnknownHandlesAreRefused)
{
    HANDLE closed = CreateMutexA(nullptr, TRUE, nullptr);
    ASSERT_TRUE(CloseHandle(closed));
    for (HANDLE handle : {closed, static_cast<HANDLE>(nullptr), reinterpret_cast<HANDLE>(4)}) {
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(CloseHandle(handle));
        EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(ReleaseMutex(handle));
        EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
    }
}

// ---- Other processes ----

// What a child process found, as its exit status.
enum ChildResult { kExisted = 10, kNew = 11, kFailed = 12 };

int openInChild(const char *name)
{
    SetLastError(0xdeadbeef);
    HANDLE handle = CreateMutexA(nullptr, TRUE, name);
    if (!handle)
        return kFailed;
    const DWORD error = GetLastError();
    // A mutex the parent holds is the parent's: the child owns nothing, whatever it asked.
    const BOOL released = ReleaseMutex(handle);
    if (error == ERROR_ALREADY_EXISTS && !released)
        return kExisted;
    return error == ERROR_SUCCESS && released ? kNew : kFailed;
}

TEST_F(Mutexes, AnotherProcessSeesTheNameWhileAHandleIsOpen)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "TrayExit");
    ASSERT_NE(nullptr, mutex);
    EXPECT_EQ(kExisted, vkstest::exitStatusOfChild([] { return openInChild("TrayExit"); }));
    EXPECT_EQ(kNew, vkstest::exitStatusOfChild([] { return openInChild("OtherName"); }));

    ASSERT_TRUE(ReleaseMutex(mutex));
    ASSERT_TRUE(CloseHandle(mutex));
    EXPECT_EQ(kNew, vkstest::exitStatusOfChild([] { return openInChild("TrayExit"); }));
}

// A child that holds a name and is killed leaves it free; while it lives, the name exists here.
TEST_F(Mutexes, ANameHeldByAProcessThatDiedIsFree)
{
    int ready[2];
    ASSERT_EQ(0, pipe(ready));
    pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        HANDLE mutex = CreateMutexA(nullptr, TRUE, "Orphan");
        const char report = mutex && GetLastError() == ERROR_SUCCESS ? 'y' : 'n';
        if (write(ready[1], &report, 1) != 1)
            _exit(1);
        pause();  // held until killed
        _exit(0);
    }
    ASSERT_GT(pid, 0);
    close(ready[1]);
    char report = 0;
    ASSERT_EQ(1, read(ready[0], &report, 1));
    close(ready[0]);
    EXPECT_EQ('y', report);

    EXPECT_TRUE(existsNow("Orphan"));

    kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status));

    DWORD error = 0;
    const HANDLE mutex = create("Orphan", TRUE, error);
    ASSERT_NE(nullptr, mutex);
    EXPECT_EQ(ERROR_SUCCESS, error);
    EXPECT_TRUE(ReleaseMutex(mutex));
}

// A child's copy of its parent's handles holds nothing: closing it leaves the parent's name.
TEST_F(Mutexes, AForkedChildClosingItsCopyLeavesTheParentsName)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Inherited");
    ASSERT_NE(nullptr, mutex);
    EXPECT_EQ(0, vkstest::exitStatusOfChild([mutex] { return CloseHandle(mutex) ? 0 : 1; }));
    EXPECT_EQ(kExisted, vkstest::exitStatusOfChild([] { return openInChild("Inherited"); }));
    CloseHandle(mutex);
}

}  // namespace
