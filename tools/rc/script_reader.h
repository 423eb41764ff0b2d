// Reading the statements of a preprocessed script: keywords, numbers and expressions, styles
// with NOT, texts with their escapes, resource names, and BEGIN ... END blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resource.h"
#include "token.h"

namespace vksrc {

// A style as a statement gives it: values joined by |, each possibly preceded by NOT, applied
// from left to right to the defaults (NOT clears bits that the defaults or an earlier value set).
struct StyleExpression {
    struct Step {
        bool clear = false;
        std::uint32_t bits = 0;
    };
    std::vector<Step> steps;

    std::uint32_t applyTo(std::uint32_t base) const
    {
        for (const Step &step : steps)
            base = step.clear ? base & ~step.bits : base | step.bits;
        return base;
    }
};

class ScriptReader {
public:
    explicit ScriptReader(std::vector<Token> tokens);

    const Token &peek(std::size_t ahead = 0) const;
    const Token &next();
    bool atEnd() const { return peek().kind == Token::Kind::End; }
    [[noreturn]] void fail(const std::string &reason) const;

    // A keyword, compared without regard to case.
    bool atKeyword(std::string_view word, std::size_t ahead = 0) const;
    bool takeKeyword(std::string_view word);
    bool atMark(std::string_view mark) const { return peek().isMark(mark); }
    bool takeMark(std::string_view mark);
    void expectComma(const std::string &before);
    // BEGIN or {; END or }.
    void expectBegin(const std::string &what);
    bool atBlockEnd() const { return atKeyword("END") || atMark("}"); }
    bool takeBlockEnd();

    // Whether a number or expression starts here.
    bool atNumber() const;
    // An expression of 32 bits: + - * / % | & ^ ~, unary minus and parentheses, with C's
    // precedence; names are the predefined ones.
    std::uint32_t number(const std::string &what);
    // A number for a 16-bit field: -32768 to 65535.
    std::uint16_t word(const std::string &what);
    std::int16_t coordinate(const std::string &what);
    StyleExpression style(const std::string &what);

    bool atText() const { return peek().kind == Token::Kind::Text; }
    // One text, or several written one after another, as UTF-16 (escapes replaced).
    std::u16string text(const std::string &what);
    // A text for a NUL-terminated field: one with a NUL in it is refused.
    std::u16string plainText(const std::string &what);

    // A resource's name: a number (1 to 65535), or a name or text in capitals.
    ResourceId resourceName(const std::string &what);
    // A window class: a predefined class as its ordinal, any other as written.
    ResourceId windowClass(const std::string &what);

    // The memory options of 16-bit Windows (PRELOAD, DISCARDABLE, ...), which change nothing.
    void skipMemoryOptions();

private:
    std::uint32_t expression(int level);
    std::uint32_t unary();
    void enter();
    void leave() { --depth_; }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// The UTF-16 of a text token (escapes and "" replaced).
std::u16string decodeText(const Token &token);

}  // namespace vksrc
