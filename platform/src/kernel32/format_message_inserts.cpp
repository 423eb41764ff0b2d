// FormatMessage's escape and insert sequences.
#include "kernel32/format_message.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "kernel32/wide_text.h"

namespace vks::detail {

namespace {

constexpr unsigned kNoWrap = FORMAT_MESSAGE_MAX_WIDTH_MASK;
// The widest field a format may ask for; a larger one is refused rather than allocated.
constexpr int kWidestField = 4096;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

enum class SizePrefix { None, Narrow, Wide, Int64 };

// One !printf format!, with its '*' fields still to be read.
struct InsertFormat {
    std::string flags;
    bool starWidth = false;
    bool starPrecision = false;
    std::string width;
    std::string precision;  // without its '.'
    bool hasPrecision = false;
    SizePrefix size = SizePrefix::None;
    char conversion = 's';

    unsigned stars() const { return (starWidth ? 1u : 0u) + (starPrecision ? 1u : 0u); }
    bool wideText() const
    {
        if (std::string_view("sScC").find(conversion) == std::string_view::npos)
            return false;
        return size == SizePrefix::Wide ||
               (size != SizePrefix::Narrow && (conversion == 'S' || conversion == 'C'));
    }
};

void readDigits(std::string_view directive, size_t &i, std::string &digits)
{
    while (i < directive.size() && isDigit(directive[i]))
        digits += directive[i++];
}

SizePrefix readSizePrefix(std::string_view &rest)
{
    for (const auto &[prefix, size] : {std::pair{"I64", SizePrefix::Int64}, {"ll", SizePrefix::Int64},
                                       {"I32", SizePrefix::None}, {"I", SizePrefix::Int64},
                                       {"h", SizePrefix::Narrow}, {"l", SizePrefix::Wide},
                                       {"w", SizePrefix::Wide}}) {
        std::string_view p(prefix);
        if (rest.substr(0, p.size()) == p) {
            rest.remove_prefix(p.size());
            return size;
        }
    }
    return SizePrefix::None;
}

bool fieldTooWide(const std::string &digits)
{
    return digits.size() > 4 || std::atoi(digits.c_str()) > kWidestField;
}

bool parseFormat(std::string_view directive, InsertFormat &format)
{
    size_t i = 0;
    while (i < directive.size() && std::string_view("-+ #0").find(directive[i]) != std::string_view::npos)
        format.flags += directive[i++];
    if (i < directive.size() && directive[i] == '*') {
        format.starWidth = true;
        ++i;
    }
    readDigits(directive, i, format.width);
    if (i < directive.size() && directive[i] == '.') {
        format.hasPrecision = true;
        ++i;
        if (i < directive.size() && directive[i] == '*') {
            format.starPrecision = true;
            ++i;
        }
        readDigits(directive, i, format.precision);
    }
    std::string_view rest = directive.substr(i);
    format.size = readSizePrefix(rest);
    if (rest.size() != 1 || std::string_view("diouxXcsSC").find(rest[0]) == std::string_view::npos)
        return false;
    format.conversion = rest[0];
    if (fieldTooWide(format.width) || fieldTooWide(format.precision))
        return false;
    return !(format.starWidth && !format.width.empty()) &&
           !(format.starPrecision && !format.precision.empty());
}

// Reads the arguments of inserts in the order Windows reads them (see expandMessage).
class InsertReader {
public:
    InsertReader(const InsertArgument &argument, bool fromVaList)
        : argument_(argument), fromVaList_(fromVaList)
    {
    }

    // The `count` values of insert `number`: its '*' fields, then its own value.
    void read(unsigned number, unsigned count, DWORD_PTR *values)
    {
        unsigned position = number + shiftOf(number);
        const unsigned highestBefore = highest_;
        values[0] = argument_(position);
        for (unsigned k = 1; k < count; ++k) {
            position = std::max(position, highestBefore) + 1;
            values[k] = argument_(position);
        }
        highest_ = std::max(highest_, position);
        if (fromVaList_ && count > 1)
            starred_.insert(number);
    }

private:
    unsigned shiftOf(unsigned number) const
    {
        return static_cast<unsigned>(std::distance(starred_.begin(), starred_.lower_bound(number)));
    }

    const InsertArgument &argument_;
    bool fromVaList_;
    unsigned highest_ = 0;
    std::set<unsigned> starred_;
};

int starField(DWORD_PTR raw)
{
    return std::clamp(static_cast<int>(static_cast<DWORD>(raw)), -kWidestField, kWidestField);
}

template <typename Value>
std::string printed(const std::string &directive, Value value)
{
    char buffer[512];
    int written = std::snprintf(buffer, sizeof buffer, directive.c_str(), value);
    if (written < 0)
        return std::string();
    if (static_cast<size_t>(written) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(written));
    // Wider than the stack buffer: format again into one of the right size.
    std::string big(static_cast<size_t>(written) + 1, '\0');
    std::snprintf(big.data(), big.size(), directive.c_str(), value);
    big.pop_back();
    return big;
}

std::string wideArgumentText(const InsertFormat &format, DWORD_PTR value)
{
    if (format.conversion == 'c' || format.conversion == 'C') {
        const auto unit = static_cast<WCHAR>(value);
        return ansiFromUtf16(&unit, 1);
    }
    const auto *text = reinterpret_cast<const WCHAR *>(value);
    if (!text)
        return "(null)";
    return ansiFromUtf16(text, utf16Length(text, static_cast<size_t>(-1)));
}

// One insert's text: the C format with its '*' fields filled in, applied to the value.
std::string formatInsert(const InsertFormat &format, const DWORD_PTR *values)
{
    const DWORD_PTR *next = values;
    std::string directive = "%" + format.flags;
    directive += format.starWidth ? std::to_string(starField(*next++)) : format.width;
    if (format.starPrecision) {
        const int precision = starField(*next++);
        if (precision >= 0)
            directive.append(".").append(std::to_string(precision));
    } else if (format.hasPrecision) {
        directive += "." + format.precision;
    }
    const DWORD_PTR value = *next;
    const bool character = format.conversion == 'c' || format.conversion == 'C';
    if (format.wideText()) {
        // Converted first, then laid out as a narrow string; a character takes no precision.
        if (character && directive.find('.') != std::string::npos)
            directive.erase(directive.find('.'));
        return printed(directive + "s", wideArgumentText(format, value).c_str());
    }
    switch (format.conversion) {
    case 's':
    case 'S': {
        const char *text = reinterpret_cast<const char *>(value);
        return printed(directive + "s", text ? text : "(null)");
    }
    case 'c':
    case 'C':
        return printed(directive + "c", static_cast<int>(static_cast<unsigned char>(value)));
    case 'd':
    case 'i':
        return format.size == SizePrefix::Int64
                   ? printed(directive + "lld", static_cast<long long>(value))
                   : printed(directive + "d", static_cast<int>(static_cast<DWORD>(value)));
    default:
        return format.size == SizePrefix::Int64
                   ? printed(directive + "ll" + format.conversion, static_cast<unsigned long long>(value))
                   : printed(directive + format.conversion, static_cast<unsigned>(static_cast<DWORD>(value)));
    }
}

// Reads "%N" or "%N!fmt!" after the '%' at `text[i]` and appends the insert.
bool expandInsert(std::string_view text, size_t &i, InsertReader &reader, std::string &out)
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
    DWORD_PTR values[3];
    reader.read(number, format.stars() + 1, values);
    out += formatInsert(format, values);
    return true;
}

// The escape "%c" for a `c` that is neither a digit nor '0'.
std::string escape(char c, bool ignoreInserts)
{
    switch (c) {
    case 'n':
        return "\r\n";
    case 'r':
        return "\r";
    case 't':
        return "\t";
    default:
        return ignoreInserts ? std::string{'%', c} : std::string(1, c);
    }
}

}  // namespace

bool expandMessage(std::string_view text, const InsertArgument &argument, const ExpandOptions &options,
                   std::string &out, DWORD &error)
{
    InsertReader reader(argument, options.fromVaList);
    const std::string sourceBreak = options.maxWidth ? " " : "\r\n";
    std::string expanded;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i++];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            expanded += sourceBreak;
            continue;
        }
        if (c != '%') {
            expanded += c;
            continue;
        }
        if (i >= text.size()) {
            if (options.ignoreInserts) {
                expanded += c;
                continue;
            }
            error = ERROR_INVALID_PARAMETER;
            return false;
        }
        const char next = text[i];
        if (next == '0')
            break;
        if (isDigit(next) && options.ignoreInserts) {
            expanded += c;
            continue;
        }
        if (isDigit(next)) {
            if (!argument || !expandInsert(text, i, reader, expanded)) {
                error = ERROR_INVALID_PARAMETER;
                return false;
            }
            continue;
        }
        ++i;
        expanded += escape(next, options.ignoreInserts);
    }
    if (options.maxWidth == 0 || options.maxWidth == kNoWrap)
        out = std::move(expanded);
    else
        out = wrapMessageLines(expanded, options.maxWidth);
    return true;
}

}  // namespace vks::detail
