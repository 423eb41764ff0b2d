// The Win32 boundary: when memory runs out inside an export, the caller gets the export's failure
// result and ERROR_NOT_ENOUGH_MEMORY, never a C++ exception, and nothing is half changed.
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "vksboundary.h"
#include "vkshost.h"
#include "vkstest.h"
#include "windows.h"

namespace {

// While set, every allocation of this thread through operator new fails.
thread_local bool allocationsFail = false;

class ScopedAllocationFailure {
public:
    ScopedAllocationFailure() { allocationsFail = true; }
    ~ScopedAllocationFailure() { allocationsFail = false; }
};

void *allocate(std::size_t size)
{
    if (allocationsFail)
        throw std::bad_alloc();
    if (void *block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void *allocateOrNull(std::size_t size) noexcept
{
    return allocationsFail ? nullptr : std::malloc(size ? size : 1);
}

}  // namespace

// The program's own allocator, so that a test can make it fail; it passes through otherwise.
void *operator new(std::size_t size) { return allocate(size); }
void *operator new[](std::size_t size) { return allocate(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return allocateOrNull(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return allocateOrNull(size); }
void operator delete(void *block) noexcept { std::free(block); }
void operator delete[](void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t) noexcept { std::free(block); }
void operator delete(void *block, const std::nothrow_t &) noexcept { std::free(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { std::free(block); }

namespace {

class Win32Boundary : public ::testing::Test {
protected:
    vkstest::ScopedDriveC drive;
};

// Each row calls one export with no memory to be had and says whether it answered with its
// failure result; the last error must then be ERROR_NOT_ENOUGH_MEMORY.
struct ExportRow {
    const char *name;
    std::function<bool()> failsCleanly;
};

TEST_F(Win32Boundary, ExportsAnswerAnAllocationFailureWithNotEnoughMemory)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "VksBoundaryTest";
    ASSERT_NE(0, RegisterClassA(&wc));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Boundary", &key));
    char text[16] = "unchanged";

    const ExportRow rows[] = {
        {"WritePrivateProfileStringA",
         [] { return WritePrivateProfileStringA("s", "k", "v", "boundary.ini") == FALSE; }},
        {"CreateWindowExA",
         [] {
             return CreateWindowExA(0, "VksBoundaryTest", "w", 0, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr) == nullptr;
         }},
        {"RegisterWindowMessageA",
         [] { return RegisterWindowMessageA("VksBoundaryMessage") == 0; }},
        {"VksHostSetDrive", [&] { return VksHostSetDrive('d', drive.root().c_str()) == FALSE; }},
        {"GetPrivateProfileStringA gives the default",
         [&] {
             return GetPrivateProfileStringA("s", "k", "dflt", text, sizeof text, "boundary.ini") ==
                        4 &&
                    std::string(text) == "dflt";
         }},
    };
    for (const ExportRow &row : rows) {
        SCOPED_TRACE(row.name);
        bool failedCleanly;
        SetLastError(0xdeadbeef);
        {
            ScopedAllocationFailure noMemory;
            failedCleanly = row.failsCleanly();
        }
        EXPECT_TRUE(failedCleanly);
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
    }
    EXPECT_FALSE(std::filesystem::exists(drive.host("WINDOWS\\boundary.ini")));

    // The registry answers with the code itself, and keeps the value it had.
    const DWORD number = 5;
    LONG result;
    {
        ScopedAllocationFailure noMemory;
        result = RegSetValueExA(key, "n", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                                sizeof number);
    }
    EXPECT_EQ(ERROR_NOT_ENOUGH_MEMORY, result);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key, "n", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(key);
    UnregisterClassA("VksBoundaryTest", nullptr);
}

TEST(Win32BoundaryCodes, EachEscapingExceptionBecomesItsWindowsCode)
{
    const struct {
        const char *name;
        std::function<void()> raise;
        DWORD code;
    } rows[] = {
        {"bad_alloc", [] { throw std::bad_alloc(); }, ERROR_NOT_ENOUGH_MEMORY},
        {"length_error", [] { throw std::length_error("too long"); }, ERROR_NOT_ENOUGH_MEMORY},
        {"invalid_argument", [] { throw std::invalid_argument("bad"); }, ERROR_INVALID_PARAMETER},
        {"out_of_range", [] { throw std::out_of_range("far"); }, ERROR_INVALID_PARAMETER},
        {"other standard exception", [] { throw std::runtime_error("odd"); },
         ERROR_INTERNAL_ERROR},
        {"not an exception class", [] { throw 42; }, ERROR_INTERNAL_ERROR},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(-1, vks::atWin32Boundary(-1, [&] {
                      row.raise();
                      return 1;
                  }));
        EXPECT_EQ(row.code, GetLastError());
        EXPECT_EQ(static_cast<LONG>(row.code), vks::statusAtWin32Boundary([&]() -> LONG {
                      row.raise();
                      return ERROR_SUCCESS;
                  }));
        DWORD reported = 0;
        EXPECT_EQ(nullptr, vks::atWin32Boundary<void *>(nullptr, [&](DWORD code) { reported = code; },
                                                        [&]() -> void * {
                                                            row.raise();
                                                            return &reported;
                                                        }));
        EXPECT_EQ(row.code, reported);
    }
}

TEST(Win32BoundaryCodes, ABodyThatReturnsLeavesTheLastErrorAlone)
{
    SetLastError(0xdeadbeef);
    EXPECT_EQ(7, vks::atWin32Boundary(-1, [] { return 7; }));
    vks::atWin32BoundaryVoid([] {});
    EXPECT_EQ(0xdeadbeefu, GetLastError());
}

}  // namespace
