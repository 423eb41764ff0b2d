// The tokens of a resource script after preprocessing: names, numbers, texts and marks, each
// with the file and line it came from.
#pragma once

#include <string>

#include "diagnostics.h"

namespace vksrc {

struct Token {
    enum class Kind { Name, Number, Text, Char, Mark, End };

    Kind kind = Kind::End;
    // As written: a text keeps its quotes and its L prefix, a number its suffix.
    std::string spelling;
    Location where;
    bool spaceBefore = false;  // for the texts # makes of macro arguments

    bool is(Kind k, std::string_view text) const { return kind == k && spelling == text; }
    bool isMark(std::string_view mark) const { return is(Kind::Mark, mark); }
};

}  // namespace vksrc
