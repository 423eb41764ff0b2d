// TutLoggerPrefs: the user's logging choices, as the product hands them to TutLogger.
#pragma once

#include "afxdefs.h"

// Eight 32-bit values in this order: seven switches used as booleans, then the largest number
// of log files.
struct TutLoggerPrefs {
    TutLoggerPrefs(int enableLogging, int logSecurity, int logCallbacks, int logConnections,
                   int transferSummary, int transferDetails, int modemStrings, int maxLogFiles)
        : m_bEnableLogging(enableLogging),
          m_bLogSecurity(logSecurity),
          m_bLogCallbacks(logCallbacks),
          m_bLogConnections(logConnections),
          m_bTransferSummary(transferSummary),
          m_bTransferDetails(transferDetails),
          m_bModemStrings(modemStrings),
          m_MaxLogFiles(maxLogFiles)
    {
    }
    TutLoggerPrefs &operator=(TutLoggerPrefs const &) = default;

    int m_bEnableLogging;
    int m_bLogSecurity;
    int m_bLogCallbacks;
    int m_bLogConnections;
    int m_bTransferSummary;
    int m_bTransferDetails;
    int m_bModemStrings;
    int m_MaxLogFiles;
};
