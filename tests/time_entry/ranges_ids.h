// The identifiers of the range editors' test dialogs, shared by ranges.rc and the tests. Field 1,
// 2 and 3 of a row are month, day, year or hours, minutes, suffix, as the template places them.
#pragma once

#define IDD_DATE_RANGE 300
#define IDD_TIME_RANGE 301
#define IDC_LABEL_1 1001
#define IDC_LABEL_2 1002
#define IDC_LABEL_3 1003
#define IDC_LABEL_4 1004
#define IDC_BEGIN_1 1011
#define IDC_BEGIN_SEPARATOR_1 1012
#define IDC_BEGIN_2 1013
#define IDC_BEGIN_SEPARATOR_2 1014
#define IDC_BEGIN_3 1015
#define IDC_BEGIN_SPIN 1016
#define IDC_END_1 1021
#define IDC_END_SEPARATOR_1 1022
#define IDC_END_2 1023
#define IDC_END_SEPARATOR_2 1024
#define IDC_END_3 1025
#define IDC_END_SPIN 1026
#define IDC_ELSEWHERE 1030
