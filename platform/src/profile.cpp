// The private-profile functions over the INI engine.
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ini_edit.h"
#include "ini_store.h"
#include "ini_text.h"
#include "paths.h"
#include "profile_copy.h"
#include "regional_settings.h"
#include "windows.h"

namespace {

using namespace vks::detail;

// Like Windows: a null file name means win.ini; a name without a path lies in the Windows
// directory.
bool resolveProfilePath(LPCSTR fileName, std::string &hostPath, DWORD &error)
{
    return resolveDosPath(fileName ? fileName : "win.ini", hostPath, error);
}

std::vector<std::string_view> sectionNames(const IniDocument &doc)
{
    std::vector<std::string_view> names;
    for (const IniSection &section : doc.sections())
        names.push_back(doc.sectionName(section));
    return names;
}

std::vector<std::string_view> keyNames(const IniDocument &doc, const IniSection &section)
{
    std::vector<std::string_view> names;
    for (size_t index : section.keys)
        names.push_back(doc.lines()[index].name);
    return names;
}

// The default as Windows returns it: null is "", trailing blanks are dropped. In the list forms
// a second NUL follows it when there is room, so the buffer still reads as a list.
DWORD copyDefault(LPCSTR defaultText, bool asList, LPSTR buffer, DWORD size)
{
    DWORD copied = copyProfileText(trimTrailingIniBlanks(defaultText ? defaultText : ""), buffer,
                                   size);
    if (asList && buffer && copied + 1 < size)
        buffer[copied + 1] = '\0';
    return copied;
}

// The key names of win.ini's [intl]: the file's, then the regional ones it lacks.
std::vector<std::string_view> regionalKeyNames(const IniDocument *doc, const IniSection *found,
                                               const RegionalKeys &regional)
{
    std::vector<std::string_view> names;
    if (doc && found)
        names = keyNames(*doc, *found);
    for (const auto &entry : regional)
        if (!found || !doc->findKey(*found, entry.first))
            names.push_back(entry.first);
    return names;
}

// win.ini's [intl]: a key of the file wins, the locale answers for the others, and the key list
// holds both. False when neither has anything to give.
bool readRegionalString(const IniDocument *doc, const IniSection *found, LPCSTR key,
                        LPSTR buffer, DWORD size, DWORD &copied)
{
    auto regional = regionalIntlKeys();
    std::string value;
    if (key && !(found && doc->findKey(*found, key)) && regionalIntlValue(key, value))
        copied = copyProfileText(value, buffer, size);
    else if (!key && !regional->empty())
        copied = copyProfileList(regionalKeyNames(doc, found, *regional), buffer, size);
    else
        return false;
    return true;
}

DWORD readProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                        LPCSTR fileName)
{
    if (!buffer || size == 0)
        return 0;
    bool asList = !section || !key;
    std::string hostPath;
    DWORD error = 0;
    bool resolved = resolveProfilePath(fileName, hostPath, error);
    auto doc = resolved ? loadIniDocument(hostPath) : nullptr;
    const IniSection *found = doc && section ? doc->findSection(section) : nullptr;
    if (resolved && isRegionalSection(section, hostPath))
        if (DWORD copied = 0; readRegionalString(doc.get(), found, key, buffer, size, copied))
            return copied;
    if (doc) {
        if (!section && !doc->sections().empty())
            return copyProfileList(sectionNames(*doc), buffer, size);
        if (found && !key && !found->keys.empty())
            return copyProfileList(keyNames(*doc, *found), buffer, size);
        if (found && key)
            if (const IniLine *line = doc->findKey(*found, key))
                return copyProfileText(line->value, buffer, size);
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return copyDefault(defaultText, asList, buffer, size);
}

// The value of a present key, or false when the file, section or key is absent.
bool lookupValue(LPCSTR section, LPCSTR key, LPCSTR fileName, std::string &value)
{
    std::string hostPath;
    DWORD error = 0;
    if (!resolveProfilePath(fileName, hostPath, error))
        return false;
    auto doc = loadIniDocument(hostPath);
    const IniSection *found = doc && section ? doc->findSection(section) : nullptr;
    const IniLine *line = found && key ? doc->findKey(*found, key) : nullptr;
    if (line) {
        value.assign(line->value);
        return true;
    }
    return key && isRegionalSection(section, hostPath) && regionalIntlValue(key, value);
}

// Like Windows NT: blanks, an optional sign, then decimal digits (or hexadecimal after "0x") up
// to the first other character, wrapping modulo 2^32. No digit at all gives 0.
UINT parseProfileInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isIniBlank(text[i]))
        ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    UINT base = 10;
    if (text.substr(i, 2) == "0x" || text.substr(i, 2) == "0X") {
        base = 16;
        i += 2;
    }
    UINT result = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        UINT digit = (c >= '0' && c <= '9')   ? UINT(c - '0')
                     : (c >= 'a' && c <= 'f') ? UINT(c - 'a' + 10)
                     : (c >= 'A' && c <= 'F') ? UINT(c - 'A' + 10)
                                              : 99;
        if (digit >= base)
            break;
        result = result * base + digit;
    }
    return negative ? 0u - result : result;
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
    if (!resolveProfilePath(fileName, hostPath, error)) {
        SetLastError(error == ERROR_INVALID_DRIVE ? ERROR_PATH_NOT_FOUND : error);
        return FALSE;
    }
    std::string sectionName(section), keyName(key ? key : ""), text(value ? value : "");
    IniEdit edit = [&](const IniDocument &doc) {
        if (!key)
            return removeIniSection(doc, sectionName);
        if (!value)
            return removeIniKey(doc, sectionName, keyName);
        return setIniValue(doc, sectionName, keyName, text);
    };
    if (!updateIniFile(hostPath, key && value, edit, error)) {
        SetLastError(error);
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
    } catch (const std::exception &) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return copyDefault(lpDefault, !lpAppName || !lpKeyName, lpReturnedString, nSize);
    }
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault,
                                  LPCSTR lpFileName)
{
    try {
        std::string value;
        if (!lookupValue(lpAppName, lpKeyName, lpFileName, value) || value.empty())
            return static_cast<UINT>(nDefault);
        return parseProfileInt(value);
    } catch (const std::exception &) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return static_cast<UINT>(nDefault);
    }
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                       LPCSTR lpFileName)
{
    try {
        vks::detail::prepareDriveForWrite();
        return writeProfileString(lpAppName, lpKeyName, lpString, lpFileName);
    } catch (const std::exception &) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

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
