// FormatMessage's line wrapping for a maximum line width.
#include "kernel32/format_message.h"

namespace vks::detail {

namespace {

void dropTrailingBlanks(std::string &text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

// `line` has reached the width: ends it in `out` and keeps in `line` what moves to the next one.
// Windows breaks at once, even when nothing follows, so a line never holds `width` characters
// unless it is one word.
void breakFullLine(std::string &line, std::string &out)
{
    std::string rest;
    if (line.back() != ' ') {
        const size_t lastBlank = line.rfind(' ');
        if (lastBlank != std::string::npos) {
            rest = line.substr(lastBlank + 1);
            line.resize(lastBlank);
        }
    }
    dropTrailingBlanks(line);
    out += line;
    out += "\r\n";
    line = std::move(rest);
}

}  // namespace

std::string wrapMessageLines(std::string_view text, unsigned width)
{
    std::string out;
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            out += line;
            out += c;
            line.clear();
            continue;
        }
        line += c;
        if (line.size() == width)
            breakFullLine(line, out);
    }
    return out += line;
}

}  // namespace vks::detail
