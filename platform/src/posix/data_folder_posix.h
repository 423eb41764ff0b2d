// Internal: the user's data folder, where files a host keeps for the user go.
#pragma once

#include <string>

namespace vks::detail::posix {

// $XDG_DATA_HOME/vksutil, else $HOME/.local/share/vksutil, read now; empty without either.
std::string dataFolder();

}  // namespace vks::detail::posix
