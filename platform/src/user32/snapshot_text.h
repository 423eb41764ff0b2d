// Internal: window texts as the snapshot shows them: in UTF-8, escaped for XML, with the
// mnemonic of a '&' underlined.
#pragma once

#include <string>
#include <string_view>

namespace vks::detail {

// A text ready for an SVG <text> element, and the width it is drawn with.
struct SnapshotText {
    std::string markup;  // escaped, mnemonic in an underlined <tspan>
    int width = 0;       // pixels, estimated: the snapshot has no font metrics
};

// `ansi` is in the ANSI code page. With `mnemonics`, "&x" underlines x and "&&" is one '&', as
// controls draw their labels; without, the text is shown as it is (edits, SS_NOPREFIX).
SnapshotText snapshotText(std::string_view ansi, bool mnemonics);

// Escapes the five XML characters and drops control characters XML cannot carry.
std::string xmlEscaped(std::string_view utf8);

}  // namespace vks::detail
