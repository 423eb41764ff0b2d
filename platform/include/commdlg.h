/* commdlg.h: the common Open and Save dialog of the Win32 subset; included on its own, after
   <windows.h>, as a lean Windows build includes it. */
#ifndef VKS_COMMDLG_H
#define VKS_COMMDLG_H

#include "windows.h"

VKS_BEGIN_EXPORTED_C

typedef UINT_PTR(CALLBACK *LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

/* The classic record, in Windows' field order. It is 76 bytes on 32-bit Windows; here pointers
   and handles are 8 bytes and the natural alignment pads the DWORDs before them, so it is 136
   bytes, as the same record is on 64-bit Windows. lStructSize must be sizeof(OPENFILENAMEA). */
typedef struct tagOFNA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
} OPENFILENAMEA, *LPOPENFILENAMEA;

typedef OPENFILENAMEA OPENFILENAME;
typedef LPOPENFILENAMEA LPOPENFILENAME;
#define OPENFILENAME_SIZE_VERSION_400A sizeof(OPENFILENAMEA)

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_ENABLEHOOK 0x00000020
#define OFN_ENABLETEMPLATE 0x00000040
#define OFN_ENABLETEMPLATEHANDLE 0x00000080
#define OFN_NOVALIDATE 0x00000100
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_EXPLORER 0x00080000

/* The standard controls of the explorer-style dialog. The file list and the file type box are
   plain statics here: the list shows one name a line (folders first, in brackets), the type box
   the chosen filter's description. */
#define chx1 0x0410 /* open as read-only */
#define cmb1 0x0470 /* file type */
#define stc2 0x0441
#define stc3 0x0442
#define stc4 0x0443 /* the folder shown */
#define lst1 0x0460 /* the folder's listing */
#define edt1 0x0480 /* file name */
#define cmb13 0x047c
#define pshHelp 0x040e

/* WM_NOTIFY codes sent to the hook dialog, with an OFNOTIFYA whose hdr.hwndFrom is the main
   dialog. For CDN_FILEOK a hook that returns nonzero keeps the dialog open. */
#define CDN_FIRST (0U - 601U)
#define CDN_INITDONE (CDN_FIRST - 0)
#define CDN_SELCHANGE (CDN_FIRST - 1)
#define CDN_FOLDERCHANGE (CDN_FIRST - 2)
#define CDN_HELP (CDN_FIRST - 4)
#define CDN_FILEOK (CDN_FIRST - 5)
#define CDN_TYPECHANGE (CDN_FIRST - 6)

typedef struct _OFNOTIFYA {
    NMHDR hdr;
    LPOPENFILENAMEA lpOFN;
    LPSTR pszFile;
} OFNOTIFYA, *LPOFNOTIFYA;

/* Messages to the main dialog (the hook dialog's parent): wParam is the buffer's size, lParam
   the buffer; the result is the size the whole text needs with its NUL (the text is cut to the
   buffer), or a negative value when there is no name. */
#define CDM_FIRST (WM_USER + 100)
#define CDM_GETSPEC (CDM_FIRST + 0)
#define CDM_GETFILEPATH (CDM_FIRST + 1)
#define CDM_GETFOLDERPATH (CDM_FIRST + 2)

/* CommDlgExtendedError codes. */
#define CDERR_DIALOGFAILURE 0xFFFF
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define CDERR_NOTEMPLATE 0x0003
#define CDERR_NOHINSTANCE 0x0004
#define CDERR_FINDRESFAILURE 0x0006
#define CDERR_LOADRESFAILURE 0x0007
#define FNERR_SUBCLASSFAILURE 0x3001
#define FNERR_INVALIDFILENAME 0x3002
#define FNERR_BUFFERTOOSMALL 0x3003

/* The dialog runs modally on a folder (lpstrInitialDir, else the folder of lpstrFile, else
   C:\) and lists it. Only the explorer style is made: OFN_EXPLORER is implied. With
   OFN_ENABLEHOOK or a template the hook dialog is a child of the main dialog, below its
   standard controls (the main dialog grows to hold it), made from hInstance's RT_DIALOG
   resource lpTemplateName (OFN_ENABLETEMPLATE) or from the template hInstance points at
   (OFN_ENABLETEMPLATEHANDLE), else empty; it gets WM_INITDIALOG with the caller's record in
   lParam, then is shown (its WM_SHOWWINDOW comes before the main dialog's), then CDN_INITDONE
   and CDN_FOLDERCHANGE. OK takes the name typed into edt1: a folder is opened instead; a name
   without an extension gets "." and lpstrDefExt; a name with '*' or '?' becomes the listing's
   pattern. A name with <, >, | or " is refused unless OFN_NOVALIDATE; OFN_PATHMUSTEXIST,
   OFN_FILEMUSTEXIST, OFN_CREATEPROMPT and OFN_OVERWRITEPROMPT ask or refuse with a message box
   over the dialog; then CDN_FILEOK. TRUE with the full path in lpstrFile, nFileOffset (the name's offset),
   nFileExtension (the extension's offset, 0 when none), lpstrFileTitle (cut to nMaxFileTitle)
   and OFN_READONLY as the check box was. FALSE when cancelled (CommDlgExtendedError 0), or
   with the error: FNERR_BUFFERTOOSMALL when the path does not fit nMaxFile (the size it needs
   is in lpstrFile's first two bytes), CDERR_STRUCTSIZE, CDERR_INITIALIZATION (no lpstrFile),
   CDERR_NOHINSTANCE or CDERR_LOADRESFAILURE for a template that cannot be had. There is no
   current directory, so OFN_NOCHANGEDIR changes nothing. A host answerer
   (VksHostSetFileDialogAnswerer) may answer the dialog once it is shown. */
BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn);
BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn);
/* The error of the calling thread's last common dialog. */
DWORD WINAPI CommDlgExtendedError(void);

VKS_END_EXPORTED_C

#endif
