// The identifiers of resources/framework_dialogs.rc, for the tests.
#pragma once

constexpr int IDD_FORM = 300;
constexpr int IDD_NO_FONT = 301;
constexpr int IDC_LABEL = 1000;
constexpr int IDC_NAME = 1001;
constexpr int IDC_COUNT = 1002;
constexpr int IDC_SPIN = 1003;
constexpr int IDC_NOTE = 1004;
