// TutLogger's lifecycle: the first logger opens the product's event source, the last one closes
// it and releases the event-log library.
#include "log/logger.h"

#include "util/startup.h"

void *TutLogger::m_hFile = nullptr;
unsigned int TutLogger::m_unLogUserCount = 0;

TutLogger::TutLogger()
{
    if (!m_hFile) {
        RegisterEventLog(FALSE);
        openLogFile();
    }
    if (m_hFile)
        ++m_unLogUserCount;
}

TutLogger::~TutLogger()
{
    if (!m_hFile)
        return;
    if (m_unLogUserCount == 0 || --m_unLogUserCount == 0)
        closeLogFile();
}

void TutLogger::openLogFile()
{
    CString productName;
    utProductName(productName);
    if (CheckBindLibrary(nullptr))
        m_hFile = g_pfnRegisterEventSource(nullptr, productName);
}

void TutLogger::closeLogFile()
{
    if (!m_hFile)
        return;
    g_pfnDeregisterEventSource(m_hFile);
    m_hFile = nullptr;
    UnbindLibrary();
}

int TutLogger::isOpen() const
{
    return m_hFile != nullptr;
}

int TutLogger::isValid() const
{
    return isOpen();
}

DWORD TutLogger::ViewEventLog()
{
    if (!m_hFile)
        return ERROR_OPEN_FAILED;
    if (g_pfnViewEventLog(m_hFile))
        return 0;
    return g_pfnGetLastError(m_hFile);
}
