#include "script_reader.h"

#include <cctype>

#include "compiler_limits.h"
#include "names.h"
#include "numbers.h"
#include "unicode_text.h"

namespace vksrc {

namespace {

std::string upperAscii(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::u16string upperAscii(std::u16string text)
{
    for (char16_t &c : text)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    return text;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr std::string_view kMemoryOptions[] = {"PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE",
                                               "DISCARDABLE", "PURE", "IMPURE", "SHARED",
                                               "NONSHARED"};

}  // namespace

std::u16string decodeText(const Token &token)
{
    std::string_view body = token.spelling;
    const bool wide = !body.empty() && (body[0] == 'L' || body[0] == 'l');
    if (wide)
        body.remove_prefix(1);
    body = body.substr(1, body.size() >= 2 ? body.size() - 2 : 0);
    std::u16string out;
    for (std::size_t at = 0; at < body.size();) {
        const char c = body[at];
        if (c == '"') {  // "" stands for one quote
            out.push_back(u'"');
            at += 2;
            continue;
        }
        if (c != '\\' || at + 1 >= body.size()) {
            appendUtf16(out, nextCodePoint(body, at));
            continue;
        }
        const char e = body[at + 1];
        at += 2;
        switch (e) {
        case 'n': out.push_back(u'\n'); break;
        case 't': out.push_back(u'\t'); break;
        case 'r': out.push_back(u'\r'); break;
        // In a menu, \a right-aligns the text after it: Windows' compiler writes it as 0x08.
        case 'a': out.push_back(u'\b'); break;
        case 'b': out.push_back(u'\b'); break;
        case 'f': out.push_back(u'\f'); break;
        case 'v': out.push_back(u'\v'); break;
        case '\\': out.push_back(u'\\'); break;
        case '"': out.push_back(u'"'); break;
        case 'x': {
            // Two digits in a narrow text, four in a wide one.
            const int most = wide ? 4 : 2;
            unsigned value = 0;
            int digits = 0;
            while (digits < most && at < body.size() && hexDigit(body[at]) >= 0) {
                value = value * 16 + static_cast<unsigned>(hexDigit(body[at++]));
                ++digits;
            }
            if (digits == 0) {
                out += u"\\x";
                break;
            }
            out.push_back(static_cast<char16_t>(value));
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int i = 0; i < 2 && at < body.size() && body[at] >= '0' && body[at] <= '7'; ++i)
                    value = value * 8 + static_cast<unsigned>(body[at++] - '0');
                out.push_back(static_cast<char16_t>(value));
            } else {
                // An escape the language lacks stays as written, backslash and all.
                out.push_back(u'\\');
                at -= 1;
            }
        }
    }
    return out;
}

ScriptReader::ScriptReader(std::vector<Token> tokens) : tokens_(std::move(tokens))
{
    if (tokens_.empty() || tokens_.back().kind != Token::Kind::End)
        tokens_.push_back(Token{});
}

const Token &ScriptReader::peek(std::size_t ahead) const
{
    return tokens_[std::min(at_ + ahead, tokens_.size() - 1)];
}

const Token &ScriptReader::next()
{
    const Token &token = tokens_[at_];
    if (at_ + 1 < tokens_.size())
        ++at_;
    return token;
}

void ScriptReader::fail(const std::string &reason) const
{
    throw ScriptError(peek().where, reason);
}

bool ScriptReader::atKeyword(std::string_view word, std::size_t ahead) const
{
    const Token &token = peek(ahead);
    return token.kind == Token::Kind::Name && token.spelling.size() == word.size() &&
           upperAscii(token.spelling) == word;
}

bool ScriptReader::takeKeyword(std::string_view word)
{
    if (!atKeyword(word))
        return false;
    next();
    return true;
}

bool ScriptReader::takeMark(std::string_view mark)
{
    if (!atMark(mark))
        return false;
    next();
    return true;
}

void ScriptReader::expectComma(const std::string &before)
{
    if (!takeMark(","))
        fail("expected ',' before " + before);
}

void ScriptReader::expectBegin(const std::string &what)
{
    if (takeKeyword("BEGIN") || takeMark("{"))
        return;
    if (peek().kind == Token::Kind::Name)
        fail("'" + peek().spelling + "' has no place in " + what);
    fail("expected BEGIN in " + what);
}

bool ScriptReader::takeBlockEnd()
{
    return takeKeyword("END") || takeMark("}");
}

bool ScriptReader::atNumber() const
{
    const Token &token = peek();
    return token.kind == Token::Kind::Number || token.isMark("(") || token.isMark("-") ||
           token.isMark("~") ||
           (token.kind == Token::Kind::Name && predefinedValue(token.spelling).has_value());
}

void ScriptReader::enter()
{
    if (++depth_ > limits::kNestingDepth)
        fail("an expression nests deeper than " + std::to_string(limits::kNestingDepth) + " levels");
}

std::uint32_t ScriptReader::number(const std::string &what)
{
    if (atKeyword("NOT"))
        fail("NOT has no place in " + what);
    if (!atNumber() && peek().kind != Token::Kind::Name)
        fail("expected a number for " + what);
    return expression(0);
}

// Levels from | to * / %, as in C.
std::uint32_t ScriptReader::expression(int level)
{
    static const std::vector<std::vector<std::string_view>> kLevels = {
        {"|"}, {"^"}, {"&"}, {"+", "-"}, {"*", "/", "%"}};
    if (level == static_cast<int>(kLevels.size()))
        return unary();
    std::uint32_t value = expression(level + 1);
    for (;;) {
        std::string_view op;
        for (std::string_view mark : kLevels[static_cast<std::size_t>(level)])
            if (atMark(mark))
                op = mark;
        if (op.empty())
            return value;
        next();
        const std::uint32_t right = expression(level + 1);
        if ((op == "/" || op == "%") && right == 0)
            fail("a division by zero");
        if (op == "|") value |= right;
        else if (op == "^") value ^= right;
        else if (op == "&") value &= right;
        else if (op == "+") value += right;
        else if (op == "-") value -= right;
        else if (op == "*") value *= right;
        else if (op == "/") value /= right;
        else value %= right;
    }
}

std::uint32_t ScriptReader::unary()
{
    enter();
    std::uint32_t value = 0;
    const Token &token = peek();
    if (atKeyword("NOT"))
        fail("NOT belongs only in a style");
    if (takeMark("-")) {
        value = 0u - unary();
    } else if (takeMark("~")) {
        value = ~unary();
    } else if (takeMark("(")) {
        value = expression(0);
        if (!takeMark(")"))
            fail("expected ')'");
    } else if (token.kind == Token::Kind::Number) {
        const NumberValue number = numberValue(next());
        if (number.value > 0xFFFFFFFFu)
            throw ScriptError(token.where, "number '" + token.spelling + "' is beyond 32 bits");
        value = static_cast<std::uint32_t>(number.value);
    } else if (token.kind == Token::Kind::Name) {
        const std::optional<std::uint32_t> known = predefinedValue(token.spelling);
        if (!known)
            fail("unknown name '" + token.spelling + "'");
        next();
        value = *known;
    } else if (token.kind == Token::Kind::End) {
        fail("the script ends where a number was expected");
    } else {
        fail("expected a number, not '" + token.spelling + "'");
    }
    leave();
    return value;
}

std::uint16_t ScriptReader::word(const std::string &what)
{
    const Location where = peek().where;
    const auto value = static_cast<std::int32_t>(number(what));
    if (value < -32768 || value > 65535)
        throw ScriptError(where, what + " is beyond 16 bits");
    return static_cast<std::uint16_t>(value);
}

std::int16_t ScriptReader::coordinate(const std::string &what)
{
    const Location where = peek().where;
    const auto value = static_cast<std::int32_t>(number(what));
    if (value < -32768 || value > 32767)
        throw ScriptError(where, what + " is beyond 16 bits");
    return static_cast<std::int16_t>(value);
}

StyleExpression ScriptReader::style(const std::string &what)
{
    StyleExpression style;
    do {
        const bool clear = takeKeyword("NOT");
        if (clear && atKeyword("NOT"))
            fail("NOT follows NOT in " + what);
        style.steps.push_back({clear, clear ? unary() : expression(1)});
    } while (takeMark("|"));
    return style;
}

std::u16string ScriptReader::text(const std::string &what)
{
    if (!atText())
        fail("expected a text in quotes for " + what);
    std::u16string out;
    while (atText())
        out += decodeText(next());
    return out;
}

std::u16string ScriptReader::plainText(const std::string &what)
{
    const Location where = peek().where;
    std::u16string out = text(what);
    if (out.find(u'\0') != std::u16string::npos)
        throw ScriptError(where, what + " cannot hold a NUL character");
    return out;
}

ResourceId ScriptReader::resourceName(const std::string &what)
{
    const Token &token = peek();
    if (token.kind == Token::Kind::Text) {
        const std::u16string name = plainText(what);
        if (name.empty())
            throw ScriptError(token.where, what + " is empty");
        return ResourceId::named(upperAscii(name));
    }
    if (token.kind == Token::Kind::Name && !predefinedValue(token.spelling)) {
        next();
        return ResourceId::named(upperAscii(utf16(token.spelling)));
    }
    const Location where = token.where;
    const std::uint32_t value = number(what);
    if (value == 0 || value > 0xFFFF)
        throw ScriptError(where, what + " must be a number from 1 to 65535 or a name");
    return ResourceId::of(static_cast<std::uint16_t>(value));
}

ResourceId ScriptReader::windowClass(const std::string &what)
{
    const Token &token = peek();
    std::u16string name;
    if (token.kind == Token::Kind::Text) {
        name = plainText(what);
    } else if (token.kind == Token::Kind::Name && !predefinedValue(token.spelling)) {
        name = utf16(next().spelling);
    } else {
        return ResourceId::of(word(what));
    }
    if (std::optional<std::uint16_t> ordinal = predefinedClassOrdinal(utf8(name)))
        return ResourceId::of(*ordinal);
    return ResourceId::named(std::move(name));
}

void ScriptReader::skipMemoryOptions()
{
    for (bool found = true; found;) {
        found = false;
        for (std::string_view option : kMemoryOptions)
            if (takeKeyword(option))
                found = true;
    }
}

}  // namespace vksrc
