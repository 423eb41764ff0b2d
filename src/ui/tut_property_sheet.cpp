// TutPropertySheet: its buttons, the commit of its pages, OK and Apply.
#include "ui/tut_property_sheet.h"

#include "util/startup.h"
#include "util/tutstring.h"

IMPLEMENT_DYNAMIC(TutPropertySheet, CPropertySheet)

namespace {

constexpr unsigned int kCloseText = 8593;
constexpr unsigned int kHelpText = 8594;
// The standard buttons in slot order; a slot's hide flag is 1 << slot.
constexpr int kButtonIds[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};
constexpr int kSlots = 4;

ULONG sheetHelpMap[] = {IDHELP, 39900, ID_APPLY_NOW, 39902, 0, 0};

TutPropertyPage *asTutPage(CPropertyPage *page)
{
    if (!page || !page->IsKindOf(RUNTIME_CLASS(TutPropertyPage)))
        return NULL;
    return static_cast<TutPropertyPage *>(page);
}

}  // namespace

TutPropertySheet::TutPropertySheet(unsigned int nIDCaption, CWnd *pParentWnd,
                                   unsigned int iSelectPage, unsigned int buttonFlags)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage),
      m_nQHelpID(0),
      m_nHelpID(0),
      m_nReserved(0),
      m_nButtonFlags(buttonFlags)
{
    // The Help button exists on every sheet; the flags decide whether it shows.
    m_psh.dwFlags |= PSH_HASHELP;
}

TutPropertySheet::TutPropertySheet(char const *pszCaption, CWnd *pParentWnd,
                                   unsigned int iSelectPage, unsigned int buttonFlags)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage),
      m_nQHelpID(0),
      m_nHelpID(0),
      m_nReserved(0),
      m_nButtonFlags(buttonFlags)
{
    m_psh.dwFlags |= PSH_HASHELP;
}

TutPropertySheet::~TutPropertySheet() = default;

BOOL TutPropertySheet::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    UpdateButtons();
    return result;
}

void TutPropertySheet::UpdateButtons()
{
    SetDlgItemText(IDHELP, TutString(kHelpText, utLibraryInstance(), 0));
    HWND buttons[kSlots] = {};
    RECT places[kSlots] = {};
    for (int slot = 0; slot < kSlots; ++slot) {
        buttons[slot] = ::GetDlgItem(m_hWnd, kButtonIds[slot]);
        if (!buttons[slot])
            continue;
        ::GetWindowRect(buttons[slot], &places[slot]);
        if (slot == 0 && (m_nButtonFlags & OKIsClose))
            ::SetWindowTextA(buttons[slot], TutString(kCloseText, utLibraryInstance(), 1));
        if (m_nButtonFlags & (1u << slot)) {
            ::ShowWindow(buttons[slot], SW_HIDE);
            buttons[slot] = NULL;
        }
    }
    // The shown buttons keep their order and take the rightmost places.
    int target = kSlots - 1;
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        if (!buttons[slot])
            continue;
        if (slot != target) {
            RECT place = places[target];
            ScreenToClient(&place);
            ::MoveWindow(buttons[slot], place.left, place.top, place.right - place.left,
                         place.bottom - place.top, TRUE);
        }
        --target;
    }
    // The first shown button starts a group at the top of the tab order; the others follow it.
    HWND previous = NULL;
    for (HWND button : buttons) {
        if (!button)
            continue;
        const LONG style = ::GetWindowLongA(button, GWL_STYLE);
        if (!previous) {
            ::SetWindowLongA(button, GWL_STYLE, style | WS_GROUP);
            ::SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        } else {
            ::SetWindowLongA(button, GWL_STYLE, style & ~WS_GROUP);
            ::SetWindowPos(button, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
        previous = button;
    }
}

int TutPropertySheet::CommitData()
{
    int committed = 1;
    for (int i = 0; i < GetPageCount(); ++i) {
        TutPropertyPage *page = asTutPage(GetPage(i));
        if (page && page->GetSafeHwnd() && !page->CommitPageData())
            committed = 0;
    }
    return committed;
}

int TutPropertySheet::HasCuecard() const
{
    // Asking for a map changes nothing, but the calls are not const.
    auto *self = const_cast<TutPropertySheet *>(this);
    int has = self->GetHelpMap() ? 1 : 0;
    for (int i = 0; i < GetPageCount(); ++i) {
        TutPropertyPage *page = asTutPage(GetPage(i));
        if (page && page->GetHelpMap())
            has = 1;
    }
    return has;
}

ULONG *TutPropertySheet::GetHelpMap()
{
    return sheetHelpMap;
}

void TutPropertySheet::OnOK()
{
    CPropertyPage *active = GetActivePage();
    if (!active)
        return;
    if (TutPropertyPage *page = asTutPage(active))
        page->UpdateDefault(0);
    // Enter on a page with a default button of its own presses that button. A page without a
    // default one has nothing to press, so OK goes on to close.
    const DWORD defId = static_cast<DWORD>(active->SendMessage(DM_GETDEFID));
    if (HIWORD(defId) == DC_HASDEFID && LOWORD(defId) != IDOK) {
        active->SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(defId), BN_CLICKED));
        return;
    }
    if (!CommitData() || !active->OnKillActive())
        return;
    active->OnOK();
    if (!(m_psh.dwFlags & PSH_MODELESS))
        EndDialog(IDOK);
}

void TutPropertySheet::OnApplyNow()
{
    CommitData();
    if (const HWND ok = ::GetDlgItem(m_hWnd, IDOK))
        ::SetFocus(ok);
}

long TutPropertySheet::SetStyle(CWnd *pWnd, unsigned long style)
{
    if (!pWnd)
        return 0;
    return ::SetWindowLongA(pWnd->GetSafeHwnd(), GWL_STYLE, static_cast<LONG>(style));
}
