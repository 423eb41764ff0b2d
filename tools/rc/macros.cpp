#include "macros.h"

#include <algorithm>
#include <deque>
#include <memory>

#include "compiler_limits.h"
#include "line_lexer.h"

namespace vksrc {

namespace {

using HideSet = std::shared_ptr<const std::vector<std::string>>;

struct Item {
    Token token;
    HideSet hide;
    bool original = false;  // from the tokens given, not from an expansion
    bool paste = false;     // a ## of a macro's body, which joins its neighbours
};

bool hides(const HideSet &hide, const std::string &name)
{
    return hide && std::find(hide->begin(), hide->end(), name) != hide->end();
}

HideSet withName(const HideSet &hide, const std::string &name)
{
    auto names = hide ? std::make_shared<std::vector<std::string>>(*hide)
                      : std::make_shared<std::vector<std::string>>();
    names->push_back(name);
    return names;
}

std::string quotedText(const std::vector<Item> &argument)
{
    std::string text = "\"";
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const Token &token = argument[i].token;
        if (i > 0 && token.spaceBefore)
            text += ' ';
        const bool literal = token.kind == Token::Kind::Text || token.kind == Token::Kind::Char;
        for (char c : token.spelling) {
            if (literal && (c == '"' || c == '\\'))
                text += '\\';
            text += c;
        }
    }
    return text + "\"";
}

class Expansion {
public:
    Expansion(const MacroTable &macros, std::size_t &produced, bool condition)
        : macros_(macros), produced_(produced), condition_(condition)
    {
    }

    std::vector<Item> run(std::deque<Item> queue)
    {
        std::vector<Item> out;
        while (!queue.empty()) {
            Item item = std::move(queue.front());
            queue.pop_front();
            const Token &token = item.token;
            if (condition_ && token.is(Token::Kind::Name, "defined")) {
                out.push_back(std::move(item));
                passDefinedOperand(queue, out);
                continue;
            }
            const Macro *macro = token.kind == Token::Kind::Name && !hides(item.hide, token.spelling)
                                     ? macros_.find(token.spelling)
                                     : nullptr;
            if (!macro || (macro->functionLike && (queue.empty() || !queue.front().token.isMark("(")))) {
                out.push_back(std::move(item));
                continue;
            }
            if (item.original) {
                used_ = 0;
                useName_ = token.spelling;
            }
            std::vector<std::vector<Item>> arguments;
            if (macro->functionLike)
                arguments = collectArguments(*macro, queue, token.where);
            std::vector<Item> replacement = substitute(*macro, arguments, item);
            for (auto it = replacement.rbegin(); it != replacement.rend(); ++it)
                queue.push_front(std::move(*it));
        }
        return out;
    }

private:
    void passDefinedOperand(std::deque<Item> &queue, std::vector<Item> &out)
    {
        const bool parenthesised = !queue.empty() && queue.front().token.isMark("(");
        const std::size_t count = parenthesised ? 3 : 1;
        for (std::size_t i = 0; i < count && !queue.empty(); ++i) {
            out.push_back(std::move(queue.front()));
            queue.pop_front();
        }
    }

    std::vector<std::vector<Item>> collectArguments(const Macro &macro, std::deque<Item> &queue,
                                                    const Location &where)
    {
        queue.pop_front();  // (
        std::vector<std::vector<Item>> arguments(1);
        int depth = 0;
        for (;;) {
            if (queue.empty())
                throw ScriptError(where, "the arguments of macro '" + macro.name + "' are not closed");
            Item item = std::move(queue.front());
            queue.pop_front();
            if (item.token.isMark("(")) {
                if (++depth > limits::kNestingDepth)
                    throw ScriptError(where, "macro arguments are nested deeper than " +
                                                 std::to_string(limits::kNestingDepth) + " levels");
            } else if (item.token.isMark(")")) {
                if (depth-- == 0)
                    break;
            } else if (item.token.isMark(",") && depth == 0 &&
                       !(macro.variadic && arguments.size() == macro.parameters.size())) {
                if (arguments.size() >= limits::kMacroParameters)
                    throw ScriptError(where, "macro '" + macro.name + "' is given too many arguments");
                arguments.emplace_back();
                continue;
            }
            arguments.back().push_back(std::move(item));
        }
        if (macro.parameters.empty() && arguments.size() == 1 && arguments[0].empty())
            arguments.clear();
        if (macro.variadic && arguments.size() + 1 == macro.parameters.size())
            arguments.emplace_back();
        if (arguments.size() != macro.parameters.size())
            throw ScriptError(where, "macro '" + macro.name + "' takes " +
                                         std::to_string(macro.parameters.size()) + " arguments, not " +
                                         std::to_string(arguments.size()));
        return arguments;
    }

    int parameterIndex(const Macro &macro, const Token &token) const
    {
        if (!macro.functionLike || token.kind != Token::Kind::Name)
            return -1;
        auto found = std::find(macro.parameters.begin(), macro.parameters.end(), token.spelling);
        return found == macro.parameters.end() ? -1
                                               : static_cast<int>(found - macro.parameters.begin());
    }

    std::vector<Item> expandedArgument(const std::vector<Item> &argument, const Location &where)
    {
        if (depth_ >= limits::kNestingDepth)
            throw ScriptError(where, "macro arguments are nested deeper than " +
                                         std::to_string(limits::kNestingDepth) + " levels");
        std::deque<Item> queue(argument.begin(), argument.end());
        for (Item &item : queue)
            item.original = false;
        ++depth_;
        std::vector<Item> out = run(std::move(queue));
        --depth_;
        return out;
    }

    std::vector<Item> substitute(const Macro &macro, const std::vector<std::vector<Item>> &arguments,
                                 const Item &use)
    {
        const HideSet hide = withName(use.hide, macro.name);
        std::vector<Item> out;
        const std::vector<Token> &body = macro.body;
        for (std::size_t i = 0; i < body.size(); ++i) {
            const Token &token = body[i];
            if (token.isMark("#") && i + 1 < body.size() && parameterIndex(macro, body[i + 1]) >= 0) {
                const int index = parameterIndex(macro, body[++i]);
                Token text{Token::Kind::Text, quotedText(arguments[static_cast<std::size_t>(index)]),
                           use.token.where, token.spaceBefore};
                out.push_back({std::move(text), hide, false, false});
                continue;
            }
            const int index = parameterIndex(macro, token);
            if (index >= 0) {
                const bool pasted = (i > 0 && body[i - 1].isMark("##")) ||
                                    (i + 1 < body.size() && body[i + 1].isMark("##"));
                const std::vector<Item> &raw = arguments[static_cast<std::size_t>(index)];
                std::vector<Item> value = pasted ? raw : expandedArgument(raw, use.token.where);
                for (std::size_t k = 0; k < value.size(); ++k) {
                    Item item = std::move(value[k]);
                    item.token.where = use.token.where;
                    if (k == 0)
                        item.token.spaceBefore = token.spaceBefore;
                    item.original = false;
                    item.paste = false;
                    out.push_back(std::move(item));
                }
                continue;
            }
            Token copy = token;
            copy.where = use.token.where;
            out.push_back({std::move(copy), hide, false, token.isMark("##")});
        }
        paste(out, use.token.where);
        if (!out.empty())
            out.front().token.spaceBefore = use.token.spaceBefore;
        count(out.size(), use.token.where);
        return out;
    }

    void paste(std::vector<Item> &items, const Location &where)
    {
        for (std::size_t i = 0; i < items.size();) {
            if (!items[i].paste) {
                ++i;
                continue;
            }
            if (i == 0 || i + 1 >= items.size()) {
                items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            const std::string joined = items[i - 1].token.spelling + items[i + 1].token.spelling;
            LineLexer lexer;
            std::vector<Token> tokens = lexer.tokens(joined, where, true);
            if (tokens.size() != 1)
                throw ScriptError(where, "## does not make one token of '" + joined + "'");
            tokens[0].spaceBefore = items[i - 1].token.spaceBefore;
            items[i - 1].token = std::move(tokens[0]);
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(i),
                        items.begin() + static_cast<std::ptrdiff_t>(i + 2));
        }
    }

    void count(std::size_t tokens, const Location &where)
    {
        used_ += tokens;
        produced_ += tokens;
        if (used_ > limits::kExpansionTokens)
            throw ScriptError(where, "the expansion of macro '" + useName_ + "' goes past " +
                                         std::to_string(limits::kExpansionTokens) + " tokens");
        if (produced_ > limits::kTotalExpansionTokens)
            throw ScriptError(where, "the script's macros expand to more than " +
                                         std::to_string(limits::kTotalExpansionTokens) + " tokens");
    }

    const MacroTable &macros_;
    std::size_t &produced_;
    bool condition_;
    std::size_t used_ = 0;
    std::string useName_;
    int depth_ = 0;
};

}  // namespace

std::vector<Token> MacroExpander::expand(const std::vector<Token> &tokens, bool condition)
{
    std::deque<Item> queue;
    for (const Token &token : tokens)
        queue.push_back({token, nullptr, true, false});
    Expansion expansion(macros_, produced_, condition);
    std::vector<Item> items = expansion.run(std::move(queue));
    std::vector<Token> out;
    out.reserve(items.size());
    for (Item &item : items)
        out.push_back(std::move(item.token));
    return out;
}

}  // namespace vksrc
