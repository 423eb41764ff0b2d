/* vkshost.h: what a real Windows system would supply, set by the host or a test. Each call takes
   a value or null, null meaning "the host system's own". */
#ifndef VKS_VKSHOST_H
#define VKS_VKSHOST_H

#include "windef.h"
#include "winbase.h"
#include "winuser.h"

VKS_BEGIN_EXPORTED_C

/* Maps drive `letter` (either case) to an existing host folder; FALSE for a non-letter or a
   folder that does not exist. A null folder removes the mapping; for drive C it restores the
   host's own: the folder named by VKS_DRIVE_C, else vksutil/drive_c in the user's data folder
   (made with WINDOWS\SYSTEM in it when first used). Drive Z is "/" from the start. */
BOOL VksHostSetDrive(char letter, const char *hostFolder);

/* The process's ANSI code page (932 unless VKS_CODEPAGE says otherwise at start-up). FALSE for a
   code page the platform cannot convert to. */
BOOL VksHostSetCodePage(UINT codePage);

/* Fixes the tick count that GetTickCount reports, or returns it to the host's clock. */
void VksHostSetTickCount(const DWORD *fixedOrNull);

/* Fixes the clock that GetLocalTime, GetSystemTime and the framework's current time read. */
void VksHostSetLocalTime(const SYSTEMTIME *fixedOrNull);

/* The time-zone bias in minutes, UTC = local time + bias; null: the host's time zone. */
void VksHostSetTimeZoneBias(const LONG *minutesOrNull);

/* The version GetVersionExA reports (its size field is ignored); null: NT 5.1 build 2600, the
   newest system the product targets. */
void VksHostSetVersion(const OSVERSIONINFOA *fixedOrNull);

/* The keyboard subtype GetKeyboardType(1) reports; null: 0. */
void VksHostSetKeyboardSubtype(const int *fixedOrNull);

/* Where OutputDebugStringA's text goes: to `sink`, called with the text unchanged and `context`;
   with a null sink, to standard error when the environment variable VKS_DEBUG_OUTPUT is set
   (to any value), and nowhere otherwise. */
void VksHostSetDebugOutput(void (*sink)(const char *text, void *context), void *context);

/* The user's language (GetUserDefaultLangID), which message texts are looked up in first; null:
   from the host's locale (LC_ALL, LC_MESSAGES, then LANG: "de_DE.UTF-8" is German 0x0407; none
   or "C": US English). */
void VksHostSetUserLanguage(const WORD *langIdOrNull);

/* The locale whose regional settings win.ini's [intl] section answers for the keys the file
   lacks ("de_DE.UTF-8"); null: the process's, from LC_ALL, then LC_TIME, LC_NUMERIC or
   LC_MONETARY for each group of keys, then LANG. "C" and "POSIX" give no keys, so readers keep
   their US English defaults. */
void VksHostSetRegionalLocale(const char *localeOrNull);

/* Answers message boxes as a user would: `answer` is called once as each box comes up, with its
   owner, text, caption and style (MB_TASKMODAL included), and returns the result of the button to
   press, or 0 to leave the box open for the program (its modal loop then runs until a button's
   WM_COMMAND or WM_CLOSE ends it). Null: no answerer. */
void VksHostSetMessageBoxAnswerer(int (*answer)(HWND owner, const char *text, const char *caption,
                                                UINT style, void *context),
                                  void *context);

/* The host folder (absolute) that holds the names of named kernel objects, such as mutexes; every
   process that uses the same folder sees the same names. Null: the folder named by
   VKS_OBJECT_FOLDER, else the host user's own ($XDG_RUNTIME_DIR/vksutil-objects when that runtime
   folder is the user's and private, else /tmp/vksutil-objects-<uid>, else the "objects" folder
   in the user's data folder). A folder must be the user's own with mode 0700 (it is made so when
   missing); any other is refused, said once on the debugger's output, and the next default
   takes the names. */
void VksHostSetObjectFolder(const char *hostFolder);

/* The help viewer that WinHelpA's requests go to: `view` is called with the requesting window,
   the file as given ("name.hlp>window"), the command and its data, and `context`; what it returns
   is WinHelpA's result. Null: the default, the help log (see WinHelpA). */
void VksHostSetHelpViewer(BOOL (*view)(HWND owner, const char *file, UINT command, ULONG_PTR data,
                                       void *context),
                          void *context);

/* Hears MessageBeep: `beep` is called with the sound asked for and `context` on the thread that
   asked. Null: beeps go nowhere. */
void VksHostSetBeepListener(void (*beep)(UINT type, void *context), void *context);

/* Presses or releases a mouse button as a user would, at screen point x, y, where the cursor then
   is: `message` is WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN or
   WM_MBUTTONUP (else ERROR_INVALID_PARAMETER). The window under the point (a disabled child leaves
   it to its parent; the capture window takes every point) gets what Windows gives it: WM_NCHITTEST;
   for a press on a window other than the active one WM_MOUSEACTIVATE, which DefWindowProcA passes
   up to the top-level window, and activation of that one with WA_CLICKACTIVE when it is inactive;
   WM_SETCURSOR naming the button message; then the button message posted in client coordinates.
   A disabled top-level window gets WM_SETCURSOR with HTERROR and no button message. FALSE when no
   window of the calling thread is there. */
BOOL VksHostMouseButton(int x, int y, UINT message);

/* Writes the window and its visible children (frames, texts, focus, enabled state, the default
   button) as an SVG picture to the host file svgPath, so a person can see a window that has no
   screen. The same windows give the same bytes, and the file is replaced whole. FALSE with the
   error when the window is no window (ERROR_INVALID_WINDOW_HANDLE), there is no path
   (ERROR_INVALID_PARAMETER) or the file cannot be written (the host's reason). */
BOOL VksHostSnapshotWindow(HWND window, const char *svgPath);

/* What has been drawn on a window since its client area was last painted anew, in the order
   drawn, in client coordinates: fills with their colour, and image-list frames with the list
   and the frame's index (rect: the frame's place). Copies at most `capacity` items into `items`
   (null with capacity 0: only count) and returns how many the list holds; 0 for a window that
   does not exist. */
#define VKS_DRAWN_FILL 1
#define VKS_DRAWN_IMAGE 2
typedef struct VksDrawnItem {
    UINT kind;
    RECT rect;
    DWORD color;  /* VKS_DRAWN_FILL: the COLORREF filled with */
    void *source; /* VKS_DRAWN_IMAGE: the HIMAGELIST drawn from */
    int image;    /* VKS_DRAWN_IMAGE: the frame's index */
} VksDrawnItem;
UINT VksHostDrawnItems(HWND window, VksDrawnItem *items, UINT capacity);
/* Test-only: the most items one list or combo box can hold, so that a test can make the box run
   out of space (LB_ERRSPACE, CB_ERRSPACE) as it would without memory. Null: no limit but
   memory. */
void VksHostSetListItemLimit(const UINT *limitOrNull);
/* Answers common file dialogs as a user would: `answer` is called once each dialog is shown, with
   its window, the folder it shows and a buffer of fileNameSize bytes. It returns IDOK after
   writing a name there (typed into the file-name field, then OK pressed), IDCANCEL to press
   Cancel, or 0 to leave the dialog to the program. Null: no answerer. */
void VksHostSetFileDialogAnswerer(int (*answer)(HWND dialog, const char *folder, char *fileName,
                                                UINT fileNameSize, void *context),
                                  void *context);

VKS_END_EXPORTED_C

#endif
