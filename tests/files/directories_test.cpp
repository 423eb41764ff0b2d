#include "files/directories.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "library_env.h"
#include "vkshost.h"
#include "vksresource.h"
#include "vkstest.h"

namespace {

namespace fs = std::filesystem;
using vkstest::LibraryEnvironment;

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The executable's directory as the host names it, in the DOS form of drive Z.
std::string executableDirectoryOnDriveZ()
{
    std::string host = fs::read_symlink("/proc/self/exe").parent_path().string();
    std::replace(host.begin(), host.end(), '/', '\\');
    return "z:" + lowerCase(host) + "\\";
}

bool isDirectory(const fs::path &path)
{
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

// Values computed once per process can only be seen being computed in a process of their own:
// the check runs in a fresh run of this binary, set up by the library environment as any run
// is, and reports on stderr what went wrong.
#define EXPECT_IN_FRESH_PROCESS(...)                                             \
    do {                                                                         \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                          \
        EXPECT_EXIT(std::exit((__VA_ARGS__) ? 0 : 1), ::testing::ExitedWithCode(0), ""); \
    } while (0)

bool report(bool ok, const std::string &what)
{
    if (!ok)
        std::fprintf(stderr, "failed: %s\n", what.c_str());
    return ok;
}

bool sameText(const char *got, const std::string &expected)
{
    return report(got && expected == got,
                  "expected \"" + expected + "\", got \"" + (got ? got : "(null)") + "\"");
}

TEST(TutDirectories, GivesTheWindowsTreeOfDriveC)
{
    LibraryEnvironment::driveC();
    EXPECT_STREQ("c:\\windows\\", TutDirectories::windows());
    EXPECT_STREQ("c:\\windows\\system\\", TutDirectories::system());
    EXPECT_STREQ("c:\\windows\\vks32\\", TutDirectories::company());
    EXPECT_STREQ("c:\\windows\\vks32\\VELMORA\\", TutDirectories::data());
}

TEST(TutDirectories, GivesTheExecutablesDirectoryInLowerCase)
{
    const std::string executable = LibraryEnvironment::executableDosPath();
    ASSERT_EQ(executableDirectoryOnDriveZ(),
              lowerCase(executable.substr(0, executable.rfind('\\') + 1)));
    EXPECT_EQ(executableDirectoryOnDriveZ(), TutDirectories::application());
}

TEST(TutDirectories, MakesTheProductDirectoriesOnFirstUse)
{
    EXPECT_IN_FRESH_PROCESS([] {
        const vkstest::ScopedDriveC &drive = LibraryEnvironment::driveC();
        return report(!isDirectory(drive.host("WINDOWS\\vks32")), "vks32 there before") &&
               sameText(TutDirectories::data(), "c:\\windows\\vks32\\VELMORA\\") &&
               report(isDirectory(drive.host("WINDOWS\\vks32")), "vks32 not made") &&
               report(isDirectory(drive.host("WINDOWS\\vks32\\VELMORA")), "VELMORA not made");
    }());
}

TEST(TutDirectories, ASecondCallGivesTheSameTextWithoutTheFileSystem)
{
    LibraryEnvironment::driveC();
    char const *(*const operations[])() = {
        TutDirectories::windows, TutDirectories::system, TutDirectories::company,
        TutDirectories::data, TutDirectories::application, TutFiles::vmwINIPath,
        TutFiles::vksINIPath, TutFiles::winINIPath, TutFiles::vmwPath,
    };
    char const *first[std::size(operations)];
    for (size_t i = 0; i < std::size(operations); ++i)
        first[i] = operations[i]();

    // Drive C is another folder now; the texts stay and nothing is made in it.
    vkstest::ScopedDriveC otherDrive;
    for (size_t i = 0; i < std::size(operations); ++i) {
        SCOPED_TRACE(first[i]);
        char const *again = operations[i]();
        EXPECT_EQ(first[i], again);
        EXPECT_STREQ(first[i], again);
    }
    EXPECT_FALSE(isDirectory(otherDrive.host("WINDOWS\\vks32")));
}

TEST(TutFiles, GivesEachFileItsNameAndPath)
{
    LibraryEnvironment::driveC();
    const std::string application = executableDirectoryOnDriveZ();
    const struct {
        char const *(*name)();
        char const *(*path)();
        const char *fileName;
        const char *directory;  // null: the executable's directory
    } rows[] = {
        {TutFiles::remoteInstallBoot, TutFiles::remoteInstallBootPath, "vmriboot.com", nullptr},
        {TutFiles::vmw, TutFiles::vmwPath, "vmw.exe", nullptr},
        {TutFiles::loadVMW, TutFiles::loadVMWPath, "vmwload.exe", nullptr},
        {TutFiles::modemNetTSR, TutFiles::modemNetTSRPath, "qdcom01.exe", nullptr},
        {TutFiles::modemTSR, TutFiles::modemTSRPath, "qdcom02.exe", nullptr},
        {TutFiles::netTSR, TutFiles::netTSRPath, "qdcom03.exe", nullptr},
        {TutFiles::everythingTSR, TutFiles::everythingTSRPath, "qdcom04.exe", nullptr},
        {TutFiles::connectSound, TutFiles::connectSoundPath, "connect.wav", nullptr},
        {TutFiles::disconnectSound, TutFiles::disconnectSoundPath, "disconn.wav", nullptr},
        {TutFiles::dosFonts, TutFiles::dosFontsPath, "vksrcdos.fon", nullptr},
        {TutFiles::hostOnlyMarker, TutFiles::hostOnlyMarkerPath, "vksrg10.dll", nullptr},
        {TutFiles::applicationHelp, TutFiles::applicationHelpPath, "velmora.hlp", nullptr},
        {TutFiles::contextHelp, TutFiles::contextHelpPath, "velmora.hlp", nullptr},
        {TutFiles::winINI, TutFiles::winINIPath, "win.ini", "c:\\windows\\"},
        {TutFiles::systemINI, TutFiles::systemINIPath, "system.ini", "c:\\windows\\"},
        {TutFiles::loadRC, TutFiles::loadRCPath, "loadrc.bat", "c:\\windows\\"},
        {TutFiles::unloadRC, TutFiles::unloadRCPath, "unloadrc.bat", "c:\\windows\\"},
        {TutFiles::vksINI, TutFiles::vksINIPath, "vks.ini", "c:\\windows\\vks32\\"},
        {TutFiles::defaultModem, TutFiles::defaultModemPath, "vksmodem.ini",
         "c:\\windows\\vks32\\"},
        {TutFiles::userModem, TutFiles::userModemPath, "vksusrmd.ini", "c:\\windows\\vks32\\"},
        {TutFiles::transitionDriver, TutFiles::transitionDriverPath, "vmrcvxd.386",
         "c:\\windows\\vks32\\"},
        {TutFiles::displayDriver, TutFiles::displayDriverPath, "vmvideo.drv",
         "c:\\windows\\vks32\\"},
        {TutFiles::interruptDriver, TutFiles::interruptDriverPath, "vksvid.386",
         "c:\\windows\\vks32\\"},
        {TutFiles::addressBook, TutFiles::addressBookPath, "velmora.pbk", "c:\\windows\\vks32\\"},
        {TutFiles::securityFile, TutFiles::securityFilePath, "velmora.pwd", "c:\\windows\\vks32\\"},
        {TutFiles::vmwINI, TutFiles::vmwINIPath, "VELMORA.INI", "c:\\windows\\vks32\\VELMORA\\"},
        {TutFiles::activityLog, TutFiles::activityLogPath, "VEL%02d%02d.LOG",
         "c:\\windows\\vks32\\VELMORA\\"},
        {TutFiles::activityLogSearch, TutFiles::activityLogSearchPath, "VEL????.LOG",
         "c:\\windows\\vks32\\VELMORA\\"},
        {TutFiles::modemLog, TutFiles::modemLogPath, "modem.log", "c:\\windows\\vks32\\VELMORA\\"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.fileName);
        EXPECT_STREQ(row.fileName, row.name());
        const std::string directory = row.directory ? row.directory : application;
        EXPECT_EQ(directory + row.fileName, row.path());
        EXPECT_EQ(row.path(), row.path());
    }
    EXPECT_STREQ("c:\\windows\\vks32\\VELMORA\\VELMORA.INI", TutFiles::vmwINIPath());
}

class RMakeDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Q is no drive during these tests.
        VksHostSetDrive('Q', nullptr);
        drive.write("file.txt", "not a folder");
    }
    const vkstest::ScopedDriveC &drive = LibraryEnvironment::driveC();
};

TEST_F(RMakeDir, MakesMissingParentsAndAcceptsExistingDirectories)
{
    const struct {
        const char *name;
        const char *path;
        const char *madeOnDriveC;  // null: nothing to look for
    } rows[] = {
        {"existing directory", "c:\\windows", "WINDOWS"},
        {"existing, closing backslash", "c:\\windows\\", "WINDOWS"},
        {"drive root", "c:\\", nullptr},
        {"one level", "c:\\rmk1", "rmk1"},
        {"three levels", "c:\\rmk3\\one\\two\\three", "rmk3\\one\\two\\three"},
        {"three levels, closing backslash", "c:\\rmk3b\\one\\two\\three\\",
         "rmk3b\\one\\two\\three"},
        {"three levels below an existing one", "c:\\windows\\rmk\\a\\b", "WINDOWS\\rmk\\a\\b"},
        {"any letter case", "C:\\WINDOWS\\RmkCase\\Sub", "WINDOWS\\RmkCase\\Sub"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(0, TutDirectories::RMakeDir(row.path));
        if (row.madeOnDriveC) {
            EXPECT_TRUE(isDirectory(drive.host(row.madeOnDriveC)));
        }
        EXPECT_EQ(0, TutDirectories::RMakeDir(row.path)) << "second time";
    }
}

TEST_F(RMakeDir, GivesOneForPathsThatCanNeverBeMade)
{
    const struct {
        const char *name;
        const char *path;
    } rows[] = {
        {"drive that is not mapped", "q:\\nowhere"},
        {"three levels on a drive that is not mapped", "q:\\one\\two\\three"},
        {"root of a drive that is not mapped", "q:\\"},
        // The parent can be "made" (it exists, as a file) but the path below it never can: one
        // retry, not an endless one.
        {"below a file", "c:\\file.txt\\sub"},
        {"three levels below a file", "c:\\file.txt\\one\\two\\three"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(1, TutDirectories::RMakeDir(row.path));
    }
    EXPECT_FALSE(isDirectory(drive.host("file.txt\\one")));
}

TEST(TutDirectoriesUserFiles, TakesTheShellsDocumentsFolder)
{
    EXPECT_IN_FRESH_PROCESS([] {
        fs::create_directories(LibraryEnvironment::home() / "Documents");
        return sameText(TutDirectories::UserFiles(), "C:\\home\\Documents\\") &&
               sameText(TutDirectories::UserFiles(), "C:\\home\\Documents\\");
    }());
}

TEST(TutDirectoriesUserFiles, TakesTheFolderTheDesktopSettingsName)
{
    EXPECT_IN_FRESH_PROCESS([] {
        const fs::path home = LibraryEnvironment::home();
        fs::create_directories(home / "Documents");
        fs::create_directories(home / "Eigene Dateien");
        fs::create_directories(home / ".config");
        std::ofstream(home / ".config" / "user-dirs.dirs")
            << "XDG_DOCUMENTS_DIR=\"$HOME/Eigene Dateien\"\n";
        return sameText(TutDirectories::UserFiles(), "C:\\home\\Eigene Dateien\\");
    }());
}

TEST(TutDirectoriesUserFiles, FallsBackToMyDocumentsAtTheDriveRoot)
{
    EXPECT_IN_FRESH_PROCESS([] {
        // HOME has no Documents folder, so the shell has none to give.
        return sameText(TutDirectories::UserFiles(), "c:\\My Documents\\") &&
               report(isDirectory(LibraryEnvironment::driveC().host("My Documents")),
                      "c:\\My Documents not made");
    }());
}

// The program's own string table comes first in the resource chain.
const int markerInTheExecutable = 0;

TEST(TutDirectoriesUserFiles, NamesTheFallBackFolderFromTheResourceChain)
{
    EXPECT_IN_FRESH_PROCESS([] {
        const VksStringResource documents = {8195, "Meine Dokumente"};
        return report(VksRegisterStringTable(&markerInTheExecutable, &documents, 1),
                      "no string table for the test program") &&
               sameText(TutDirectories::UserFiles(), "c:\\Meine Dokumente\\") &&
               report(isDirectory(LibraryEnvironment::driveC().host("Meine Dokumente")),
                      "c:\\Meine Dokumente not made");
    }());
}

}  // namespace
