#include "condition.h"

#include <string>

#include "compiler_limits.h"
#include "numbers.h"

namespace vksrc {

namespace {

struct Value {
    std::uint64_t bits = 0;
    bool isUnsigned = false;

    std::int64_t asSigned() const { return static_cast<std::int64_t>(bits); }
    bool truth() const { return bits != 0; }
};

Value boolean(bool value)
{
    return {value ? 1u : 0u, false};
}

class Evaluator {
public:
    Evaluator(const std::vector<Token> &tokens, const MacroTable &macros, const Location &where)
        : tokens_(tokens), macros_(macros), where_(where)
    {
    }

    bool run()
    {
        if (tokens_.empty())
            throw ScriptError(where_, "#if has no expression");
        const Value value = conditional();
        if (at_ < tokens_.size())
            fail("unexpected '" + tokens_[at_].spelling + "' in #if");
        return value.truth();
    }

private:
    [[noreturn]] void fail(const std::string &reason) const
    {
        throw ScriptError(where_, reason);
    }

    bool atMark(const char *mark) const
    {
        return at_ < tokens_.size() && tokens_[at_].isMark(mark);
    }

    bool take(const char *mark)
    {
        if (!atMark(mark))
            return false;
        ++at_;
        return true;
    }

    void enter()
    {
        if (++depth_ > limits::kNestingDepth)
            fail("#if nests deeper than " + std::to_string(limits::kNestingDepth) + " levels");
    }

    Value conditional()
    {
        enter();
        Value condition = logicalOr();
        if (take("?")) {
            Value yes = conditional();
            if (!take(":"))
                fail("expected ':' in #if");
            Value no = conditional();
            condition = condition.truth() ? yes : no;
            condition.isUnsigned = yes.isUnsigned || no.isUnsigned;
        }
        --depth_;
        return condition;
    }

    Value logicalOr()
    {
        Value left = logicalAnd();
        while (take("||")) {
            const Value right = logicalAnd();
            left = boolean(left.truth() || right.truth());
        }
        return left;
    }

    Value logicalAnd()
    {
        Value left = binary(0);
        while (take("&&")) {
            const Value right = binary(0);
            left = boolean(left.truth() && right.truth());
        }
        return left;
    }

    // Levels from | down to * / %, each left-associative.
    Value binary(int level)
    {
        static const std::vector<std::vector<const char *>> kLevels = {
            {"|"}, {"^"}, {"&"}, {"==", "!="}, {"<", ">", "<=", ">="}, {"<<", ">>"}, {"+", "-"},
            {"*", "/", "%"}};
        if (level == static_cast<int>(kLevels.size()))
            return unary();
        Value left = binary(level + 1);
        for (;;) {
            const char *found = nullptr;
            for (const char *mark : kLevels[static_cast<std::size_t>(level)])
                if (atMark(mark))
                    found = mark;
            if (!found)
                return left;
            ++at_;
            left = apply(found, left, binary(level + 1));
        }
    }

    Value apply(const std::string &op, Value a, Value b) const
    {
        const bool isUnsigned = a.isUnsigned || b.isUnsigned;
        if (op == "<" || op == ">" || op == "<=" || op == ">=") {
            const bool less = isUnsigned ? a.bits < b.bits : a.asSigned() < b.asSigned();
            const bool greater = isUnsigned ? a.bits > b.bits : a.asSigned() > b.asSigned();
            return boolean(op == "<" ? less : op == ">" ? greater : op == "<=" ? !greater : !less);
        }
        if (op == "==" || op == "!=")
            return boolean((a.bits == b.bits) == (op == "=="));
        if (op == "<<" || op == ">>") {
            if (b.bits >= 64)
                fail("a shift in #if by " + std::to_string(b.asSigned()) + " bits");
            const std::uint64_t bits = op == "<<" ? a.bits << b.bits
                                       : a.isUnsigned ? a.bits >> b.bits
                                                      : static_cast<std::uint64_t>(a.asSigned() >> b.bits);
            return {bits, a.isUnsigned};
        }
        if ((op == "/" || op == "%") && b.bits == 0)
            fail("a division by zero in #if");
        Value result{0, isUnsigned};
        if (op == "|") result.bits = a.bits | b.bits;
        else if (op == "^") result.bits = a.bits ^ b.bits;
        else if (op == "&") result.bits = a.bits & b.bits;
        else if (op == "+") result.bits = a.bits + b.bits;
        else if (op == "-") result.bits = a.bits - b.bits;
        else if (op == "*") result.bits = a.bits * b.bits;
        else if (isUnsigned) result.bits = op == "/" ? a.bits / b.bits : a.bits % b.bits;
        else if (a.asSigned() == INT64_MIN && b.asSigned() == -1) result.bits = op == "/" ? a.bits : 0;
        else result.bits = static_cast<std::uint64_t>(op == "/" ? a.asSigned() / b.asSigned()
                                                                : a.asSigned() % b.asSigned());
        return result;
    }

    Value unary()
    {
        enter();
        Value value;
        if (take("-")) {
            value = unary();
            value.bits = 0 - value.bits;
        } else if (take("+")) {
            value = unary();
        } else if (take("~")) {
            value = unary();
            value.bits = ~value.bits;
        } else if (take("!")) {
            value = boolean(!unary().truth());
        } else {
            value = primary();
        }
        --depth_;
        return value;
    }

    Value primary()
    {
        if (at_ >= tokens_.size())
            fail("#if ends where a value was expected");
        const Token &token = tokens_[at_++];
        switch (token.kind) {
        case Token::Kind::Number: {
            const NumberValue number = numberValue(token);
            return {number.value, number.isUnsigned};
        }
        case Token::Kind::Char:
            return {characterValue(token), false};
        case Token::Kind::Name:
            if (token.spelling == "defined")
                return definedOperand();
            return {0, false};
        case Token::Kind::Mark:
            if (token.spelling == "(") {
                const Value inner = conditional();
                if (!take(")"))
                    fail("expected ')' in #if");
                return inner;
            }
            break;
        default:
            break;
        }
        fail("unexpected '" + token.spelling + "' in #if");
    }

    Value definedOperand()
    {
        const bool parenthesised = take("(");
        if (at_ >= tokens_.size() || tokens_[at_].kind != Token::Kind::Name)
            fail("defined needs a macro name");
        const bool defined = macros_.find(tokens_[at_++].spelling) != nullptr;
        if (parenthesised && !take(")"))
            fail("expected ')' after defined(");
        return boolean(defined);
    }

    const std::vector<Token> &tokens_;
    const MacroTable &macros_;
    const Location &where_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

}  // namespace

bool conditionHolds(const std::vector<Token> &tokens, const MacroTable &macros, const Location &where)
{
    return Evaluator(tokens, macros, where).run();
}

}  // namespace vksrc
