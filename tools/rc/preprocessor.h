// The preprocessor of resource scripts: #include, #define and #undef, #if and its kin,
// #pragma code_page, #error; the script's tokens with every macro expanded.
//
// As Windows' own compiler does, a header whose name ends in .h or .c counts for its
// directives only (its C declarations are skipped), and RC_INVOKED and _WIN32 are defined.
// A Windows header that is in no include folder (<windows.h>, <winres.h>, "afxres.h", ...)
// is satisfied by the names the compiler knows itself (names.h).
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "file_access.h"
#include "line_lexer.h"
#include "macros.h"
#include "search_path.h"
#include "token.h"

namespace vksrc {

struct PreprocessorOptions {
    std::vector<std::string> includeFolders;
    std::vector<std::pair<std::string, std::string>> defines;  // -D NAME=VALUE
};

class Preprocessor {
public:
    Preprocessor(FileAccess &files, const PreprocessorOptions &options);

    // The tokens of the script at `path`, ending in an End token. Throws ScriptError.
    std::vector<Token> run(const std::string &path);

    // Each file read (the script, then the files it includes), for the build's dependencies.
    const std::vector<std::string> &filesRead() const { return filesRead_; }
    // The bytes of those files together.
    std::uintmax_t bytesRead() const { return bytesRead_; }

private:
    struct Conditional {
        bool active = false;     // the branch being read is taken
        bool taken = false;      // some branch of this #if has been taken
        bool seenElse = false;
        bool parentActive = false;
        Location where;
    };

    void readFile(const std::string &path, const Location &includedFrom, bool directivesOnly,
                  int depth);
    bool active() const { return conditionals_.empty() || conditionals_.back().active; }
    void flush();
    void directive(const std::vector<Token> &tokens, const std::string &path, bool directivesOnly,
                   int depth);
    void conditional(const std::string &name, const std::vector<Token> &rest, const Location &where);
    void define(const std::vector<Token> &rest, const Location &where);
    void include(const std::vector<Token> &rest, const Location &where, const std::string &path,
                 int depth);
    void pragma(const std::vector<Token> &rest, const Location &where);

    FileAccess &files_;
    SearchPath searchPath_;
    MacroTable macros_;
    std::size_t produced_ = 0;
    std::uintmax_t bytesRead_ = 0;
    unsigned codePage_;
    std::vector<Conditional> conditionals_;
    std::vector<std::string> includeStack_;
    std::set<std::string> readOnce_;
    std::vector<std::string> filesRead_;
    std::vector<Token> pending_;
    std::vector<Token> out_;
};

}  // namespace vksrc
