// TutDialog: the base class of the product's dialog boxes.
#pragma once

#include "afxwin.h"
#include "ui/cuecard_owner.h"
#include "ui/dialog_observer.h"

// On top of CDialog: centred on its parent, the product placeholders of its title expanded,
// tied into the help system (the caption's help button when it has a help map, F1 and right
// click on controls, the Help button, Quick Steps on activation, the cue card closed when it
// goes), a waiting state with the hourglass, a counter that holds change handling off while
// controls are filled, the default-button look of push buttons kept right, a standard way to
// give up after an error, and an observer told of its creation, first paint and destruction.
class AFX_EXT_CLASS TutDialog : public CDialog, public TutCuecardOwner {
    DECLARE_DYNAMIC(TutDialog)
public:
    // The template by resource id or name; updates start disabled (see EnableUpdates).
    TutDialog(unsigned int nIDTemplate, CWnd *pParentWnd = NULL);
    TutDialog(char const *lpszTemplateName, CWnd *pParentWnd = NULL);
    // Destroys a window still there, so that the observer hears of it, then forgets the
    // observer.
    ~TutDialog() override;

    // Detaches the current observer and attaches `observer` (null: none). An observer attached
    // elsewhere leaves that dialog first.
    void Observer(TutDialogObserver *observer);
    TutDialogObserver *Observer() const { return m_pObserver; }

    // While waiting the cursor over the dialog is the hourglass and a mouse button pressed on
    // it beeps (or activates the dialog when it is not active). The window stays enabled.
    void Wait(int wait);
    void Continue() { Wait(0); }
    int IsWaiting() const { return m_nWaiting; }

    // A counter that starts at 1: updates are enabled only while it is 0. A nonzero argument
    // counts down, 0 counts up.
    void EnableUpdates(int enable);
    void DisableUpdates() { EnableUpdates(0); }
    int UpdatesEnabled() const { return m_nUpdateDisable == 0 ? 1 : 0; }

    // The window's enabled state.
    void Enable(int enable);
    void Disable() { Enable(0); }
    int IsEnabled() const;

    // The Quick Steps topic used on activation instead of the dialog's help id (0: none).
    void SetQHelpID(unsigned int id) { m_nQHelpID = id; }

    // Gives a push-button child the default look when it has the focus, or when it is the
    // dialog's default button and no other push button has the focus; the plain look
    // otherwise. Other children are left alone.
    void RepaintPushButton(HWND hWnd);
    void RepaintPushButton(CWnd *pWnd);
    // RepaintPushButton for every child, first to last.
    void RepaintPushButtons();
    // When the dialog is active and the focus is nowhere or on a disabled window: focuses
    // `pWnd` and repaints the push buttons.
    void ResetDisabledFocus(CWnd *pWnd);

    // Shows the exception's text under the notice that the dialog closes (string 8292), deletes
    // the exception when deleteException is nonzero, and ends the dialog with IDCANCEL. Updates
    // are disabled first, so no change handling runs while the dialog goes.
    virtual void Abort(CException *e, int deleteException);
    // Nonzero when the window has the caption's help button (WS_EX_CONTEXTHELP).
    int HasCuecard() const override;
    // The dialog's help map (control identifier and topic pairs, ended by a zero pair) for the
    // whole dialog, or for one control; null here, overridden by dialogs that have help.
    virtual ULONG *GetHelpMap();
    virtual ULONG *GetHelpMapWithID(ULONG id);

    // The framework's initialisation, then: centred on the parent, the title's placeholders
    // expanded, and the observer's DialogCreated queued.
    BOOL OnInitDialog() override;

protected:
    // Exchanges nothing.
    void DoDataExchange(CDataExchange *pDX) override;

    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    void OnPaint() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
    void OnContextMenu(CWnd *pWnd, CPoint point) override;
    void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized) override;
    // The Help button (command 0xE146): the dialog's topic of the main help.
    void OnHelp();

private:
    // The map for a help request on control `id`: the Help button's own, else the dialog's.
    ULONG *HelpMapFor(int id);
    void ExpandTitle();

    int m_nWaiting;
    int m_nUpdateDisable;
    TutDialogObserver *m_pObserver;
    int m_bPainted;
    unsigned int m_nQHelpID;
};
