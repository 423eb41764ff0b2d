#include "script_lexer.h"

#include <cctype>
#include <limits>

namespace vksrc {

namespace {

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isNamePart(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class Lexer {
public:
    explicit Lexer(std::string_view script) : script_(script) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (at_ < script_.size()) {
            char c = script_[at_];
            if (c == '\n') {
                ++line_;
                ++at_;
                lineStart = true;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++at_;
            } else if (startsWith("//")) {
                skipLine();
            } else if (startsWith("/*")) {
                skipBlockComment();
            } else if (c == '#' && lineStart) {
                tokens.push_back(directive());
            } else {
                lineStart = false;
                tokens.push_back(token());
            }
        }
        tokens.push_back({Token::Kind::End, "", 0, line_});
        return tokens;
    }

private:
    bool startsWith(std::string_view mark) const { return script_.substr(at_, mark.size()) == mark; }

    void skipLine()
    {
        while (at_ < script_.size() && script_[at_] != '\n')
            ++at_;
    }

    void skipBlockComment()
    {
        int start = line_;
        size_t end = script_.find("*/", at_ + 2);
        if (end == std::string_view::npos)
            throw ScriptError(start, "a comment is not closed");
        for (size_t i = at_; i < end; ++i)
            line_ += script_[i] == '\n';
        at_ = end + 2;
    }

    Token directive()
    {
        Token t{Token::Kind::Directive, "", 0, line_};
        size_t end = script_.find('\n', at_);
        t.text = std::string(script_.substr(at_, end == std::string_view::npos ? end : end - at_));
        if (!t.text.empty() && t.text.back() == '\r')
            t.text.pop_back();
        at_ = end == std::string_view::npos ? script_.size() : end;
        return t;
    }

    Token token()
    {
        char c = script_[at_];
        if (c == '"')
            return text();
        if (std::isdigit(static_cast<unsigned char>(c)))
            return number();
        if (isNameStart(c)) {
            size_t start = at_;
            while (at_ < script_.size() && isNamePart(script_[at_]))
                ++at_;
            return {Token::Kind::Name, std::string(script_.substr(start, at_ - start)), 0, line_};
        }
        if (std::string_view(",|+-()").find(c) != std::string_view::npos) {
            ++at_;
            return {Token::Kind::Punctuation, std::string(1, c), 0, line_};
        }
        throw ScriptError(line_, std::string("unexpected character '") + c + "'");
    }

    Token number()
    {
        size_t start = at_;
        while (at_ < script_.size() && isNamePart(script_[at_]))
            ++at_;
        std::string digits(script_.substr(start, at_ - start));
        // A trailing L (long) is allowed, as in C.
        if (digits.size() > 1 && (digits.back() == 'L' || digits.back() == 'l'))
            digits.pop_back();
        bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        std::string_view body = std::string_view(digits).substr(hex ? 2 : 0);
        unsigned long long value = 0;
        for (char d : body) {
            int digit = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                        : hex && std::isxdigit(static_cast<unsigned char>(d))
                            ? std::tolower(static_cast<unsigned char>(d)) - 'a' + 10
                            : -1;
            if (digit < 0)
                throw ScriptError(line_, "malformed number '" + digits + "'");
            value = value * (hex ? 16 : 10) + static_cast<unsigned>(digit);
            if (value > std::numeric_limits<std::uint32_t>::max())
                throw ScriptError(line_, "number '" + digits + "' is beyond 32 bits");
        }
        return {Token::Kind::Number, digits, static_cast<std::uint32_t>(value), line_};
    }

    // "..." with "" for a quote and the C escapes \n \t \r \\ \".
    Token text()
    {
        Token t{Token::Kind::Text, "", 0, line_};
        ++at_;
        for (;;) {
            if (at_ >= script_.size() || script_[at_] == '\n')
                throw ScriptError(t.line, "a text is not closed on its line");
            char c = script_[at_++];
            if (c == '"') {
                if (at_ < script_.size() && script_[at_] == '"') {
                    t.text += '"';
                    ++at_;
                    continue;
                }
                return t;
            }
            if (c == '\\' && at_ < script_.size()) {
                char e = script_[at_++];
                switch (e) {
                case 'n': t.text += '\n'; break;
                case 't': t.text += '\t'; break;
                case 'r': t.text += '\r'; break;
                case '\\': t.text += '\\'; break;
                case '"': t.text += '"'; break;
                default: throw ScriptError(line_, std::string("unknown escape '\\") + e + "'");
                }
                continue;
            }
            t.text += c;
        }
    }

    std::string_view script_;
    size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<Token> tokenize(std::string_view script)
{
    return Lexer(script).run();
}

}  // namespace vksrc
