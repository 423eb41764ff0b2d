// DIALOG and DIALOGEX statements with their optional statements (STYLE, EXSTYLE, CAPTION, FONT,
// CLASS, MENU, LANGUAGE, ...) and their controls, each with Windows' default styles.
#pragma once

#include "dialog_template.h"
#include "resource_options.h"
#include "script_reader.h"

namespace vksrc {

// Reads the statement after its name and DIALOG or DIALOGEX (`extended`).
DialogTemplate readDialog(ScriptReader &in, bool extended, const Location &where,
                          ResourceOptions &options);

}  // namespace vksrc
