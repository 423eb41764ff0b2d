// The tool's exit codes and messages, each run as a separate process on a copy of the sample
// drive C.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "tool_run.h"

namespace {

namespace fs = std::filesystem;
using tooltest::Outcome;
using tooltest::RunOptions;
using tooltest::SampleDrive;

constexpr int kDone = 0, kAbsent = 1, kUsage = 2, kFailed = 3;

struct Case {
    const char *name;
    std::vector<std::string> args;
    int exitCode;
    const char *message;  // a part of standard error; "" when it must be empty
};

void expectOutcome(const Outcome &outcome, int exitCode, const std::string &message)
{
    EXPECT_EQ(exitCode, outcome.exitCode) << "stderr: " << outcome.err;
    if (message.empty())
        EXPECT_EQ("", outcome.err);
    else
        EXPECT_NE(std::string::npos, outcome.err.find(message)) << "stderr: " << outcome.err;
}

void runCases(const SampleDrive &drive, const std::vector<Case> &cases,
              const RunOptions &options = {})
{
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        expectOutcome(drive.run(row.args, options), row.exitCode, row.message);
    }
}

TEST(ToolExitCodes, RefusesBadInputWithItsReason)
{
    SampleDrive drive;
    runCases(drive, {
        {"empty profile on get",
         {"profile", "get", "", "S", "K"},
         kUsage, "PROFILE cannot be empty"},
        {"empty profile on set",
         {"profile", "set", "", "S", "K", "v"},
         kUsage, "PROFILE cannot be empty"},
        {"empty profile on keys", {"profile", "keys", "", "S"}, kUsage, "PROFILE cannot be empty"},
        {"empty profile on delete",
         {"profile", "delete", "", "S", "K"},
         kUsage, "PROFILE cannot be empty"},
        {"key with '='",
         {"profile", "set", "application", "S", "a=b", "v"},
         kUsage, "cannot hold '='"},
        {"key that starts a comment",
         {"profile", "set", "application", "S", ";k", "v"},
         kUsage, "begin with ';'"},
        {"key that starts a section",
         {"profile", "set", "application", "S", "[k", "v"},
         kUsage, "begin with '['"},
        {"empty key", {"profile", "set", "application", "S", "", "v"}, kUsage, "cannot be empty"},
        {"blank key", {"profile", "set", "application", "S", "  ", "v"}, kUsage, "cannot be empty"},
        {"value with a line break",
         {"profile", "set", "application", "S", "K", "a\nb"},
         kUsage, "line break"},
        {"section with a line break",
         {"profile", "set", "application", "S\r\nT", "K", "v"},
         kUsage, "line break"},
        {"delete of a refused key",
         {"profile", "delete", "application", "S", "a=b"},
         kUsage, "cannot hold '='"},
        {"date without leading zeros",
         {"profile", "set", "application", "S", "K", "2024-1-1T0:0:0", "--type", "date"},
         kUsage, "YYYY-MM-DDTHH:MM:SS"},
        {"date without a time",
         {"profile", "set", "application", "S", "K", "2024-01-01", "--type", "date"},
         kUsage, "YYYY-MM-DDTHH:MM:SS"},
        {"date with a blank for T",
         {"profile", "set", "application", "S", "K", "2024-01-01 00:00:00", "--type", "date"},
         kUsage, "YYYY-MM-DDTHH:MM:SS"},
        {"date with a signed field",
         {"profile", "set", "application", "S", "K", "2024-+1-01T00:00:00", "--type", "date"},
         kUsage, "YYYY-MM-DDTHH:MM:SS"},
        {"formatted moment without leading zeros",
         {"format", "date", "2024-1-1T0:0:0"},
         kUsage, "YYYY-MM-DDTHH:MM:SS"},
        {"unknown modem maker",
         {"modem", "list", "NoSuchMaker"},
         kUsage, "unknown modem maker 'NoSuchMaker'"},
        {"value outside the code page",
         {"profile", "set", "application", "S", "K", "a\xC3\xA5" "b"},
         kUsage, "code page cannot hold"},
        {"value that is not UTF-8",
         {"profile", "set", "application", "S", "K", "a\xFF" "b"},
         kUsage, "code page cannot hold"},
    });
}

TEST(ToolExitCodes, ReportsDoneAbsentAndFailed)
{
    SampleDrive drive;
    runCases(drive, {
        {"present key",
         {"profile", "get", "application", "Preferences", "Last Connection"},
         kDone, ""},
        {"absent key",
         {"profile", "get", "application", "Preferences", "Nothing"},
         kAbsent, "no key 'Nothing'"},
        {"absent file", {"profile", "get", "c:\\none.ini", "S", "K"}, kAbsent, "no key 'K'"},
        {"key list", {"profile", "keys", "application", "Preferences"}, kDone, ""},
        {"date in the documented form",
         {"profile", "set", "application", "S", "K", "2024-01-01T00:00:00", "--type", "date"},
         kDone, ""},
        {"known modem maker", {"modem", "list", "アイワ"}, kDone, ""},
        {"log line", {"log", "write", "hello"}, kDone, ""},
        {"write in a missing folder",
         {"profile", "set", "c:\\nodir\\x.ini", "S", "K", "v"},
         kFailed, "cannot find the path"},
    });
}

// Each command once with each exit code it can give; `profile` has its own cases above and
// below, and the codes that need a closed drive are with the permission tests.
TEST(ToolExitCodes, EachCommandGivesItsCodes)
{
    SampleDrive drive;
    runCases(drive, {
        {"help", {"--help"}, kDone, ""},
        {"no command", {}, kUsage, "usage: vksutil"},
        {"unknown command", {"nosuch"}, kUsage, "unknown command 'nosuch'"},
        {"dirs", {"dirs"}, kDone, ""},
        {"dirs with an argument", {"dirs", "x"}, kUsage, "dirs takes no arguments"},
        {"os", {"os"}, kDone, ""},
        {"os with an argument", {"os", "x"}, kUsage, "os takes no arguments"},
        {"files match", {"files", "match", "*.txt", "a.txt"}, kDone, ""},
        {"files without match", {"files", "list"}, kUsage, "files match PATTERN"},
        {"format number", {"format", "number", "1234"}, kDone, ""},
        {"format of a word", {"format", "number", "many"}, kUsage, "not a 64-bit whole number"},
        {"modem makers", {"modem", "makers"}, kDone, ""},
        {"modem without a subcommand", {"modem"}, kUsage, "modem needs a subcommand"},
        {"removal of an absent modem",
         {"modem", "remove", "NoSuchModem"},
         kFailed, "no user-defined modem 'NoSuchModem'"},
        {"log show before the first line", {"log", "show"}, kFailed, "could not be opened"},
        {"log write", {"log", "write", "first"}, kDone, ""},
        {"log show", {"log", "show"}, kDone, ""},
        {"log show in an unknown language",
         {"log", "show", "--lang", "xx"},
         kUsage, "unknown language 'xx'"},
    });
}

// The reader drops blanks around a value and one pair of quotes: a write succeeds when it gives
// back what the reader makes of the text written.
TEST(ToolExitCodes, WritesTextsThatReadBackChanged)
{
    SampleDrive drive;
    const struct {
        const char *name;
        const char *written;
        const char *readBack;
    } cases[] = {
        {"padded", " padded ", "padded"},
        {"double quotes", "\"quoted\"", "quoted"},
        {"single quotes around blanks", "' two words '", " two words "},
        {"unbalanced quote", "\"open", "\"open"},
        {"only blanks", "   ", ""},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        expectOutcome(drive.run({"profile", "set", "application", "S", "K", row.written}), kDone,
                      "");
        Outcome read = drive.run({"profile", "get", "application", "S", "K"});
        expectOutcome(read, kDone, "");
        EXPECT_EQ(std::string(row.readBack) + "\n", read.out);
    }
}

// Profiles named by a host path need the working folder; well-known ones and DOS paths do not.
TEST(ToolExitCodes, NamesTheMissingWorkingFolder)
{
    SampleDrive drive;
    const fs::path gone = drive.root().parent_path() / "gone";
    std::vector<Case> relative = {
        {"get", {"profile", "get", "x.ini", "S", "K"}, kFailed, "working folder"},
        {"set", {"profile", "set", "x.ini", "S", "K", "v"}, kFailed, "working folder"},
        {"keys", {"profile", "keys", "x.ini", "S"}, kFailed, "working folder"},
        {"delete", {"profile", "delete", "x.ini", "S"}, kFailed, "working folder"},
        {"well-known profile", {"profile", "set", "application", "S", "K", "v"}, kDone, ""},
        {"DOS path", {"profile", "keys", "c:\\windows\\win.ini", "intl"}, kDone, ""},
    };
    for (const Case &row : relative) {
        SCOPED_TRACE(row.name);
        fs::create_directory(gone);
        RunOptions options;
        options.workingFolder = gone;
        options.removeWorkingFolder = true;
        expectOutcome(drive.run(row.args, options), row.exitCode, row.message);
    }
}

// Permissions hold only for a user other than root; as root the tool is run as an unprivileged
// user.
class ToolPermissions : public ::testing::Test {
protected:
    Outcome runUnprivileged(const std::vector<std::string> &args)
    {
        RunOptions options;
        options.unprivileged = true;
        Outcome outcome = drive.run(args, options);
        // The build folder may be closed to other users.
        if (tooltest::runningAsRoot() && outcome.exitCode == 127 && outcome.err.empty())
            unreachable = true;
        return outcome;
    }

    SampleDrive drive;
    bool unreachable = false;
};

TEST_F(ToolPermissions, SaysWhyTheLogCannotBeWrittenOnAReadOnlyDrive)
{
    drive.makeReadOnly();
    Outcome fresh = runUnprivileged({"log", "write", "hello"});
    if (unreachable)
        GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
    expectOutcome(fresh, kFailed, "could not be registered");
    EXPECT_NE(std::string::npos, fresh.err.find("Access is denied")) << fresh.err;
}

TEST_F(ToolPermissions, SaysWhyALineCannotBeWrittenToTheLogFolder)
{
    // Registered while the drive was writable, then the log folder closed.
    expectOutcome(drive.run({"log", "write", "first"}), kDone, "");
    drive.makeReadOnly();
    Outcome closed = runUnprivileged({"log", "write", "second"});
    if (unreachable)
        GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
    expectOutcome(closed, kFailed, "could not be written to the activity log");
    EXPECT_NE(std::string::npos, closed.err.find("Access is denied")) << closed.err;
}

TEST_F(ToolPermissions, SaysThatAProfileCannotBeWritten)
{
    drive.makeReadOnly();
    Outcome outcome = runUnprivileged({"profile", "set", "application", "Preferences", "K", "v"});
    if (unreachable)
        GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
    expectOutcome(outcome, kFailed, "could not write [Preferences] K");
    EXPECT_NE(std::string::npos, outcome.err.find("Access is denied")) << outcome.err;
}

TEST_F(ToolPermissions, SaysThatAModemCannotBeAdded)
{
    drive.makeReadOnly();
    Outcome outcome = runUnprivileged({"modem", "add", "NewModem"});
    if (unreachable)
        GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
    expectOutcome(outcome, kFailed, "could not add 'NewModem'");
}

TEST_F(ToolPermissions, SaysThatTheCompanyDirectoryCannotBeCreated)
{
    fs::remove_all(drive.host("WINDOWS/vks32"));
    drive.makeReadOnly();
    Outcome outcome = runUnprivileged({"dirs"});
    if (unreachable)
        GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
    expectOutcome(outcome, kFailed, "company directory c:\\windows\\vks32\\ could not be created");
    EXPECT_NE(std::string::npos, outcome.err.find("Access is denied")) << outcome.err;
}

TEST_F(ToolPermissions, SaysTheFileDialogsFolderCannotBeRead)
{
    const fs::path closed = drive.root() / "closed";
    fs::create_directory(closed);
    fs::permissions(closed, fs::perms::none);
    Outcome outcome = runUnprivileged(
        {"demo", "file-dialog", closed.string(), "--out", (drive.root() / "f.svg").string()});
    if (unreachable)
        GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
    expectOutcome(outcome, kFailed, "cannot read the folder " + closed.string() + ": ");
    EXPECT_NE(std::string::npos, outcome.err.find("Permission denied")) << outcome.err;
    EXPECT_FALSE(fs::exists(drive.root() / "f.svg"));
}

// The platform tells a file it cannot open from an absent one by ERROR_ACCESS_DENIED.
TEST_F(ToolPermissions, SaysTheFileCannotBeRead)
{
    const fs::path ini = drive.host("WINDOWS/vks32/VELMORA/VELMORA.INI");
    fs::permissions(ini, fs::perms::none);
    const struct {
        const char *name;
        std::vector<std::string> args;
    } rows[] = {
        {"get", {"profile", "get", "application", "Preferences", "Last Connection"}},
        {"keys", {"profile", "keys", "application", "Preferences"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Outcome outcome = runUnprivileged(row.args);
        if (unreachable)
            GTEST_SKIP() << "the tool cannot be run as an unprivileged user from its build folder";
        expectOutcome(outcome, kFailed, "cannot be read");
    }
}

}  // namespace

// `demo` on the sample drive: its options, the pictures it writes and the input it refuses.
class ToolDemo : public ::testing::Test {
protected:
    ToolDemo() { fs::create_directory(pictures); }

    std::string picture(const char *name) const { return (pictures / name).string(); }
    std::string winIni() const
    {
        std::ifstream in(drive.host("WINDOWS/win.ini"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    SampleDrive drive;
    fs::path pictures = drive.root() / "pictures";
};

TEST_F(ToolDemo, WritesThePictureWhereAsked)
{
    const struct {
        const char *name;
        std::vector<std::string> args;
        const char *file;
    } rows[] = {
        {"date range", {"demo", "date-range", "--out", picture("a.svg")}, "a.svg"},
        {"date range in another order",
         {"demo", "date-range", "--short-date", "d.M.yy", "--out", picture("b.svg")}, "b.svg"},
        {"time range", {"demo", "time-range", "--out", picture("c.svg")}, "c.svg"},
        {"time range with every option",
         {"demo", "time-range", "--prefix", "--24h", "--out", picture("d.svg")}, "d.svg"},
        {"property sheet", {"demo", "property-sheet", "--out", picture("e.svg")}, "e.svg"},
        {"property sheet with Close and no Apply or Help",
         {"demo", "property-sheet", "--buttons", "0x1c", "--out", picture("f.svg")}, "f.svg"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = drive.run(row.args);
        expectOutcome(outcome, kDone, "");
        EXPECT_EQ(picture(row.file) + "\n", outcome.out);
        std::ifstream svg(pictures / row.file);
        const std::string text(std::istreambuf_iterator<char>(svg), {});
        EXPECT_NE(std::string::npos, text.find("<svg")) << text.substr(0, 200);
    }
}

TEST_F(ToolDemo, WritesTheDefaultFileInTheWorkingFolder)
{
    RunOptions options;
    options.workingFolder = pictures;
    for (const char *demo : {"date-range", "time-range"}) {
        SCOPED_TRACE(demo);
        expectOutcome(drive.run({"demo", demo}, options), kDone, "");
        EXPECT_TRUE(fs::is_regular_file(pictures / (std::string(demo) + ".svg")));
    }
}

TEST_F(ToolDemo, RegionalOptionsLeaveTheDrivesWinIniAlone)
{
    const std::string before = winIni();
    expectOutcome(drive.run({"demo", "time-range", "--24h", "--prefix", "--out",
                             picture("t.svg")}),
                  kDone, "");
    expectOutcome(drive.run({"demo", "date-range", "--short-date", "M/d/yy", "--out",
                             picture("d.svg")}),
                  kDone, "");
    EXPECT_EQ(before, winIni());
}

// The sample drive's short date is yyyy/MM/dd; the picture shows each separator label's text.
TEST_F(ToolDemo, TheShortDateOptionChangesTheSeparatorsShown)
{
    const struct {
        const char *name;
        std::vector<std::string> options;
        const char *shown;
        const char *notShown;
    } rows[] = {
        {"the drive's settings", {}, ">/</text>", ">.</text>"},
        {"--short-date dd.MM.yyyy", {"--short-date", "dd.MM.yyyy"}, ">.</text>", ">/</text>"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"demo", "date-range", "--out", picture("s.svg")};
        args.insert(args.end(), row.options.begin(), row.options.end());
        expectOutcome(drive.run(args), kDone, "");
        std::ifstream svg(pictures / "s.svg");
        const std::string text(std::istreambuf_iterator<char>(svg), {});
        EXPECT_NE(std::string::npos, text.find(row.shown));
        EXPECT_EQ(std::string::npos, text.find(row.notShown));
    }
}

TEST_F(ToolDemo, RefusesBadInputWithItsReason)
{
    runCases(drive, {
        {"no demo", {"demo"}, kUsage, "demo needs date-range, time-range, property-sheet or file-dialog"},
        {"unknown demo", {"demo", "month"}, kUsage, "unknown demo 'month'"},
        {"an argument", {"demo", "date-range", "x"}, kUsage, "takes no argument: x"},
        {"--24h on dates", {"demo", "date-range", "--24h"}, kUsage,
         "--24h is not an option of demo date-range"},
        {"--prefix on dates", {"demo", "date-range", "--prefix"}, kUsage,
         "--prefix is not an option of demo date-range"},
        {"--short-date on times", {"demo", "time-range", "--short-date", "d/M/y"}, kUsage,
         "--short-date is not an option of demo time-range"},
        {"--buttons on dates", {"demo", "date-range", "--buttons", "1"}, kUsage,
         "--buttons is not an option of demo date-range"},
        {"a flag beyond the five", {"demo", "property-sheet", "--buttons", "0x20"}, kUsage,
         "--buttons: FLAGS is a number from 0 to 0x1f"},
        {"flags that are no number", {"demo", "property-sheet", "--buttons", "4x"}, kUsage,
         "--buttons: FLAGS is a number"},
        {"--short-date without its pattern", {"demo", "date-range", "--short-date"}, kUsage,
         "--short-date needs a value"},
        {"an empty pattern", {"demo", "date-range", "--short-date", ""}, kUsage,
         "--short-date: the pattern cannot be empty"},
        {"a pattern of 11 characters", {"demo", "date-range", "--short-date", "dd.MM.yyyy."},
         kUsage, "longer than 10 characters"},
        {"a pattern with a line break", {"demo", "date-range", "--short-date", "d\nM"}, kUsage,
         "line break"},
        {"a pattern the code page cannot hold",
         {"demo", "date-range", "--short-date", "d\xC3\xA9M"}, kUsage, "code page cannot hold"},
        {"an empty file name", {"demo", "date-range", "--out", ""}, kUsage, "cannot be empty"},
        {"a file in a missing folder",
         {"demo", "time-range", "--out", picture("none/t.svg")}, kFailed,
         "cannot write the picture"},
    });
}

TEST_F(ToolDemo, HelpGivesEveryUsageBeforeTheTexts)
{
    const Outcome outcome = drive.run({"demo", "--help"});
    expectOutcome(outcome, kDone, "");
    std::vector<std::string> lines;
    for (size_t start = 0; start < outcome.out.size() && lines.size() < 5;) {
        const size_t end = outcome.out.find('\n', start);
        lines.push_back(outcome.out.substr(start, end - start));
        start = end == std::string::npos ? outcome.out.size() : end + 1;
    }
    const char *const kUsages[] = {"demo date-range", "demo time-range", "demo property-sheet",
                                   "demo file-dialog"};
    ASSERT_EQ(5u, lines.size());
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NE(std::string::npos, lines[i].find(kUsages[i])) << lines[i];
    EXPECT_EQ("", lines[4]);
}

// A picture sent to a pipe nobody reads fails with the system's text for the error, and the
// pipe stays a pipe.
TEST_F(ToolDemo, APictureThatCannotBeWrittenSaysWhyInWords)
{
    const fs::path pipe = pictures / "pipe.svg";
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
    expectOutcome(drive.run({"demo", "date-range", "--out", pipe.string()}), kFailed,
                  "The system cannot write to the specified device. (error 29)");
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// On the 24-hour clock the dialog hides the designator fields, which the editor still fills.
TEST_F(ToolDemo, TheTwentyFourHourClockShowsNoDesignator)
{
    expectOutcome(drive.run({"profile", "set", "windows", "intl", "iTime", "0"}), kDone, "");
    const std::string afternoon = "\xE5\x8D\x88\xE5\xBE\x8C";  // 午後, the drive's s2359
    const struct {
        const char *name;
        std::vector<std::string> options;
        bool designator;
    } rows[] = {
        {"12-hour clock", {}, true},
        {"24-hour clock", {"--24h"}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"demo", "time-range", "--out", picture("t.svg")};
        args.insert(args.end(), row.options.begin(), row.options.end());
        expectOutcome(drive.run(args), kDone, "");
        std::ifstream svg(pictures / "t.svg");
        const std::string text(std::istreambuf_iterator<char>(svg), {});
        EXPECT_EQ(row.designator, text.find(">" + afternoon + "<") != std::string::npos);
    }
}

// The file dialog on a folder of the test's own: the picture shows its sub-folder and files.
TEST_F(ToolDemo, FileDialogPicturesTheFolder)
{
    const fs::path folder = drive.root() / "shown";
    fs::create_directories(folder / "inner");
    std::ofstream(folder / "notes.txt") << "n";
    const struct {
        const char *name;
        std::string folder;
    } rows[] = {
        {"a host folder", folder.string()},
        {"a DOS path", "C:\\shown"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome =
            drive.run({"demo", "file-dialog", row.folder, "--out", picture("f.svg")});
        expectOutcome(outcome, kDone, "");
        std::ifstream svg(pictures / "f.svg");
        const std::string text(std::istreambuf_iterator<char>(svg), {});
        EXPECT_NE(std::string::npos, text.find("[inner]")) << text.substr(0, 200);
        EXPECT_NE(std::string::npos, text.find("notes.txt"));
    }
    runCases(drive, {
        {"no folder", {"demo", "file-dialog"}, kUsage, "needs a FOLDER"},
        {"two folders", {"demo", "file-dialog", "a", "b"}, kUsage, "takes one folder: b"},
        {"a regional option", {"demo", "file-dialog", folder.string(), "--24h"}, kUsage,
         "--24h is not an option of demo file-dialog"},
        {"a missing host folder",
         {"demo", "file-dialog", (folder / "none").string(), "--out", picture("none.svg")},
         kFailed, "no such folder"},
        {"a missing DOS folder",
         {"demo", "file-dialog", "C:\\none", "--out", picture("none.svg")}, kFailed,
         "no such folder"},
    });
    // The drive's root, where the dialog falls back to, is not pictured instead.
    EXPECT_FALSE(fs::exists(pictures / "none.svg"));
}
