// Internal to gdi32: which host font file stands for a Windows face name, and which one draws a
// character the font lacks. Windows' dialog faces map to metric-compatible fonts of Debian
// packages; any other name goes to fontconfig.
#pragma once

#include <optional>
#include <string>

#include "windows.h"

namespace vks::detail {

struct HostFont {
    std::string path;
    int faceIndex = -1;  // -1: the file's faces are chosen among by size (raster fonts)
};

struct FontChoice {
    std::optional<HostFont> font;  // none: the table's font is missing
    std::string faceName;          // what GetTextFaceA reports (UTF-8)
    std::string family;            // the host family, for fallback
    std::string missing;           // why there is no font: the file and the package to install
    bool symbol = false;           // bytes are symbols, not text in the code page
    bool linksJapanese = false;    // Japanese characters come from IPA P Gothic first
};

// The font for a face name in the ANSI code page, bold when the weight asks for it. A name the
// table does not hold takes fontconfig's match and is reported once on the debug output.
FontChoice chooseFont(const std::string &ansiFaceName, LONG weight, bool italic);

// A host font that has the character: IPA P Gothic first when `linksJapanese`, then fontconfig's
// fonts in its order for `family`. Nothing when no font has it.
std::optional<HostFont> fallbackFont(char32_t character, const std::string &family,
                                     bool linksJapanese);

// Test-only: the folder of fonts-wine's files (null: the package's own).
void setWineFontFolderForTesting(const char *folder);

}  // namespace vks::detail
