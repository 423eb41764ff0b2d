// The tokens of a resource script: names, numbers, quoted texts and punctuation, with their line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vksrc {

// A fault of a script, with the line it was found on.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string &reason) : std::runtime_error(reason), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct Token {
    enum class Kind { Name, Number, Text, Punctuation, Directive, End };
    Kind kind = Kind::End;
    std::string text;          // a name, a text's content (UTF-8), a mark, or a directive line
    std::uint32_t number = 0;  // a number's value
    int line = 0;
};

// The tokens of `script`; a directive ('#' first on its line) is one token holding its line.
// Comments (// and /* */) are dropped. Throws ScriptError for an unterminated text or comment,
// a malformed number or a character the language does not have.
std::vector<Token> tokenize(std::string_view script);

}  // namespace vksrc
