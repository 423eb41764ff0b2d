/* commctrl.h: the common controls of the Win32 subset; for now the up-down control. */
#ifndef VKS_COMMCTRL_H
#define VKS_COMMCTRL_H

#include "windows.h"

VKS_BEGIN_EXTERN_C

/* The up-down control, registered when the process starts. Its range runs from 100 down to 0
   until set; the up arrow moves the position towards the upper end of the range. */
#define UPDOWN_CLASSA "msctls_updown32"
#define UPDOWN_CLASS UPDOWN_CLASSA

#define UDS_WRAP 0x0001
#define UDS_SETBUDDYINT 0x0002
#define UDS_ALIGNRIGHT 0x0004
#define UDS_ALIGNLEFT 0x0008
#define UDS_AUTOBUDDY 0x0010
#define UDS_ARROWKEYS 0x0020
#define UDS_HORZ 0x0040
#define UDS_NOTHOUSANDS 0x0080

/* UDM_SETRANGE takes MAKELONG(upper, lower) in lParam and UDM_GETRANGE returns it that way.
   UDM_SETPOS clamps the position to the range and returns the one before. UDM_GETPOS returns
   MAKELONG(position, error), the position brought inside the range; with UDS_SETBUDDYINT it
   reads the buddy's text first, and error is zero only when that text is a number in the range
   (always non-zero without UDS_SETBUDDYINT). UDS_SETBUDDYINT counts as given at creation: the
   buddy's text then follows the position, in decimal without separators, and is left alone
   when it already shows it. UDM_SETBUDDY returns the previous buddy. */
#define UDM_SETRANGE (WM_USER + 101)
#define UDM_GETRANGE (WM_USER + 102)
#define UDM_SETPOS (WM_USER + 103)
#define UDM_GETPOS (WM_USER + 104)
#define UDM_SETBUDDY (WM_USER + 105)
#define UDM_GETBUDDY (WM_USER + 106)
/* The base the buddy shows the position in, 10 or 16; UDM_SETBASE returns the previous base, or
   0 for any other base (which is refused). UDM_SETRANGE32 takes the lower end in wParam and the
   upper in lParam; UDM_GETRANGE32 stores them through the pointers in wParam and lParam. */
#define UDM_SETBASE (WM_USER + 109)
#define UDM_GETBASE (WM_USER + 110)
#define UDM_SETRANGE32 (WM_USER + 111)
#define UDM_GETRANGE32 (WM_USER + 112)

#define UD_MAXVAL 0x7fff
#define UD_MINVAL (-UD_MAXVAL)

/* A click on an arrow sends the parent WM_NOTIFY with UDN_DELTAPOS (a non-zero answer refuses
   the step; the parent may change iDelta), then WM_VSCROLL (WM_HSCROLL with UDS_HORZ) with
   MAKEWPARAM(SB_THUMBPOSITION, position); releasing the button sends SB_ENDSCROLL. */
#define UDN_FIRST (0U - 721U)
#define UDN_DELTAPOS (UDN_FIRST - 1)

typedef struct tagNMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
} NMUPDOWN, *LPNMUPDOWN;

VKS_END_EXTERN_C

#endif
