// TutWindowProfilePreference: a window's placement kept in ten keys of one profile section.
#pragma once

#include "afxwin.h"
#include "settings/preference_value.h"
#include "settings/profile_section.h"

// A preference node whose ten children are the placement's values, one key each:
// "Window Flags", "Window Show Command", the minimised and maximised positions and the normal
// rectangle. save() takes the window's current placement into the children and writes them the
// way preferences write; restore() applies the stored placement to the window.
class AFX_EXT_CLASS TutWindowProfilePreference : public TutPreferenceBase {
public:
    // Joins `parent` (may be null) and builds the ten children in `section`. Nothing is read.
    TutWindowProfilePreference(CWnd *window, TutPreferenceBase *parent,
                               TutProfileSection const &section);
    // A sibling of `other` (same parent and flags) whose ten children, copies of other's, belong
    // to the copy: saving the copy saves its own values, and saving `other` writes only its own.
    TutWindowProfilePreference(TutWindowProfilePreference const &other);
    // Takes other's ten values (reading them where they are not yet valid), each assigned as a
    // preference assigns, then its window and section; the flags, the parent and the children's
    // keys stay this object's own.
    TutWindowProfilePreference &operator=(TutWindowProfilePreference const &other);
    ~TutWindowProfilePreference() override;

    CWnd *window() const;
    void window(CWnd *window);
    TutProfileSection const &section() const;
    // Replaces the stored section only, which exists() tests; the ten keys keep the section they
    // were built with.
    void section(TutProfileSection const &section);
    // TRUE when the stored section holds at least one key.
    int exists() const;

    // Takes the live window's placement into the children, then saves as a node saves.
    void save() override;
    // Applies the stored placement (0 for no live window). A window with a parent is placed and
    // shown normally, then sent the maximise or minimise system command the stored show command
    // asks for; a top-level window is placed and left hidden. Without stored keys, or when the
    // placement fails, the window is shown with the stored show command and the result is 1.
    virtual int restore();

private:
    using IntPreference = TutProfilePreference<TutProfileIOInt, int>;
    using LongPreference = TutProfilePreference<TutProfileIOLong, long>;

    HWND liveWindow() const;
    void adoptChildren();
    WINDOWPLACEMENT storedPlacement(bool hasParent) const;

    IntPreference m_flags;
    IntPreference m_showCommand;
    LongPreference m_xMinPosition;
    LongPreference m_yMinPosition;
    LongPreference m_xMaxPosition;
    LongPreference m_yMaxPosition;
    LongPreference m_leftNormal;
    LongPreference m_topNormal;
    LongPreference m_rightNormal;
    LongPreference m_bottomNormal;
    CWnd *m_pWnd;
    TutProfileSection m_section;
};
