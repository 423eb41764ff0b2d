// TutDirectories and TutFiles: the product's directories and the full paths of its files.
#pragma once

#include "afx.h"

// Every text is computed on the first call and kept for the life of the process (a later call
// recomputes it only while it is still empty), so the pointers stay valid and a second call
// returns the same pointer without touching the file system. The first calls should happen
// before several threads use these operations at once: the caches are filled without a lock.
// Every directory text ends with a backslash.
class AFX_EXT_CLASS TutDirectories {
public:
    TutDirectories &operator=(TutDirectories const &) { return *this; }

    // The Windows directory, lower case ("c:\\windows\\").
    static char const *windows();
    // The system directory, lower case.
    static char const *system();
    // windows() + "vks32\\", created on first use when missing.
    static char const *company();
    // company() + "VELMORA\\", created on first use when missing.
    static char const *data();
    // The running executable's directory, lower case.
    static char const *application();
    // The user's documents folder; when the shell cannot give it, "My Documents" (string 8195)
    // at the root of the Windows directory's drive, created when missing.
    static char const *UserFiles();

    // Creates `path` together with any missing parents. 0 when the directory exists afterwards
    // (made now or already there), 1 when it could not be made.
    static int RMakeDir(CString path);
};

// For each file the product knows by name: the bare name and its full path (the directory
// named in the comment + the name). The activity-log names are patterns, filled in by callers.
class AFX_EXT_CLASS TutFiles {
public:
    TutFiles &operator=(TutFiles const &) { return *this; }

    // In the application directory.
    static char const *remoteInstallBoot();
    static char const *remoteInstallBootPath();
    static char const *vmw();
    static char const *vmwPath();
    static char const *loadVMW();
    static char const *loadVMWPath();
    static char const *modemNetTSR();
    static char const *modemNetTSRPath();
    static char const *modemTSR();
    static char const *modemTSRPath();
    static char const *netTSR();
    static char const *netTSRPath();
    static char const *everythingTSR();
    static char const *everythingTSRPath();
    static char const *connectSound();
    static char const *connectSoundPath();
    static char const *disconnectSound();
    static char const *disconnectSoundPath();
    static char const *dosFonts();
    static char const *dosFontsPath();
    static char const *hostOnlyMarker();
    static char const *hostOnlyMarkerPath();
    // One help file under two names.
    static char const *applicationHelp();
    static char const *applicationHelpPath();
    static char const *contextHelp();
    static char const *contextHelpPath();

    // In the Windows directory.
    static char const *winINI();
    static char const *winINIPath();
    static char const *systemINI();
    static char const *systemINIPath();
    static char const *loadRC();
    static char const *loadRCPath();
    static char const *unloadRC();
    static char const *unloadRCPath();

    // In the company directory.
    static char const *vksINI();
    static char const *vksINIPath();
    static char const *defaultModem();
    static char const *defaultModemPath();
    static char const *userModem();
    static char const *userModemPath();
    static char const *transitionDriver();
    static char const *transitionDriverPath();
    static char const *displayDriver();
    static char const *displayDriverPath();
    static char const *interruptDriver();
    static char const *interruptDriverPath();
    static char const *addressBook();
    static char const *addressBookPath();
    static char const *securityFile();
    static char const *securityFilePath();

    // In the data directory.
    static char const *vmwINI();
    static char const *vmwINIPath();
    // "VEL%02d%02d.LOG": two two-digit numbers to fill in.
    static char const *activityLog();
    static char const *activityLogPath();
    // "VEL????.LOG": a wildcard that finds the existing logs.
    static char const *activityLogSearch();
    static char const *activityLogSearchPath();
    static char const *modemLog();
    static char const *modemLogPath();
};
