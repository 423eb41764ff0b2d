// TutLogger's writes: each line is one event of the product's source.
#include "log/logger.h"

#include "util/startup.h"
#include "util/tutstring.h"

namespace {

constexpr WORD kInformation = 4;
// Messages of the library's event-log message table.
constexpr DWORD kTextMessage = 0x4000006D;
constexpr DWORD kBannerMessage = 0x4000006F;

}  // namespace

void TutLogger::Write(WORD type, WORD category, DWORD eventId, char const **strings, WORD count)
{
    if (!m_hFile)
        return;
    if (!g_pfnReportEvent(m_hFile, type, category, eventId, nullptr, count, 0, strings, nullptr))
        g_pfnGetLastError(m_hFile);
}

void TutLogger::WriteString(char const *text)
{
    // The event-log library reads every insert: a null one becomes an empty line.
    char const *strings[] = {text ? text : ""};
    Write(kInformation, 0, kTextMessage, strings, 1);
}

void TutLogger::WriteString(TutString &text)
{
    WriteString(static_cast<char const *>(text));
}

void TutLogger::WriteTimeString(char const *text)
{
    WriteString(text);
}

void TutLogger::WriteTimeString(TutString &text)
{
    WriteString(text);
}

void TutLogger::WriteHeaderString()
{
    CString productName;
    char const *strings[] = {utProductName(productName)};
    Write(kInformation, 0, kBannerMessage, strings, 1);
}
