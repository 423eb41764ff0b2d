#include "shlobj.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

// Sets or unsets an environment variable for the test's lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const std::optional<std::string> &value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            previous_ = old;
        set(value);
    }
    ~ScopedVariable() { set(previous_); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    void set(const std::optional<std::string> &value)
    {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }

    const char *name_;
    std::optional<std::string> previous_;
};

// A user whose home is C:\home on a fresh drive C, with no desktop settings of its own.
class ShellFolders : public ::testing::Test {
protected:
    void makeFolder(const std::string &relative) const
    {
        fs::create_directories(drive.host(relative));
    }
    // `text` with @ROOT@ standing for the host folder of drive C.
    std::string onHost(std::string text) const
    {
        for (size_t at; (at = text.find("@ROOT@")) != std::string::npos;)
            text.replace(at, 6, drive.root().string());
        return text;
    }
    // The documents folder's path through the shell, or nullopt when the location fails.
    std::optional<std::string> documentsPath() const
    {
        LPITEMIDLIST location = reinterpret_cast<LPITEMIDLIST>(&sentinel);
        HRESULT result = SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &location);
        if (FAILED(result)) {
            EXPECT_EQ(E_FAIL, result);
            EXPECT_EQ(nullptr, location);
            return std::nullopt;
        }
        EXPECT_EQ(S_OK, result);
        char path[MAX_PATH];
        BOOL isFolder = SHGetPathFromIDListA(location, path);
        LPMALLOC allocator = nullptr;
        EXPECT_EQ(S_OK, SHGetMalloc(&allocator));
        allocator->Free(location);
        allocator->Release();
        EXPECT_TRUE(isFolder);
        return std::string(path);
    }

    vkstest::ScopedDriveC drive;
    ScopedVariable home{"HOME", drive.host("home").string()};
    ScopedVariable configHome{"XDG_CONFIG_HOME", std::nullopt};
    mutable int sentinel = 0;
};

TEST_F(ShellFolders, FindsTheDocumentsFolderAsTheDesktopSettingsSayOrInHome)
{
    const struct {
        const char *name;
        const char *settings;  // home's .config/user-dirs.dirs; null: no file
        const char *folder;    // made on drive C
        const char *expected;  // null: the location fails
    } rows[] = {
        {"no settings: Documents in home", nullptr, "home\\Documents", "C:\\home\\Documents"},
        {"no settings, no Documents", nullptr, "home\\Other", nullptr},
        {"named under $HOME", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "home\\Dokumente",
         "C:\\home\\Dokumente"},
        {"named by absolute path", "XDG_DOCUMENTS_DIR=\"@ROOT@/elsewhere/Docs\"\n",
         "elsewhere\\Docs", "C:\\elsewhere\\Docs"},
        {"closing slash dropped", "XDG_DOCUMENTS_DIR=\"$HOME/Docs/\"\n", "home\\Docs",
         "C:\\home\\Docs"},
        {"comments, blanks and other folders skipped",
         "# XDG_DOCUMENTS_DIR=\"$HOME/Commented\"\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
         "  XDG_DOCUMENTS_DIR = \"$HOME/Papers\"\n",
         "home\\Papers", "C:\\home\\Papers"},
        {"the last assignment wins",
         "XDG_DOCUMENTS_DIR=\"$HOME/First\"\nXDG_DOCUMENTS_DIR=\"$HOME/Second\"\n", "home\\Second",
         "C:\\home\\Second"},
        {"escaped dollar", "XDG_DOCUMENTS_DIR=\"$HOME/Cost \\$5\"\n", "home\\Cost $5",
         "C:\\home\\Cost $5"},
        {"relative value ignored", "XDG_DOCUMENTS_DIR=\"Docs\"\n", "home\\Documents",
         "C:\\home\\Documents"},
        {"unquoted value ignored", "XDG_DOCUMENTS_DIR=$HOME/Bare\n", "home\\Documents",
         "C:\\home\\Documents"},
        {"unclosed quote ignored", "XDG_DOCUMENTS_DIR=\"$HOME/Open\n", "home\\Documents",
         "C:\\home\\Documents"},
        {"$HOMEWARD is no $HOME", "XDG_DOCUMENTS_DIR=\"$HOMEWARD\"\n", "home\\Documents",
         "C:\\home\\Documents"},
        {"named folder missing", "XDG_DOCUMENTS_DIR=\"$HOME/Gone\"\n", "home\\Documents", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(drive.host("home"));
        fs::remove_all(drive.host("elsewhere"));
        makeFolder(row.folder);
        if (row.settings)
            drive.write("home\\.config\\user-dirs.dirs", onHost(row.settings));
        std::optional<std::string> path = documentsPath();
        if (row.expected) {
            ASSERT_TRUE(path.has_value());
            EXPECT_EQ(row.expected, *path);
        } else {
            EXPECT_FALSE(path.has_value()) << *path;
        }
    }
}

TEST_F(ShellFolders, PrefersTheSettingsInXdgConfigHome)
{
    makeFolder("home\\FromHome");
    makeFolder("home\\FromConfig");
    drive.write("home\\.config\\user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/FromHome\"\n");
    drive.write("config\\user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/FromConfig\"\n");
    {
        ScopedVariable config("XDG_CONFIG_HOME", drive.host("config").string());
        EXPECT_EQ("C:\\home\\FromConfig", documentsPath().value_or("(none)"));
    }
    {
        // Not an absolute folder: ignored, as the desktop does.
        ScopedVariable config("XDG_CONFIG_HOME", std::string("config"));
        EXPECT_EQ("C:\\home\\FromHome", documentsPath().value_or("(none)"));
    }
}

TEST_F(ShellFolders, KnowsOnlyThePersonalFolder)
{
    makeFolder("home\\Documents");
    for (int folder : {0x0000, 0x0002, 0x0010, 0x001a, 0x0028, -1}) {
        SCOPED_TRACE(folder);
        LPITEMIDLIST location = reinterpret_cast<LPITEMIDLIST>(&sentinel);
        EXPECT_EQ(E_INVALIDARG, SHGetSpecialFolderLocation(nullptr, folder, &location));
        EXPECT_EQ(nullptr, location);
    }
    EXPECT_EQ(E_INVALIDARG, SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, nullptr));
}

TEST_F(ShellFolders, GivesNoPathForListsItDidNotMake)
{
    char path[MAX_PATH] = "untouched";
    EXPECT_FALSE(SHGetPathFromIDListA(nullptr, path));
    EXPECT_STREQ("", path);

    // The empty list, and one whose item is not a folder of ours.
    const BYTE empty[] = {0, 0};
    const BYTE foreign[] = {6, 0, 'a', 'b', 'c', 'd', 0, 0};
    for (const BYTE *list : {empty, foreign}) {
        std::strcpy(path, "untouched");
        EXPECT_FALSE(SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(list), path));
        EXPECT_STREQ("", path);
    }
}

TEST_F(ShellFolders, GivesNoPathLongerThanMaxPath)
{
    // Two components of 200 characters: the DOS path is well beyond MAX_PATH.
    const std::string longName(200, 'd');
    const std::string folder = "home\\" + longName + "\\" + longName;
    makeFolder(folder);
    drive.write("home\\.config\\user-dirs.dirs",
                "XDG_DOCUMENTS_DIR=\"$HOME/" + longName + "/" + longName + "\"\n");
    LPITEMIDLIST location = nullptr;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &location));
    char path[MAX_PATH] = "untouched";
    EXPECT_FALSE(SHGetPathFromIDListA(location, path));
    EXPECT_STREQ("", path);
    LPMALLOC allocator = nullptr;
    ASSERT_EQ(S_OK, SHGetMalloc(&allocator));
    allocator->Free(location);
    allocator->Release();
}

TEST(ShellAllocator, IsOneObjectThatCountsItsReferences)
{
    LPMALLOC first = nullptr;
    LPMALLOC second = nullptr;
    ASSERT_EQ(S_OK, SHGetMalloc(&first));
    ASSERT_EQ(S_OK, SHGetMalloc(&second));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, second);
    const ULONG afterAddRef = first->AddRef();
    EXPECT_EQ(afterAddRef - 1, first->Release());
    EXPECT_EQ(afterAddRef - 2, first->Release());
    EXPECT_GE(second->Release(), 1u);
    first->Free(nullptr);
    EXPECT_EQ(E_INVALIDARG, SHGetMalloc(nullptr));
}

}  // namespace
