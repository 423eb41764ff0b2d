// TutMessage: the library's message boxes: information, questions and exception texts.
#pragma once

#include "afx.h"

// Every box is captioned with the product name, shows its text with the product placeholders
// expanded, is task-modal, and comes up over the product's open dialog rather than behind it.
// While a box is open the system-wide named mutex "TessvaneVelmora2002TrayExitMenuMutex"
// exists, so other programs of the product can tell.
//
// The variants with `...` format with wvsprintfA (the text is cut at 1024 characters); those
// with an `unsigned int` first take that string resource of the current resource module, with
// its placeholders expanded, as the format, and throw the framework's resource exception when it
// is missing. Text pointers returned point into static buffers, valid until the next call: two
// threads showing boxes at once overwrite each other's text.
class AFX_EXT_CLASS TutMessage {
public:
    static void Box(unsigned int id, ...);
    static void Box(char const *format, ...);
    // The exception's text, with the exclamation icon.
    static void Box(CException *e);
    // The formatted line (its string loaded from `module`, at most 255 characters; the line at
    // most 511), an empty line, then the exception's text.
    static void Box(CException *e, HINSTANCE module, unsigned int id, ...);
    static void Box(CException *e, char const *format, ...);
    static void ExBox(unsigned int id, ...);
    static void ExBox(char const *format, ...);
    // Each returns the button pressed.
    static int OkCancel(unsigned int id, ...);
    static int OkCancel(char const *format, ...);
    static int YesNo(unsigned int id, ...);
    static int YesNo(char const *format, ...);
    static int YesNoCancel(unsigned int id, ...);
    static int YesNoCancel(char const *format, ...);
    static int RetryCancel(unsigned int id, ...);
    static int RetryCancel(char const *format, ...);
    // Formats now and shows the box later, from the message loop of the thread that owns the
    // message queue's manager window. A framework exception on the way is deleted and nothing
    // is shown.
    static void Post(unsigned int id, ...);
    static void Post(char const *format, ...);

    // The window that boxes are owned by, or by one of its pop-up windows.
    static void Parent(HWND window);
    // Answers "No" to the open product message box that shows exactly `text` (compared as
    // given, placeholders unexpanded); only the first product box found is looked at.
    static void KillYesNo(char const *text);

private:
    friend class TutPostedMessage;

    TutMessage() {}
    TutMessage &operator=(TutMessage const &) { return *this; }

    static int PutUpMessageBox(char const *text, unsigned int style);
    static char const *GetExceptionText(CException *e);
    // Formats into the text buffer; the format of an id is its resource text, expanded.
    static char const *FormatText(char const *format, va_list args);
    static char const *FormatText(unsigned int id, va_list args);
    static HWND ChooseOwner();

    static HWND m_ParentWindow;
    static char m_szText[1024];
    static char m_szString[256];
    static char m_szFormat[512];
};
