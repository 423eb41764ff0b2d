// vksutil: the command-line tool over the library, for administrators and developers of the
// product.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include <vksutil/vksutil.h>

#include "commands.h"
#include "vkshost.h"

namespace tool {

namespace {

const Command kCommands[] = {
    {"dirs", "the product's directories and the paths of its files", runDirs, helpDirs},
    {"profile", "read, write and list settings in the product's INI files", runProfile,
     helpProfile},
    {"modem", "the modem makers and types, and the user's own modems", runModem, helpModem},
    {"format", "numbers, byte counts, dates and times in the regional settings", runFormat,
     helpFormat},
    {"files", "which names a file filter's pattern accepts", runFiles, helpFiles},
    {"os", "the system version and family as the library sees them", runOs, helpOs},
    {"log", "show the activity log, or write a line to it", runLog, helpLog},
    {"demo", "the range editors, a property sheet or the file dialog, pictured as SVG", runDemo,
     helpDemo},
};

const std::vector<std::string> kValueOptions = {"--drive-c", "--type", "--default", "--lang",
                                                 "--short-date", "--out", "--buttons"};
const std::vector<std::string> kFlagOptions = {"--24h", "--prefix"};

void printUsage(FILE *out)
{
    std::fputs("usage: vksutil [--drive-c DIR] COMMAND [ARGS...]\n"
               "       vksutil --version\n\n"
               "Commands:\n", out);
    for (const Command &command : kCommands)
        std::fprintf(out, "  %-10s %s\n", command.name, command.synopsis);
    std::fputs("\nOptions:\n"
               "  --drive-c DIR  the folder that is drive C (default: $VKS_DRIVE_C)\n"
               "  --help         help on the tool or on a command\n"
               "  --version      the library's version\n\n"
               "Exit codes: 0 done, 1 key absent (profile get), 2 usage or bad value,\n"
               "3 the operation could not be carried out.\n", out);
}

const Command *findCommand(const std::string &name)
{
    for (const Command &command : kCommands)
        if (name == command.name)
            return &command;
    return nullptr;
}

}  // namespace

int usageError(const std::string &message)
{
    std::fprintf(stderr, "vksutil: %s\n", message.c_str());
    return kUsage;
}

int run(int argc, char **argv)
{
    Args args(argc, argv, kValueOptions, kFlagOptions);
    if (!args.ok())
        return usageError(args.error() + " (see vksutil --help)");
    if (args.version()) {
        std::printf("vksutil %s\n", utLibraryVersion());
        return kDone;
    }
    if (args.words().empty()) {
        printUsage(args.help() ? stdout : stderr);
        return args.help() ? kDone : kUsage;
    }
    const Command *command = findCommand(args.words()[0]);
    if (!command)
        return usageError("unknown command '" + args.words()[0] + "' (see vksutil --help)");
    if (args.help()) {
        command->help(stdout);
        return kDone;
    }
    if (args.has("--drive-c") && !VksHostSetDrive('C', args.option("--drive-c").c_str()))
        return usageError("--drive-c: no such folder: " + args.option("--drive-c"));
    return command->run(args, args.rest(1));
}

}  // namespace tool

// Whatever the library or the standard library throws ends the command with a message and exit
// code 3 rather than an abort.
int main(int argc, char **argv)
{
    try {
        return tool::run(argc, argv);
    } catch (CException *exception) {
        char reason[256] = "";
        exception->GetErrorMessage(reason, sizeof reason);
        exception->Delete();
        std::fprintf(stderr, "vksutil: the operation failed: %s\n",
                     reason[0] ? reason : "an error in the library");
    } catch (const std::exception &exception) {
        std::fprintf(stderr, "vksutil: the operation failed: %s\n", exception.what());
    }
    return tool::kFailed;
}
