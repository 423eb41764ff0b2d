// Fuzzes the INI reader and writer: parsing, the line edits, and the public profile calls on a
// real file. Besides crashes and sanitizer reports, it stops on a broken promise: a written
// value that does not read back, another key's value changed by an edit, a removed key or
// section still present, a buffer written past its size, or a refused write that touched the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"

#include "kernel32/ini_document.h"
#include "kernel32/ini_edit.h"
#include "kernel32/ini_text.h"
#include "vkshost.h"
#include "windows.h"

namespace {

using fuzzsupport::cString;
using fuzzsupport::require;

namespace fs = std::filesystem;
using namespace vks::detail;

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// What the writer promises to read back as written.
bool isWritableKey(std::string_view key)
{
    std::string_view name = trimIniBlanks(key);
    return !name.empty() && !hasLineBreak(name) && name.find('=') == std::string_view::npos &&
           name.front() != ';' && name.front() != '[';
}

std::optional<std::string_view> valueOf(const IniDocument &doc, std::string_view section,
                                        std::string_view key)
{
    std::optional<IniSection> found = doc.findSection(section);
    std::optional<IniKey> line = found ? doc.findKey(*found, key) : std::nullopt;
    return line ? std::optional(line->value) : std::nullopt;
}

// Every key of the first sections, with its value, to compare before and after an edit.
std::vector<std::pair<std::string, std::string>> someKeys(const IniDocument &doc)
{
    std::vector<std::pair<std::string, std::string>> keys;
    for (size_t s = 0; s < doc.sectionCount() && s < 16; ++s) {
        IniSection section = doc.section(s);
        std::vector<IniKey> lines = doc.keys(section);
        for (size_t k = 0; k < lines.size() && k < 16; ++k)
            keys.emplace_back(section.name, lines[k].name);
    }
    return keys;
}

void checkEdits(const std::string &content, const std::string &section, const std::string &key,
                const std::string &value)
{
    IniDocument doc(content);
    bool writable = !hasLineBreak(section) && isWritableKey(key) && !hasLineBreak(value) &&
                    (doc.encoding() == IniEncoding::Ansi ||
                     (survivesUtf16(section) && survivesUtf16(key) && survivesUtf16(value)));
    if (!writable)
        return;
    auto others = someKeys(doc);

    std::optional<std::string> set = setIniValue(doc, section, key, value);
    IniDocument afterSet(set ? *set : content);
    require(valueOf(afterSet, section, key) == unquoteIniValue(value));
    for (const auto &[s, k] : others)
        if (!(iniNamesEqual(trimIniBlanks(s), trimIniBlanks(section)) &&
              iniNamesEqual(trimIniBlanks(k), trimIniBlanks(key))))
            require(valueOf(afterSet, s, k) == valueOf(doc, s, k));

    std::optional<std::string> removedKey = removeIniKey(afterSet, section, key);
    IniDocument afterKey(removedKey ? *removedKey : afterSet.bytes());
    require(!valueOf(afterKey, section, key));

    std::optional<std::string> removedSection = removeIniSection(afterKey, section);
    IniDocument afterSection(removedSection ? *removedSection : afterKey.bytes());
    require(!afterSection.findSection(section));
}

// The file on the run's private drive C.
const std::string &iniPath()
{
    static const std::string path = fuzzsupport::driveC() + "/WINDOWS/fuzz.ini";
    return path;
}

std::string fileBytes()
{
    std::ifstream in(iniPath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Reads into a buffer one byte larger than it claims, and checks that byte stays untouched.
void checkRead(const char *section, const char *key, const char *def, DWORD size)
{
    std::vector<char> buffer(size + 1, '\x5a');
    DWORD count = GetPrivateProfileStringA(section, key, def, buffer.data(), size, "fuzz.ini");
    require(buffer[size] == '\x5a');
    require(size == 0 ? count == 0 : count < size);
}

void checkProfileCalls(const std::string &content, const std::string &section,
                       const std::string &key, const std::string &value, DWORD size)
{
    std::ofstream(iniPath(), std::ios::binary | std::ios::trunc) << content;
    checkRead(section.c_str(), key.c_str(), value.c_str(), size);
    checkRead(section.c_str(), nullptr, "", size);
    checkRead(nullptr, nullptr, "", size);
    GetPrivateProfileIntA(section.c_str(), key.c_str(), 0, "fuzz.ini");

    if (WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), "fuzz.ini")) {
        std::vector<char> buffer(value.size() + 2);
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), "fuzz.ini");
        require(unquoteIniValue(value) == buffer.data());
    } else {
        require(GetLastError() == ERROR_INVALID_PARAMETER);
        require(fileBytes() == content);
    }
    require(WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, "fuzz.ini") ||
            GetLastError() == ERROR_INVALID_PARAMETER);
    require(WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, "fuzz.ini") ||
            GetLastError() == ERROR_INVALID_PARAMETER);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    std::string section = cString(input.ConsumeRandomLengthString(24));
    std::string key = cString(input.ConsumeRandomLengthString(24));
    std::string value = cString(input.ConsumeRandomLengthString(48));
    DWORD bufferSize = input.ConsumeIntegralInRange<DWORD>(0, 80);
    std::string content = input.ConsumeRemainingBytesAsString();

    checkEdits(content, section, key, value);
    checkProfileCalls(content, section, key, value, bufferSize);
    return 0;
}
