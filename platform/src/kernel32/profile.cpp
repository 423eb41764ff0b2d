// The private-profile functions over the INI engine.
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kernel32/ini_edit.h"
#include "kernel32/ini_store.h"
#include "kernel32/ini_text.h"
#include "kernel32/paths.h"
#include "kernel32/profile_copy.h"
#include "kernel32/profile_path.h"
#include "kernel32/regional_settings.h"
#include "posix/inifile_posix.h"
#include "vksboundary.h"
#include "windows.h"

namespace {

using namespace vks::detail;

// The digit `c` stands for, letters counting from 10; 99 for anything else.
UINT digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return UINT(c - '0');
    if (c >= 'a' && c <= 'z')
        return UINT(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z')
        return UINT(c - 'A' + 10);
    return 99;
}

// As Windows converts the text of GetPrivateProfileIntA (its RtlCharToInteger with base 0):
// bytes up to the blank skipped, one sign, then "0x", "0o" or "0b" in lower case for base 16, 8
// or 2 (decimal otherwise), then the digits of that base up to the first other character,
// wrapping modulo 2^32. The sign applies to the whole number; no digit gives 0.
UINT parseProfileInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] != '\0' && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    UINT base = 10;
    if (text.substr(i, 2) == "0x")
        base = 16;
    else if (text.substr(i, 2) == "0o")
        base = 8;
    else if (text.substr(i, 2) == "0b")
        base = 2;
    if (base != 10)
        i += 2;
    UINT result = 0;
    for (; i < text.size(); ++i) {
        UINT digit = digitValue(text[i]);
        if (digit >= base)
            break;
        result = result * base + digit;
    }
    return negative ? 0u - result : result;
}

// The profile a thread read last, kept so that reading it again costs one stat() and no lock:
// it stands for the file while the drive map and the file's stamp stay as they were.
struct RecentProfile {
    std::string fileName;
    unsigned generation = 0;
    std::string hostPath;
    std::optional<FileStamp> stamp;  // the stamp under which `doc` stands for the file
    std::shared_ptr<const IniDocument> doc;

    ~RecentProfile();
};

// Trivially destructible, so that a profile call made after the thread's own objects are gone
// (from another module's exit handler) can still ask.
thread_local bool recentProfileGone = false;

RecentProfile::~RecentProfile()
{
    recentProfileGone = true;
}

// This thread's last profile; null once the thread is ending.
RecentProfile *recentProfile()
{
    if (recentProfileGone)
        return nullptr;
    thread_local RecentProfile recent;
    return &recent;
}

// The parsed profile, or null with the reason in `error`. A kept resolution that now leads to no
// file is resolved again, in case the file has appeared under another spelling.
std::shared_ptr<const IniDocument> resolveAndLoad(LPCSTR fileName, std::string &hostPath,
                                                  DWORD &error, std::optional<FileStamp> &trusted)
{
    bool fromCache = false;
    if (!profileHostPath(fileName, false, hostPath, error, fromCache))
        return nullptr;
    std::shared_ptr<const IniDocument> doc = loadIniDocument(hostPath, error, &trusted);
    if (doc || !fromCache || error == ERROR_NOT_ENOUGH_MEMORY)
        return doc;
    std::string again;
    if (!profileHostPath(fileName, true, again, error, fromCache) || again == hostPath)
        return nullptr;
    hostPath = again;
    return loadIniDocument(hostPath, error, &trusted);
}

// The parsed profile and the host path it came from (empty when the name did not resolve), or
// null with the reason in `error`. The path lies in `storage` or in this thread's recent profile,
// until the thread's next profile call.
std::shared_ptr<const IniDocument> loadProfile(LPCSTR fileName, std::string_view &hostPath,
                                               std::string &storage, DWORD &error)
{
    const std::string_view name = fileName ? fileName : "win.ini";
    RecentProfile *recent = profilePathIsRelative(fileName) ? nullptr : recentProfile();
    const unsigned generation = driveMapGeneration();
    if (recent && recent->doc && recent->stamp && recent->generation == generation &&
        recent->fileName == name) {
        FileStamp stamp;
        if (statRegularFile(recent->hostPath, stamp) && stamp == *recent->stamp) {
            hostPath = recent->hostPath;
            return recent->doc;
        }
    }
    std::optional<FileStamp> trusted;
    std::shared_ptr<const IniDocument> doc = resolveAndLoad(fileName, storage, error, trusted);
    hostPath = storage;
    if (recent) {
        recent->fileName = name;
        recent->generation = generation;
        recent->hostPath = storage;
        recent->stamp = doc ? trusted : std::nullopt;
        recent->doc = doc;
    }
    return doc;
}

// Like Windows: the default loses its trailing spaces (tabs stay) and then a pair of quotes
// around it, as a value read from the file does.
std::string_view defaultText(LPCSTR text)
{
    std::string_view value = text ? text : "";
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                  value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// What a profile read answers, before it is copied to the caller's buffer.
struct ProfileAnswer {
    enum class Kind { Value, Text, List, Default } kind = Kind::Default;
    std::string_view text;  // Value: as written, blanks around it removed; Text: as it stands
    std::string_view list;  // names, each followed by a NUL
    std::string scratch;    // holds a list made for this answer alone
    std::shared_ptr<const IniDocument> doc;        // keeps `text` and `list` alive
    std::shared_ptr<const RegionalKeys> regional;  // the same for answers of the locale
    std::string_view hostPath;                     // the file read, when its name resolved
    std::string hostPathStorage;
    DWORD error = ERROR_SUCCESS;
};

// win.ini's [intl] as Windows NT keeps it, in the user's regional settings: a key of the file
// wins, the locale answers for the others, and the key list holds both. False when neither has
// anything to give, so that the read goes on as for any file.
bool answerFromRegionalSettings(ProfileAnswer &answer, const std::optional<IniSection> &found,
                                LPCSTR key)
{
    const IniDocument *doc = answer.doc.get();
    if (key && found && doc->findKey(*found, key))
        return false;
    answer.regional = regionalIntlKeys();
    if (key) {
        for (const auto &[name, value] : *answer.regional)
            if (iniNamesEqual(name, key)) {
                answer.kind = ProfileAnswer::Kind::Text;
                answer.text = value;
                answer.error = ERROR_SUCCESS;
                return true;
            }
        return false;
    }
    if (answer.regional->empty())
        return false;
    answer.kind = ProfileAnswer::Kind::List;
    std::string list;
    if (found) {
        std::string scratch;
        list = doc->keyList(*found, scratch);
    }
    for (const auto &entry : *answer.regional)
        if (!found || !doc->findKey(*found, entry.first)) {
            list += entry.first;
            list += '\0';
        }
    answer.scratch = std::move(list);
    answer.list = answer.scratch;
    answer.error = ERROR_SUCCESS;
    return true;
}

// A null section lists the sections (none when the file is missing: never the default); a null
// key lists the keys of the section; otherwise the key's value. A missing value, section or file
// gives the default, and so does a null key on a section without keys (comments are none).
ProfileAnswer answerProfileRead(LPCSTR section, LPCSTR key, LPCSTR fileName)
{
    ProfileAnswer answer;
    answer.doc = loadProfile(fileName, answer.hostPath, answer.hostPathStorage, answer.error);
    // A file that is there but cannot be read says so; any other lack of a file is "not found".
    if (!answer.doc && answer.error != ERROR_ACCESS_DENIED &&
        answer.error != ERROR_NOT_ENOUGH_MEMORY)
        answer.error = ERROR_FILE_NOT_FOUND;
    const IniDocument *doc = answer.doc.get();
    if (!section) {
        answer.kind = ProfileAnswer::Kind::List;
        if (doc)
            answer.list = doc->sectionList(answer.scratch);
        return answer;
    }
    std::optional<IniSection> found = doc ? doc->findSection(section) : std::nullopt;
    if (!answer.hostPath.empty() && isRegionalSection(section, answer.hostPath) &&
        answerFromRegionalSettings(answer, found, key))
        return answer;
    if (found && !key) {
        answer.list = doc->keyList(*found, answer.scratch);
        if (!answer.list.empty() || doc->hasKeys(*found))
            answer.kind = ProfileAnswer::Kind::List;
        return answer;
    }
    if (std::optional<IniKey> line = found ? doc->findKey(*found, key) : std::nullopt) {
        answer.kind = ProfileAnswer::Kind::Value;
        answer.text = line->rawValue;
        return answer;
    }
    if (doc)
        answer.error = ERROR_FILE_NOT_FOUND;
    return answer;
}

// The answer copied to the caller's buffer, with the last error a read sets.
DWORD copyAnswer(const ProfileAnswer &answer, LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    switch (answer.kind) {
    case ProfileAnswer::Kind::Value:
        return copyProfileValue(answer.text, buffer, size);
    case ProfileAnswer::Kind::Text:
        return copyProfileText(answer.text, buffer, size);
    case ProfileAnswer::Kind::List:
        if (answer.error != ERROR_SUCCESS)
            SetLastError(answer.error);
        return copyProfileList(answer.list, buffer, size);
    case ProfileAnswer::Kind::Default:
        break;
    }
    if (answer.error != ERROR_SUCCESS)
        SetLastError(answer.error);
    return copyProfileText(defaultText(defaultValue), buffer, size);
}

DWORD readProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                        DWORD size, LPCSTR fileName)
{
    if (!buffer || size == 0)
        return 0;
    return copyAnswer(answerProfileRead(section, key, fileName), defaultValue, buffer, size);
}

// Like Windows, the number is read as a string into a buffer of 30 characters, and so from the
// value's first 29 (a list's first name); nothing read gives the default.
UINT readProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    char text[30];
    DWORD length = copyAnswer(answerProfileRead(section, key, fileName), "", text, sizeof text);
    return length == 0 ? static_cast<UINT>(defaultValue)
                       : parseProfileInt(std::string_view(text, length));
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names and values that could not be read back as written: a line break would start another
// line, and a key name with '=' or a leading ';' or '[' would read as another key, a comment
// or a section.
bool isWritable(LPCSTR section, LPCSTR key, LPCSTR value)
{
    if (hasLineBreak(section) || (value && hasLineBreak(value)))
        return false;
    if (!key)
        return true;
    std::string_view name = trimIniBlanks(key);
    return !name.empty() && !hasLineBreak(name) && name.find('=') == std::string_view::npos &&
           name.front() != ';' && name.front() != '[';
}

BOOL writeProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    if (!section) {
        // All three null asks Windows to flush its cache, and returns FALSE; this engine keeps
        // nothing unwritten.
        if (key || value)
            SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (!isWritable(section, key, value)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string hostPath;
    DWORD error = 0;
    bool fromCache = false;
    if (!profileHostPath(fileName, false, hostPath, error, fromCache)) {
        SetLastError(error == ERROR_INVALID_DRIVE ? ERROR_PATH_NOT_FOUND : error);
        return FALSE;
    }
    std::string sectionName(section), keyName(key ? key : ""), text(value ? value : "");
    bool unencodable = false;
    IniEdit edit = [&](const IniDocument &doc) -> std::optional<std::string> {
        if (!key)
            return removeIniSection(doc, sectionName);
        if (!value)
            return removeIniKey(doc, sectionName, keyName);
        // A UTF-16 file would keep '?' for bytes that are no character, and the value would
        // not read back: such a write is refused like one with a line break.
        unencodable = doc.encoding() != IniEncoding::Ansi &&
                      !(survivesUtf16(sectionName) && survivesUtf16(keyName) && survivesUtf16(text));
        return unencodable ? std::nullopt : setIniValue(doc, sectionName, keyName, text);
    };
    // A kept resolution that now leads to no file is resolved again, in case the file has
    // appeared under another spelling, before a new file is made there.
    bool missing = false;
    bool updated = updateIniFile(hostPath, !fromCache, edit, error, &missing);
    if (updated && missing) {
        if (!profileHostPath(fileName, true, hostPath, error, fromCache)) {
            SetLastError(error == ERROR_INVALID_DRIVE ? ERROR_PATH_NOT_FOUND : error);
            return FALSE;
        }
        // Like Windows, deleting from a file that does not exist creates it, empty.
        updated = updateIniFile(hostPath, true, edit, error);
    }
    if (!updated) {
        SetLastError(error);
        return FALSE;
    }
    if (unencodable) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                      LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    try {
        return readProfileString(lpAppName, lpKeyName, lpDefault, lpReturnedString, nSize,
                                 lpFileName);
    } catch (...) {
        // The default still reaches the caller, as when the file cannot be read.
        SetLastError(vks::win32ErrorOfCurrentException());
        return copyProfileText(lpAppName ? defaultText(lpDefault) : "", lpReturnedString, nSize);
    }
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault,
                                  LPCSTR lpFileName)
{
    return vks::atWin32Boundary(static_cast<UINT>(nDefault), [&] {
        return readProfileInt(lpAppName, lpKeyName, nDefault, lpFileName);
    });
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                       LPCSTR lpFileName)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        vks::detail::prepareDriveForWrite();
        return writeProfileString(lpAppName, lpKeyName, lpString, lpFileName);
    });
}

// win.ini is read through GetPrivateProfileStringA alone, so that every answer it gives passes
// one place.
DWORD WINAPI GetProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize)
{
    return GetPrivateProfileStringA(lpAppName, lpKeyName, lpDefault, lpReturnedString, nSize,
                                    "win.ini");
}

UINT WINAPI GetProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault)
{
    return GetPrivateProfileIntA(lpAppName, lpKeyName, nDefault, "win.ini");
}
