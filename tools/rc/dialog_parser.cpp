#include "dialog_parser.h"

#include <cctype>
#include <limits>
#include <map>
#include <memory>

#include "style_names.h"

namespace vksrc {

namespace {

constexpr std::uint32_t kChildVisible = 0x40000000 | 0x10000000;  // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kDialogDefault = 0x80000000 | 0x00800000 | 0x00080000;  // popup, border, menu
constexpr std::uint32_t kCaption = 0x00C00000;
constexpr std::uint32_t kSetFont = 0x40;
constexpr std::uint32_t kGroup = 0x00020000, kTabStop = 0x00010000, kBorder = 0x00800000;

// A style expression: the bits it sets and the ones NOT removes.
struct Bits {
    std::uint32_t set = 0;
    std::uint32_t clear = 0;
    std::uint32_t applyTo(std::uint32_t defaults) const { return (defaults | set) & ~clear; }
};

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, const IncludeReader &readInclude)
        : tokens_(std::move(tokens)), readInclude_(readInclude)
    {
    }

    ScriptResources run()
    {
        ScriptResources resources;
        while (peek().kind != Token::Kind::End) {
            if (peek().kind == Token::Kind::Directive) {
                directive(next(), true);
                continue;
            }
            if (isBitmapStatement())
                resources.bitmaps.push_back(bitmap());
            else
                resources.dialogs.push_back(dialog());
        }
        return resources;
    }

private:
    const Token &peek(size_t ahead = 0) const
    {
        size_t at = std::min(at_ + ahead, tokens_.size() - 1);
        return tokens_[at];
    }
    const Token &next()
    {
        const Token &t = tokens_[at_];
        if (at_ + 1 < tokens_.size())
            ++at_;
        return t;
    }
    [[noreturn]] void fail(const std::string &reason) const { throw ScriptError(peek().line, reason); }

    bool isMark(const char *mark) const
    {
        return peek().kind == Token::Kind::Punctuation && peek().text == mark;
    }
    bool isWord(const char *word) const
    {
        return peek().kind == Token::Kind::Name && upper(peek().text) == word;
    }
    void expectComma(const char *what)
    {
        if (!isMark(","))
            fail(std::string("expected ',' before ") + what);
        next();
    }

    // #define NAME value, #include "header", #pragma (ignored).
    void directive(const Token &token, bool inScript)
    {
        std::string_view line = token.text;
        line.remove_prefix(1);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
            line.remove_prefix(1);
        auto word = line.substr(0, line.find_first_of(" \t("));
        std::string_view rest = line.substr(word.size());
        if (word == "define") {
            define(rest, token.line, inScript);
        } else if (word == "include" && inScript) {
            include(rest, token.line);
        } else if (word == "pragma" && inScript) {
            // #pragma code_page and friends: the script is read as UTF-8 whatever they say.
        } else if (inScript) {
            throw ScriptError(token.line, "directive #" + std::string(word) + " is not supported");
        }
    }

    // Macros keep their tokens and are worked out where they are used, as the C preprocessor
    // does, so a header may define them in any order.
    void define(std::string_view rest, int line, bool strict)
    {
        std::vector<Token> parts = tokenize(rest);
        if (parts.empty() || parts[0].kind != Token::Kind::Name) {
            if (strict)
                throw ScriptError(line, "#define needs a name");
            return;
        }
        std::string name = parts[0].text;
        parts.erase(parts.begin());
        for (Token &part : parts)
            part.line = line;
        (*macros_)[name] = std::move(parts);
    }

    std::uint32_t macroValue(const std::string &name, const std::vector<Token> &tokens, int line)
    {
        if (depth_ > 32)
            throw ScriptError(line, "the value of " + name + " refers to itself");
        Parser value(tokens, readInclude_);
        value.macros_ = macros_;
        value.depth_ = depth_ + 1;
        Bits bits = value.expression();
        if (value.peek().kind != Token::Kind::End || bits.clear)
            throw ScriptError(line, "the value of " + name + " is no number");
        return bits.set;
    }

    void include(std::string_view rest, int line)
    {
        size_t open = rest.find('"');
        size_t close = open == std::string_view::npos ? open : rest.find('"', open + 1);
        if (close == std::string_view::npos)
            throw ScriptError(line, "#include needs a quoted file name");
        std::string name(rest.substr(open + 1, close - open - 1));
        std::optional<std::string> header = readInclude_(name);
        if (!header)
            throw ScriptError(line, "cannot read the included file '" + name + "'");
        size_t start = 0;
        int headerLine = 0;
        while (start <= header->size()) {
            size_t end = header->find('\n', start);
            std::string_view text = std::string_view(*header).substr(
                start, end == std::string::npos ? std::string::npos : end - start);
            ++headerLine;
            size_t first = text.find_first_not_of(" \t");
            if (first != std::string_view::npos && text.substr(first, 7) == "#define")
                directive({Token::Kind::Directive, std::string(text.substr(first)), 0, line}, false);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }

    Bits term()
    {
        if (isWord("NOT")) {
            next();
            Bits inner = term();
            return {0, inner.set};
        }
        if (isMark("(")) {
            next();
            Bits inner = expression();
            if (!isMark(")"))
                fail("expected ')'");
            next();
            return inner;
        }
        if (isMark("-")) {
            next();
            Bits inner = term();
            return {0u - inner.set, 0};
        }
        const Token &t = peek();
        if (t.kind == Token::Kind::Number) {
            next();
            return {t.number, 0};
        }
        if (t.kind == Token::Kind::Name) {
            if (auto defined = macros_->find(t.text); defined != macros_->end()) {
                next();
                return {macroValue(t.text, defined->second, t.line), 0};
            }
            if (auto value = predefinedValue(t.text)) {
                next();
                return {*value, 0};
            }
            fail("unknown name '" + t.text + "'");
        }
        fail("expected a number or a name");
    }

    Bits expression()
    {
        Bits result = term();
        while (isMark("|") || isMark("+") || (isMark("-") && !isMark(","))) {
            char op = next().text[0];
            Bits more = term();
            if (op == '|' || op == '+') {
                result.set = op == '|' ? result.set | more.set : result.set + more.set;
                result.clear |= more.clear;
            } else {
                result.set -= more.set;
            }
        }
        return result;
    }

    std::uint32_t number(const char *what)
    {
        Bits bits = expression();
        if (bits.clear)
            fail(std::string("NOT has no place in ") + what);
        return bits.set;
    }

    std::int16_t coordinate(const char *what)
    {
        auto value = static_cast<std::int32_t>(number(what));
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            fail(std::string(what) + " is beyond 16 bits");
        return static_cast<std::int16_t>(value);
    }

    void rectangle(std::int16_t &x, std::int16_t &y, std::int16_t &cx, std::int16_t &cy)
    {
        x = coordinate("x");
        expectComma("y");
        y = coordinate("y");
        expectComma("the width");
        cx = coordinate("the width");
        expectComma("the height");
        cy = coordinate("the height");
    }

    std::string quoted(const char *what)
    {
        if (peek().kind != Token::Kind::Text)
            fail(std::string("expected a quoted text for ") + what);
        return next().text;
    }

    // A dialog's or control's text: a quoted text or a resource number.
    NameOrNumber textOrNumber()
    {
        if (peek().kind == Token::Kind::Text)
            return {false, 0, next().text};
        std::uint32_t value = number("a control's text");
        if (value > 0xFFFF)
            fail("a resource number is beyond 16 bits");
        return {true, static_cast<std::uint16_t>(value), ""};
    }

    NameOrNumber resourceName()
    {
        const Token &t = peek();
        if (t.kind == Token::Kind::Text) {
            next();
            return {false, 0, upper(t.text)};
        }
        if (t.kind == Token::Kind::Name && !macros_->count(t.text) && !predefinedValue(t.text)) {
            next();
            return {false, 0, upper(t.text)};
        }
        std::uint32_t value = number("a resource name");
        if (value == 0 || value > 0xFFFF)
            fail("a resource number must lie between 1 and 65535");
        return {true, static_cast<std::uint16_t>(value), ""};
    }

    NameOrNumber className()
    {
        std::string name;
        if (peek().kind == Token::Kind::Text || peek().kind == Token::Kind::Name)
            name = next().text;
        else
            fail("expected a window class");
        if (auto ordinal = predefinedClassOrdinal(name))
            return {true, *ordinal, ""};
        return {false, 0, name};
    }

    bool isBitmapStatement() const
    {
        const Token &type = peek(1);
        return type.kind == Token::Kind::Name && upper(type.text) == "BITMAP";
    }

    BitmapStatement bitmap()
    {
        BitmapStatement b;
        b.line = peek().line;
        b.name = resourceName();
        next();  // BITMAP
        b.file = quoted("the bitmap's file");
        if (b.file.empty())
            fail("the bitmap's file name is empty");
        return b;
    }

    DialogTemplate dialog()
    {
        DialogTemplate d;
        d.line = peek().line;
        d.name = resourceName();
        if (!isWord("DIALOGEX")) {
            if (peek().kind == Token::Kind::Name)
                fail("resource type '" + peek().text + "' is not supported: only DIALOGEX is");
            fail("expected DIALOGEX after the resource's name");
        }
        next();
        rectangle(d.x, d.y, d.cx, d.cy);
        if (isMark(",")) {
            next();
            d.helpId = number("the help identifier");
        }
        Bits style{kDialogDefault, 0};
        bool styled = false;
        for (;;) {
            if (isWord("STYLE")) {
                next();
                style = expression();
                styled = true;
            } else if (isWord("EXSTYLE")) {
                next();
                d.exStyle = number("the extended style");
            } else if (isWord("CAPTION")) {
                next();
                d.caption = quoted("the caption");
            } else if (isWord("FONT")) {
                next();
                font(d);
            } else if (isWord("CLASS")) {
                next();
                d.windowClass = className();
            } else if (isWord("MENU")) {
                next();
                d.menu = resourceName();
            } else {
                break;
            }
        }
        d.style = style.applyTo(0);
        if (!styled)
            d.style = kDialogDefault;
        if (!d.caption.empty())
            d.style |= kCaption;
        if (d.hasFont)
            d.style |= kSetFont;
        if (!isWord("BEGIN") && !isMark("{")) {
            if (peek().kind == Token::Kind::Name)
                fail("statement '" + peek().text + "' is not supported in a dialog");
            fail("expected BEGIN");
        }
        next();
        while (!isWord("END")) {
            if (peek().kind == Token::Kind::End)
                throw ScriptError(d.line, "the dialog's BEGIN has no END");
            d.controls.push_back(control());
        }
        next();
        return d;
    }

    void font(DialogTemplate &d)
    {
        d.hasFont = true;
        std::uint32_t size = number("the font size");
        if (size > 0xFFFF)
            fail("the font size is beyond 16 bits");
        d.font.pointSize = static_cast<std::uint16_t>(size);
        expectComma("the typeface");
        d.font.typeface = quoted("the typeface");
        if (isMark(",")) {
            next();
            d.font.weight = static_cast<std::uint16_t>(number("the font weight"));
            if (isMark(",")) {
                next();
                d.font.italic = static_cast<std::uint8_t>(number("the italic flag"));
                if (isMark(",")) {
                    next();
                    d.font.charset = static_cast<std::uint8_t>(number("the character set"));
                }
            }
        }
    }

    // The optional [, style [, extended style [, help id]]] of a control statement.
    void controlTail(DialogControl &c, std::uint32_t defaults, bool withStyle)
    {
        Bits style{};
        if (withStyle && isMark(",")) {
            next();
            style = expression();
        }
        c.style = style.applyTo(defaults);
        if (isMark(",")) {
            next();
            c.exStyle = number("the extended style");
            if (isMark(",")) {
                next();
                c.helpId = number("the help identifier");
            }
        }
    }

    DialogControl control()
    {
        struct Kind {
            const char *word;
            std::uint16_t classOrdinal;
            std::uint32_t defaults;
            bool hasText;
        };
        static const Kind kKinds[] = {
            {"LTEXT", 0x82, 0x0 | kGroup, true},
            {"CTEXT", 0x82, 0x1 | kGroup, true},
            {"RTEXT", 0x82, 0x2 | kGroup, true},
            {"EDITTEXT", 0x81, kBorder | kTabStop, false},
            {"PUSHBUTTON", 0x80, 0x0 | kTabStop, true},
            {"DEFPUSHBUTTON", 0x80, 0x1 | kTabStop, true},
            {"GROUPBOX", 0x80, 0x7, true},
        };
        DialogControl c;
        if (isWord("CONTROL")) {
            next();
            c.text = textOrNumber();
            expectComma("the identifier");
            c.id = number("the identifier");
            expectComma("the class");
            c.windowClass = className();
            expectComma("the style");
            Bits style = expression();
            c.style = style.applyTo(kChildVisible);
            expectComma("x");
            rectangle(c.x, c.y, c.cx, c.cy);
            controlTail(c, c.style, false);
            return c;
        }
        for (const Kind &kind : kKinds) {
            if (!isWord(kind.word))
                continue;
            next();
            c.windowClass = {true, kind.classOrdinal, ""};
            if (kind.hasText) {
                c.text = textOrNumber();
                expectComma("the identifier");
            }
            c.id = number("the identifier");
            expectComma("x");
            rectangle(c.x, c.y, c.cx, c.cy);
            controlTail(c, kChildVisible | kind.defaults, true);
            return c;
        }
        if (peek().kind == Token::Kind::Name)
            fail("control statement '" + peek().text + "' is not supported");
        fail("expected a control statement or END");
    }

    std::vector<Token> tokens_;
    size_t at_ = 0;
    const IncludeReader &readInclude_;
    std::shared_ptr<std::map<std::string, std::vector<Token>>> macros_ =
        std::make_shared<std::map<std::string, std::vector<Token>>>();
    int depth_ = 0;
};

}  // namespace

ScriptResources parseScript(std::string_view script, const IncludeReader &readInclude)
{
    return Parser(tokenize(script), readInclude).run();
}

std::vector<DialogTemplate> parseDialogs(std::string_view script, const IncludeReader &readInclude)
{
    return parseScript(script, readInclude).dialogs;
}

}  // namespace vksrc
