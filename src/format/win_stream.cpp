#include "format/win_stream.h"

#include "windows.h"

namespace {

constexpr int kLineBufferSize = 512;
// A line feed, a carriage return and the terminator must always fit behind the held text.
constexpr int kMostHeldCharacters = kLineBufferSize - 3;

char lineBuffer[kLineBufferSize];
int writePosition = 0;

void sendHeldText()
{
    lineBuffer[writePosition] = '\0';
    OutputDebugStringA(lineBuffer);
    writePosition = 0;
}

}  // namespace

char const TutWinStream::className[] = "TutWinStream";

TutWinBuf::TutWinBuf()
{
    setp(nullptr, nullptr);
}

TutWinBuf::~TutWinBuf() = default;

TutWinBuf::int_type TutWinBuf::overflow(int_type ch)
{
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        const char c = traits_type::to_char_type(ch);
        OutputString(&c, 1);
    }
    return 1;
}

// Not 1: with no get area, a reader told that a character is waiting would read through a null
// pointer.
TutWinBuf::int_type TutWinBuf::underflow()
{
    return traits_type::eof();
}

void TutWinBuf::OutputString(char const *text, int)
{
    const char c = text[0];
    if (c != '\n' && writePosition == kMostHeldCharacters)
        sendHeldText();
    lineBuffer[writePosition++] = c;
    if (c == '\n') {
        lineBuffer[writePosition++] = '\r';
        sendHeldText();
    }
}

TutWinStream::TutWinStream() : std::ostream(nullptr)
{
    init(&m_buf);
}

TutWinStream::~TutWinStream() = default;

char const *TutWinStream::nameOf()
{
    return className;
}
