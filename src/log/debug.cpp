// TutDebug: one trace context.
#include "log/debug.h"

#include <cstdarg>
#include <cstring>
#include <fstream>
#include <string>

#include "format/win_stream.h"
#include "vkspath.h"
#include "windows.h"

namespace {

// wvsprintfA never writes more than this, NUL included.
constexpr int kFormatBuffer = 1024;
constexpr int kSharedBufferSize = 512;

// Kept for the life of the process, shared by every context without a lock.
char *sharedFormatBuffer()
{
    static char buffer[kSharedBufferSize];
    return buffer;
}

// The length of `text` cut to at most `limit` bytes without splitting a double-byte character.
int cutLength(char const *text, int limit)
{
    int length = 0;
    while (text[length] && length < limit) {
        int width = IsDBCSLeadByte(static_cast<BYTE>(text[length])) && text[length + 1] ? 2 : 1;
        if (length + width > limit)
            break;
        length += width;
    }
    return length;
}

// A file the drive map cannot place gets a stream that never opened, so writes are dropped.
std::ostream *openFileStream(char const *fileName)
{
    auto *file = new std::ofstream;
    DWORD needed = VksHostPathOf(fileName, nullptr, 0);
    if (needed == 0) {
        file->setstate(std::ios::failbit);
        return file;
    }
    std::string hostPath(needed, '\0');
    hostPath.resize(VksHostPathOf(fileName, hostPath.data(), needed));
    file->open(hostPath, std::ios::out | std::ios::trunc);
    return file;
}

}  // namespace

TutDebug::TutDebug(char const *fileName, int tracing)
    : m_pStream(fileName ? openFileStream(fileName) : new TutWinStream),
      m_bTracing(tracing),
      m_bMemTracing(0)
{
}

TutDebug::~TutDebug()
{
    m_pStream->flush();
    delete m_pStream;
    m_pStream = nullptr;
    m_bTracing = 0;
    m_bMemTracing = 0;
}

char const *TutDebug::nameOf()
{
    return "TutDebug";
}

int TutDebug::isValid() const
{
    return m_pStream != nullptr;
}

std::ostream &TutDebug::stream()
{
    return *m_pStream;
}

int TutDebug::isTracing() const
{
    return m_bTracing;
}

void TutDebug::setTracing(int on)
{
    m_bTracing = on;
}

int TutDebug::isMemTracing() const
{
    return m_bMemTracing;
}

void TutDebug::setMemTracing(int on)
{
    if (on && !m_bTracing) {
        *m_pStream << "WARNING: Memory tracing enabled while trace messages are disabled."
                   << std::endl
                   << " Enable trace messages with TRACE_ON to display memory allocation messages."
                   << std::endl;
    }
    m_bMemTracing = on;
}

void TutDebug::trace(char const *file, unsigned int line, void const *object,
                     char const *message)
{
    if (!m_bTracing)
        return;
    *m_pStream << "[" << (file ? file : "") << ":" << std::dec << line << "] ";
    if (object)
        *m_pStream << " {this = " << object << "} ";
    if (message)
        *m_pStream << message << std::endl;
}

void TutDebug::vprintf(char const *format, void const *arguments)
{
    if (!format || !arguments)
        return;
    // Formatted apart first: wvsprintfA may write twice what the shared buffer holds.
    char formatted[kFormatBuffer];
    formatted[0] = '\0';
    va_list argList;
    va_copy(argList, *static_cast<va_list *>(const_cast<void *>(arguments)));
    wvsprintfA(formatted, format, argList);
    va_end(argList);
    formatted[kFormatBuffer - 1] = '\0';

    char *shared = sharedFormatBuffer();
    const int length = cutLength(formatted, kSharedBufferSize - 1);
    std::memcpy(shared, formatted, length);
    shared[length] = '\0';
    *m_pStream << shared;
}

void TutDebug::dump(std::ostream &out) const
{
    out << "TutDebug" << "  {this = " << static_cast<void const *>(this) << "}" << std::endl;
    out << "streamPtr" << " = " << static_cast<void const *>(m_pStream) << std::endl;
    out << "tracing" << " = " << std::dec << m_bTracing << std::endl;
    out << "memTracing" << " = " << std::dec << m_bMemTracing << std::endl;
}
