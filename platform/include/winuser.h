/* winuser.h: the user-interface functions of the Win32 subset. */
#ifndef VKS_WINUSER_H
#define VKS_WINUSER_H

#include <stdarg.h>

#include "windef.h"

#define WINAPIV

VKS_BEGIN_EXPORTED_C

/* String resources: copies at most nBufferMax - 1 bytes and a NUL, returns the count. */
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);

/* Case conversion of single-byte letters in the ANSI code page. A pointer whose high-order bits
   are zero carries one character in its low byte. Only A-Z and a-z change: unlike Windows, the
   string form leaves full-width and accented letters alone, which is what this platform's
   callers need; the trail byte of a double-byte character is never taken for a letter. */
LPSTR WINAPI CharUpperA(LPSTR lpsz);
LPSTR WINAPI CharLowerA(LPSTR lpsz);

/* Formatting in the Win32 format language (no floating point); at most 1024 bytes are written. */
int WINAPI wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist);
int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);

/* Keyboard: nTypeFlag 0 gives the type (4, enhanced 101/102-key), 1 the subtype (for Japanese
   keyboards the maker in the high byte, NEC being 0x0D), 2 the number of function keys (12);
   any other flag gives 0. */
int WINAPI GetKeyboardType(int nTypeFlag);

/* ---- Windows, classes, messages and timers ---------------------------------------------- */

typedef LRESULT(CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK *TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *PMSG, *LPMSG;

typedef struct tagWNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
} WNDCLASSA, *PWNDCLASSA, *LPWNDCLASSA;

/* What WM_NCCREATE and WM_CREATE carry in lParam. */
typedef struct tagCREATESTRUCTA {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
} CREATESTRUCTA, *LPCREATESTRUCTA;

#define MAKEINTATOM(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))

#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_ACTIVATE 0x0006
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SYSCOLORCHANGE 0x0015
#define WM_SHOWWINDOW 0x0018
#define WM_CANCELMODE 0x001F
#define WM_SETCURSOR 0x0020
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_HELP 0x0053
#define WM_CONTEXTMENU 0x007B
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCHITTEST 0x0084
#define WM_GETDLGCODE 0x0087
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MBUTTONDOWN 0x0207
#define WM_USER 0x0400
#define WM_APP 0x8000

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_TILED WS_OVERLAPPED
#define WS_ICONIC WS_MINIMIZE
#define WS_SIZEBOX WS_THICKFRAME
#define WS_OVERLAPPEDWINDOW \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_TILEDWINDOW WS_OVERLAPPEDWINDOW
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)
#define WS_CHILDWINDOW WS_CHILD

#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_ACCEPTFILES 0x00000010L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_MDICHILD 0x00000040L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTEXTHELP 0x00000400L
#define WS_EX_RIGHT 0x00001000L
#define WS_EX_LEFT 0x00000000L
#define WS_EX_RTLREADING 0x00002000L
#define WS_EX_LTRREADING 0x00000000L
#define WS_EX_LEFTSCROLLBAR 0x00004000L
#define WS_EX_RIGHTSCROLLBAR 0x00000000L
#define WS_EX_STATICEDGE 0x00020000L
#define WS_EX_APPWINDOW 0x00040000L
#define WS_EX_OVERLAPPEDWINDOW (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE)
#define WS_EX_PALETTEWINDOW (WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST)

#define CW_USEDEFAULT ((int)0x80000000)

/* GetWindow. */
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5
#define GW_ENABLEDPOPUP 6

/* GetWindowLongA takes the 32-bit indexes; the pointer-sized ones (the window procedure, the
   instance, the user data) go through GetWindowLongPtrA, as on 64-bit Windows, where
   GetWindowLongA refuses them with ERROR_INVALID_INDEX. Indexes from 0 address the class's
   extra window bytes. */
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_ID (-12)
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_ID (-12)
#define GWLP_USERDATA (-21)
#define GWL_WNDPROC GWLP_WNDPROC
#define GWL_HINSTANCE GWLP_HINSTANCE
#define GWL_USERDATA GWLP_USERDATA

/* PeekMessageA. */
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

/* Window classes: process-wide, names compared without regard to case. RegisterClassA returns
   the class atom (0xC000 and up) or 0 (ERROR_CLASS_ALREADY_EXISTS, ERROR_INVALID_PARAMETER). */
ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass);
BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance);
BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass);

/* Windows belong to the thread that creates them. Creation sends WM_NCCREATE (FALSE fails it)
   and WM_CREATE (-1 fails it) with a CREATESTRUCTA; a failed creation sends WM_NCDESTROY.
   New top-level windows go on top of the Z-order, new children below their siblings. With
   WS_CHILD, hWndParent is the parent and hMenu the identifier; otherwise hWndParent is the owner. */
HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
#define CreateWindowA(c, n, s, x, y, w, h, p, m, i, l) \
  CreateWindowExA(0, c, n, s, x, y, w, h, p, m, i, l)

/* Destroys owned windows first, then sends WM_DESTROY to the window and its children (parents
   first) and WM_NCDESTROY (children first); discards the messages posted to each and kills its
   timers. Only the owning thread may destroy a window (ERROR_ACCESS_DENIED otherwise). */
BOOL WINAPI DestroyWindow(HWND hWnd);
BOOL WINAPI IsWindow(HWND hWnd);
HWND WINAPI GetParent(HWND hWnd);
HWND WINAPI GetWindow(HWND hWnd, UINT uCmd);
/* The identifier a child window was created with (its GWLP_ID); 0 for a top-level window, and 0
   with ERROR_INVALID_WINDOW_HANDLE for no window. */
int WINAPI GetDlgCtrlID(HWND hWnd);
/* Top-level windows only, from the top of the Z-order; NULL matches anything; names compare
   without regard to case. The class may be an atom (MAKEINTATOM). */
HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName);
int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount);

/* Window text goes through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH for windows of the calling
   thread (so a window procedure may answer them) and is read directly for other threads'.
   GetWindowTextA copies at most nMaxCount - 1 bytes and a NUL and returns the bytes copied. */
BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString);
int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
int WINAPI GetWindowTextLengthA(HWND hWnd);

/* Set* return the previous value; 0 with ERROR_INVALID_INDEX for an unknown index. */
LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex);
LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);

/* WM_NCCREATE sets the text from the CREATESTRUCTA and returns TRUE; the text messages read and
   write the window's text; WM_CLOSE destroys the window; painting, the mouse, the cursor, context
   menus and help requests are answered as their calls below say; everything else returns 0. */
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam);

/* Messages. Each thread has its own queue (at most 10,000 posted messages: ERROR_NOT_ENOUGH_QUOTA
   after). Retrieval order: messages sent from other threads are handled first, then posted
   messages in order, then WM_QUIT, then one WM_TIMER for the most overdue timer. A NULL hWnd
   filter takes every message of the thread, (HWND)-1 thread messages only, a window its own and
   its children's; WM_QUIT passes every filter. */
BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam);
void WINAPI PostQuitMessage(int nExitCode);
/* A window of another thread: waits until that thread retrieves messages (its GetMessageA,
   PeekMessageA or its own waiting SendMessageA) and returns the answer; 0 when the window or its
   thread goes away first. */
LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
/* Blocks until a message arrives: 0 for WM_QUIT, -1 on error (a filter that is no window, a null
   message record: ERROR_INVALID_PARAMETER), else non-zero. */
BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg);
/* Calls the window procedure of the message's window, or the timer procedure a WM_TIMER
   carries; 0 for thread messages. */
LRESULT WINAPI DispatchMessageA(const MSG *lpMsg);
BOOL WINAPI TranslateMessage(const MSG *lpMsg);
/* 0xC000-0xFFFF, the same for a name in any letter case, process-wide; 0 on failure. */
UINT WINAPI RegisterWindowMessageA(LPCSTR lpString);

/* Timers follow GetTickCount (so a fixed tick count drives them), at least 10 ms apart. A timer
   is (window, id); setting it again replaces and restarts it. A NULL window gets a new id. */
UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent);

/* ---- The help viewer ---------------------------------------------------------------------- */

/* WinHelpA's commands: HELP_CONTEXT shows topic dwData; HELP_QUIT says this window needs the
   viewer no more; HELP_CONTEXTMENU and HELP_WM_HELP show the pop-up topic of the control hWndMain
   from the help map at dwData (DWORD pairs, control identifier then topic, ended by a pair whose
   identifier is 0). "file.hlp>window" names a secondary window of the help file. */
#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002
#define HELP_CONTEXTMENU 0x000A
#define HELP_WM_HELP 0x000C

/* The request that WM_HELP carries in lParam. */
#define HELPINFO_WINDOW 0x0001
#define HELPINFO_MENUITEM 0x0002
typedef struct tagHELPINFO {
  UINT cbSize;
  int iContextType;
  int iCtrlId;
  HANDLE hItemHandle;
  DWORD_PTR dwContextId;
  POINT MousePos;
} HELPINFO, *LPHELPINFO;

/* Hands the request to the host's help viewer (VksHostSetHelpViewer) and returns its answer; a
   null file is given as "". Without a viewer, the request is appended as one readable line to
   help.log in the user's data folder ($XDG_DATA_HOME/vksutil, else ~/.local/share/vksutil):
   TRUE once written, FALSE with the error when it cannot be. */
BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
/* ---- Window state: visibility, enabling, rectangles, placement, activation -------------- */

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

/* WM_SYSCOMMAND: the system uses the low four bits, so compare wParam & 0xFFF0. */
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

/* WM_ACTIVATE's low word. */
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

#define WPF_SETMINPOSITION 0x0001
#define WPF_RESTORETOMAXIMIZED 0x0002

typedef struct tagWINDOWPLACEMENT {
  UINT length;
  UINT flags;
  UINT showCmd;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
} WINDOWPLACEMENT, *PWINDOWPLACEMENT, *LPWINDOWPLACEMENT;

/* TRUE when the window was disabled before the call. Disabling sends WM_CANCELMODE first; a
   change of state sends WM_ENABLE. */
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable);
/* The window's own WS_DISABLED bit; a disabled parent does not count. */
BOOL WINAPI IsWindowEnabled(HWND hWnd);
/* Non-zero when the window was visible before the call. WM_SHOWWINDOW is sent when visibility
   changes without a change of minimised or maximised state; a shown top-level window is raised
   and, unless the command says otherwise, activated (WM_ACTIVATE to the old and the new active
   window of the thread). A hidden or destroyed active window passes activation to its owner
   when that is visible and enabled, else to no window. */
BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow);
/* The window and every parent up to its top-level window have WS_VISIBLE. */
BOOL WINAPI IsWindowVisible(HWND hWnd);
/* Screen coordinates. Minimised windows take their minimised position and the icon size,
   maximised ones their parent's client area or the screen. */
BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
/* showCmd is 2 when minimised, 3 when maximised and 1 otherwise (hidden or not); positions never
   set read -1, -1; the normal rectangle is in screen coordinates for top-level windows and the
   parent's client coordinates for children. Set fails with ERROR_INVALID_PARAMETER unless
   length is sizeof(WINDOWPLACEMENT); it keeps the positions (the minimised one only with
   WPF_SETMINPOSITION) and then shows the window with showCmd: SW_HIDE applies the rectangle
   and leaves the window hidden. */
BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT *lpwndpl);
BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT *lpwndpl);
/* The calling thread's active window, or NULL. */
HWND WINAPI GetActiveWindow(void);

/* The first direct child with identifier nIDDlgItem; NULL with ERROR_CONTROL_ID_NOT_FOUND. */
HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);

/* ---- Message boxes ---------------------------------------------------------------------- */

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0L
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFMASK 0x00000F00L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDCLOSE 8

/* Dialog messages (class-private WM_USER values of dialogs). */
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

/* A dialog of class "#32770" titled with the caption ("Error" when null), owned by hWnd, with the
   text in a static control of identifier 0xFFFF and one button per result, each with its result
   as identifier. It is laid out as Windows lays it out, in the message font (8-point
   "MS Shell Dlg", 6 x 13 base units): with an MB_ICON* style a 32 x 32 SS_ICON static
   (identifier 0x14) at the upper left, the text beside it (wrapped at three quarters of the
   screen's width, in the middle of the icon's height when shorter), the buttons (at least
   75 x 23 pixels, wider for a long caption, 6 apart) centred in a row 11 pixels below, and the
   box no larger than these with 11-pixel margins; it is centred on its owner or the screen. While it is open its owner is disabled, or, with MB_TASKMODAL and no owner,
   every enabled top-level window of the thread. Its own modal loop dispatches the thread's
   window messages and drops thread messages; a WM_COMMAND carrying a result identifier ends it
   with that result, and WM_CLOSE ends it with IDCANCEL when it has a Cancel button or IDOK when
   OK is its only button. WM_QUIT ends it with 0 and is posted again. Returns 0 for a bad owner
   (ERROR_INVALID_WINDOW_HANDLE) or button style (ERROR_INVALID_MSGBOX_STYLE). The host's
   answerer, when set, is asked once the box is shown (<vkshost.h>). */
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

/* ---- Dialogs from templates ------------------------------------------------------------ */

typedef INT_PTR(CALLBACK *DLGPROC)(HWND, UINT, WPARAM, LPARAM);
/* Templates are extended ones (DLGTEMPLATEEX: dlgVer 1, signature 0xFFFF) or classic ones
   (DLGTEMPLATE, as a DIALOG statement makes), passed as this type. */
typedef struct DLGTEMPLATE DLGTEMPLATE;
typedef const DLGTEMPLATE *LPCDLGTEMPLATEA;

#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x04L
#define DS_FIXEDSYS 0x08L
#define DS_NOFAILCREATE 0x10L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x400L
#define DS_CENTER 0x800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

/* Dialog units. Base units come from the font as Windows computes them: the average width of
   the 52 Latin letters ((width / 26 + 1) / 2) and the font's cell height (tmHeight). A template's
   font of p points is made at -MulDiv(p, 96, 72) pixels: 8-point "MS Shell Dlg" gives 6 x 13,
   9-point 7 x 14 and 10-point 7 x 16 pixels per 4 x 8 dialog units; a template without a font
   takes the system font's 8 x 16, which GetDialogBaseUnits returns. A rectangle converts as
   Windows converts it: x values MulDiv(v, baseX, 4), y values MulDiv(v, baseY, 8). Dialogs have
   no frame here, so the converted size is both the window's and the client area's. */
LONG WINAPI GetDialogBaseUnits(void);
/* Converts in place with the dialog's base units; FALSE with ERROR_INVALID_WINDOW_HANDLE for a
   window that is no dialog made from a template. */
BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect);

/* A dialog of class "#32770" (or the template's class) owned by hWndParent, at the template's
   position offset by the owner's origin. Messages in Windows' order: WM_SETFONT with the
   template's font (which the dialog owns, answers WM_GETFONT with and deletes when destroyed)
   when the template names one, the controls in template order
   (children in Z-order as listed), WM_INITDIALOG with the first visible, enabled WS_TABSTOP
   control and dwInitParam. WS_VISIBLE in the template shows
   the dialog last. The dialog procedure sees every message after creation; a FALSE answer
   leaves it to the dialog's defaults: DM_GETDEFID/DM_SETDEFID (MAKELONG(id, DC_HASDEFID), 0
   without a default; the default is the first BS_DEFPUSHBUTTON control until set), WM_CLOSE
   as WM_COMMAND IDCANCEL, the rest to DefWindowProcA. NULL for a bad owner, a bad template
   (ERROR_INVALID_PARAMETER) or a control that cannot be made. */
HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc,
                                       LPARAM dwInitParam);
/* The template is the RT_DIALOG resource of hInstance (NULL: the program) by number or name;
   ERROR_RESOURCE_NAME_NOT_FOUND when there is none. */
HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
/* Modal: the owner is disabled before the dialog is made, the dialog is shown after
   WM_INITDIALOG and runs its own loop (window messages dispatched, thread messages dropped)
   until EndDialog; the owner is enabled again before the dialog is destroyed. Returns EndDialog's result, or -1 when the dialog cannot be made; WM_QUIT ends it
   with 0 and is posted again. */
INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc,
                                       LPARAM dwInitParam);
INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
/* Records the result and ends the modal loop; a modeless dialog stays until destroyed. FALSE
   with ERROR_INVALID_WINDOW_HANDLE for a window that is no dialog. */
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);
/* The standard controls, registered when the process starts: "Edit", "Static" and "Button".
   They notify their parent through WM_COMMAND: wParam MAKEWPARAM(id, code), lParam the control.
   They, list and combo boxes keep the font WM_SETFONT gives them (a non-zero lParam repaints)
   and answer WM_GETFONT with it (NULL: the system font). */
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_NOTIFY 0x004E
#define WM_KEYDOWN 0x0100
#define WM_CHAR 0x0102
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_LBUTTONUP 0x0202

#ifndef MAKEWPARAM
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#endif
#ifndef MAKELPARAM
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#endif

/* What WM_NOTIFY carries in lParam. */
typedef struct tagNMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
} NMHDR, *LPNMHDR;

/* WM_GETDLGCODE answers. */
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

/* Scroll requests in the low word of WM_HSCROLL and WM_VSCROLL. */
#define SB_THUMBPOSITION 4
#define SB_ENDSCROLL 8

/* Scroll bar styles. */
#define SBS_HORZ 0x0000
#define SBS_VERT 0x0001
#define SBS_TOPALIGN 0x0002
#define SBS_LEFTALIGN 0x0002
#define SBS_BOTTOMALIGN 0x0004
#define SBS_RIGHTALIGN 0x0004
#define SBS_SIZEBOXTOPLEFTALIGN 0x0002
#define SBS_SIZEBOXBOTTOMRIGHTALIGN 0x0004
#define SBS_SIZEBOX 0x0008
#define SBS_SIZEGRIP 0x0010

/* Edit styles. */
#define ES_LEFT 0x0000
#define ES_CENTER 0x0001
#define ES_RIGHT 0x0002
#define ES_MULTILINE 0x0004
#define ES_UPPERCASE 0x0008
#define ES_LOWERCASE 0x0010
#define ES_PASSWORD 0x0020
#define ES_AUTOVSCROLL 0x0040
#define ES_AUTOHSCROLL 0x0080
#define ES_NOHIDESEL 0x0100
#define ES_OEMCONVERT 0x0400
#define ES_READONLY 0x0800
#define ES_WANTRETURN 0x1000
#define ES_NUMBER 0x2000

/* Edit messages. EM_GETSEL stores the start and end through wParam and lParam when they are not
   null and returns MAKELONG(start, end); EM_SETSEL clamps both to the text, and a start of -1
   drops the selection. EM_LIMITTEXT limits what the user types (30,000 bytes until set; 0 means
   0x7FFFFFFE, or 0xFFFFFFFF for a multiline edit); WM_SETTEXT is not held to it. */
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_REPLACESEL 0x00C2
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_GETLIMITTEXT 0x00D5

/* Edit notifications. EN_UPDATE then EN_CHANGE follow every change of the text, typed or set by
   WM_SETTEXT, but not the text given at creation; EN_MAXTEXT replaces them when a typed
   character would pass the limit. */
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501

/* Static styles: the type in the low five bits, kept as given. */
#define SS_LEFT 0x0000
#define SS_CENTER 0x0001
#define SS_RIGHT 0x0002
#define SS_ICON 0x0003
#define SS_BLACKRECT 0x0004
#define SS_GRAYRECT 0x0005
#define SS_WHITERECT 0x0006
#define SS_BLACKFRAME 0x0007
#define SS_GRAYFRAME 0x0008
#define SS_WHITEFRAME 0x0009
#define SS_USERITEM 0x000A
#define SS_SIMPLE 0x000B
#define SS_LEFTNOWORDWRAP 0x000C
#define SS_OWNERDRAW 0x000D
#define SS_BITMAP 0x000E
#define SS_ENHMETAFILE 0x000F
#define SS_ETCHEDHORZ 0x0010
#define SS_ETCHEDVERT 0x0011
#define SS_ETCHEDFRAME 0x0012
#define SS_TYPEMASK 0x001F
#define SS_REALSIZECONTROL 0x0040
#define SS_NOPREFIX 0x0080
#define SS_NOTIFY 0x0100
#define SS_CENTERIMAGE 0x0200
#define SS_RIGHTJUST 0x0400
#define SS_REALSIZEIMAGE 0x0800
#define SS_SUNKEN 0x1000
#define SS_EDITCONTROL 0x2000
#define SS_ENDELLIPSIS 0x4000
#define SS_PATHELLIPSIS 0x8000
#define SS_WORDELLIPSIS 0xC000
#define SS_ELLIPSISMASK 0xC000

/* Button styles: the type in the low four bits. */
#define BS_PUSHBUTTON 0x0000
#define BS_DEFPUSHBUTTON 0x0001
#define BS_CHECKBOX 0x0002
#define BS_AUTOCHECKBOX 0x0003
#define BS_RADIOBUTTON 0x0004
#define BS_3STATE 0x0005
#define BS_AUTO3STATE 0x0006
#define BS_GROUPBOX 0x0007
#define BS_USERBUTTON 0x0008
#define BS_AUTORADIOBUTTON 0x0009
#define BS_PUSHBOX 0x000A
#define BS_OWNERDRAW 0x000B
#define BS_TYPEMASK 0x000F
#define BS_LEFTTEXT 0x0020
#define BS_TEXT 0x0000
#define BS_ICON 0x0040
#define BS_BITMAP 0x0080
#define BS_LEFT 0x0100
#define BS_RIGHT 0x0200
#define BS_CENTER 0x0300
#define BS_TOP 0x0400
#define BS_BOTTOM 0x0800
#define BS_VCENTER 0x0C00
#define BS_PUSHLIKE 0x1000
#define BS_MULTILINE 0x2000
#define BS_NOTIFY 0x4000
#define BS_FLAT 0x8000
#define BS_RIGHTBUTTON BS_LEFTTEXT

/* Button messages. BM_SETSTYLE replaces the type bits only. BM_CLICK sends the button
   WM_LBUTTONDOWN and WM_LBUTTONUP, and a press released on the button sends BN_CLICKED to the
   parent; a disabled button ignores BM_CLICK. */
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5

/* Button notifications. */
#define BN_CLICKED 0


/* ---- Focus, activation and the dialog manager's keyboard -------------------------------- */

#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_MOUSEACTIVATE 0x0021
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NCACTIVATE 0x0086
#define WM_KEYUP 0x0101
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_NEXTDLGCTL 0x0028
#define WM_CHANGEUISTATE 0x0127

#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_ESCAPE 0x1B
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_F1 0x70

/* WM_MOUSEACTIVATE answers. */
#define MA_ACTIVATE 1
#define MA_ACTIVATEANDEAT 2
#define MA_NOACTIVATE 3
#define MA_NOACTIVATEANDEAT 4

/* The window that receives keyboard input on the calling thread; SetFocus returns the previous
   one (NULL with ERROR_INVALID_WINDOW_HANDLE for a bad window, NULL without an error for a
   window that is, or sits in, a disabled or minimised window). WM_KILLFOCUS goes to the old
   window, then WM_SETFOCUS to the new, each naming the other; focusing a window of an inactive
   top-level window activates that one first. SetFocus(NULL) leaves no focus. A focus window that
   is hidden or destroyed gives the focus to its parent, and with no active window there is no
   focus. */
HWND WINAPI SetFocus(HWND hWnd);
HWND WINAPI GetFocus(void);
/* Activates a top-level window of the calling thread (NULL: none); returns the previous active
   window. The old window gets WM_NCACTIVATE (FALSE) and WM_ACTIVATE (WA_INACTIVE), then the new
   one WM_NCACTIVATE (TRUE) and WM_ACTIVATE (WA_ACTIVE; WA_CLICKACTIVE for a click), each naming
   the other in lParam; a focus outside the new window then goes to it. A child changes nothing.
   The headless desktop's foreground window is the one activated last, on any thread. */
HWND WINAPI SetActiveWindow(HWND hWnd);
HWND WINAPI GetForegroundWindow(void);
BOOL WINAPI SetForegroundWindow(HWND hWnd);
BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd);
/* The next (or, with bPrevious, the previous) visible, enabled WS_TABSTOP control after hCtl in
   the dialog's Z-order, wrapping around; hCtl NULL starts at the beginning (and, as on Windows,
   finds nothing with bPrevious). The group item stays within hCtl's run of controls from one
   WS_GROUP control to the next, and answers hCtl when no other one is visible and enabled. */
HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
/* FALSE for a message to no window of the dialog; otherwise TRUE, the message handled or
   dispatched. A key the control does not claim through WM_GETDLGCODE acts for the dialog: Tab
   and Shift+Tab (GetKeyState(VK_SHIFT)) send it WM_NEXTDLGCTL, which moves the focus and the
   default push button's look; arrows move within the group; Enter sends WM_COMMAND for the
   focused push button, else the enabled default (DM_GETDEFID), else IDOK; Escape for IDCANCEL.
   A character the control does not claim (DLGC_WANTCHARS) that is a control's mnemonic ("&To:")
   acts for it: a label's focuses the next control that is no label, a push button's clicks it.
   The dialog keeps its focused control over deactivation and gives it back on activation. */
BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg);
#define IsDialogMessage IsDialogMessageA
LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam);
BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString);
UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);
/* As the key messages the calling thread took from its queue left the key: high bit down, low
   bit toggled. */
SHORT WINAPI GetKeyState(int nVirtKey);

/* ---- Positions, sizes and Z-order ------------------------------------------------------- */

#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOCOPYBITS 0x0100
#define SWP_NOOWNERZORDER 0x0200
#define SWP_NOSENDCHANGING 0x0400

/* WM_SIZE's wParam. */
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

/* What WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED carry in lParam. */
typedef struct tagWINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x;
  int y;
  int cx;
  int cy;
  UINT flags;
} WINDOWPOS, *LPWINDOWPOS, *PWINDOWPOS;

/* The client area (origin 0, 0); windows have no frame here, so it is the window's size. */
BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint);
BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint);
/* Converts points from one window's client coordinates to another's (NULL: the screen); returns
   MAKELONG(dx, dy) of the offset. */
int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
/* Children take their parent's client coordinates, top-level windows screen coordinates.
   SetWindowPos sends WM_WINDOWPOSCHANGING (unless SWP_NOSENDCHANGING; the window may change the
   WINDOWPOS), makes the change, then sends WM_WINDOWPOSCHANGED when anything changed, which
   DefWindowProcA turns into WM_MOVE and WM_SIZE. hWndInsertAfter must be a sibling
   (ERROR_INVALID_PARAMETER otherwise); HWND_TOPMOST and HWND_NOTOPMOST act as HWND_TOP. A
   visible window that moves or changes size is repainted whole unless SWP_NOREDRAW. */
BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                         UINT uFlags);
BOOL WINAPI BringWindowToTop(HWND hWnd);
/* The deepest visible window under the screen point, a disabled child giving way to its parent
   / the child of hWndParent under the client point, hidden and disabled ones included
   (hWndParent itself when no child is there, NULL when outside it). */
HWND WINAPI WindowFromPoint(POINT Point);
HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point);

/* ---- Painting ------------------------------------------------------------------------- */

typedef struct tagPAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
} PAINTSTRUCT, *PPAINTSTRUCT, *LPPAINTSTRUCT;

#define RDW_INVALIDATE 0x0001
#define RDW_INTERNALPAINT 0x0002
#define RDW_ERASE 0x0004
#define RDW_VALIDATE 0x0008
#define RDW_NOINTERNALPAINT 0x0010
#define RDW_NOERASE 0x0020
#define RDW_NOCHILDREN 0x0040
#define RDW_ALLCHILDREN 0x0080
#define RDW_UPDATENOW 0x0100
#define RDW_ERASENOW 0x0200
#define RDW_FRAME 0x0400
#define RDW_NOFRAME 0x0800

/* A window with an update region gets WM_PAINT from GetMessageA/PeekMessageA once its thread's
   queue holds no posted message or WM_QUIT (before WM_TIMER), parents before their children;
   WM_PAINT stays until the window is valid. The update region is kept as the bounding rectangle
   of what was invalidated, in client coordinates, so validating a part of it that does not span
   it from one side leaves it whole. A null rectangle means the whole client area. Hidden windows
   have nothing to paint; showing a window invalidates it and its children, with erasing.
   Invalidating a window reaches the children under the area unless RDW_NOCHILDREN says
   otherwise (no window clips its children here). A NULL hWnd to InvalidateRect or ValidateRect
   repaints every top-level window and its children, erasing at once. Regions are not offered:
   RedrawWindow refuses a non-null hrgnUpdate with ERROR_INVALID_HANDLE. */
BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase);
BOOL WINAPI ValidateRect(HWND hWnd, const RECT *lpRect);
BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
/* Sends WM_PAINT at once to the window and its children that need it. */
BOOL WINAPI UpdateWindow(HWND hWnd);
BOOL WINAPI RedrawWindow(HWND hWnd, const RECT *lprcUpdate, HRGN hrgnUpdate, UINT flags);
/* Validates the window and fills the PAINTSTRUCT (rcPaint: the update rectangle); when erasing
   was asked it sends WM_ERASEBKGND, and fErase is TRUE when that answered 0. The device context
   names the window until EndPaint; there is no drawing yet. DefWindowProcA answers WM_PAINT with
   BeginPaint and EndPaint, and WM_ERASEBKGND with TRUE when the class has a background brush. */
HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT *lpPaint);

/* ---- Cursors, the mouse and the beep --------------------------------------------------- */

#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_HELP MAKEINTRESOURCEA(32651)

/* WM_NCHITTEST answers, which WM_SETCURSOR carries in its low word. */
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2

#define WM_MBUTTONUP 0x0208
#define WM_CAPTURECHANGED 0x0215

/* The button and key state mouse messages carry in wParam. */
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_MBUTTON 0x0010

/* hInstance NULL: the system cursors (IDC_*); the same handle for every call. A module's own
   cursor resources are not carried yet: NULL with ERROR_RESOURCE_NAME_NOT_FOUND. */
HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
#define LoadCursor LoadCursorA
/* Returns the previous cursor. */
HCURSOR WINAPI SetCursor(HCURSOR hCursor);
HCURSOR WINAPI GetCursor(void);
/* Screen coordinates, kept on the screen. Moving the cursor over a window of the calling thread
   (or onto any point while one has the capture) sends it WM_SETCURSOR and posts WM_MOUSEMOVE in
   its client coordinates, as a real mouse move would. */
BOOL WINAPI GetCursorPos(LPPOINT lpPoint);
BOOL WINAPI SetCursorPos(int X, int Y);
/* The calling thread's mouse capture: the window gets the mouse messages wherever the cursor
   is. The window losing it gets WM_CAPTURECHANGED. */
HWND WINAPI SetCapture(HWND hWnd);
BOOL WINAPI ReleaseCapture(void);
HWND WINAPI GetCapture(void);

/* DefWindowProcA: WM_NCHITTEST answers HTCLIENT inside the window (there are no frames) and
   HTNOWHERE outside; WM_SETCURSOR asks a child's parent first (TRUE ends it), then sets the
   class cursor for HTCLIENT, beeps (MB_OK) for HTERROR with a button press, and sets the arrow
   for other hits; WM_MOUSEACTIVATE asks a child's parent first, then answers MA_ACTIVATE;
   WM_RBUTTONUP sends the window WM_CONTEXTMENU (the window, the screen point), which a child
   passes to its parent. */

/* uType: an MB_ICON* sound, MB_OK, or 0xFFFFFFFF for the simple beep. There is no loudspeaker:
   each beep goes to the host's listener (VksHostSetBeepListener in <vkshost.h>). */
BOOL WINAPI MessageBeep(UINT uType);

/* ---- Help requests ---------------------------------------------------------------------- */

/* F1: taking its WM_KEYDOWN off the queue posts the window a help key message, which
   DefWindowProcA turns into WM_HELP to that window (HELPINFO_WINDOW, the window's identifier and
   handle, context id 0, the cursor's position). DefWindowProcA passes WM_HELP from a child to its
   parent and from a top-level window to its owner. WM_SYSCOMMAND SC_CONTEXTHELP (the caption's
   "?" button) shows the help cursor until the next click: a left click on the window or one of
   its controls (disabled ones too) sends that one WM_HELP with the mouse position instead of the
   click; Escape or a click elsewhere only ends it. */
#define SC_CONTEXTHELP 0xF180


/* ---- System metrics ------------------------------------------------------------------- */

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

/* The headless screen's width and height in pixels; 0 for any other index. */
int WINAPI GetSystemMetrics(int nIndex);

/* ---- Device contexts, system colours and bitmaps (drawing: wingdi.h) -------------------- */

/* A device context for the window's client area, until ReleaseDC: it draws into the surface
   of the window's top-level window at the window's place, clipped to its client area and its
   ancestors'. GetWindowDC is the same here, as windows have no frame. What FillRect paints on
   it is also recorded in the window's display list, in client coordinates; the display list
   starts again when the whole client area is painted anew (BeginPaint on a wholly invalid
   window). A NULL hWnd (the screen) is not offered: NULL with ERROR_INVALID_WINDOW_HANDLE, as
   for a window that does not exist. ReleaseDC answers 1 when it released the context, 0
   otherwise. Once its window is destroyed, a DC fails every call with ERROR_INVALID_HANDLE. */
HDC WINAPI GetDC(HWND hWnd);
HDC WINAPI GetWindowDC(HWND hWnd);
int WINAPI ReleaseDC(HWND hWnd, HDC hDC);
/* Fills the rectangle (its right and bottom edges excluded) with the brush; a brush value from
   1 to COLOR_MENUBAR + 1 stands for the system colour one below it. FrameRect draws a
   one-pixel border with the brush, InvertRect inverts every pixel. 0 with ERROR_INVALID_HANDLE
   for a bad DC or brush. */
int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr);
int WINAPI FrameRect(HDC hDC, const RECT *lprc, HBRUSH hbr);
BOOL WINAPI InvertRect(HDC hDC, const RECT *lprc);

/* ---- Classic drawing helpers (edges, frame controls, text) ---------------------------------- */

#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)

#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_TOPLEFT (BF_TOP | BF_LEFT)
#define BF_BOTTOMRIGHT (BF_BOTTOM | BF_RIGHT)
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_DIAGONAL 0x0010
#define BF_MIDDLE 0x0800
#define BF_SOFT 0x1000
#define BF_ADJUST 0x2000
#define BF_FLAT 0x4000
#define BF_MONO 0x8000

/* Up to two one-pixel lines on the sides the flags name, in the system colours of the classic
   look: raised edges light on the upper left and dark on the lower right, sunken ones the
   reverse (BF_SOFT: the push button's brighter outer line; BF_FLAT, BF_MONO: flat lines).
   BF_MIDDLE fills the inside with COLOR_BTNFACE, BF_ADJUST shrinks the rectangle to it.
   Diagonal edges are not offered (FALSE with ERROR_INVALID_PARAMETER). */
BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
/* Inverts every other pixel of the rectangle's one-pixel frame; drawn twice, it is gone. */
BOOL WINAPI DrawFocusRect(HDC hDC, const RECT *lprc);

#define DFC_CAPTION 1
#define DFC_MENU 2
#define DFC_SCROLL 3
#define DFC_BUTTON 4

#define DFCS_CAPTIONCLOSE 0x0000
#define DFCS_CAPTIONMIN 0x0001
#define DFCS_CAPTIONMAX 0x0002
#define DFCS_CAPTIONRESTORE 0x0003
#define DFCS_CAPTIONHELP 0x0004
#define DFCS_SCROLLUP 0x0000
#define DFCS_SCROLLDOWN 0x0001
#define DFCS_SCROLLLEFT 0x0002
#define DFCS_SCROLLRIGHT 0x0003
#define DFCS_SCROLLCOMBOBOX 0x0005
#define DFCS_BUTTONCHECK 0x0000
#define DFCS_BUTTONRADIO 0x0004
#define DFCS_BUTTON3STATE 0x0008
#define DFCS_BUTTONPUSH 0x0010
#define DFCS_INACTIVE 0x0100
#define DFCS_PUSHED 0x0200
#define DFCS_CHECKED 0x0400
#define DFCS_FLAT 0x4000
#define DFCS_MONO 0x8000

/* DFC_BUTTON: a check box (sunken square, Marlett check mark), radio button (ring, Marlett dot)
   or push button in the largest square (for the push button: rectangle) of lprc; DFC_SCROLL:
   a raised button with the Marlett arrow; DFC_CAPTION: a raised button with the Marlett close,
   minimise, maximise, restore or help mark. DFCS_PUSHED sinks a button, DFCS_INACTIVE grays a
   mark (embossed on buttons). FALSE for DFC_MENU and other kinds. */
BOOL WINAPI DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState);

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_TABSTOP 0x00000080
#define DT_NOCLIP 0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_PATH_ELLIPSIS 0x00004000
#define DT_END_ELLIPSIS 0x00008000
#define DT_WORD_ELLIPSIS 0x00040000
#define DT_HIDEPREFIX 0x00100000
#define DT_PREFIXONLY 0x00200000

/* Draws text (cchText -1: to its NUL; 0: nothing, answering 0) in the rectangle with the DC's
   font and colours: lines end at CR, LF or CR LF (not with DT_SINGLELINE); DT_WORDBREAK breaks
   lines after blanks or between double-byte characters, a word wider than the rectangle taking
   a line of its own; "&x" underlines x and "&&" shows one '&' unless DT_NOPREFIX; DT_EXPANDTABS
   moves tabs to every 8 average character widths (DT_TABSTOP: the count in bits 8-15);
   DT_END_ELLIPSIS, DT_WORD_ELLIPSIS and DT_PATH_ELLIPSIS shorten a line too wide with "...".
   Clipped to the rectangle unless DT_NOCLIP. DT_CALCRECT draws nothing and sets the
   rectangle's right and bottom to the text's extent (an empty text: an empty rectangle).
   Returns the text's height, or with DT_VCENTER or DT_BOTTOM the offset of its bottom from the
   rectangle's top; 0 with ERROR_INVALID_HANDLE for a bad DC. */
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
#define DrawText DrawTextA

typedef BOOL(CALLBACK *GRAYSTRINGPROC)(HDC, LPARAM, int);
/* The text (lpData a string of nCount bytes, or what lpOutputFunc draws into a memory DC at
   0, 0 within nWidth x nHeight) drawn grayed at X, Y: every other pixel of its glyphs in the
   brush's colour (NULL: COLOR_WINDOWTEXT). A zero width or height is measured from the string.
   FALSE when the output function answers FALSE. */
BOOL WINAPI GrayStringA(HDC hDC, HBRUSH hBrush, GRAYSTRINGPROC lpOutputFunc, LPARAM lpData,
                        int nCount, int X, int Y, int nWidth, int nHeight);

#define DST_COMPLEX 0x0000
#define DST_TEXT 0x0001
#define DST_PREFIXTEXT 0x0002
#define DST_ICON 0x0003
#define DST_BITMAP 0x0004
#define DSS_NORMAL 0x0000
#define DSS_UNION 0x0010
#define DSS_DISABLED 0x0020
#define DSS_MONO 0x0080
#define DSS_HIDEPREFIX 0x0200
#define DSS_PREFIXONLY 0x0400
#define DSS_RIGHT 0x8000

/* hInstance NULL: the standard icons (IDI_*), 32 x 32, drawn in the classic look; the same
   handle for every call. A module's own icon resources are not carried yet: NULL with
   ERROR_RESOURCE_NAME_NOT_FOUND. */
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDI_HAND MAKEINTRESOURCEA(32513)
#define IDI_QUESTION MAKEINTRESOURCEA(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEA(32515)
#define IDI_ASTERISK MAKEINTRESOURCEA(32516)
#define IDI_WINLOGO MAKEINTRESOURCEA(32517)
#define IDI_ERROR IDI_HAND
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_INFORMATION IDI_ASTERISK
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
#define LoadIcon LoadIconA

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
/* Draws the icon at its size (cx, cy 0: 32 x 32) or stretched: DI_MASK ANDs its mask in,
   DI_IMAGE XORs its image, DI_NORMAL both, so its clear pixels leave the DC's. A non-null brush
   fills the rectangle first. FALSE with ERROR_INVALID_HANDLE for a handle that is no icon, a
   bad DC or an animation step. */
BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                       UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags);

typedef BOOL(CALLBACK *DRAWSTATEPROC)(HDC, LPARAM, WPARAM, int, int);
/* Draws text (DST_TEXT, DST_PREFIXTEXT: lData the string, wData its length or 0), an icon, a
   bitmap or what the callback draws (DST_COMPLEX) at x, y within cx x cy (0: measured) in a
   state: DSS_NORMAL as it is, DSS_DISABLED embossed (COLOR_3DHILIGHT one pixel down and right,
   COLOR_3DSHADOW over it), DSS_UNION dithered and DSS_MONO solid in hbrFore (NULL:
   COLOR_WINDOWTEXT). */
BOOL WINAPI DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData,
                       WPARAM wData, int x, int y, int cx, int cy, UINT uFlags);

/* The classic (Windows 2000) colour scheme; the values are fixed. GetSysColor answers 0 for an
   index outside 0 to COLOR_MENUBAR and GetSysColorBrush NULL. */
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30
#define COLOR_DESKTOP COLOR_BACKGROUND
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT

DWORD WINAPI GetSysColor(int nIndex);
HBRUSH WINAPI GetSysColorBrush(int nIndex);

/* The RT_BITMAP resource of hInstance (a BMP file without its file header, as the resource
   compiler's BITMAP statement stores it): 1, 4, 8, 24 and 32 bits per pixel, uncompressed. NULL
   with ERROR_RESOURCE_NAME_NOT_FOUND when the module has no such bitmap, and with
   ERROR_INVALID_DATA when its bytes are no bitmap this reads. System bitmaps (hInstance NULL)
   are not offered. */
HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName);
#define LoadBitmap LoadBitmapA

/* ---- List and combo boxes -------------------------------------------------------------- */

/* "ListBox": items are texts, each with a 32- or 64-bit item data, shown one per line as high as
   the box's font's cell (LB_GETITEMHEIGHT: 13 pixels for 8-point "MS Shell Dlg", 16 for the
   system font). LBS_SORT places added items in case-insensitive order (LB_INSERTSTRING never sorts).
   Program calls never notify; a click or an arrow key sends LBN_SELCHANGE to the parent when the
   box has LBS_NOTIFY. An item the box cannot hold answers LB_ERRSPACE and sends LBN_ERRSPACE
   (see VksHostSetListItemLimit in <vkshost.h>). */
#define LBS_NOTIFY 0x0001
#define LBS_SORT 0x0002
#define LBS_NOREDRAW 0x0004
#define LBS_MULTIPLESEL 0x0008
#define LBS_OWNERDRAWFIXED 0x0010
#define LBS_OWNERDRAWVARIABLE 0x0020
#define LBS_HASSTRINGS 0x0040
#define LBS_USETABSTOPS 0x0080
#define LBS_NOINTEGRALHEIGHT 0x0100
#define LBS_MULTICOLUMN 0x0200
#define LBS_WANTKEYBOARDINPUT 0x0400
#define LBS_EXTENDEDSEL 0x0800
#define LBS_DISABLENOSCROLL 0x1000
#define LBS_NODATA 0x2000
#define LBS_NOSEL 0x4000
#define LBS_COMBOBOX 0x8000
#define LBS_STANDARD 0x00A00003

#define LB_OKAY 0
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_SETSEL 0x0185
#define LB_SETCURSEL 0x0186
#define LB_GETSEL 0x0187
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_SELECTSTRING 0x018C
#define LB_GETTOPINDEX 0x018E
#define LB_GETITEMHEIGHT 0x01A1
#define LB_FINDSTRING 0x018F
#define LB_GETSELCOUNT 0x0190
#define LB_GETSELITEMS 0x0191
#define LB_SETTOPINDEX 0x0197
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A
#define LB_FINDSTRINGEXACT 0x01A2

#define LBN_ERRSPACE (-2)
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define LBN_SELCANCEL 3
#define LBN_SETFOCUS 4
#define LBN_KILLFOCUS 5

/* "ComboBox": the same items under CB_* names, the selected one shown in the box. CBS_DROPDOWN
   has an edit child (identifier 1001) whose text is the box's window text; CBS_DROPDOWNLIST shows
   the selected item's text. Up and down arrows on the box select the neighbouring item and send
   CBN_SELCHANGE; program calls never notify. CB_GETITEMHEIGHT answers the list items' height for
   wParam 0 (the font's cell height, as LB_GETITEMHEIGHT) and the selection field's for -1 (two
   pixels more). */
#define CBS_SIMPLE 0x0001
#define CBS_DROPDOWN 0x0002
#define CBS_DROPDOWNLIST 0x0003
#define CBS_OWNERDRAWFIXED 0x0010
#define CBS_OWNERDRAWVARIABLE 0x0020
#define CBS_AUTOHSCROLL 0x0040
#define CBS_OEMCONVERT 0x0080
#define CBS_SORT 0x0100
#define CBS_HASSTRINGS 0x0200
#define CBS_NOINTEGRALHEIGHT 0x0400
#define CBS_DISABLENOSCROLL 0x0800
#define CBS_UPPERCASE 0x2000
#define CBS_LOWERCASE 0x4000

#define CB_OKAY 0
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)

#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SELECTSTRING 0x014D
#define CB_SETCURSEL 0x014E
#define CB_GETITEMDATA 0x0150
#define CB_SETITEMDATA 0x0151
#define CB_FINDSTRINGEXACT 0x0158
#define CB_GETITEMHEIGHT 0x0154

#define CBN_ERRSPACE (-1)
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
/* ---- A dialog's extra bytes ---------------------------------------------------------- */

/* "#32770" windows carry DLGWINDOWEXTRA bytes. A dialog procedure that handles WM_NOTIFY stores
   its answer at DWLP_MSGRESULT and returns TRUE; the sender then gets the stored answer. */
#define DLGWINDOWEXTRA 30
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC ((int)sizeof(LRESULT))
#define DWLP_USER (DWLP_DLGPROC + (int)sizeof(DLGPROC))

/* A parent whose children the dialog keyboard walks as its own (a property sheet's pages). */
#define WS_EX_CONTROLPARENT 0x00010000L

BOOL WINAPI PtInRect(const RECT *lprc, POINT pt);

/* ---- Menus, child enumeration ----------------------------------------------------------- */

#define MF_INSERT 0x00000000L
#define MF_ENABLED 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_STRING 0x00000000L
#define MF_BITMAP 0x00000004L
#define MF_UNCHECKED 0x00000000L
#define MF_CHECKED 0x00000008L
#define MF_POPUP 0x00000010L
#define MF_MENUBARBREAK 0x00000020L
#define MF_MENUBREAK 0x00000040L
#define MF_UNHILITE 0x00000000L
#define MF_HILITE 0x00000080L
#define MF_OWNERDRAW 0x00000100L
#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L
#define MF_SEPARATOR 0x00000800L
#define MF_DEFAULT 0x00001000L
#define MF_RIGHTJUSTIFY 0x00004000L
#define MF_HELP MF_RIGHTJUSTIFY
/* In a MENU template: the last item of its menu. */
#define MF_END 0x00000080L

#define MFT_STRING MF_STRING
#define MFT_BITMAP MF_BITMAP
#define MFT_MENUBARBREAK MF_MENUBARBREAK
#define MFT_MENUBREAK MF_MENUBREAK
#define MFT_OWNERDRAW MF_OWNERDRAW
#define MFT_RADIOCHECK 0x00000200L
#define MFT_SEPARATOR MF_SEPARATOR
#define MFT_RIGHTORDER 0x00002000L
#define MFT_RIGHTJUSTIFY MF_RIGHTJUSTIFY
#define MFS_GRAYED 0x00000003L
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED MF_CHECKED
#define MFS_HILITE MF_HILITE
#define MFS_ENABLED MF_ENABLED
#define MFS_UNCHECKED MF_UNCHECKED
#define MFS_UNHILITE MF_UNHILITE
#define MFS_DEFAULT MF_DEFAULT

#define MIIM_STATE 0x00000001
#define MIIM_ID 0x00000002
#define MIIM_SUBMENU 0x00000004
#define MIIM_CHECKMARKS 0x00000008
#define MIIM_TYPE 0x00000010
#define MIIM_DATA 0x00000020
#define MIIM_STRING 0x00000040
#define MIIM_BITMAP 0x00000080
#define MIIM_FTYPE 0x00000100

/* cbSize is sizeof(MENUITEMINFOA) or, for the older record without hbmpItem (44 bytes on
   32-bit Windows), offsetof(MENUITEMINFOA, hbmpItem); any other size fails with
   ERROR_INVALID_PARAMETER. */
typedef struct tagMENUITEMINFOA {
  UINT cbSize;
  UINT fMask;
  UINT fType;
  UINT fState;
  UINT wID;
  HMENU hSubMenu;
  HBITMAP hbmpChecked;
  HBITMAP hbmpUnchecked;
  ULONG_PTR dwItemData;
  LPSTR dwTypeData;
  UINT cch;
  HBITMAP hbmpItem;
} MENUITEMINFOA, *LPMENUITEMINFOA;
typedef const MENUITEMINFOA *LPCMENUITEMINFOA;

/* Menus are process-wide objects of their own handles. Text items, separators and pop-up items
   (a submenu) are offered; bitmaps and owner drawing are not. An item without text is a
   separator, and separators are grayed, as Windows reports them. A pop-up item's identifier is
   its submenu's handle. MF_BYCOMMAND searches submenus too, depth first: a plain item with the
   identifier wins, a pop-up item whose identifier matches is taken only when no plain one does.
   A bad menu fails with ERROR_INVALID_MENU_HANDLE. GetMenuItemInfoA and InsertMenuItemA report
   a missing item with ERROR_MENU_ITEM_NOT_FOUND; the other calls fail for one without setting an
   error, as a submenu that would loop fails. Bitmap and owner-drawn items are refused with
   ERROR_INVALID_PARAMETER. */
HMENU WINAPI CreateMenu(void);
HMENU WINAPI CreatePopupMenu(void);
/* A menu made from a template in memory: a MENU one (version 0, MENUITEMTEMPLATE items, the
   last of each menu marked MF_END) or a MENUEX one (version 1, MENUEX_TEMPLATE_ITEM items on
   4-byte boundaries). Each item keeps its type (breaks, MFT_RADIOCHECK, MFT_RIGHTJUSTIFY, ...)
   and state; an item without text is a separator. A template with bitmap or owner-drawn items,
   another version, or pop-ups nested deeper than 256 gives NULL and ERROR_INVALID_PARAMETER,
   and nothing of it is left behind. */
typedef void MENUTEMPLATEA;
typedef MENUTEMPLATEA *LPMENUTEMPLATEA;
HMENU WINAPI LoadMenuIndirectA(const MENUTEMPLATEA *lpMenuTemplate);
/* The RT_MENU resource of hInstance (NULL: the program) by number or name, as LoadMenuIndirectA
   reads it; NULL with FindResourceA's error when there is none. */
HMENU WINAPI LoadMenuA(HINSTANCE hInstance, LPCSTR lpMenuName);
#define LoadMenu LoadMenuA
#define LoadMenuIndirect LoadMenuIndirectA
/* Destroys the submenus as well. */
BOOL WINAPI DestroyMenu(HMENU hMenu);
BOOL WINAPI IsMenu(HMENU hMenu);
/* uFlags: MF_STRING (lpNewItem the text; a null text makes a separator), MF_SEPARATOR,
   MF_POPUP (uIDNewItem the submenu; a submenu that would contain the menu fails),
   MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_HILITE. InsertMenuA inserts before the item uPosition
   names; a position past the end (-1) appends. */
BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);
BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem,
                        LPCSTR lpNewItem);
/* MIIM_TYPE cannot be combined with MIIM_FTYPE, MIIM_STRING or MIIM_BITMAP; the text is read
   to its NUL (cch is ignored). */
BOOL WINAPI InsertMenuItemA(HMENU hMenu, UINT item, BOOL fByPosition, LPCMENUITEMINFOA lpmii);
/* Fills only the fields fMask names. MIIM_STRING (and MIIM_TYPE for a text item) copies at most
   cch - 1 bytes and a NUL into dwTypeData and sets cch to the bytes copied; with a null
   dwTypeData or a cch of 0 only cch is set, to the text's length. */
BOOL WINAPI GetMenuItemInfoA(HMENU hMenu, UINT item, BOOL fByPosition, LPMENUITEMINFOA lpmii);
/* -1 for a bad menu. */
int WINAPI GetMenuItemCount(HMENU hMenu);
/* -1 for a pop-up item or no item. */
UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos);
/* The submenu of the item at nPos, NULL when it has none. */
HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos);
/* The item's type and state flags; for a pop-up item the flags in the low byte (MF_POPUP
   among them) and the submenu's item count in the high byte; -1 for no item. */
UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
/* Copies at most cchMax - 1 bytes and a NUL and returns the bytes copied; a null buffer or a
   cchMax of 0 gives the text's length; 0 for no item. */
int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags);
/* Take the item out of the menu; DeleteMenu also destroys its submenu, RemoveMenu leaves it. */
BOOL WINAPI RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
/* The previous MF_GRAYED | MF_DISABLED state / MF_CHECKED state, or -1 for no item. */
BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);

typedef BOOL(CALLBACK *WNDENUMPROC)(HWND, LPARAM);
/* Every window below hWndParent, depth first in Z-order (a window, then its children), until
   the callback answers FALSE. The windows are those that existed when the walk began: one
   destroyed on the way is skipped, one made on the way is not visited. A NULL parent walks the
   top-level windows only. Returns the last answer of the callback, FALSE when there was no
   window to visit. */
BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam);

VKS_END_EXPORTED_C

#endif
