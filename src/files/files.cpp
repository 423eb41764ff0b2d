#include "files/directories.h"

namespace {

// Filled on the first call, and again later only while still empty.
char const *pathIn(CString &slot, char const *directory, char const *name)
{
    if (slot.IsEmpty())
        slot = CString(directory) + name;
    return slot;
}

}  // namespace

char const *TutFiles::remoteInstallBoot() { return "vmriboot.com"; }
char const *TutFiles::remoteInstallBootPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), remoteInstallBoot());
}

char const *TutFiles::vmw() { return "vmw.exe"; }
char const *TutFiles::vmwPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), vmw());
}

char const *TutFiles::loadVMW() { return "vmwload.exe"; }
char const *TutFiles::loadVMWPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), loadVMW());
}

char const *TutFiles::modemNetTSR() { return "qdcom01.exe"; }
char const *TutFiles::modemNetTSRPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), modemNetTSR());
}

char const *TutFiles::modemTSR() { return "qdcom02.exe"; }
char const *TutFiles::modemTSRPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), modemTSR());
}

char const *TutFiles::netTSR() { return "qdcom03.exe"; }
char const *TutFiles::netTSRPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), netTSR());
}

char const *TutFiles::everythingTSR() { return "qdcom04.exe"; }
char const *TutFiles::everythingTSRPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), everythingTSR());
}

char const *TutFiles::connectSound() { return "connect.wav"; }
char const *TutFiles::connectSoundPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), connectSound());
}

char const *TutFiles::disconnectSound() { return "disconn.wav"; }
char const *TutFiles::disconnectSoundPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), disconnectSound());
}

char const *TutFiles::dosFonts() { return "vksrcdos.fon"; }
char const *TutFiles::dosFontsPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), dosFonts());
}

char const *TutFiles::hostOnlyMarker() { return "vksrg10.dll"; }
char const *TutFiles::hostOnlyMarkerPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), hostOnlyMarker());
}

char const *TutFiles::applicationHelp() { return "velmora.hlp"; }
char const *TutFiles::applicationHelpPath()
{
    static CString path;
    return pathIn(path, TutDirectories::application(), applicationHelp());
}

// The context help is the application's help file under another name.
char const *TutFiles::contextHelp() { return applicationHelp(); }
char const *TutFiles::contextHelpPath() { return applicationHelpPath(); }

char const *TutFiles::winINI() { return "win.ini"; }
char const *TutFiles::winINIPath()
{
    static CString path;
    return pathIn(path, TutDirectories::windows(), winINI());
}

char const *TutFiles::systemINI() { return "system.ini"; }
char const *TutFiles::systemINIPath()
{
    static CString path;
    return pathIn(path, TutDirectories::windows(), systemINI());
}

char const *TutFiles::loadRC() { return "loadrc.bat"; }
char const *TutFiles::loadRCPath()
{
    static CString path;
    return pathIn(path, TutDirectories::windows(), loadRC());
}

char const *TutFiles::unloadRC() { return "unloadrc.bat"; }
char const *TutFiles::unloadRCPath()
{
    static CString path;
    return pathIn(path, TutDirectories::windows(), unloadRC());
}

char const *TutFiles::vksINI() { return "vks.ini"; }
char const *TutFiles::vksINIPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), vksINI());
}

char const *TutFiles::defaultModem() { return "vksmodem.ini"; }
char const *TutFiles::defaultModemPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), defaultModem());
}

char const *TutFiles::userModem() { return "vksusrmd.ini"; }
char const *TutFiles::userModemPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), userModem());
}

char const *TutFiles::transitionDriver() { return "vmrcvxd.386"; }
char const *TutFiles::transitionDriverPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), transitionDriver());
}

char const *TutFiles::displayDriver() { return "vmvideo.drv"; }
char const *TutFiles::displayDriverPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), displayDriver());
}

char const *TutFiles::interruptDriver() { return "vksvid.386"; }
char const *TutFiles::interruptDriverPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), interruptDriver());
}

char const *TutFiles::addressBook() { return "velmora.pbk"; }
char const *TutFiles::addressBookPath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), addressBook());
}

char const *TutFiles::securityFile() { return "velmora.pwd"; }
char const *TutFiles::securityFilePath()
{
    static CString path;
    return pathIn(path, TutDirectories::company(), securityFile());
}

char const *TutFiles::vmwINI() { return "VELMORA.INI"; }
char const *TutFiles::vmwINIPath()
{
    static CString path;
    return pathIn(path, TutDirectories::data(), vmwINI());
}

char const *TutFiles::activityLog() { return "VEL%02d%02d.LOG"; }
char const *TutFiles::activityLogPath()
{
    static CString path;
    return pathIn(path, TutDirectories::data(), activityLog());
}

char const *TutFiles::activityLogSearch() { return "VEL????.LOG"; }
char const *TutFiles::activityLogSearchPath()
{
    static CString path;
    return pathIn(path, TutDirectories::data(), activityLogSearch());
}

char const *TutFiles::modemLog() { return "modem.log"; }
char const *TutFiles::modemLogPath()
{
    static CString path;
    return pathIn(path, TutDirectories::data(), modemLog());
}
