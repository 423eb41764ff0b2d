// Splits a line of a script (UTF-8, continuation lines joined) into tokens, dropping comments;
// a /* comment may go on over the following lines.
#pragma once

#include <string_view>
#include <vector>

#include "token.h"

namespace vksrc {

class LineLexer {
public:
    // The tokens of `line`. `tolerant` (a skipped #if branch, or a header read for its
    // directives only): a text or character left open ends with the line instead of failing.
    std::vector<Token> tokens(std::string_view line, const Location &where, bool tolerant);

    // Whether a /* comment is still open at the end of the last line.
    bool inComment() const { return inComment_; }
private:
    bool inComment_ = false;
};

}  // namespace vksrc
