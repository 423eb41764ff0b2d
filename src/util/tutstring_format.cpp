// TutString: formatting in the platform's wvsprintfA language.
#include "tutstring.h"

#include <cstdarg>

#include "windows.h"

namespace {

// wvsprintfA never writes more than this, NUL included, so a longer result is seen here
// without anything written past the buffer.
constexpr int kFormatBuffer = 1024;
// The longest text a formatted TutString may hold.
constexpr int kLongestFormatted = 511;

}  // namespace

TutString &TutString::vprintf(char const *format, void *args)
{
    if (!format || !args)
        return *this;
    char formatted[kFormatBuffer];
    formatted[0] = '\0';
    va_list argList;
    va_copy(argList, *static_cast<va_list *>(args));
    wvsprintfA(formatted, format, argList);
    va_end(argList);
    formatted[kFormatBuffer - 1] = '\0';
    int length = lstrlenA(formatted);
    if (length > kLongestFormatted)
        AfxThrowMemoryException();
    m_strText = CString(formatted, length);
    return *this;
}

TutString &TutString::vprintf(TutString const &format, void *args)
{
    return vprintf(static_cast<char const *>(format), args);
}

TutString &TutString::printf(char const *format, ...)
{
    va_list args;
    va_start(args, format);
    try {
        vprintf(format, &args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
    return *this;
}

TutString &TutString::printf(unsigned int id, ...)
{
    TutString format(id, NULL, TRUE);
    va_list args;
    va_start(args, id);
    try {
        vprintf(format, &args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
    return *this;
}
