#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "kernel32/module.h"
#include "kernel32/paths.h"
#include "vkstest.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

const char kModuleDosPath[] = "C:\\WINDOWS\\SYSTEM\\VksTestMod.dll";

std::string moduleFileName(HMODULE module)
{
    char buffer[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, buffer, sizeof buffer);
    return length ? std::string(buffer, length) : "failed";
}

// A drive C holding copies of the test module: as VksTestMod.dll and Other.dll in the system
// directory, and as InWindows.dll in the Windows directory.
class Modules : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive.write("WINDOWS\\win.ini", "[windows]\r\n");
        fs::copy_file(VKS_TEST_MODULE, drive.host("WINDOWS/SYSTEM/VksTestMod.dll"));
        fs::copy_file(VKS_TEST_MODULE, drive.host("WINDOWS/SYSTEM/Other.dll"));
        fs::copy_file(VKS_TEST_MODULE, drive.host("WINDOWS/InWindows.dll"));
    }

    vkstest::ScopedDriveC drive;
};

TEST_F(Modules, LoadByDosPathHostPathOrBareName)
{
    std::string hostPath = drive.host("WINDOWS/SYSTEM/VksTestMod.dll").string();
    std::string besideProgram = vks::detail::dosPathOf(VKS_TEST_MODULE);
    const struct {
        const char *name;
        std::string file;
        std::string loadedFrom;
    } rows[] = {
        {"DOS path in another case", "c:\\windows\\system\\VKSTESTMOD.dll", kModuleDosPath},
        {"forward slashes", "C:/Windows/System/VksTestMod.DLL", kModuleDosPath},
        {"host path", hostPath, kModuleDosPath},
        {"bare name: the program's folder comes first", "vkstestmod.dll", besideProgram},
        {"bare name in the system directory", "OTHER.DLL", "C:\\WINDOWS\\SYSTEM\\Other.dll"},
        {"bare name without extension", "other", "C:\\WINDOWS\\SYSTEM\\Other.dll"},
        {"bare name in the Windows directory", "inwindows.dll", "C:\\WINDOWS\\InWindows.dll"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        HMODULE module = LoadLibraryExA(row.file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        ASSERT_NE(nullptr, module);
        EXPECT_EQ(row.loadedFrom, moduleFileName(module));
        auto answer = reinterpret_cast<int (*)()>(GetProcAddress(module, "VksTestModAnswer"));
        ASSERT_NE(nullptr, answer);
        EXPECT_EQ(42, answer());
        EXPECT_TRUE(FreeLibrary(module));
    }
}

TEST_F(Modules, FailToLoadWithModNotFound)
{
    const struct {
        const char *name;
        const char *file;
    } rows[] = {
        {"missing file", "c:\\windows\\system\\none.dll"},
        {"not a shared object", "c:\\windows\\win.ini"},
        {"a folder", "c:\\windows\\system"},
        {"unmapped drive", "q:\\VksTestMod.dll"},
        {"bare name found nowhere", "NoSuchModule"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, LoadLibraryA(row.file));
        EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
    }
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, LoadLibraryA(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(Modules, ShareOneHandleAndUnloadAtTheLastFree)
{
    HMODULE first = LoadLibraryA(kModuleDosPath);
    HMODULE second = LoadLibraryA(drive.host("WINDOWS/SYSTEM/VksTestMod.dll").c_str());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, GetModuleHandleA("VKSTESTMOD.DLL"));

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(first, GetModuleHandleA("vkstestmod.dll"));
    EXPECT_NE(nullptr, GetProcAddress(first, "VksTestModAnswer"));

    EXPECT_TRUE(FreeLibrary(second));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetModuleHandleA("vkstestmod.dll"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());

    SetLastError(0xdeadbeef);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_NE(0xdeadbeef, GetLastError());
}

TEST_F(Modules, FindLoadedModulesByName)
{
    HMODULE module = LoadLibraryA(kModuleDosPath);
    ASSERT_NE(nullptr, module);
    const struct {
        const char *name;
        const char *query;
        bool found;
    } rows[] = {
        {"file name in another case", "vksTESTmod.dll", true},
        {"without extension", "VksTestMod", true},
        {"DOS path", "c:\\windows\\system\\vkstestmod.dll", true},
        {"another extension", "VksTestMod.exe", false},
        {"not loaded", "Other.dll", false},
        {"empty name", "", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(row.found ? module : nullptr, GetModuleHandleA(row.query));
        if (!row.found) {
            EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
        }
    }
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(Modules, ExportOnlyTheirOwnNamesWithTheirCase)
{
    HMODULE module = LoadLibraryA(kModuleDosPath);
    ASSERT_NE(nullptr, module);
    const struct {
        const char *name;
        const char *proc;
        bool found;
    } rows[] = {
        {"exact name", "VksTestModAnswer", true},
        {"other case", "vkstestmodanswer", false},
        {"defined in a module it depends on", "VksRegisterStringTable", false},
        {"missing", "NoSuchEntry", false},
        {"ordinal", MAKEINTRESOURCEA(1), false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        FARPROC proc = GetProcAddress(module, row.proc);
        EXPECT_EQ(row.found, proc != nullptr);
        if (!row.found) {
            EXPECT_EQ(static_cast<DWORD>(ERROR_PROC_NOT_FOUND), GetLastError());
        }
    }
    EXPECT_TRUE(FreeLibrary(module));

    // A module the program was linked with answers too.
    HMODULE platform = vks::detail::moduleContaining(reinterpret_cast<void *>(&GetLastError));
    EXPECT_EQ(reinterpret_cast<void *>(&GetLastError),
              reinterpret_cast<void *>(GetProcAddress(platform, "GetLastError")));
}

TEST_F(Modules, CutTheFileNameWithoutNulWhenTheBufferIsShort)
{
    HMODULE module = LoadLibraryA(kModuleDosPath);
    ASSERT_NE(nullptr, module);
    const std::string full = kModuleDosPath;  // 32 characters
    const struct {
        const char *name;
        DWORD size;
        DWORD result;
        DWORD error;  // 0: none set
        std::string text;
        bool terminated;
    } rows[] = {
        {"ample room", MAX_PATH, 32, 0, full, true},
        {"room for the NUL", 33, 32, 0, full, true},
        {"no room for the NUL", 32, 32, ERROR_INSUFFICIENT_BUFFER, full, false},
        {"short", 5, 5, ERROR_INSUFFICIENT_BUFFER, "C:\\WI", false},
        {"no room at all", 0, 0, ERROR_INSUFFICIENT_BUFFER, "", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[MAX_PATH + 1];
        std::memset(buffer, '#', sizeof buffer);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(row.result, GetModuleFileNameA(module, buffer, row.size));
        EXPECT_EQ(row.error ? row.error : 0xdeadbeef, GetLastError());
        EXPECT_EQ(row.text, std::string(buffer, row.text.size()));
        EXPECT_EQ(row.terminated ? '\0' : '#', buffer[row.text.size()]);
    }
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ProgramModule, NamesTheRunningExecutable)
{
    vkstest::ScopedDriveC drive;
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(nullptr, program);
    std::string name = moduleFileName(nullptr);
    EXPECT_EQ(name, moduleFileName(program));
    EXPECT_EQ(program, vks::detail::moduleContaining(reinterpret_cast<void *>(&moduleFileName)));
    EXPECT_EQ("Z:\\", name.substr(0, 3));
    EXPECT_EQ("\\platform_tests", name.substr(name.rfind('\\')));

    SetLastError(0xdeadbeef);
    int local = 0;
    char buffer[MAX_PATH];
    EXPECT_EQ(0u, GetModuleFileNameA(reinterpret_cast<HMODULE>(&local), buffer, sizeof buffer));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
}

}  // namespace
