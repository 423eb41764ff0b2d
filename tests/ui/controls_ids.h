// The numbers of tests/ui/tut_controls.rc.
#pragma once

namespace uitest {

constexpr unsigned int kControlsDialog = 320;
constexpr int kField = 1100;
constexpr int kPush = 1101;
constexpr int kList = 1102;
constexpr int kCombo = 1103;
constexpr int kSortedList = 1104;
constexpr int kMultiList = 1105;
constexpr int kSortedCombo = 1106;

}  // namespace uitest
