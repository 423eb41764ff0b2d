// Text between the terminal and the library: the library speaks the ANSI code page, the terminal
// its locale's encoding.
#pragma once

#include <string>

namespace tool {

// Converts text typed at the terminal into the ANSI code page. False when a character has no
// place in the code page.
bool fromTerminal(const std::string &typed, std::string &ansi);

// Converts ANSI text for display; characters the terminal cannot show become '?'.
std::string toTerminal(const std::string &ansi);

}  // namespace tool
