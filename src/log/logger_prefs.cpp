// TutLogger's switches: the user's logging choices and the queries that honour the master
// switch.
#include "log/logger.h"

int TutLogger::m_bEnableLogging = 0;
int TutLogger::m_bLogSecurity = 0;
int TutLogger::m_bLogCallbacks = 0;
int TutLogger::m_bLogConnections = 0;
int TutLogger::m_bTransferSummary = 0;
int TutLogger::m_bTransferDetails = 0;
int TutLogger::m_bModemStrings = 0;
int TutLogger::m_MaxLogFiles = 10;

namespace {

// A kind of activity is logged only under the master switch; any non-zero switch reads as 1.
int switchedOn(int kindSwitch)
{
    return TutLogger::m_bEnableLogging && kindSwitch ? 1 : 0;
}

}  // namespace

void TutLogger::SetPreferences(TutLoggerPrefs const &prefs)
{
    m_bEnableLogging = prefs.m_bEnableLogging;
    m_bLogSecurity = prefs.m_bLogSecurity;
    m_bLogCallbacks = prefs.m_bLogCallbacks;
    m_bLogConnections = prefs.m_bLogConnections;
    m_bTransferSummary = prefs.m_bTransferSummary;
    m_bTransferDetails = prefs.m_bTransferDetails;
    m_bModemStrings = prefs.m_bModemStrings;
    m_MaxLogFiles = prefs.m_MaxLogFiles;
}

int TutLogger::EnableLogging()
{
    return m_bEnableLogging;
}

int TutLogger::LogSecurity()
{
    return switchedOn(m_bLogSecurity);
}

int TutLogger::LogCallbacks()
{
    return switchedOn(m_bLogCallbacks);
}

int TutLogger::LogConnections()
{
    return switchedOn(m_bLogConnections);
}

int TutLogger::TransferSummary()
{
    return switchedOn(m_bTransferSummary);
}

int TutLogger::TransferDetails()
{
    return switchedOn(m_bTransferDetails);
}

int TutLogger::ModemStrings()
{
    return switchedOn(m_bModemStrings);
}
