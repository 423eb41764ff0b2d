// TutPropertySheet and TutPropertyPage: the base classes of the product's tabbed dialogs.
#pragma once

#include "afxdlgs.h"
#include "ui/cuecard_owner.h"

// On top of CPropertySheet: chooses which standard buttons (OK, Cancel, Apply, Help) show and
// packs them to the right, can label OK "閉じる", commits every page's data before it closes,
// lets a page keep its own default button, and joins the help system (the caption's help
// button, F1 and right click on the buttons, Quick Steps on activation, the cue card closed
// when it goes).
class AFX_EXT_CLASS TutPropertySheet : public CPropertySheet, public TutCuecardOwner {
    DECLARE_DYNAMIC(TutPropertySheet)
public:
    // Button flags.
    enum {
        HideOK = 0x1,
        HideCancel = 0x2,
        HideApply = 0x4,
        HideHelp = 0x8,
        OKIsClose = 0x10,
    };

    // Caption by string id or text, parent, the page shown first, button flags.
    TutPropertySheet(unsigned int nIDCaption, CWnd *pParentWnd = NULL, unsigned int iSelectPage = 0,
                     unsigned int buttonFlags = 0);
    TutPropertySheet(char const *pszCaption, CWnd *pParentWnd = NULL, unsigned int iSelectPage = 0,
                     unsigned int buttonFlags = 0);
    // Defined in the library, as the DLL exports the destructor of a class it exports.
    ~TutPropertySheet() override;

    void SetHelpID(unsigned int id) { m_nHelpID = id; }
    void SetQHelpID(unsigned int id) { m_nQHelpID = id; }

    // Applies the button flags: Help's text, OK's label, hidden buttons, the shown ones packed
    // into the rightmost places in their order, and their tab order from the first shown one.
    void UpdateButtons();

    // CommitPageData of every page whose window exists, in page order, all of them even after a
    // failure; 1 when all succeeded (also without pages), else 0.
    virtual int CommitData();
    // 1 when any page's or the sheet's own help map is not null; every page is asked.
    int HasCuecard() const override;
    // The sheet's map: Help and Apply to their topics.
    virtual ULONG *GetHelpMap();
    // OK: a page whose default button is another one gets that button's command instead (Enter
    // on the page); else the pages are committed and the active page left, and the sheet ends
    // with IDOK (a modeless sheet stays).
    virtual void OnOK();
    // Apply: the pages are committed, then the focus goes to OK.
    virtual void OnApplyNow();

    // Replaces the window's style word and returns the old one.
    static long SetStyle(CWnd *pWnd, unsigned long style);

    // The framework's initialisation, then UpdateButtons.
    BOOL OnInitDialog() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
    void OnContextMenu(CWnd *pWnd, CPoint point) override;
    void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized) override;
    void OnDestroy() override;

private:
    void OnRButtonUp(LPARAM lParam);

    unsigned int m_nQHelpID;
    unsigned int m_nHelpID;
    unsigned int m_nReserved;
    unsigned int m_nButtonFlags;
};

// On top of CPropertyPage: the waiting state, update counter, push-button operations and Abort
// of TutDialog, a commit hook the sheet calls, help maps, and its own default button.
class AFX_EXT_CLASS TutPropertyPage : public CPropertyPage {
    DECLARE_DYNCREATE(TutPropertyPage)
public:
    // Updates start disabled (see EnableUpdates), not waiting.
    TutPropertyPage();
    explicit TutPropertyPage(unsigned int nIDTemplate);
    TutPropertyPage(unsigned int nIDTemplate, unsigned int nIDCaption);
    TutPropertyPage(char const *lpszTemplateName, unsigned int nIDCaption);

    // As TutDialog's.
    void Wait(int wait);
    void Continue() { Wait(0); }
    int IsWaiting() const { return m_nWaiting; }
    void EnableUpdates(int enable) { m_nUpdateDisable += enable ? -1 : 1; }
    void DisableUpdates() { EnableUpdates(0); }
    int UpdatesEnabled() const { return m_nUpdateDisable == 0 ? 1 : 0; }
    void Enable(int enable) { EnableWindow(enable); }
    void Disable() { Enable(0); }
    int IsEnabled() const { return IsWindowEnabled(); }
    void RepaintPushButton(HWND hWnd);
    void RepaintPushButton(CWnd *pWnd);
    void RepaintPushButtons();
    void ResetDisabledFocus(CWnd *pWnd);

    // Stores the page's data; 1 here. Pages override it and return 0 when they cannot.
    virtual int CommitPageData();
    // Reports the exception under "Error In Dialog", deletes it when deleteException is
    // nonzero, and ends the sheet with IDCANCEL; updates are disabled first.
    virtual void Abort(CException *e, int deleteException);
    // The page's help map; null here.
    virtual ULONG *GetHelpMap();

    // Makes nID (0: the page's current default) the page's default button while the focus is on
    // the page; gives OK the default look and the page's default when OK has the focus.
    void UpdateDefault(unsigned int nID);

    // The framework's initialisation, then centred on the parent (the sheet places the page
    // afterwards).
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message) override;
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
    void OnContextMenu(CWnd *pWnd, CPoint point) override;

private:
    int m_nWaiting;
    int m_nUpdateDisable;
    // Its meaning is not settled; it starts at 0 and nothing reads it yet.
    [[maybe_unused]] int m_nReserved;
};
