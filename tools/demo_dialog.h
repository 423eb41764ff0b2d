// The sample dialogs of `vksutil demo`: a range editor in a dialog, filled and pictured.
#pragma once

#include <string>

namespace tool {

// Builds the sample dialog of the date range (or the time range) on the regional settings the
// library holds now, fills it with a fixed sample range, and writes the dialog's picture as SVG
// to `svgPath`. False with the reason when the dialog cannot be made or the file not written.
bool pictureDateRange(const std::string &svgPath, std::string &reason);
bool pictureTimeRange(const std::string &svgPath, std::string &reason);

}  // namespace tool
