// TutProfile: a handle that names one INI file, and the process-wide well-known profiles.
#pragma once

#include "afx.h"

// A profile holds its path and nothing else: no open file, no cache. Every operation on a
// section or key of the profile goes to the file at `name()` at the moment of the call.
class AFX_EXT_CLASS TutProfile {
public:
    TutProfile();
    TutProfile(char const *path);
    TutProfile(TutProfile const &other);
    TutProfile &operator=(TutProfile const &other);
    ~TutProfile();

    // The path every operation uses: the override's path while an override is installed, else
    // the profile's own path.
    char const *name() const;
    // Sets the profile's own path (null: empty).
    void name(char const *path);

    // The well-known profiles, created on first use; each reference stays valid until
    // Cleanup(). Their paths are fixed at the first call:
    //   windows()       Windows directory + "win.ini"
    //   system()        Windows directory + "system.ini"
    //   company()       company directory + "vks.ini"
    //   application()   data directory + "VELMORA.INI"
    //   defaultModems() company directory + "vksmodem.ini"
    //   userModems()    company directory + "vksusrmd.ini"
    static TutProfile const &windows();
    static TutProfile const &system();
    static TutProfile const &company();
    static TutProfile const &application();
    static TutProfile const &defaultModems();
    static TutProfile const &userModems();

    // Installs `profile` as the override (null removes it): while it is installed every
    // operation of every profile, the well-known ones included, goes to the override's file.
    // The pointer is kept as given; the caller keeps the object alive while it is installed.
    // The setting is process-wide and takes no lock.
    static void setOverride(TutProfile *profile);
    static TutProfile *getOverride();

    // Frees the well-known profiles (the override is left alone); a later accessor call makes
    // the profile again. Called when the library unloads.
    static void Cleanup();

private:
    CString m_strPath;

    static TutProfile *m_pprofWindows;
    static TutProfile *m_pprofSystem;
    static TutProfile *m_pprofCompany;
    static TutProfile *m_pprofApplication;
    static TutProfile *m_pprofDefaultModems;
    static TutProfile *m_pprofUserModems;
    static TutProfile *m_pprofOverride;
};
