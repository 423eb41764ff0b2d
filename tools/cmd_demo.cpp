// vksutil demo: the range editors in a sample dialog, pictured as SVG.
#include <cstdio>
#include <string>

#include "commands.h"
#include "demo_dialog.h"
#include "demo_sheet.h"
#include "demo_file_dialog.h"
#include "regional_override.h"
#include "terminal.h"

namespace tool {

namespace {

// The short date's room in the regional settings cache.
constexpr std::size_t kShortDateRoom = 10;

struct Demo {
    const char *name;
    const char *defaultPicture;
    const char *options[2];  // the regional options it takes
    bool (*picture)(const std::string &svgPath, std::string &reason);
};

const Demo kDemos[] = {
    {"date-range", "date-range.svg", {"--short-date", nullptr}, pictureDateRange},
    {"time-range", "time-range.svg", {"--24h", "--prefix"}, pictureTimeRange},
    {"property-sheet", "property-sheet.svg", {"--buttons", nullptr}, pictureSheet},
};
const char *const kDemoOptions[] = {"--short-date", "--24h", "--prefix", "--buttons"};
constexpr unsigned long kButtonFlagsMask = 0x1F;

const Demo *findDemo(const std::string &name)
{
    for (const Demo &demo : kDemos)
        if (name == demo.name)
            return &demo;
    return nullptr;
}

bool takes(const Demo &demo, const std::string &option)
{
    for (const char *own : demo.options)
        if (own && option == own)
            return true;
    return false;
}

// The [intl] keys the options set; false with a usage error's text for a bad pattern.
bool regionalKeys(const Args &args, RegionalOverride::Keys &keys, std::string &problem)
{
    if (args.has("--short-date")) {
        std::string pattern;
        if (args.option("--short-date").empty()) {
            problem = "--short-date: the pattern cannot be empty";
            return false;
        }
        if (!fromTerminal(args.option("--short-date"), pattern)) {
            problem = "--short-date: the pattern has a character the code page cannot hold";
            return false;
        }
        if (pattern.find_first_of("\r\n") != std::string::npos) {
            problem = "--short-date: the pattern cannot hold a line break";
            return false;
        }
        if (pattern.size() > kShortDateRoom) {
            problem = "--short-date: the pattern is longer than 10 characters";
            return false;
        }
        keys.emplace_back("sShortDate", pattern);
    }
    if (args.has("--24h"))
        keys.emplace_back("iTime", "1");
    if (args.has("--prefix"))
        keys.emplace_back("iTimePrefix", "1");
    return true;
}

// Decimal, or hexadecimal after 0x; only the five flags.
bool buttonFlags(const std::string &text, unsigned int &flags)
{
    if (text.empty() || text.size() > 10)
        return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const char *allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos)
        return false;
    const unsigned long value = std::stoul(digits, nullptr, hex ? 16 : 10);
    if (value & ~kButtonFlagsMask)
        return false;
    flags = static_cast<unsigned int>(value);
    return true;
}

// The file dialog takes a folder and none of the other demos' options.
int runFileDialogDemo(const Args &args, const std::vector<std::string> &words)
{
    if (words.size() < 2)
        return usageError("demo file-dialog needs a FOLDER");
    if (words.size() > 2)
        return usageError("demo file-dialog takes one folder: " + words[2]);
    for (const char *option : kDemoOptions)
        if (args.has(option))
            return usageError(std::string(option) + " is not an option of demo file-dialog");
    const std::string picture = args.option("--out", "file-dialog.svg");
    if (picture.empty())
        return usageError("--out: the file name cannot be empty");
    std::string reason;
    if (!pictureFileDialog(words[1], picture, reason)) {
        std::fprintf(stderr, "vksutil: %s\n", reason.c_str());
        return kFailed;
    }
    std::printf("%s\n", picture.c_str());
    return kDone;
}

}  // namespace

void helpDemo(FILE *out)
{
    std::fputs("usage: vksutil [--drive-c DIR] demo date-range [--short-date PATTERN] [--out FILE]\n"
               "       vksutil [--drive-c DIR] demo time-range [--24h] [--prefix] [--out FILE]\n"
               "       vksutil [--drive-c DIR] demo property-sheet [--buttons FLAGS] [--out FILE]\n"
               "       vksutil [--drive-c DIR] demo file-dialog FOLDER [--out FILE]\n\n"
               "Builds a sample dialog with the date range or the time range editor, fills it\n"
               "with a sample range (1 April to 30 June 2024, or 8:30 to 17:45), and writes\n"
               "its picture as SVG to FILE (default: date-range.svg or time-range.svg in the\n"
               "current folder). The fields follow the regional settings of the drive's\n"
               "win.ini, section [intl]; the options change them for this run only, on a\n"
               "scratch copy of win.ini (the drive's own is not written):\n"
               "  --short-date PATTERN  the short date, such as dd.MM.yyyy (at most 10\n"
               "                        characters; d, M and y give the order of the fields)\n"
               "  --24h                 the 24-hour clock\n"
               "  --prefix              the designator (AM/PM) before the time, on the\n"
               "                        12-hour clock\n\n"
               "property-sheet pictures a two-page sample property sheet (default file:\n"
               "property-sheet.svg) with its standard buttons chosen by\n"
               "  --buttons FLAGS       the sum of 0x1 (no OK), 0x2 (no Cancel), 0x4 (no\n"
               "                        Apply), 0x8 (no Help) and 0x10 (OK labelled Close),\n"
               "                        decimal or 0x hexadecimal; 0 by default\n\n"
               "file-dialog opens the common Open dialog on FOLDER (a host folder, or a DOS\n"
               "path such as C:\\data on the drives), listing its sub-folders and files, and\n"
               "writes its picture as SVG to FILE (default: file-dialog.svg in the current\n"
               "folder); a folder that cannot be read is an error.\n", out);
}

int runDemo(const Args &args, const std::vector<std::string> &words)
{
    if (words.empty())
        return usageError("demo needs date-range, time-range, property-sheet or file-dialog");
    if (words[0] == "file-dialog")
        return runFileDialogDemo(args, words);
    const Demo *demo = findDemo(words[0]);
    if (!demo)
        return usageError("unknown demo '" + words[0] + "' (see vksutil demo --help)");
    if (words.size() > 1)
        return usageError("demo " + words[0] + " takes no argument: " + words[1]);
    for (const char *option : kDemoOptions)
        if (args.has(option) && !takes(*demo, option))
            return usageError(std::string(option) + " is not an option of demo " + words[0]);
    const std::string picture = args.option("--out", demo->defaultPicture);
    if (picture.empty())
        return usageError("--out: the file name cannot be empty");

    unsigned int buttons = 0;
    if (args.has("--buttons") && !buttonFlags(args.option("--buttons"), buttons))
        return usageError("--buttons: FLAGS is a number from 0 to 0x1f (0x1 OK, 0x2 Cancel, "
                          "0x4 Apply, 0x8 Help hidden; 0x10 OK labelled Close)");
    setSheetButtons(buttons);

    RegionalOverride::Keys keys;
    std::string problem;
    if (!regionalKeys(args, keys, problem))
        return usageError(problem);
    RegionalOverride regional(keys);
    if (!regional.error().empty()) {
        std::fprintf(stderr, "vksutil: %s\n", regional.error().c_str());
        return kFailed;
    }
    std::string reason;
    if (!demo->picture(picture, reason)) {
        std::fprintf(stderr, "vksutil: %s\n", reason.c_str());
        return kFailed;
    }
    std::printf("%s\n", picture.c_str());
    return kDone;
}

}  // namespace tool
