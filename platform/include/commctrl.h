/* commctrl.h: the common controls of the Win32 subset. */
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

/* ---- Image lists --------------------------------------------------------------------- */

/* An image list holds images of one size (cx by cy) side by side. The colour depth flags are
   accepted and every image keeps its full colours; ILC_MASK keeps what is transparent. The
   background colour starts as CLR_NONE (images drawn over what is there). Each call with a
   handle that is no live image list fails (NULL, -1, FALSE, 0 or CLR_NONE). */
struct _IMAGELIST;
typedef struct _IMAGELIST *HIMAGELIST;

#define ILC_MASK 0x00000001
#define ILC_COLOR 0x00000000
#define ILC_COLORDDB 0x000000FE
#define ILC_COLOR4 0x00000004
#define ILC_COLOR8 0x00000008
#define ILC_COLOR16 0x00000010
#define ILC_COLOR24 0x00000018
#define ILC_COLOR32 0x00000020

#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L

#define ILD_NORMAL 0x00000000
#define ILD_TRANSPARENT 0x00000001

#define IMAGE_BITMAP 0
#define LR_DEFAULTCOLOR 0x00000000
#define LR_CREATEDIBSECTION 0x00002000

/* rcImage: the image's place in the list's bitmap, a single row of images here; the list's
   bitmaps are not offered as handles (hbmImage and hbmMask are NULL). */
typedef struct _IMAGEINFO {
  HBITMAP hbmImage;
  HBITMAP hbmMask;
  int Unused1;
  int Unused2;
  RECT rcImage;
} IMAGEINFO, *LPIMAGEINFO;

/* NULL for a negative size or initial count. */
HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
BOOL WINAPI ImageList_Destroy(HIMAGELIST himl);
/* Cuts the bitmap into as many whole images of the list's width as it holds (a remainder is
   dropped) and adds them; returns the index of the first, or -1 (no image added) when the
   bitmap is no bitmap, narrower than one image or of another height. hbmMask is not read: with
   ILC_MASK the images added are opaque. */
int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
/* As ImageList_Add; with ILC_MASK, pixels of the colour crMask become transparent. */
int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
/* A list of the RT_BITMAP resource of hi cut into images cx wide and as high as the bitmap,
   masked with crMask unless that is CLR_NONE; grown by cGrow. Only IMAGE_BITMAP; cx must be
   positive. NULL (the last error says why, as LoadBitmapA does) when the bitmap cannot be read. */
HIMAGELIST WINAPI ImageList_LoadImageA(HINSTANCE hi, LPCSTR lpbmp, int cx, int cGrow,
                                       COLORREF crMask, UINT uType, UINT uFlags);
#define ImageList_LoadImage ImageList_LoadImageA
#define ImageList_LoadBitmap(hi, lpbmp, cx, cGrow, crMask) \
  ImageList_LoadImageA(hi, lpbmp, cx, cGrow, crMask, IMAGE_BITMAP, 0)
int WINAPI ImageList_GetImageCount(HIMAGELIST himl);
BOOL WINAPI ImageList_GetImageInfo(HIMAGELIST himl, int i, IMAGEINFO *pImageInfo);
BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int *cx, int *cy);
/* Returns the previous background colour. */
COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk);
COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl);
/* Draws image i with its top left corner at x, y of the device context: recorded in the
   window's display list as the list and the image's index. FALSE for an index outside the
   list. */
BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);

/* ---- The progress bar ----------------------------------------------------------------- */

/* The range starts at 0 to 100, the position at 0 and the step at 10. Positions are kept
   inside the range. PBM_SETRANGE (16-bit ends, MAKELPARAM(low, high)) and PBM_SETRANGE32 (low
   in wParam, high in lParam) return the previous range as MAKELONG(low, high), each end cut to
   16 bits. PBM_GETRANGE answers the low end when wParam is TRUE and the high one otherwise,
   and fills the PBRANGE in lParam when given. PBM_SETPOS, PBM_DELTAPOS and PBM_STEPIT return the
   previous position and repaint the bar at once (erasing when the position went down);
   PBM_SETSTEP returns the previous step. A step past one end of the range wraps round to the
   other, by what it overshot modulo the range's length; with equal ends the position stays at
   them. The bar paints itself on WM_PAINT, recorded in its display list: its track in
   COLOR_BTNFACE, then the part up to the position in COLOR_HIGHLIGHT, from the left, or from
   the bottom with PBS_VERTICAL. */
#define PROGRESS_CLASSA "msctls_progress32"
#define PROGRESS_CLASS PROGRESS_CLASSA

#define PBS_SMOOTH 0x01
#define PBS_VERTICAL 0x04

#define PBM_SETRANGE (WM_USER + 1)
#define PBM_SETPOS (WM_USER + 2)
#define PBM_DELTAPOS (WM_USER + 3)
#define PBM_SETSTEP (WM_USER + 4)
#define PBM_STEPIT (WM_USER + 5)
#define PBM_SETRANGE32 (WM_USER + 6)
#define PBM_GETRANGE (WM_USER + 7)
#define PBM_GETPOS (WM_USER + 8)

typedef struct {
  int iLow;
  int iHigh;
} PBRANGE, *PPBRANGE;

VKS_END_EXTERN_C

#endif
