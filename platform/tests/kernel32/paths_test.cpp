#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "kernel32/paths.h"
#include "vkshost.h"
#include "vkstest.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

// Sets or clears an environment variable for the test's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const char *value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

// A temporary host folder that is not a drive.
class ScopedFolder {
public:
    ScopedFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "vkspaths-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ScopedFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

std::string resolve(const std::string &dosPath, const std::string &relativeTo = {})
{
    std::string host;
    DWORD error = 0;
    if (!vks::detail::resolveDosPath(dosPath, host, error, relativeTo))
        return "error " + std::to_string(error);
    return host;
}

class DosPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive.write("WINDOWS\\Win.INI", "[x]\r\n");
        drive.write("Data\\Sub Dir\\File.TXT", "text");
    }
    std::string host(const std::string &relative) const
    {
        return relative.empty() ? drive.root().string() : drive.host(relative).string();
    }

    vkstest::ScopedDriveC drive;
};

TEST_F(DosPaths, MatchExistingComponentsIgnoringCaseAndKeepNewNames)
{
    const struct {
        const char *name;
        const char *dos;
        const char *relativeTo;
        const char *hostUnderC;
    } rows[] = {
        {"every existing component in another case", "c:\\windows\\WIN.ini", "", "WINDOWS/Win.INI"},
        {"forward slashes", "C:/Windows/win.INI", "", "WINDOWS/Win.INI"},
        {"blank inside a name", "c:\\DATA\\sub dir\\file.txt", "", "Data/Sub Dir/File.TXT"},
        {"dot and dot-dot", "c:\\windows\\.\\..\\data\\.\\SUB DIR\\file.txt", "", "Data/Sub Dir/File.TXT"},
        {"dot-dot above the root stays at the root", "c:\\..\\..\\windows", "", "WINDOWS"},
        {"doubled and trailing separators", "c:\\\\data\\\\", "", "Data"},
        {"drive root", "C:\\", "", ""},
        {"new names keep their case", "c:\\windows\\NewDir\\New.Ini", "", "WINDOWS/NewDir/New.Ini"},
        {"below a new name nothing is matched", "c:\\Missing\\windows", "", "Missing/windows"},
        {"bare name: the Windows directory", "win.ini", "", "WINDOWS/Win.INI"},
        {"relative name against a folder", "sub dir\\FILE.txt", "C:\\data", "Data/Sub Dir/File.TXT"},
        {"rooted name takes the base's drive", "\\data", "", "Data"},
        {"drive-relative name starts at the root", "c:windows\\win.ini", "", "WINDOWS/Win.INI"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(host(row.hostUnderC), resolve(row.dos, row.relativeTo));
    }
}

TEST_F(DosPaths, AnswerRepeatedLookupsFromTheDiskAsItIsNow)
{
    EXPECT_EQ(host("WINDOWS/Win.INI"), resolve("c:\\windows\\win.ini"));
    fs::remove(drive.host("WINDOWS/Win.INI"));
    drive.write("WINDOWS\\WIN.ini", "");
    EXPECT_EQ(host("WINDOWS/WIN.ini"), resolve("c:\\windows\\win.ini"));
    fs::remove(drive.host("WINDOWS/WIN.ini"));
    EXPECT_EQ(host("WINDOWS/win.ini"), resolve("c:\\windows\\win.ini"));
}

TEST_F(DosPaths, FollowADriveThatIsMappedElsewhere)
{
    EXPECT_EQ(host("WINDOWS/Win.INI"), resolve("c:\\windows\\win.ini"));
    vkstest::ScopedDriveC other;
    other.write("windows\\WIN.INI", "");
    EXPECT_EQ(other.host("windows/WIN.INI").string(), resolve("c:\\windows\\win.ini"));
}

// Host names are UTF-8: a DOS path's names in code page 932 are converted whole, character by
// character. 0x83 0x5C (ソ) ends in a byte that is a backslash; 0x82 0x61 (Ｂ) ends in the letter
// 'a', and must not be found by the name ａ (0x82 0x81), nor the other way round.
TEST_F(DosPaths, KeepDoubleByteNamesWholeAndFindTheirUtf8Names)
{
    vkstest::ScopedCodePage japanese(932);
    fs::create_directories(drive.root() / "Data");
    std::ofstream(drive.root() / "ソ.txt").put('x');
    std::ofstream(drive.root() / "Data" / "Ｂ.txt").put('x');
    EXPECT_EQ((drive.root() / "ソ.txt").string(), resolve("c:\\\x83\x5C.TXT"));
    EXPECT_EQ((drive.root() / "Data" / "Ｂ.txt").string(), resolve("c:\\DATA\\\x82\x61.txt"));
    EXPECT_EQ((drive.root() / "Data" / "ａ.txt").string(), resolve("c:\\data\\\x82\x81.txt"))
        << "a name that is not there is made in UTF-8";
}

TEST(DosPathErrors, NamesThatAreNoPathOrOnNoDrive)
{
    vkstest::ScopedDriveC drive;
    const struct {
        const char *name;
        std::string dos;
        const char *relativeTo;
        DWORD error;
    } rows[] = {
        {"empty", "", "", ERROR_INVALID_NAME},
        {"bare drive", "c:", "", ERROR_INVALID_NAME},
        {"embedded NUL", std::string("c:\\a\0b", 6), "", ERROR_INVALID_NAME},
        {"network name", "\\\\server\\share\\x", "", ERROR_BAD_PATHNAME},
        {"unmapped drive", "q:\\x", "", ERROR_INVALID_DRIVE},
        {"relative to a relative folder", "x", "folder", ERROR_INVALID_NAME},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ("error " + std::to_string(row.error), resolve(row.dos, row.relativeTo));
    }
}

TEST(DosPathHost, HostPathsAndDriveZ)
{
    vkstest::ScopedDriveC drive;
    fs::create_directories(drive.root() / "Upper");
    std::string root = drive.root().string();
    std::string rootAsDos = "Z:" + root;
    for (char &c : rootAsDos)
        if (c == '/')
            c = '\\';

    EXPECT_EQ("/no/such/../Place", resolve("/no/such/../Place"));
    EXPECT_EQ(root + "/Upper/new", resolve(rootAsDos + "\\UPPER\\new"));
    EXPECT_EQ("/", resolve("z:\\"));
}

TEST(DosPathOf, NamesHostFilesByTheirDrive)
{
    vkstest::ScopedDriveC drive;
    std::string root = drive.root().string();
    EXPECT_EQ("C:\\WINDOWS\\Win.INI", vks::detail::dosPathOf(root + "/WINDOWS/Win.INI"));
    EXPECT_EQ("C:\\", vks::detail::dosPathOf(root));
    EXPECT_EQ("Z:\\usr\\lib\\x.so", vks::detail::dosPathOf("/usr//lib/x.so"));
    EXPECT_EQ("C:\\WINDOWS", vks::detail::windowsDirectory());
    EXPECT_EQ("C:\\WINDOWS\\SYSTEM", vks::detail::systemDirectory());
}

// Host names come back in the code page; a character it cannot hold shows as '?'.
TEST(DosPathOf, GivesHostNamesInTheCodePage)
{
    vkstest::ScopedDriveC drive;
    vkstest::ScopedCodePage japanese(932);
    const std::string root = drive.root().string();
    EXPECT_EQ("C:\\\x93\xFA\x96\x7B\\\x8C\xEA.txt", vks::detail::dosPathOf(root + "/日本/語.txt"));
    EXPECT_EQ("C:\\caf?.txt", vks::detail::dosPathOf(root + "/café.txt"));
}

TEST(DriveMap, MapsLettersOnlyToExistingFolders)
{
    ScopedFolder folder;
    const struct {
        const char *name;
        char letter;
        std::string folder;
        BOOL result;
    } rows[] = {
        {"digit", '1', folder.path().string(), FALSE},
        {"backslash", '\\', folder.path().string(), FALSE},
        {"missing folder", 'D', (folder.path() / "missing").string(), FALSE},
        {"a file is no folder", 'D', "/proc/self/exe", FALSE},
        {"empty folder name", 'D', "", FALSE},
        {"lower-case letter", 'd', folder.path().string(), TRUE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.result, VksHostSetDrive(row.letter, row.folder.c_str()));
    }
    EXPECT_EQ(folder.path().string() + "/x", resolve("D:\\x"));
    EXPECT_TRUE(VksHostSetDrive('D', nullptr));
    EXPECT_EQ("error " + std::to_string(ERROR_INVALID_DRIVE), resolve("d:\\x"));
}

TEST(DriveMap, DriveCReturnsToTheHostsChoice)
{
    ScopedFolder chosen;
    {
        ScopedEnv env("VKS_DRIVE_C", chosen.path().c_str());
        vkstest::ScopedDriveC scoped;
        EXPECT_EQ(scoped.host("WINDOWS").string(), resolve("c:\\windows"));
    }
    EXPECT_EQ((chosen.path() / "x").string(), resolve("c:\\x"));
}

// Reading leaves the user's data folder alone; the first write makes the drive's tree.
TEST(DriveMap, DefaultDriveCIsMadeInTheDataFolderWhenFirstWritten)
{
    ScopedFolder data;
    {
        ScopedEnv noChoice("VKS_DRIVE_C", nullptr);
        ScopedEnv dataHome("XDG_DATA_HOME", data.path().c_str());
        vkstest::ScopedDriveC scoped;
        ASSERT_TRUE(VksHostSetDrive('C', nullptr));
        fs::path driveC = data.path() / "vksutil" / "drive_c";
        char value[16];
        EXPECT_EQ(3u, GetProfileStringA("intl", "sTime", "def", value, sizeof value));
        EXPECT_FALSE(fs::exists(driveC));

        EXPECT_TRUE(WritePrivateProfileStringA("intl", "sTime", ":", "win.ini"));
        EXPECT_TRUE(fs::is_directory(driveC / "WINDOWS" / "SYSTEM"));
        EXPECT_TRUE(fs::is_regular_file(driveC / "WINDOWS" / "win.ini"));
        EXPECT_EQ((driveC / "WINDOWS" / "win.ini").string(), resolve("c:\\windows\\win.ini"));
    }
    VksHostSetDrive('C', nullptr);
}

}  // namespace
