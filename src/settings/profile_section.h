// TutProfileSection: a handle that names one section of an INI file.
#pragma once

#include "afx.h"

#include "settings/profile.h"

class AFX_EXT_CLASS TutProfileSection {
public:
    TutProfileSection();
    TutProfileSection(TutProfile const &profile, char const *name);
    TutProfileSection(TutProfileSection const &other);
    TutProfileSection &operator=(TutProfileSection const &other);
    ~TutProfileSection();

    TutProfile &profile();
    TutProfile const &profile() const;
    void profile(TutProfile const &profile);

    char const *name() const;
    // Sets the section name (null: empty).
    void name(char const *name);

    // TRUE when the section holds at least one key; a section header without keys, like a
    // missing section or file, gives FALSE.
    int exists() const;
    // Removes the section with all its keys.
    void remove() const;

    // Nothing to free; called when the library unloads.
    static void Cleanup();

private:
    TutProfile m_profile;
    CString m_strName;
};
