// A VKSLog.dll that lacks its last entry, VKSOpenBackupEventLog: binding it must fail. The 21
// entries it has never run; they only need to be found by name.
#define VKS_ENTRY(name) \
    extern "C" __attribute__((visibility("default"))) int name() { return 0; }

VKS_ENTRY(VKSGetWin95EventLogConfig)
VKS_ENTRY(VKSGetWin95LogFilename)
VKS_ENTRY(VKSSetWin95EventLogConfig)
VKS_ENTRY(VKSDeleteAllWin95LogFiles)
VKS_ENTRY(VKSInstallEventSourceConfig)
VKS_ENTRY(VKSUninstallEventSourceConfig)
VKS_ENTRY(VKSBindRing0EventLog)
VKS_ENTRY(VKSUnbindRing0EventLog)
VKS_ENTRY(VKSClearEventLog)
VKS_ENTRY(VKSDeregisterEventSource)
VKS_ENTRY(VKSRegisterEventSource)
VKS_ENTRY(VKSReportEvent)
VKS_ENTRY(VKSViewEventLog)
VKS_ENTRY(VKSGetLastError)
VKS_ENTRY(VKSCloseEventLog)
VKS_ENTRY(VKSGetNumberOfEventLogRecords)
VKS_ENTRY(VKSGetOldestEventLogRecord)
VKS_ENTRY(VKSOpenEventLog)
VKS_ENTRY(VKSReadEventLog)
VKS_ENTRY(VKSBackupEventLog)
VKS_ENTRY(VKSNotifyChangeEventLog)
