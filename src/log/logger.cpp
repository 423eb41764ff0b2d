// TutLogger's lifecycle: the first logger opens the product's event source, the last one closes
// it and releases the event-log library.
#include "log/logger.h"

#include "util/startup.h"

void *TutLogger::m_hFile = nullptr;
unsigned int TutLogger::m_unLogUserCount = 0;

namespace {

// Whether the event-log library, bound, has just refused the product's source as not installed.
bool sourceWasRefusedAsMissing()
{
    return TutLogger::g_nR3LReferenceCount > 0 &&
           TutLogger::g_pfnGetLastError(TutLogger::m_hFile) == ERROR_FILE_NOT_FOUND;
}

}  // namespace

TutLogger::TutLogger()
{
    if (!m_hFile) {
        RegisterEventLog(FALSE);
        openLogFile();
        // A source that counts as registered yet lacks the rest of its key (left half way by
        // an installer that stopped) is installed again rather than leaving the log closed.
        if (!m_hFile && sourceWasRefusedAsMissing()) {
            RegisterEventLog(TRUE);
            openLogFile();
        }
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
