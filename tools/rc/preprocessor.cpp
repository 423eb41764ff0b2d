#include "preprocessor.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "code_page.h"
#include "compiler_limits.h"
#include "condition.h"
#include "numbers.h"

namespace vksrc {

namespace {

// Headers of Windows and of the C library that scripts include for the names of styles,
// identifiers and languages; the compiler knows those names itself.
constexpr std::string_view kKnownHeaders[] = {
    "windows.h", "winresrc.h", "winres.h", "winuser.h", "winuser.rh", "winnt.h", "winnt.rh",
    "windef.h", "winbase.h", "wingdi.h", "winnls.h", "winver.h", "verrsrc.h", "commctrl.h",
    "commctrl.rh", "dlgs.h", "prsht.h", "afxres.h", "richedit.h", "stddef.h", "stdint.h",
    "stdarg.h", "limits.h"};

std::string lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool isKnownHeader(const std::string &name)
{
    const std::string base = lower(std::filesystem::path(hostPathOf(name)).filename().string());
    return std::find(std::begin(kKnownHeaders), std::end(kKnownHeaders), base) !=
           std::end(kKnownHeaders);
}

// Headers count for their directives only, as C declarations mean nothing to a script.
bool isDirectivesOnly(const std::string &path)
{
    const std::string extension = lower(std::filesystem::path(path).extension().string());
    return extension == ".h" || extension == ".c";
}

std::string spelled(const std::vector<Token> &tokens, std::size_t from = 0)
{
    std::string text;
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (i > from && tokens[i].spaceBefore)
            text += ' ';
        text += tokens[i].spelling;
    }
    return text;
}

}  // namespace

Preprocessor::Preprocessor(FileAccess &files, const PreprocessorOptions &options)
    : files_(files), searchPath_(files, options.includeFolders), codePage_(kUtf8CodePage)
{
    auto predefine = [&](const std::string &name, const std::string &value) {
        Macro macro;
        macro.name = name;
        LineLexer lexer;
        macro.body = lexer.tokens(value, Location{}, true);
        macros_.define(std::move(macro));
    };
    predefine("RC_INVOKED", "1");
    predefine("_WIN32", "1");
    for (const auto &[name, value] : options.defines)
        predefine(name, value);
}

std::vector<Token> Preprocessor::run(const std::string &path)
{
    auto name = std::make_shared<const std::string>(path);
    readFile(path, Location{name, 0}, false, 0);
    flush();
    Token end;
    end.kind = Token::Kind::End;
    end.where = out_.empty() ? Location{name, 1} : out_.back().where;
    out_.push_back(end);
    return std::move(out_);
}

void Preprocessor::readFile(const std::string &path, const Location &includedFrom,
                            bool directivesOnly, int depth)
{
    std::string reason;
    std::optional<std::string> bytes = files_.read(path, FileAccess::Kind::Text, reason);
    if (!bytes)
        throw ScriptError(includedFrom, (depth == 0 ? "the script " : "'" + path + "' ") + reason);
    bytesRead_ += bytes->size();
    if (bytesRead_ > limits::kTotalBytes)
        throw ScriptError(includedFrom, "the script and its files hold more than " +
                                            std::to_string(limits::kTotalBytes >> 20) + " MiB");
    filesRead_.push_back(path);
    includeStack_.push_back(path);
    const auto name = std::make_shared<const std::string>(path);
    const std::size_t outerConditionals = conditionals_.size();
    std::string_view text = *bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    LineLexer lexer;
    int lineNumber = 0;
    std::size_t at = 0;
    // One physical line, its line break dropped, decoded from the code page in force.
    auto nextLine = [&](std::string &decoded) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view raw = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const Location where{name, lineNumber};
        if (raw.find('\0') != std::string_view::npos)
            throw ScriptError(where, "a NUL byte in the text");
        std::optional<std::string> line = decodeText(raw, codePage_);
        if (!line)
            throw ScriptError(where, codePage_ == kUtf8CodePage
                                         ? "the line is not valid UTF-8 (#pragma code_page names "
                                           "another code page)"
                                         : "the line is not valid text of code page " +
                                               std::to_string(codePage_));
        decoded = std::move(*line);
    };
    while (at < text.size()) {
        std::string logical;
        nextLine(logical);
        const Location where{name, lineNumber};
        while (!logical.empty() && logical.back() == '\\' && at < text.size()) {
            logical.pop_back();
            std::string more;
            nextLine(more);
            logical += more;
        }
        const bool commentOpen = lexer.inComment();
        std::vector<Token> tokens = lexer.tokens(logical, where, !active() || directivesOnly);
        if (!tokens.empty() && tokens[0].isMark("#") && !commentOpen) {
            directive(tokens, path, directivesOnly, depth);
        } else if (active() && !directivesOnly) {
            if (out_.size() + pending_.size() + tokens.size() > limits::kScriptTokens)
                throw ScriptError(where, "the script holds more than " +
                                             std::to_string(limits::kScriptTokens) + " tokens");
            pending_.insert(pending_.end(), std::make_move_iterator(tokens.begin()),
                            std::make_move_iterator(tokens.end()));
        }
    }
    if (lexer.inComment())
        throw ScriptError(Location{name, lineNumber}, "a comment is not closed");
    if (conditionals_.size() > outerConditionals)
        throw ScriptError(conditionals_.back().where, "#if without #endif");
    flush();
    includeStack_.pop_back();
}

void Preprocessor::flush()
{
    if (pending_.empty())
        return;
    MacroExpander expander(macros_, produced_);
    std::vector<Token> expanded = expander.expand(pending_, false);
    pending_.clear();
    if (out_.size() + expanded.size() > limits::kScriptTokens)
        throw ScriptError(expanded.empty() ? Location{} : expanded.back().where,
                          "the script holds more than " + std::to_string(limits::kScriptTokens) +
                              " tokens");
    out_.insert(out_.end(), std::make_move_iterator(expanded.begin()),
                std::make_move_iterator(expanded.end()));
}

void Preprocessor::directive(const std::vector<Token> &tokens, const std::string &path,
                             bool directivesOnly, int depth)
{
    const Location &where = tokens[0].where;
    if (tokens.size() == 1)
        return;  // a lone # does nothing
    const Token &nameToken = tokens[1];
    const std::string name = nameToken.kind == Token::Kind::Name ? nameToken.spelling : "";
    const std::vector<Token> rest(tokens.begin() + 2, tokens.end());
    if (name == "if" || name == "ifdef" || name == "ifndef" || name == "elif" ||
        name == "else" || name == "endif") {
        if (active())
            flush();
        conditional(name, rest, where);
        return;
    }
    if (!active())
        return;
    flush();
    if (name == "define") {
        define(rest, where);
    } else if (name == "undef") {
        if (rest.empty() || rest[0].kind != Token::Kind::Name)
            throw ScriptError(where, "#undef needs a macro name");
        macros_.undefine(rest[0].spelling);
    } else if (name == "include") {
        include(rest, where, path, depth);
    } else if (name == "pragma") {
        pragma(rest, where);
    } else if (name == "error") {
        throw ScriptError(where, "#error " + spelled(rest));
    } else if (name == "line" || name == "warning" || name == "ident") {
        // Nothing for a resource script to do.
    } else if (!directivesOnly) {
        throw ScriptError(where, "unknown directive #" + nameToken.spelling);
    }
}

void Preprocessor::conditional(const std::string &name, const std::vector<Token> &rest,
                               const Location &where)
{
    auto evaluate = [&]() {
        MacroExpander expander(macros_, produced_);
        return conditionHolds(expander.expand(rest, true), macros_, where);
    };
    auto definedName = [&]() {
        if (rest.empty() || rest[0].kind != Token::Kind::Name)
            throw ScriptError(where, "#" + name + " needs a macro name");
        return macros_.find(rest[0].spelling) != nullptr;
    };
    if (name == "if" || name == "ifdef" || name == "ifndef") {
        if (conditionals_.size() >= static_cast<std::size_t>(limits::kConditionalDepth))
            throw ScriptError(where, "#if nests deeper than " +
                                         std::to_string(limits::kConditionalDepth) + " levels");
        Conditional c;
        c.parentActive = active();
        c.where = where;
        if (c.parentActive)
            c.active = name == "if" ? evaluate() : name == "ifdef" ? definedName() : !definedName();
        c.taken = c.active;
        conditionals_.push_back(c);
        return;
    }
    if (conditionals_.empty())
        throw ScriptError(where, "#" + name + " without #if");
    Conditional &c = conditionals_.back();
    if (name == "endif") {
        conditionals_.pop_back();
        return;
    }
    if (c.seenElse)
        throw ScriptError(where, "#" + name + " after #else");
    if (name == "else") {
        c.seenElse = true;
        c.active = c.parentActive && !c.taken;
    } else {
        c.active = c.parentActive && !c.taken && evaluate();
    }
    c.taken = c.taken || c.active;
}

void Preprocessor::define(const std::vector<Token> &rest, const Location &where)
{
    if (rest.empty() || rest[0].kind != Token::Kind::Name)
        throw ScriptError(where, "#define needs a macro name");
    Macro macro;
    macro.name = rest[0].spelling;
    std::size_t at = 1;
    if (rest.size() > 1 && rest[1].isMark("(") && !rest[1].spaceBefore) {
        macro.functionLike = true;
        at = 2;
        bool expectName = true;
        for (;; ++at) {
            if (at >= rest.size())
                throw ScriptError(where, "the parameters of macro '" + macro.name + "' are not closed");
            const Token &token = rest[at];
            if (token.isMark(")") && (!expectName || macro.parameters.empty()))
                break;
            if (expectName && (token.kind == Token::Kind::Name || token.isMark("..."))) {
                if (macro.variadic || macro.parameters.size() >= limits::kMacroParameters)
                    throw ScriptError(where, "bad parameters of macro '" + macro.name + "'");
                macro.variadic = token.isMark("...");
                macro.parameters.push_back(macro.variadic ? "__VA_ARGS__" : token.spelling);
                expectName = false;
            } else if (!expectName && token.isMark(",")) {
                expectName = true;
            } else {
                throw ScriptError(where, "bad parameters of macro '" + macro.name + "'");
            }
        }
        ++at;
    }
    macro.body.assign(rest.begin() + static_cast<std::ptrdiff_t>(at), rest.end());
    if (!macro.body.empty())
        macro.body.front().spaceBefore = false;
    macros_.define(std::move(macro));
}

void Preprocessor::include(const std::vector<Token> &rest, const Location &where,
                           const std::string &path, int depth)
{
    std::string name;
    bool quoted = false;
    if (!rest.empty() && rest[0].kind == Token::Kind::Text && rest[0].spelling.front() == '"') {
        name = rest[0].spelling.substr(1, rest[0].spelling.size() - 2);
        quoted = true;
    } else if (!rest.empty() && rest[0].isMark("<") && rest.back().isMark(">")) {
        name = spelled(std::vector<Token>(rest.begin() + 1, rest.end() - 1));
    }
    if (name.empty())
        throw ScriptError(where, "#include needs a file name in quotes or in <>");
    std::optional<std::string> found = searchPath_.find(name, path, quoted);
    if (!found) {
        if (isKnownHeader(name))
            return;
        throw ScriptError(where, "cannot find the included file '" + name + "'");
    }
    if (readOnce_.count(*found))
        return;
    if (depth + 1 > limits::kIncludeDepth) {
        const bool cycle = std::find(includeStack_.begin(), includeStack_.end(), *found) !=
                           includeStack_.end();
        throw ScriptError(where, cycle ? "'" + *found + "' includes itself in a cycle"
                                       : "#include nests deeper than " +
                                             std::to_string(limits::kIncludeDepth) + " files");
    }
    readFile(*found, where, isDirectivesOnly(*found), depth + 1);
}

void Preprocessor::pragma(const std::vector<Token> &rest, const Location &where)
{
    if (rest.empty() || rest[0].kind != Token::Kind::Name)
        return;
    if (rest[0].spelling == "once") {
        readOnce_.insert(includeStack_.back());
        return;
    }
    if (rest[0].spelling != "code_page")
        return;  // other pragmas mean nothing to a resource script
    if (rest.size() != 4 || !rest[1].isMark("(") || !rest[3].isMark(")"))
        throw ScriptError(where, "#pragma code_page needs a code page in parentheses");
    if (rest[2].is(Token::Kind::Name, "DEFAULT")) {
        codePage_ = kUtf8CodePage;
        return;
    }
    if (rest[2].kind != Token::Kind::Number)
        throw ScriptError(where, "#pragma code_page needs a code page number");
    const std::uint64_t codePage = numberValue(rest[2]).value;
    if (codePage > 0xFFFF || !isKnownCodePage(static_cast<unsigned>(codePage)))
        throw ScriptError(where, "code page " + rest[2].spelling + " is not supported");
    codePage_ = static_cast<unsigned>(codePage);
}

}  // namespace vksrc
