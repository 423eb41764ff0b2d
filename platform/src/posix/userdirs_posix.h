// Internal: the user's folders as the host's desktop conventions name them.
#pragma once

#include <string>

namespace vks::detail::posix {

// The host path of the user's documents folder: XDG_DOCUMENTS_DIR from
// $XDG_CONFIG_HOME/user-dirs.dirs (else $HOME/.config/user-dirs.dirs), else $HOME/Documents.
// The folder may not exist; empty when there is no home folder at all.
std::string documentsFolder();

}  // namespace vks::detail::posix
