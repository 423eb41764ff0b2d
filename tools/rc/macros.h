// The macros of a script (#define) and their expansion, as the C preprocessor expands them:
// function-like macros, # and ##, and no macro expanding inside its own expansion.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "token.h"

namespace vksrc {

struct Macro {
    std::string name;
    bool functionLike = false;
    bool variadic = false;  // the last parameter is __VA_ARGS__
    std::vector<std::string> parameters;
    std::vector<Token> body;
};

class MacroTable {
public:
    void define(Macro macro) { macros_[macro.name] = std::move(macro); }
    void undefine(const std::string &name) { macros_.erase(name); }
    const Macro *find(const std::string &name) const
    {
        auto found = macros_.find(name);
        return found == macros_.end() ? nullptr : &found->second;
    }

private:
    std::unordered_map<std::string, Macro> macros_;
};

// Expands the macros of a run of tokens. One use of a macro may give at most
// limits::kExpansionTokens tokens, and all uses together limits::kTotalExpansionTokens, counted
// in `produced` across calls.
class MacroExpander {
public:
    MacroExpander(const MacroTable &macros, std::size_t &produced)
        : macros_(macros), produced_(produced)
    {
    }

    // In a #if line (`condition`), the name after `defined` is left as it is.
    std::vector<Token> expand(const std::vector<Token> &tokens, bool condition);

private:
    const MacroTable &macros_;
    std::size_t &produced_;
};

}  // namespace vksrc
