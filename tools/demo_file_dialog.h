// `vksutil demo file-dialog`: the common Open dialog on a folder, pictured.
#pragma once

#include <string>

namespace tool {

// Opens the common Open dialog on `folder` (a host folder, or a DOS path such as C:\data) and
// writes its picture as SVG to `svgPath` once it is shown, then cancels it. False with the
// reason when the folder is not there, or the dialog cannot be made or the file not written.
bool pictureFileDialog(const std::string &folder, const std::string &svgPath,
                       std::string &reason);

}  // namespace tool
