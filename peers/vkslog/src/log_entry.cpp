// The entries' text form: a header line, string lines ("> "), a data line ("# "), message lines
// (two blanks), then a blank line.
#include "log_entry.h"

#include <cstdio>
#include <cstdlib>

namespace vkslog {

namespace {

struct TypeName {
    WORD type;
    const char *name;
};

constexpr TypeName kTypeNames[] = {
    {0x0000, "Success"},       {0x0001, "Error"},         {0x0002, "Warning"},
    {0x0004, "Information"},   {0x0008, "Audit Success"}, {0x0010, "Audit Failure"},
};

std::string typeName(WORD type)
{
    for (const TypeName &entry : kTypeNames)
        if (entry.type == type)
            return entry.name;
    return "Type " + std::to_string(type);
}

bool typeFromName(const std::string &name, WORD &type)
{
    for (const TypeName &entry : kTypeNames)
        if (name == entry.name) {
            type = entry.type;
            return true;
        }
    if (name.rfind("Type ", 0) != 0)
        return false;
    type = static_cast<WORD>(std::strtoul(name.c_str() + 5, nullptr, 10));
    return true;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text)
        out += c == '\\' ? "\\\\" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out;
}

std::string unescaped(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

std::string hexOf(std::string_view data)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (char c : data) {
        auto byte = static_cast<unsigned char>(c);
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
    return out;
}

std::string bytesOfHex(std::string_view hex)
{
    auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 0;
    };
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
    return out;
}

// "2026-12-10 01:08:35 | Information | Event 109 | Category 0 | Id 0x4000006D | Strings 1 |
// Data 0 | Source Velmora"; the source comes last so that it may hold anything.
bool parseHeader(const std::string &line, LogEntry &entry, unsigned &strings)
{
    unsigned year, month, day, hour, minute, second, low, category, data;
    unsigned long id;
    char type[32];
    int consumed = 0;
    if (std::sscanf(line.c_str(),
                    "%4u-%2u-%2u %2u:%2u:%2u | %31[A-Za-z0-9 ] | Event %u | Category %u | Id 0x%8lx"
                    " | Strings %u | Data %u | Source %n",
                    &year, &month, &day, &hour, &minute, &second, type, &low, &category, &id,
                    &strings, &data, &consumed) != 12 ||
        consumed == 0)
        return false;
    std::string typeText(type);
    while (!typeText.empty() && typeText.back() == ' ')
        typeText.pop_back();
    if (!typeFromName(typeText, entry.type))
        return false;
    entry.time = {static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day),
                  static_cast<WORD>(hour), static_cast<WORD>(minute), static_cast<WORD>(second), 0};
    entry.category = static_cast<WORD>(category);
    entry.eventId = static_cast<DWORD>(id);
    entry.source = line.substr(static_cast<size_t>(consumed));
    return true;
}

}  // namespace

std::string entryText(const LogEntry &entry)
{
    char header[160];
    std::snprintf(header, sizeof header,
                  "%04u-%02u-%02u %02u:%02u:%02u | %s | Event %u | Category %u | Id 0x%08X | "
                  "Strings %zu | Data %zu | Source ",
                  entry.time.wYear, entry.time.wMonth, entry.time.wDay, entry.time.wHour,
                  entry.time.wMinute, entry.time.wSecond, typeName(entry.type).c_str(),
                  static_cast<unsigned>(entry.eventId & 0xFFFF), entry.category,
                  static_cast<unsigned>(entry.eventId), entry.strings.size(), entry.data.size());
    // The source name and every line stay on their own line whatever they hold.
    std::string out = header + escaped(entry.source) + "\r\n";
    for (const std::string &text : entry.strings)
        out += "> " + escaped(text) + "\r\n";
    if (!entry.data.empty())
        out += "# " + hexOf(entry.data) + "\r\n";
    std::string_view message = entry.message;
    for (size_t start = 0;;) {
        size_t end = message.find("\r\n", start);
        std::string line(message.substr(start, end - start));
        for (char &c : line)
            if (c == '\r' || c == '\n')
                c = ' ';
        out += "  " + line + "\r\n";
        if (end == std::string_view::npos)
            break;
        start = end + 2;
    }
    return out + "\r\n";
}

std::vector<LogEntry> parseEntries(std::string_view text)
{
    std::vector<LogEntry> entries;
    LogEntry current;
    bool open = false;
    bool firstMessageLine = true;
    unsigned expectedStrings = 0;
    auto close = [&] {
        if (open && current.strings.size() == expectedStrings)
            entries.push_back(std::move(current));
        current = LogEntry();
        open = false;
    };
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty()) {
            close();
        } else if (!open) {
            open = parseHeader(line, current, expectedStrings);
            if (open)
                current.source = unescaped(current.source);
            firstMessageLine = true;
        } else if (line.rfind("> ", 0) == 0) {
            current.strings.push_back(unescaped(std::string_view(line).substr(2)));
        } else if (line.rfind("# ", 0) == 0) {
            current.data = bytesOfHex(std::string_view(line).substr(2));
        } else if (line.rfind("  ", 0) == 0) {
            current.message += (firstMessageLine ? "" : "\r\n") + line.substr(2);
            firstMessageLine = false;
        }
    }
    close();
    return entries;
}

DWORD secondsSince1970(const SYSTEMTIME &time)
{
    FILETIME fileTime{};
    if (!SystemTimeToFileTime(&time, &fileTime))
        return 0;
    ULONGLONG ticks = (static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
    constexpr ULONGLONG k1970 = 116444736000000000ull;
    return ticks < k1970 ? 0 : static_cast<DWORD>((ticks - k1970) / 10000000ull);
}

}  // namespace vkslog
