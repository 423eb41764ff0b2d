// The sample property sheet of `vksutil demo property-sheet`.
#pragma once

#include <string>

namespace tool {

// The button flags of the next sheet pictured (TutPropertySheet's: 0x1 hides OK, 0x2 Cancel,
// 0x4 Apply, 0x8 Help, 0x10 labels OK "閉じる").
void setSheetButtons(unsigned int flags);
// Builds a two-page sample sheet with those flags and writes its picture as SVG to `svgPath`.
// False with the reason when the sheet cannot be made or the file not written.
bool pictureSheet(const std::string &svgPath, std::string &reason);

}  // namespace tool
