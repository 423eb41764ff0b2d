// vksutil profile: read, write and list settings in the product's INI files.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <vksutil/vksutil.h>

#include "commands.h"
#include "error_text.h"
#include "profile_names.h"
#include "terminal.h"
#include "value_text.h"

namespace tool {

namespace {

struct WellKnown {
    const char *name;
    TutProfile const &(*profile)();
};

const WellKnown kProfiles[] = {
    {"windows", TutProfile::windows},
    {"system", TutProfile::system},
    {"company", TutProfile::company},
    {"application", TutProfile::application},
    {"default-modems", TutProfile::defaultModems},
    {"user-modems", TutProfile::userModems},
};

// A well-known name, a DOS path (a drive letter or a backslash in it), or a host file path
// relative to the working folder. kDone when `profile` names it, else the exit code, with the
// message given.
int profileNamed(const std::string &word, TutProfile &profile)
{
    if (word.empty())
        return usageError("PROFILE cannot be empty: give a profile name or a file");
    for (const WellKnown &known : kProfiles) {
        if (word == known.name) {
            profile = known.profile();
            return kDone;
        }
    }
    if (word.find('\\') != std::string::npos || word.find(':') != std::string::npos) {
        // A DOS path is in the code page, as the library takes it.
        std::string dos;
        if (!fromTerminal(word, dos))
            return usageError("PROFILE: the path has a character the code page cannot hold");
        profile = TutProfile(dos.c_str());
        return kDone;
    }
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(word, error);
    if (error) {
        std::fprintf(stderr, "vksutil: cannot find '%s' from the working folder, which may have "
                             "been removed: %s\n", word.c_str(), error.message().c_str());
        return kFailed;
    }
    profile = TutProfile(path.lexically_normal().c_str());
    return kDone;
}

// The profile functions read a file that exists but cannot be opened as an empty one, and
// leave ERROR_ACCESS_DENIED to tell the two apart.
int checkReadable(const TutProfile &profile)
{
    char probe[2];
    SetLastError(ERROR_SUCCESS);
    GetPrivateProfileStringA(nullptr, nullptr, "", probe, sizeof probe, profile.name());
    if (GetLastError() != ERROR_ACCESS_DENIED)
        return kDone;
    std::fprintf(stderr, "vksutil: %s cannot be read: %s\n", toTerminal(profile.name()).c_str(),
                 errorText(ERROR_ACCESS_DENIED).c_str());
    return kFailed;
}

// The profile named by `word`, checked to be readable.
int readableProfile(const std::string &word, TutProfile &profile)
{
    const int named = profileNamed(word, profile);
    return named == kDone ? checkReadable(profile) : named;
}

// Section and key names typed at the terminal, in the ANSI code page.
bool ansiWord(const std::string &typed, const char *what, std::string &ansi)
{
    if (fromTerminal(typed, ansi))
        return true;
    usageError(std::string(what) + " '" + typed + "' has characters the code page cannot hold");
    return false;
}

// The names of a place to write to or remove from: false, with the message given, when the
// profile functions would refuse them. An empty `key` is not checked.
bool writableNames(const std::string &section, const std::string *key)
{
    std::string why;
    if (!checkSectionName(section, why) || (key && !checkKeyName(*key, why))) {
        usageError(why);
        return false;
    }
    return true;
}

int runKeys(const std::vector<std::string> &words)
{
    if (words.size() != 2)
        return usageError("usage: vksutil [--drive-c DIR] profile keys PROFILE SECTION");
    std::string section;
    if (!ansiWord(words[1], "section", section))
        return kUsage;
    TutProfile profile;
    if (int failed = readableProfile(words[0], profile))
        return failed;
    TutProfileKeyList keys(profile, section.c_str());
    for (int i = 0; i < keys.count(); ++i)
        std::printf("%s\n", toTerminal(keys[i].name()).c_str());
    return kDone;
}

int runGet(const Args &args, const std::vector<std::string> &words)
{
    if (words.size() != 3)
        return usageError("usage: vksutil [--drive-c DIR] profile get PROFILE SECTION KEY "
                          "[--type T] [--default V]");
    ValueType type;
    if (!parseValueType(args.option("--type", "text"), type))
        return usageError("--type: unknown type '" + args.option("--type") + "'");
    std::string section, name, fallback;
    if (!ansiWord(words[1], "section", section) || !ansiWord(words[2], "key", name) ||
        !ansiWord(args.option("--default"), "default", fallback))
        return kUsage;
    TutProfile profile;
    if (int failed = readableProfile(words[0], profile))
        return failed;
    TutProfileKey key(profile, section.c_str(), name.c_str());

    std::string shown;
    if (!key.exists()) {
        if (args.has("--default")) {
            std::string error;
            if (!checkValueText(type, fallback, error))
                return usageError("--default: " + error);
            std::printf("%s\n", toTerminal(fallback).c_str());
        } else {
            std::fprintf(stderr, "vksutil: no key '%s' in section [%s] of %s\n", words[2].c_str(),
                         words[1].c_str(), toTerminal(key.section().profile().name()).c_str());
        }
        return kAbsent;
    }
    std::string error;
    if (!readValue(key, type, shown, error))
        return usageError(error);
    std::printf("%s\n", toTerminal(shown).c_str());
    return kDone;
}

int runSet(const Args &args, const std::vector<std::string> &words)
{
    if (words.size() != 4)
        return usageError("usage: vksutil [--drive-c DIR] profile set PROFILE SECTION KEY VALUE "
                          "[--type T]");
    ValueType type;
    if (!parseValueType(args.option("--type", "text"), type))
        return usageError("--type: unknown type '" + args.option("--type") + "'");
    std::string section, name, value;
    if (!ansiWord(words[1], "section", section) || !ansiWord(words[2], "key", name) ||
        !ansiWord(words[3], "value", value) || !writableNames(section, &name))
        return kUsage;
    TutProfile profile;
    if (int failed = readableProfile(words[0], profile))
        return failed;
    TutProfileKey key(profile, section.c_str(), name.c_str());
    std::string error;
    switch (writeValue(key, type, value, error)) {
    case WriteResult::kWritten:
        return kDone;
    case WriteResult::kBadValue:
        return usageError(error);
    case WriteResult::kNotWritten:
        break;
    }
    std::fprintf(stderr, "vksutil: could not write [%s] %s to %s%s%s\n", words[1].c_str(),
                 words[2].c_str(), toTerminal(key.section().profile().name()).c_str(),
                 error.empty() ? "" : ": ", error.c_str());
    return kFailed;
}

int runDelete(const std::vector<std::string> &words)
{
    if (words.size() != 2 && words.size() != 3)
        return usageError("usage: vksutil [--drive-c DIR] profile delete PROFILE SECTION [KEY]");
    std::string section, name;
    if (!ansiWord(words[1], "section", section) ||
        (words.size() == 3 && !ansiWord(words[2], "key", name)) ||
        !writableNames(section, words.size() == 3 ? &name : nullptr))
        return kUsage;
    TutProfile profile;
    if (int failed = readableProfile(words[0], profile))
        return failed;
    TutProfileSection place(profile, section.c_str());
    const TutProfileKey key(place, name.c_str());
    SetLastError(ERROR_SUCCESS);
    if (words.size() == 2)
        place.remove();
    else
        key.remove();
    const DWORD removeError = GetLastError();
    if (words.size() == 2 ? !place.exists() : !key.exists())
        return kDone;
    std::fprintf(stderr, "vksutil: could not delete from %s%s%s\n",
                 toTerminal(place.profile().name()).c_str(), removeError ? ": " : "",
                 removeError ? errorText(removeError).c_str() : "");
    return kFailed;
}

}  // namespace

void helpProfile(FILE *out)
{
    std::fputs(
        "usage: vksutil [--drive-c DIR] profile keys PROFILE SECTION\n"
        "       vksutil [--drive-c DIR] profile get PROFILE SECTION KEY [--type T] [--default V]\n"
        "       vksutil [--drive-c DIR] profile set PROFILE SECTION KEY VALUE [--type T]\n"
        "       vksutil [--drive-c DIR] profile delete PROFILE SECTION [KEY]\n\n"
        "PROFILE is one of windows, system, company, application, default-modems,\n"
        "user-modems, or a file: a DOS path (c:\\dir\\file.ini) or a host path.\n\n"
        "keys    lists the key names of a section, in file order.\n"
        "get     prints a key's value as the product reads it; exit code 1 when the key is\n"
        "        absent (the --default value, if given, is printed then).\n"
        "set     writes a value in the product's text form for its type. A text reads\n"
        "        back without blanks at either end and without one pair of quotes around\n"
        "        it, as the product reads it.\n"
        "delete  removes a key, or a whole section with its keys.\n\n"
        "Exit code 2 for a key name that is empty, holds '=' or a line break, or begins\n"
        "with ';' or '[', and for a section name or text with a line break: the file could\n"
        "not give them back. Exit code 3 when the file cannot be read or written, or a\n"
        "relative host path cannot be found because the working folder is gone.\n\n"
        "Types (--type, default text):\n"
        "  text     the text as stored\n"
        "  int      32-bit signed integer         uint   32-bit unsigned integer\n"
        "  long     32-bit signed integer (read as text)\n"
        "  int64    64-bit signed integer\n"
        "  bool     yes/no (stored as Yes or No; reads true for Y..., T..., 1... and ON)\n"
        "  date     YYYY-MM-DDTHH:MM:SS (stored as year,month,day,hour,minute,second)\n"
        "  encrypt  text stored in the product's scrambled form (at most 255 characters)\n\n"
        "Texts are shown and typed in UTF-8 and stored in the ANSI code page (932 unless\n"
        "VKS_CODEPAGE says otherwise); a typed text the code page cannot hold is refused.\n",
        out);
}

int runProfile(const Args &args, const std::vector<std::string> &words)
{
    if (words.empty())
        return usageError("profile needs a subcommand: keys, get, set or delete");
    const std::string &verb = words[0];
    std::vector<std::string> rest(words.begin() + 1, words.end());
    if (verb == "keys")
        return runKeys(rest);
    if (verb == "get")
        return runGet(args, rest);
    if (verb == "set")
        return runSet(args, rest);
    if (verb == "delete")
        return runDelete(rest);
    return usageError("unknown profile subcommand '" + verb + "'");
}

}  // namespace tool
