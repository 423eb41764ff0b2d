// Reading the dialog templates of a resource script: DIALOGEX with its optional statements and
// the control statements CONTROL, LTEXT, CTEXT, RTEXT, EDITTEXT, PUSHBUTTON, DEFPUSHBUTTON and
// GROUPBOX, the BITMAP statement, styles as names joined by | (NOT removes a default), and #define'd identifiers.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_template.h"
#include "script_lexer.h"

namespace vksrc {

// The text of a header that the script includes (#include "name"), or nothing when it cannot
// be read. Only the header's #define lines count.
using IncludeReader = std::function<std::optional<std::string>(const std::string &name)>;

// The templates of `script` in script order. Throws ScriptError at the first fault.
std::vector<DialogTemplate> parseDialogs(std::string_view script, const IncludeReader &readInclude);
// The templates and the BITMAP statements (name BITMAP "file.bmp") of `script`.
ScriptResources parseScript(std::string_view script, const IncludeReader &readInclude);

}  // namespace vksrc
