/* commctrl.h: the common controls of the Win32 subset. */
/* commctrl.h: the common controls of the Win32 subset: the up-down and tab controls and property
   sheets. */
#ifndef VKS_COMMCTRL_H
#define VKS_COMMCTRL_H

#include "windows.h"

VKS_BEGIN_EXPORTED_C

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
#define UDS_HOTTRACK 0x0100

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
/* ---- The tab control ------------------------------------------------------------------ */

/* A row of tabs, each with a text. A click on a tab sends the parent WM_NOTIFY with
   TCN_SELCHANGING (a non-zero answer keeps the current tab), selects it, then sends TCN_SELCHANGE.
   TCM_SETCURSEL selects without notifying and returns the previous selection (-1 for an index out
   of range). */
#define WC_TABCONTROLA "SysTabControl32"
#define WC_TABCONTROL WC_TABCONTROLA

#define TCIF_TEXT 0x0001

typedef struct tagTCITEMA {
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
} TCITEMA, *LPTCITEMA;

#define TCM_FIRST 0x1300
#define TCM_GETITEMCOUNT (TCM_FIRST + 4)
/* Copies the text into pszText, cut to cchTextMax - 1 characters and terminated. */
#define TCM_GETITEMA (TCM_FIRST + 5)
/* Inserts before index wParam (at the end when beyond it); returns the index or -1. */
#define TCM_INSERTITEMA (TCM_FIRST + 7)
#define TCM_DELETEITEM (TCM_FIRST + 8)
/* The tab's rectangle in the control's client coordinates. */
#define TCM_GETITEMRECT (TCM_FIRST + 10)
#define TCM_GETCURSEL (TCM_FIRST + 11)
#define TCM_SETCURSEL (TCM_FIRST + 12)

#define TCN_FIRST (0U - 550U)
#define TCN_SELCHANGE (TCN_FIRST - 1)
#define TCN_SELCHANGING (TCN_FIRST - 2)

/* ---- Property sheets ------------------------------------------------------------------ */

/* A property sheet is a "#32770" dialog holding a tab control, one child dialog per page (made
   DS_CONTROL children when first shown) and the buttons OK (IDOK), Cancel (IDCANCEL), Apply
   (ID_APPLY_NOW, disabled until a page sends PSM_CHANGED; not shown with PSH_NOAPPLYNOW) and
   Help (IDHELP, shown only with PSH_HASHELP), right-aligned under the pages. The sheet is sized
   to its largest page. Unlike Windows' structures, the unions of the page and header records are
   separate fields here (pszTemplate / pResource, ppsp / phpage), so that the header compiles as
   C99. */
struct _PSP;
typedef struct _PSP *HPROPSHEETPAGE;
struct _PROPSHEETPAGEA;
typedef UINT(CALLBACK *LPFNPSPCALLBACKA)(HWND hwnd, UINT uMsg, struct _PROPSHEETPAGEA *ppsp);
typedef int(CALLBACK *PFNPROPSHEETCALLBACK)(HWND hwnd, UINT uMsg, LPARAM lParam);

#define ID_APPLY_NOW 0x3021
#ifndef IDHELP
#define IDHELP 9
#endif

#define PSP_DEFAULT 0x0000
#define PSP_DLGINDIRECT 0x0001
#define PSP_USETITLE 0x0008
#define PSP_HASHELP 0x0020
#define PSP_USECALLBACK 0x0080

/* A page's callback: PSPCB_CREATE just before its window is made (0 refuses the page),
   PSPCB_RELEASE when the page is destroyed. */
#define PSPCB_RELEASE 1
#define PSPCB_CREATE 2

typedef struct _PROPSHEETPAGEA {
    DWORD dwSize;
    DWORD dwFlags;
    HINSTANCE hInstance;
    LPCSTR pszTemplate;        /* without PSP_DLGINDIRECT */
    LPCDLGTEMPLATEA pResource; /* with PSP_DLGINDIRECT */
    LPCSTR pszTitle;           /* with PSP_USETITLE; else the template's caption */
    DLGPROC pfnDlgProc;
    LPARAM lParam;
    LPFNPSPCALLBACKA pfnCallback;
    UINT *pcRefParent;
} PROPSHEETPAGEA, *LPPROPSHEETPAGEA;
typedef const PROPSHEETPAGEA *LPCPROPSHEETPAGEA;

#define PSH_DEFAULT 0x0000
#define PSH_PROPSHEETPAGE 0x0008
#define PSH_NOAPPLYNOW 0x0080
#define PSH_USECALLBACK 0x0100
#define PSH_HASHELP 0x0200
#define PSH_MODELESS 0x0400

/* The sheet's callback: PSCB_INITIALIZED once the sheet, its buttons and its first page are
   made, before it is shown. */
#define PSCB_INITIALIZED 1

typedef struct _PROPSHEETHEADERA {
    DWORD dwSize;
    DWORD dwFlags;
    HWND hwndParent;
    HINSTANCE hInstance;
    LPCSTR pszCaption;
    UINT nPages;
    UINT nStartPage;
    LPCPROPSHEETPAGEA ppsp; /* with PSH_PROPSHEETPAGE: nPages records */
    HPROPSHEETPAGE *phpage; /* without it: nPages pages the sheet takes over */
    PFNPROPSHEETCALLBACK pfnCallback;
} PROPSHEETHEADERA, *LPPROPSHEETHEADERA;
typedef const PROPSHEETHEADERA *LPCPROPSHEETHEADERA;

/* A page the sheet owns once added: the sheet destroys it with itself. NULL for a record that
   is null or shorter than PROPSHEETPAGEA (ERROR_INVALID_PARAMETER). */
HPROPSHEETPAGE WINAPI CreatePropertySheetPageA(LPCPROPSHEETPAGEA constPropSheetPagePointer);
BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPropPage);
/* Modal: the owner is disabled while the sheet runs; returns 1 when OK closed the sheet after
   changes were applied (by OK or an earlier Apply), 0 when nothing was applied (Cancel, or OK
   with no change), the value given to EndDialog when the program ended the sheet, -1 on error.
   With PSH_MODELESS: returns the sheet's window (as INT_PTR) once shown; OK and Cancel then end
   the sheet without destroying it: PSM_GETCURRENTPAGEHWND answers NULL and the program destroys
   the window. */
INT_PTR WINAPI PropertySheetA(LPCPROPSHEETHEADERA lppsph);

/* Notifications to pages: WM_NOTIFY with a PSHNOTIFY whose hwndFrom is the sheet. A page
   answers through its return value (a dialog procedure: DWLP_MSGRESULT). PSN_SETACTIVE when the
   page is shown; PSN_KILLACTIVE before it is left (TRUE keeps it); PSN_APPLY to every page made,
   for OK (lParam TRUE) and Apply (FALSE), after PSN_KILLACTIVE of the current page
   (PSNRET_INVALID selects the page and stops, PSNRET_INVALID_NOCHANGEPAGE stops);
   PSN_QUERYCANCEL to the current page (TRUE keeps the sheet open), then PSN_RESET to every page
   made; PSN_HELP to the current page for the Help button. */
#define PSN_FIRST (0U - 200U)
#define PSN_SETACTIVE (PSN_FIRST - 0)
#define PSN_KILLACTIVE (PSN_FIRST - 1)
#define PSN_APPLY (PSN_FIRST - 2)
#define PSN_RESET (PSN_FIRST - 3)
#define PSN_HELP (PSN_FIRST - 5)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)

#define PSNRET_NOERROR 0
#define PSNRET_INVALID 1
#define PSNRET_INVALID_NOCHANGEPAGE 2

typedef struct _PSHNOTIFY {
    NMHDR hdr;
    LPARAM lParam;
} PSHNOTIFY, *LPPSHNOTIFY;

/* Messages to the sheet. PSM_SETCURSEL: page by index wParam, or by lParam when non-NULL;
   FALSE when the current page refuses to be left or there is no such page. PSM_REMOVEPAGE: the
   same choice; the page is destroyed. PSM_ADDPAGE: lParam a page, added last. PSM_CHANGED /
   PSM_UNCHANGED: wParam the page whose data changed or no longer differs; Apply is enabled while
   any page is changed. PSM_APPLY: as the Apply button; TRUE when every page accepted.
   PSM_SETTITLEA: lParam the caption. PSM_PRESSBUTTON: posts the click of a PSBTN_* button.
   PSM_ISDIALOGMESSAGE: IsDialogMessageA on the sheet for lParam's MSG. */
#define PSM_SETCURSEL (WM_USER + 101)
#define PSM_REMOVEPAGE (WM_USER + 102)
#define PSM_ADDPAGE (WM_USER + 103)
#define PSM_CHANGED (WM_USER + 104)
#define PSM_UNCHANGED (WM_USER + 109)
#define PSM_APPLY (WM_USER + 110)
#define PSM_SETTITLEA (WM_USER + 111)
#define PSM_PRESSBUTTON (WM_USER + 113)
#define PSM_GETTABCONTROL (WM_USER + 116)
#define PSM_ISDIALOGMESSAGE (WM_USER + 117)
#define PSM_GETCURRENTPAGEHWND (WM_USER + 118)

#define PSBTN_OK 3
#define PSBTN_APPLYNOW 4
#define PSBTN_CANCEL 5
#define PSBTN_HELP 6

VKS_END_EXPORTED_C

#endif
