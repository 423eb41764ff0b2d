// TutWindowProfilePreference.
#include "settings/window_preference.h"

TutWindowProfilePreference::TutWindowProfilePreference(CWnd *window, TutPreferenceBase *parent,
                                                       TutProfileSection const &section)
    : TutPreferenceBase(parent),
      m_flags(this, section, "Window Flags", 0),
      m_showCommand(this, section, "Window Show Command", 1),
      m_xMinPosition(this, section, "Window X Min Position", 0),
      m_yMinPosition(this, section, "Window Y Min Position", 0),
      m_xMaxPosition(this, section, "Window X Max Position", 0),
      m_yMaxPosition(this, section, "Window Y Max Position", 0),
      m_leftNormal(this, section, "Window Left Normal Position", 0),
      m_topNormal(this, section, "Window Top Normal Position", 0),
      m_rightNormal(this, section, "Window Right Normal Position", 1),
      m_bottomNormal(this, section, "Window Bottom Normal Position", 1),
      m_pWnd(window),
      m_section(section)
{
}

TutWindowProfilePreference::TutWindowProfilePreference(TutWindowProfilePreference const &other)
    : TutPreferenceBase(other),
      m_flags(other.m_flags),
      m_showCommand(other.m_showCommand),
      m_xMinPosition(other.m_xMinPosition),
      m_yMinPosition(other.m_yMinPosition),
      m_xMaxPosition(other.m_xMaxPosition),
      m_yMaxPosition(other.m_yMaxPosition),
      m_leftNormal(other.m_leftNormal),
      m_topNormal(other.m_topNormal),
      m_rightNormal(other.m_rightNormal),
      m_bottomNormal(other.m_bottomNormal),
      m_pWnd(other.m_pWnd),
      m_section(other.m_section)
{
    // A copied child joins the node its original belongs to; these belong to the copy, or
    // saving the copy would save none of them and saving `other` would write both sets.
    adoptChildren();
}

TutWindowProfilePreference &TutWindowProfilePreference::operator=(
    TutWindowProfilePreference const &other)
{
    if (this == &other)
        return *this;
    m_flags = other.m_flags;
    m_showCommand = other.m_showCommand;
    m_xMinPosition = other.m_xMinPosition;
    m_yMinPosition = other.m_yMinPosition;
    m_xMaxPosition = other.m_xMaxPosition;
    m_yMaxPosition = other.m_yMaxPosition;
    m_leftNormal = other.m_leftNormal;
    m_topNormal = other.m_topNormal;
    m_rightNormal = other.m_rightNormal;
    m_bottomNormal = other.m_bottomNormal;
    m_pWnd = other.m_pWnd;
    m_section = other.m_section;
    return *this;
}

TutWindowProfilePreference::~TutWindowProfilePreference() = default;

void TutWindowProfilePreference::adoptChildren()
{
    // In table order, which is the order they save in.
    for (TutPreferenceBase *child :
         {static_cast<TutPreferenceBase *>(&m_flags), static_cast<TutPreferenceBase *>(&m_showCommand),
          static_cast<TutPreferenceBase *>(&m_xMinPosition),
          static_cast<TutPreferenceBase *>(&m_yMinPosition),
          static_cast<TutPreferenceBase *>(&m_xMaxPosition),
          static_cast<TutPreferenceBase *>(&m_yMaxPosition),
          static_cast<TutPreferenceBase *>(&m_leftNormal),
          static_cast<TutPreferenceBase *>(&m_topNormal),
          static_cast<TutPreferenceBase *>(&m_rightNormal),
          static_cast<TutPreferenceBase *>(&m_bottomNormal)})
        child->parent(this);
}

CWnd *TutWindowProfilePreference::window() const
{
    return m_pWnd;
}

void TutWindowProfilePreference::window(CWnd *window)
{
    m_pWnd = window;
}

TutProfileSection const &TutWindowProfilePreference::section() const
{
    return m_section;
}

void TutWindowProfilePreference::section(TutProfileSection const &section)
{
    m_section = section;
}

int TutWindowProfilePreference::exists() const
{
    return m_section.exists();
}

HWND TutWindowProfilePreference::liveWindow() const
{
    return m_pWnd && ::IsWindow(m_pWnd->m_hWnd) ? m_pWnd->m_hWnd : NULL;
}

void TutWindowProfilePreference::save()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (const HWND hwnd = liveWindow(); hwnd && ::GetWindowPlacement(hwnd, &placement)) {
        m_flags = static_cast<int>(placement.flags);
        m_showCommand = static_cast<int>(placement.showCmd);
        m_xMinPosition = placement.ptMinPosition.x;
        m_yMinPosition = placement.ptMinPosition.y;
        m_xMaxPosition = placement.ptMaxPosition.x;
        m_yMaxPosition = placement.ptMaxPosition.y;
        m_leftNormal = placement.rcNormalPosition.left;
        m_topNormal = placement.rcNormalPosition.top;
        m_rightNormal = placement.rcNormalPosition.right;
        m_bottomNormal = placement.rcNormalPosition.bottom;
    }
    TutPreferenceBase::save();
}

WINDOWPLACEMENT TutWindowProfilePreference::storedPlacement(bool hasParent) const
{
    // The stored flags and show command are read with the rest but not applied: a child is
    // shown normally and maximised or minimised afterwards, a top-level window stays hidden.
    m_flags.value();
    m_showCommand.value();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = hasParent ? WPF_SETMINPOSITION : 0;
    placement.showCmd = hasParent ? SW_SHOWNORMAL : SW_HIDE;
    // The keys hold 32-bit values, as the record's fields do.
    const auto field = [](LongPreference const &key) { return static_cast<LONG>(key.value()); };
    placement.ptMinPosition = {field(m_xMinPosition), field(m_yMinPosition)};
    placement.ptMaxPosition = {field(m_xMaxPosition), field(m_yMaxPosition)};
    placement.rcNormalPosition = {field(m_leftNormal), field(m_topNormal), field(m_rightNormal),
                                  field(m_bottomNormal)};
    return placement;
}

int TutWindowProfilePreference::restore()
{
    const HWND hwnd = liveWindow();
    if (!hwnd)
        return 0;
    if (m_section.exists()) {
        const bool hasParent = ::GetParent(hwnd) != NULL;
        const WINDOWPLACEMENT placement = storedPlacement(hasParent);
        if (const BOOL placed = ::SetWindowPlacement(hwnd, &placement)) {
            if (hasParent && m_showCommand.value() == SW_SHOWMAXIMIZED)
                ::PostMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            else if (hasParent && m_showCommand.value() == SW_SHOWMINIMIZED)
                ::PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return placed;
        }
    }
    m_pWnd->ShowWindow(m_showCommand.value());
    return 1;
}
