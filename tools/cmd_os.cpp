// vksutil os: the system version and family as the library sees them.
#include <cstdio>

#include <vksutil/vksutil.h>

#include "commands.h"

namespace tool {

namespace {

const char *familyName(CutOSVersion::VER_PLATFORM platform)
{
    switch (platform) {
    case CutOSVersion::PLATFORM_WIN95:
        return "Windows 95 family (95, 98, Me)";
    case CutOSVersion::PLATFORM_WINNT:
        return "Windows NT family (NT 4.0 and later)";
    default:
        return "other (neither family the product runs on)";
    }
}

struct Release {
    const char *label;
    int (*test)();
};

const Release kReleases[] = {
    {"Windows 95 family", CutOSVersion::IsWin95},
    {"Windows 98 or later", CutOSVersion::IsWin98},
    {"Windows Me", CutOSVersion::IsWinMe},
    {"Windows NT 4.0 or later", CutOSVersion::IsWinNT},
    {"Windows 2000 or later", CutOSVersion::IsWinNT5},
    {"Windows XP or later", CutOSVersion::IsWinXP},
};

}  // namespace

void helpOs(FILE *out)
{
    std::fputs("usage: vksutil os\n\n"
               "Prints the running system's version (major.minor.build and its packed form),\n"
               "its platform family, the answers of the release tests and whether the\n"
               "keyboard is an NEC one, as the library sees them. On this platform the system\n"
               "is Windows XP (5.1.2600) unless the host program sets another version.\n", out);
}

int runOs(const Args &, const std::vector<std::string> &words)
{
    if (!words.empty())
        return usageError("os takes no arguments");
    const CutOSVersionNum &version = CutOSVersion::GetVersion();
    int major = 0, minor = 0, build = 0;
    version.GetVersionNumbers(major, minor, build);
    const CutOSVersion::VER_PLATFORM platform = CutOSVersion::GetPlatform();
    std::printf("version   %d.%d.%d (packed 0x%08X)\n", major, minor, build,
                static_cast<unsigned int>(version.GetDWordVersion()));
    std::printf("family    %d: %s\n", static_cast<int>(platform), familyName(platform));
    for (const Release &release : kReleases)
        std::printf("  %-24s %s\n", release.label, release.test() ? "yes" : "no");
    std::printf("  %-24s %s\n", "NEC keyboard", isNEC() ? "yes" : "no");
    return kDone;
}

}  // namespace tool
