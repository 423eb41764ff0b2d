#include "line_lexer.h"

#include <array>

namespace vksrc {

namespace {

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNamePart(char c)
{
    return isNameStart(c) || isDigit(c);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

constexpr std::array<std::string_view, 11> kLongMarks = {"...", "##", "<<", ">>", "<=", ">=",
                                                         "==", "!=", "&&", "||", "::"};
constexpr std::string_view kShortMarks = "#(){}[],;:|&^~!+-*/%<>=?.\\@$`";

class Scanner {
public:
    Scanner(std::string_view line, const Location &where, bool tolerant, bool &inComment)
        : line_(line), where_(where), tolerant_(tolerant), inComment_(inComment)
    {
    }

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        bool space = false;
        while (at_ < line_.size()) {
            if (inComment_) {
                const std::size_t end = line_.find("*/", at_);
                if (end == std::string_view::npos)
                    return tokens;
                at_ = end + 2;
                inComment_ = false;
                space = true;
                continue;
            }
            const char c = line_[at_];
            if (isBlank(c)) {
                ++at_;
                space = true;
            } else if (line_.substr(at_, 2) == "//") {
                break;
            } else if (line_.substr(at_, 2) == "/*") {
                at_ += 2;
                inComment_ = true;
            } else {
                Token token = next();
                token.spaceBefore = space;
                space = false;
                tokens.push_back(std::move(token));
            }
        }
        return tokens;
    }

private:
    Token make(Token::Kind kind, std::size_t start)
    {
        return {kind, std::string(line_.substr(start, at_ - start)), where_, false};
    }

    Token next()
    {
        const char c = line_[at_];
        const std::size_t start = at_;
        if (c == '"')
            return quoted('"', Token::Kind::Text, start);
        if (c == '\'')
            return quoted('\'', Token::Kind::Char, start);
        if ((c == 'L' || c == 'l') && at_ + 1 < line_.size() &&
            (line_[at_ + 1] == '"' || line_[at_ + 1] == '\'')) {
            ++at_;
            return quoted(line_[at_], line_[at_] == '"' ? Token::Kind::Text : Token::Kind::Char,
                          start);
        }
        if (isNameStart(c)) {
            while (at_ < line_.size() && isNamePart(line_[at_]))
                ++at_;
            return make(Token::Kind::Name, start);
        }
        if (isDigit(c) || (c == '.' && at_ + 1 < line_.size() && isDigit(line_[at_ + 1]))) {
            while (at_ < line_.size() && (isNamePart(line_[at_]) || line_[at_] == '.'))
                ++at_;
            return make(Token::Kind::Number, start);
        }
        for (std::string_view mark : kLongMarks) {
            if (line_.substr(at_, mark.size()) == mark) {
                at_ += mark.size();
                return make(Token::Kind::Mark, start);
            }
        }
        if (kShortMarks.find(c) != std::string_view::npos || tolerant_) {
            ++at_;
            return make(Token::Kind::Mark, start);
        }
        const auto byte = static_cast<unsigned char>(c);
        std::string shown = byte >= 0x20 && byte < 0x7F ? std::string(1, c) : "";
        if (shown.empty()) {
            static const char kHex[] = "0123456789ABCDEF";
            shown = std::string("byte 0x") + kHex[byte >> 4] + kHex[byte & 0xF];
        }
        throw ScriptError(where_, "unexpected character '" + shown + "'");
    }

    // A text or a character constant; "" inside a text is a quote, as the language has it.
    Token quoted(char quote, Token::Kind kind, std::size_t start)
    {
        ++at_;
        while (at_ < line_.size()) {
            const char c = line_[at_++];
            if (c == '\\' && at_ < line_.size()) {
                ++at_;
            } else if (c == quote) {
                if (quote == '"' && at_ < line_.size() && line_[at_] == '"') {
                    ++at_;
                    continue;
                }
                return make(kind, start);
            }
        }
        if (!tolerant_)
            throw ScriptError(where_, kind == Token::Kind::Text ? "a text is not closed on its line"
                                                                : "a character is not closed on its line");
        return make(kind, start);
    }

    std::string_view line_;
    const Location &where_;
    bool tolerant_;
    bool &inComment_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<Token> LineLexer::tokens(std::string_view line, const Location &where, bool tolerant)
{
    return Scanner(line, where, tolerant, inComment_).run();
}

}  // namespace vksrc
