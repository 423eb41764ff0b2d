// vksutil modem: the modem makers and types of the modem profiles, and the user's own modems.
#include <cstdio>
#include <string>

#include <vksutil/modem/modem_profiles.h>
#include <vksutil/vksutil.h>

#include "commands.h"
#include "terminal.h"

namespace tool {

namespace {

// The key names of the settings rows, which the type keeps for its derived classes.
class ModemKeys : public TutModemType {
public:
    static const char *key(int type) { return iniKeyString[type]; }
};

// Where a row's value comes from, in the order the library looks.
const char *sourceOf(const char *modemType, const char *key)
{
    const struct {
        TutProfile const &(*profile)();
        const char *label;
    } levels[] = {
        {TutProfile::userModems, "user profile"},
        {TutProfile::defaultModems, "default profile"},
    };
    for (const auto &level : levels) {
        const TutProfileKey place(level.profile(), modemType, key);
        if (!place.exists())
            continue;
        CString value;
        place.read(value, "");
        // A stored "<0>" means "not set" and hides the levels below it.
        return vks::detail::isModemNotSet(value) ? "built-in" : level.label;
    }
    return "built-in";
}

bool ansiName(const std::string &typed, const char *what, std::string &ansi)
{
    if (fromTerminal(typed, ansi))
        return true;
    usageError(std::string(what) + " '" + typed + "' has characters the code page cannot hold");
    return false;
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Names compare as the profile's sections do: ASCII letters without regard to case, the second
// byte of a double-byte character exactly.
bool sameName(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*a))) {
            if (*a != *b || a[1] != b[1])
                return false;
            if (!a[1])
                return true;
            ++a;
            ++b;
        } else if (asciiUpper(*a) != asciiUpper(*b)) {
            return false;
        }
    }
    return *a == *b;
}

// Whether `maker` is one of the makers the default profile lists, or the user-defined maker.
bool isKnownMaker(const TutMakerList &makers, const std::string &maker)
{
    if (maker == TutMakerList::UserDefineModem)
        return true;
    for (unsigned int i = 0; i + 1 < makers.makerCount(); ++i)
        if (sameName(static_cast<const char *>(makers.at(i)), maker.c_str()))
            return true;
    return false;
}

// Why a maker has no modem types: no modem profile to read, a maker the profile does not
// list, or a listed maker without types.
int reportNoModems(const std::string &maker, const std::string &typed)
{
    const TutMakerList makers;
    // Besides the user-defined maker's entry, no maker at all: there is no default profile.
    if (makers.makerCount() <= 1) {
        std::fprintf(stderr, "vksutil: no modem makers: the default modem profile %s is missing "
                             "or lists none\n",
                     toTerminal(TutProfile::defaultModems().name()).c_str());
        return kFailed;
    }
    if (!isKnownMaker(makers, maker))
        return usageError("unknown modem maker '" + typed + "' (see vksutil modem makers)");
    std::fprintf(stderr, "vksutil: the modem maker '%s' has no modem types\n", typed.c_str());
    return kFailed;
}

int runMakers(const std::vector<std::string> &words)
{
    if (!words.empty())
        return usageError("usage: vksutil [--drive-c DIR] modem makers");
    const TutMakerList makers;
    for (unsigned int i = 0; i < makers.makerCount(); ++i) {
        const TutString name = makers.at(i);
        // The last entry is empty when the user has defined no modem.
        if (!name.isEmpty())
            std::printf("%s\n", toTerminal(static_cast<const char *>(name)).c_str());
    }
    return kDone;
}

int runList(const std::vector<std::string> &words)
{
    if (words.size() != 1)
        return usageError("usage: vksutil [--drive-c DIR] modem list MAKER");
    std::string maker;
    if (!ansiName(words[0], "maker", maker))
        return kUsage;
    const TutModemList modems(maker.c_str());
    if (!modems.isValid())
        return reportNoModems(maker, words[0]);
    for (unsigned int i = 0; i < modems.modemCount(); ++i)
        std::printf("%s\n", toTerminal(static_cast<const char *>(modems.at(i))).c_str());
    return kDone;
}

int runShow(const std::vector<std::string> &words)
{
    if (words.size() != 1)
        return usageError("usage: vksutil [--drive-c DIR] modem show TYPE");
    std::string name;
    if (!ansiName(words[0], "modem type", name))
        return kUsage;
    if (!TutProfileSection(TutProfile::userModems(), name.c_str()).exists() &&
        !TutProfileSection(TutProfile::defaultModems(), name.c_str()).exists())
        std::fprintf(stderr, "vksutil: neither modem profile has a section [%s]; the built-in "
                             "values follow\n", words[0].c_str());

    const TutModemType type(name.c_str());
    std::printf("%s\n", toTerminal(static_cast<const char *>(type.modemType())).c_str());
    for (int row = TutModemType::TYPE_NAME + 1; row < TutModemType::stringTypeCount; ++row) {
        const char *key = ModemKeys::key(row);
        const TutString value = type.string(static_cast<TutModemType::STRING_TYPE>(row));
        std::printf("  %-16s %-16s %s\n", key, sourceOf(name.c_str(), key),
                    toTerminal(static_cast<const char *>(value)).c_str());
    }
    std::printf("default baud %ld, response timeout %u\n", type.defaultBaud(),
                type.responseTimeout());
    return kDone;
}

int runAdd(const std::vector<std::string> &words)
{
    if (words.size() != 1)
        return usageError("usage: vksutil [--drive-c DIR] modem add NAME");
    std::string name;
    if (!ansiName(words[0], "name", name))
        return kUsage;
    if (!vks::detail::isStorableModemName(name.c_str()))
        return usageError("'" + words[0] + "' cannot be a modem name: it must not be empty, hold "
                          "'=' or control characters, begin with '[' or ';', or have blanks at "
                          "either end");
    const TutModemList userModems(TutMakerList::UserDefineModem);
    userModems.add(name.c_str());
    if (TutModemList(TutMakerList::UserDefineModem).exists(name.c_str()))
        return kDone;
    std::fprintf(stderr, "vksutil: could not add '%s' to %s\n", words[0].c_str(),
                 toTerminal(TutProfile::userModems().name()).c_str());
    return kFailed;
}

int runRemove(const std::vector<std::string> &words)
{
    if (words.size() != 1)
        return usageError("usage: vksutil [--drive-c DIR] modem remove NAME");
    std::string name;
    if (!ansiName(words[0], "name", name))
        return kUsage;
    const TutModemList userModems(TutMakerList::UserDefineModem);
    if (!userModems.exists(name.c_str())) {
        std::fprintf(stderr, "vksutil: no user-defined modem '%s'\n", words[0].c_str());
        return kFailed;
    }
    userModems.remove(name.c_str());
    if (!TutModemList(TutMakerList::UserDefineModem).exists(name.c_str()))
        return kDone;
    std::fprintf(stderr, "vksutil: could not remove '%s' from %s\n", words[0].c_str(),
                 toTerminal(TutProfile::userModems().name()).c_str());
    return kFailed;
}

}  // namespace

void helpModem(FILE *out)
{
    std::fputs(
        "usage: vksutil [--drive-c DIR] modem makers\n"
        "       vksutil [--drive-c DIR] modem list MAKER\n"
        "       vksutil [--drive-c DIR] modem show TYPE\n"
        "       vksutil [--drive-c DIR] modem add NAME\n"
        "       vksutil [--drive-c DIR] modem remove NAME\n\n"
        "The modem database: the default modem profile (vksmodem.ini, shipped with the\n"
        "product) and the user modem profile (vksusrmd.ini) in the company directory.\n\n"
        "makers  lists the modem makers in file order, then the user-defined maker\n"
        "        when the user has defined a modem.\n"
        "list    lists the modem types of a maker; exit code 2 for a maker that is not\n"
        "        listed, 3 when the maker has no types or there is no modem profile.\n"
        "show    prints every setting of a modem type with where it comes from: the\n"
        "        user profile, the default profile or the built-in value.\n"
        "add     defines a user modem (a name under the user-defined maker).\n"
        "remove  removes a user modem by name; its settings section stays.\n\n"
        "Names are shown and typed in UTF-8 and stored in the ANSI code page (932 unless\n"
        "VKS_CODEPAGE says otherwise); a typed name the code page cannot hold is refused.\n",
        out);
}

int runModem(const Args &, const std::vector<std::string> &words)
{
    if (words.empty())
        return usageError("modem needs a subcommand: makers, list, show, add or remove");
    const std::string &verb = words[0];
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (verb == "makers")
        return runMakers(rest);
    if (verb == "list")
        return runList(rest);
    if (verb == "show")
        return runShow(rest);
    if (verb == "add")
        return runAdd(rest);
    if (verb == "remove")
        return runRemove(rest);
    return usageError("unknown modem subcommand '" + verb + "'");
}

}  // namespace tool
