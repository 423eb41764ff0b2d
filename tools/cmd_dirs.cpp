// vksutil dirs: the product's directories and the paths of its well-known files.
#include <cstdio>

#include <vksutil/vksutil.h>

#include "commands.h"
#include "error_text.h"
#include "terminal.h"

namespace tool {

namespace {

struct Entry {
    const char *label;
    const char *(*path)();
};

const Entry kDirectories[] = {
    {"windows", TutDirectories::windows},
    {"system", TutDirectories::system},
    {"company", TutDirectories::company},
    {"data", TutDirectories::data},
    {"application", TutDirectories::application},
    {"user files", TutDirectories::UserFiles},
};

const Entry kMadeDirectories[] = {
    {"company", TutDirectories::company},
    {"data", TutDirectories::data},
};

const Entry kFiles[] = {
    {"win.ini", TutFiles::winINIPath},
    {"system.ini", TutFiles::systemINIPath},
    {"company profile", TutFiles::vksINIPath},
    {"application profile", TutFiles::vmwINIPath},
    {"default modems", TutFiles::defaultModemPath},
    {"user modems", TutFiles::userModemPath},
    {"address book", TutFiles::addressBookPath},
    {"security file", TutFiles::securityFilePath},
    {"activity log", TutFiles::activityLogPath},
    {"activity logs", TutFiles::activityLogSearchPath},
    {"modem log", TutFiles::modemLogPath},
    {"help", TutFiles::applicationHelpPath},
    {"program", TutFiles::vmwPath},
};

template <size_t N>
void printTable(const char *title, const Entry (&entries)[N])
{
    std::printf("%s\n", title);
    for (const Entry &entry : entries)
        std::printf("  %-20s %s\n", entry.label, toTerminal(entry.path()).c_str());
}

// The library makes these directories on first use but cannot say when it fails to; asked again,
// the maker leaves the host's reason as the last error.
int checkMadeDirectories()
{
    for (const Entry &entry : kMadeDirectories) {
        if (TutDirectories::RMakeDir(entry.path()) == 0)
            continue;
        std::fprintf(stderr, "vksutil: the %s directory %s could not be created: %s\n", entry.label,
                     toTerminal(entry.path()).c_str(), errorText(GetLastError()).c_str());
        return kFailed;
    }
    return kDone;
}

}  // namespace

void helpDirs(FILE *out)
{
    std::fputs("usage: vksutil [--drive-c DIR] dirs\n\n"
               "Prints the product's directories (DOS paths on the chosen drive C) and the\n"
               "paths of the files the product knows by name. The company and data\n"
               "directories are created when missing, as the product does; exit code 3 when\n"
               "one of them cannot be.\n", out);
}

int runDirs(const Args &, const std::vector<std::string> &words)
{
    if (!words.empty())
        return usageError("dirs takes no arguments");
    printTable("Directories", kDirectories);
    printTable("Files", kFiles);
    return checkMadeDirectories();
}

}  // namespace tool
