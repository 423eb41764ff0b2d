// The text of an event: its message from the source's message files, with its strings.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vkslog {

// The message `eventId` of the first of `messageFiles` (';' between them, %SystemRoot% and
// %windir% allowed) that has it, in the user's language, with `strings` as its inserts and
// without its final line break; a note naming the event and its strings when none has it.
// `language` 0 is the user's language with Windows' fallbacks; another asks for that one.
std::string messageText(const std::string &messageFiles, DWORD eventId, const std::string &source,
                        const std::vector<std::string> &strings, WORD language = 0);

}  // namespace vkslog
