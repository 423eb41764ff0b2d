// TutMessage: formatting the texts and the operations that show them.
#include "log/user_message.h"

#include <cstdarg>
#include <cstring>

#include "util/tutstring.h"

namespace {

// Styles before MB_TASKMODAL is added.
constexpr unsigned int kPlain = MB_OK;
constexpr unsigned int kExclamation = MB_OK | MB_ICONEXCLAMATION;
constexpr unsigned int kOkCancel = MB_OKCANCEL;
constexpr unsigned int kYesNo = MB_YESNO | MB_ICONQUESTION;
constexpr unsigned int kYesNoCancel = MB_YESNOCANCEL | MB_ICONQUESTION;
constexpr unsigned int kRetryCancel = MB_RETRYCANCEL;

// Copies at most `size` - 1 bytes and a NUL, never ending on the lead byte of a cut character.
void copyCut(char *to, std::size_t size, char const *from)
{
    std::size_t count = 0;
    while (from[count] && count + 1 < size) {
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(from[count])) && from[count + 1];
        const std::size_t step = lead ? 2 : 1;
        if (count + step + 1 > size)
            break;
        count += step;
    }
    std::memcpy(to, from, count);
    to[count] = '\0';
}

}  // namespace

HWND TutMessage::m_ParentWindow = NULL;
char TutMessage::m_szText[1024];
char TutMessage::m_szString[256];
char TutMessage::m_szFormat[512];

char const *TutMessage::FormatText(char const *format, va_list args)
{
    // wvsprintfA writes at most 1024 bytes, the size of the buffer.
    wvsprintfA(m_szText, format ? format : "", args);
    return m_szText;
}

char const *TutMessage::FormatText(unsigned int id, va_list args)
{
    TutString format;
    format.load(id, NULL);
    format.expandEmbeddedMacros();
    return FormatText(static_cast<char const *>(format), args);
}

void TutMessage::Parent(HWND window)
{
    m_ParentWindow = window;
}

// Formats the variable arguments after `first` and shows the box; va_end runs also when the
// resource is missing and the load throws.
#define VKS_FORMATTED_BOX(first, style, result)                                                \
    va_list args;                                                                              \
    va_start(args, first);                                                                     \
    try {                                                                                      \
        result = PutUpMessageBox(FormatText(first, args), style);                              \
    } catch (...) {                                                                            \
        va_end(args);                                                                          \
        throw;                                                                                 \
    }                                                                                          \
    va_end(args)

#define VKS_BOX(first, style)                                                                  \
    [[maybe_unused]] int pressed = 0;                                                          \
    VKS_FORMATTED_BOX(first, style, pressed)

#define VKS_ASK(first, style)                                                                  \
    int pressed = 0;                                                                           \
    VKS_FORMATTED_BOX(first, style, pressed);                                                  \
    return pressed

void TutMessage::Box(unsigned int id, ...) { VKS_BOX(id, kPlain); }
void TutMessage::Box(char const *format, ...) { VKS_BOX(format, kPlain); }
void TutMessage::ExBox(unsigned int id, ...) { VKS_BOX(id, kExclamation); }
void TutMessage::ExBox(char const *format, ...) { VKS_BOX(format, kExclamation); }
int TutMessage::OkCancel(unsigned int id, ...) { VKS_ASK(id, kOkCancel); }
int TutMessage::OkCancel(char const *format, ...) { VKS_ASK(format, kOkCancel); }
int TutMessage::YesNo(unsigned int id, ...) { VKS_ASK(id, kYesNo); }
int TutMessage::YesNo(char const *format, ...) { VKS_ASK(format, kYesNo); }
int TutMessage::YesNoCancel(unsigned int id, ...) { VKS_ASK(id, kYesNoCancel); }
int TutMessage::YesNoCancel(char const *format, ...) { VKS_ASK(format, kYesNoCancel); }
int TutMessage::RetryCancel(unsigned int id, ...) { VKS_ASK(id, kRetryCancel); }
int TutMessage::RetryCancel(char const *format, ...) { VKS_ASK(format, kRetryCancel); }

#undef VKS_ASK
#undef VKS_BOX
#undef VKS_FORMATTED_BOX

void TutMessage::Box(CException *e)
{
    PutUpMessageBox(GetExceptionText(e), kExclamation);
}

void TutMessage::Box(CException *e, HINSTANCE module, unsigned int id, ...)
{
    LoadStringA(module, id, m_szString, sizeof m_szString);
    char line[sizeof m_szText];
    va_list args;
    va_start(args, id);
    wvsprintfA(line, m_szString, args);
    va_end(args);
    // The line is held to its own buffer before the exception's text takes the string buffer.
    copyCut(m_szFormat, sizeof m_szFormat, line);
    wsprintfA(m_szText, "%s\n\n%s", m_szFormat, GetExceptionText(e));
    PutUpMessageBox(m_szText, kExclamation);
}

void TutMessage::Box(CException *e, char const *format, ...)
{
    char line[sizeof m_szText];
    va_list args;
    va_start(args, format);
    wvsprintfA(line, format ? format : "", args);
    va_end(args);
    copyCut(m_szFormat, sizeof m_szFormat, line);
    wsprintfA(m_szText, "%s\n\n%s", m_szFormat, GetExceptionText(e));
    PutUpMessageBox(m_szText, kExclamation);
}
