#include "numbers.h"

#include <limits>
#include <string_view>

#include "unicode_text.h"

namespace vksrc {

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

}  // namespace

NumberValue numberValue(const Token &token)
{
    std::string_view digits = token.spelling;
    NumberValue number;
    // Suffixes: any mix of one U and up to two L, in either case.
    int longs = 0;
    while (!digits.empty()) {
        const char last = digits.back();
        if ((last == 'l' || last == 'L') && longs < 2) {
            ++longs;
        } else if ((last == 'u' || last == 'U') && !number.isUnsigned) {
            number.isUnsigned = true;
        } else {
            break;
        }
        digits.remove_suffix(1);
    }
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    } else if (digits.size() > 1 && digits[0] == '0') {
        base = 8;
        digits.remove_prefix(1);
    }
    if (digits.empty())
        throw ScriptError(token.where, "malformed number '" + token.spelling + "'");
    for (char c : digits) {
        const int digit = digitValue(c);
        if (digit >= base)
            throw ScriptError(token.where, "malformed number '" + token.spelling + "'");
        if (number.value > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(digit)) /
                               static_cast<unsigned>(base))
            throw ScriptError(token.where, "number '" + token.spelling + "' is beyond 64 bits");
        number.value = number.value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    }
    return number;
}

std::uint64_t characterValue(const Token &token)
{
    std::string_view body = token.spelling;
    if (!body.empty() && (body[0] == 'L' || body[0] == 'l'))
        body.remove_prefix(1);
    if (body.size() < 2 || body.back() != '\'')
        throw ScriptError(token.where, "a character is not closed");
    body = body.substr(1, body.size() - 2);
    if (body.empty())
        throw ScriptError(token.where, "an empty character constant");
    std::size_t at = 0;
    std::uint64_t value = 0;
    while (at < body.size()) {
        std::uint64_t unit = 0;
        if (body[at] == '\\' && at + 1 < body.size()) {
            const char e = body[at + 1];
            at += 2;
            switch (e) {
            case 'n': unit = '\n'; break;
            case 't': unit = '\t'; break;
            case 'r': unit = '\r'; break;
            case 'a': unit = 7; break;
            case 'b': unit = '\b'; break;
            case 'f': unit = '\f'; break;
            case 'v': unit = '\v'; break;
            case 'x':
                while (at < body.size() && digitValue(body[at]) < 16)
                    unit = (unit << 4 | static_cast<unsigned>(digitValue(body[at++]))) & 0xFFFFFFFF;
                break;
            default:
                if (e >= '0' && e <= '7') {
                    unit = static_cast<unsigned>(e - '0');
                    for (int i = 0; i < 2 && at < body.size() && body[at] >= '0' && body[at] <= '7'; ++i)
                        unit = unit * 8 + static_cast<unsigned>(body[at++] - '0');
                } else {
                    unit = static_cast<unsigned char>(e);
                }
            }
        } else {
            unit = nextCodePoint(body, at);
        }
        value = (value << 8 | unit) & 0xFFFFFFFF;
    }
    return value;
}

}  // namespace vksrc
