// FormatMessage's insert sequences.
#include "format_message.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vks::detail {

namespace {

constexpr unsigned kNoWidth = 0;
constexpr unsigned kNoWrap = FORMAT_MESSAGE_MAX_WIDTH_MASK;
// The widest field a format may ask for; a larger one is refused rather than allocated.
constexpr int kWidestField = 4096;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One !printf format! turned into a C format for one value, with the inserts it consumes.
struct InsertFormat {
    std::string flags;
    bool starWidth = false;
    bool starPrecision = false;
    std::string width;
    std::string precision;  // with its '.'
    bool wide64 = false;    // I64 or ll
    char conversion = 's';
};

bool parseFormat(std::string_view directive, InsertFormat &format)
{
    size_t i = 0;
    while (i < directive.size() && std::string_view("-+ #0").find(directive[i]) != std::string_view::npos)
        format.flags += directive[i++];
    if (i < directive.size() && directive[i] == '*') {
        format.starWidth = true;
        ++i;
    }
    while (i < directive.size() && isDigit(directive[i]))
        format.width += directive[i++];
    if (i < directive.size() && directive[i] == '.') {
        format.precision = directive[i++];
        if (i < directive.size() && directive[i] == '*') {
            format.starPrecision = true;
            ++i;
        }
        while (i < directive.size() && isDigit(directive[i]))
            format.precision += directive[i++];
    }
    std::string_view rest = directive.substr(i);
    if (rest.substr(0, 3) == "I64" || rest.substr(0, 2) == "ll") {
        format.wide64 = true;
        rest.remove_prefix(rest[0] == 'I' ? 3 : 2);
    } else if (!rest.empty() && (rest[0] == 'l' || rest[0] == 'h')) {
        rest.remove_prefix(1);
    }
    if (rest.size() != 1 || std::string_view("diouxXcs").find(rest[0]) == std::string_view::npos)
        return false;
    format.conversion = rest[0];
    if (format.width.size() > 4 || std::atoi(format.width.c_str()) > kWidestField ||
        format.precision.size() > 5 ||
        (format.precision.size() > 1 && std::atoi(format.precision.c_str() + 1) > kWidestField))
        return false;
    return (format.starWidth ? format.width.empty() : true) &&
           (format.starPrecision ? format.precision == "." : true);
}

std::string formatOne(const InsertFormat &format, unsigned number, const InsertArgument &argument)
{
    std::string directive = "%" + format.flags + (format.starWidth ? "*" : format.width) +
                       (format.starPrecision ? ".*" : format.precision);
    auto field = [&](DWORD_PTR raw) {
        return std::clamp(static_cast<int>(static_cast<DWORD>(raw)), -kWidestField, kWidestField);
    };
    int width = format.starWidth ? field(argument(number++)) : 0;
    int precision = format.starPrecision ? field(argument(number++)) : 0;
    DWORD_PTR value = argument(number);
    std::vector<int> stars;
    if (format.starWidth)
        stars.push_back(width);
    if (format.starPrecision)
        stars.push_back(precision);

    char buffer[512];
    auto print = [&](const std::string &c, auto item) {
        int written = 0;
        if (stars.size() == 2)
            written = std::snprintf(buffer, sizeof buffer, c.c_str(), stars[0], stars[1], item);
        else if (stars.size() == 1)
            written = std::snprintf(buffer, sizeof buffer, c.c_str(), stars[0], item);
        else
            written = std::snprintf(buffer, sizeof buffer, c.c_str(), item);
        if (written < 0)
            return std::string();
        if (static_cast<size_t>(written) < sizeof buffer)
            return std::string(buffer, static_cast<size_t>(written));
        // Wider than the stack buffer: format again into one of the right size.
        std::string big(static_cast<size_t>(written) + 1, '\0');
        if (stars.size() == 2)
            std::snprintf(big.data(), big.size(), c.c_str(), stars[0], stars[1], item);
        else if (stars.size() == 1)
            std::snprintf(big.data(), big.size(), c.c_str(), stars[0], item);
        else
            std::snprintf(big.data(), big.size(), c.c_str(), item);
        big.pop_back();
        return big;
    };
    switch (format.conversion) {
    case 's': {
        const char *text = reinterpret_cast<const char *>(value);
        return print(directive + "s", text ? text : "(null)");
    }
    case 'c':
        return print(directive + "c", static_cast<int>(static_cast<unsigned char>(value)));
    case 'd':
    case 'i':
        return format.wide64 ? print(directive + "lld", static_cast<long long>(value))
                             : print(directive + "d", static_cast<int>(static_cast<DWORD>(value)));
    default:
        return format.wide64
                   ? print(directive + "ll" + format.conversion, static_cast<unsigned long long>(value))
                   : print(directive + format.conversion, static_cast<unsigned>(static_cast<DWORD>(value)));
    }
}

// Reads "%N" or "%N!fmt!" after the '%' at `text[i]` and appends the insert.
bool expandInsert(std::string_view text, size_t &i, const InsertArgument &argument,
                  std::string &out)
{
    unsigned number = static_cast<unsigned>(text[i] - '0');
    ++i;
    if (i < text.size() && isDigit(text[i]))
        number = number * 10 + static_cast<unsigned>(text[i++] - '0');
    InsertFormat format;
    if (i < text.size() && text[i] == '!') {
        size_t close = text.find('!', i + 1);
        if (close == std::string_view::npos || !parseFormat(text.substr(i + 1, close - i - 1), format))
            return false;
        i = close + 1;
    }
    out += formatOne(format, number, argument);
    return true;
}

// Breaks a line longer than `width` at its last blank within the width, or at the width itself.
std::string wrapLine(std::string_view line, unsigned width)
{
    std::string out;
    while (line.size() > width) {
        size_t cut = line.rfind(' ', width);
        bool atBlank = cut != std::string_view::npos && cut > 0;
        if (!atBlank)
            cut = width;
        out.append(line.substr(0, cut));
        out += "\r\n";
        line.remove_prefix(atBlank ? cut + 1 : cut);
    }
    return out.append(line);
}

}  // namespace

std::string applyWidth(std::string_view text, unsigned maxWidth)
{
    if (maxWidth == kNoWidth)
        return std::string(text);
    std::string joined;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            joined += ' ';
            ++i;
        } else {
            joined += text[i];
        }
    }
    return joined;
}

bool expandMessage(std::string_view text, const InsertArgument &argument, unsigned maxWidth,
                   std::string &out, DWORD &error)
{
    std::string body = applyWidth(text, maxWidth);
    std::string expanded;
    for (size_t i = 0; i < body.size();) {
        char c = body[i++];
        if (c != '%') {
            expanded += c;
            continue;
        }
        if (i >= body.size()) {
            error = ERROR_INVALID_PARAMETER;
            return false;
        }
        char next = body[i];
        if (next == '0')
            break;
        if (isDigit(next)) {
            if (!expandInsert(body, i, argument, expanded)) {
                error = ERROR_INVALID_PARAMETER;
                return false;
            }
            continue;
        }
        ++i;
        expanded += next == 'n' ? "\r\n" : next == 'r' ? "\r" : next == 't' ? "\t" : std::string(1, next);
    }
    if (maxWidth == kNoWidth || maxWidth == kNoWrap) {
        out = std::move(expanded);
        return true;
    }
    out.clear();
    for (size_t start = 0;;) {
        size_t end = expanded.find("\r\n", start);
        out += wrapLine(std::string_view(expanded).substr(start, end - start), maxWidth);
        if (end == std::string::npos)
            break;
        out += "\r\n";
        start = end + 2;
    }
    return true;
}

}  // namespace vks::detail
