// Text between the terminal and the library: the library speaks the ANSI code page, the terminal
// UTF-8.
#pragma once

#include <string>

namespace tool {

// Converts UTF-8 text typed at the terminal into the ANSI code page. False when a character has
// no place in the code page or the text is not UTF-8.
bool fromTerminal(const std::string &typed, std::string &ansi);

// Converts ANSI text for display; characters that cannot be shown become '?'.
std::string toTerminal(const std::string &ansi);

}  // namespace tool
