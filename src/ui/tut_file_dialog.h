// TutFileDialog: the common Open and Save dialog as one of the product's dialogs.
#pragma once

#include "afxdlgs.h"

class TutFileDialog;

// The framework file dialog that runs the common dialog for a TutFileDialog: when its hook
// dialog is first shown, it hands the common dialog window to its owner.
class AFX_EXT_CLASS TutInnerFileDialog : public CFileDialog {
public:
    TutInnerFileDialog(TutFileDialog *owner, int bOpenFileDialog, char const *lpszDefExt,
                       char const *lpszFileName, unsigned long dwFlags, char const *lpszFilter,
                       CWnd *pParentWnd);

    INT_PTR DoModal() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TutFileDialog *m_pOwner;
    int m_bSubclassed;
};

// The object takes over the common dialog window itself once it is shown, so that data
// exchange, OnOK, the help system and the controls of a custom template all work on that one
// window: the template's controls are made again in it (one tab order, one data exchange), a
// tab-order table is applied, and a Help button is added next to Cancel when the dialog has a
// help id. Help maps are pairs of control id and topic, ended by a zero pair.
class AFX_EXT_CLASS TutFileDialog : public CDialog {
    DECLARE_DYNAMIC(TutFileDialog)
public:
    // As CFileDialog's constructor; m_ofn then holds the inner dialog's record, which the caller
    // may change until DoModal.
    TutFileDialog(int bOpenFileDialog, char const *lpszDefExt = NULL,
                  char const *lpszFileName = NULL,
                  unsigned long dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                  char const *lpszFilter = NULL, CWnd *pParentWnd = NULL);

    // Copies m_ofn into the inner dialog and runs it: IDOK or IDCANCEL.
    INT_PTR DoModal() override;

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    int GetReadOnlyPref() const;

    // The tables stay the caller's and must outlive the dialog. A tab-order table is pairs of
    // control ids, the second placed right after the first, ended by a first id of 0.
    void SetHelpID(int helpId) { m_nHelpID = helpId; }
    void SetHelpMap(ULONG *helpMap) { m_pHelpMap = helpMap; }
    void SetTabOrder(ULONG *tabOrder) { m_pTabOrder = tabOrder; }

    // 1 when the dialog has a help id (and so Quick Steps on activation).
    virtual int HasCuecard();
    virtual ULONG *GetHelpMap();
    int IsPainted() const { return m_bPainted; }

    // The set-up steps: taking over the common dialog window; on its first WM_SHOWWINDOW the
    // template's controls, the tab order, the Help button, data into the controls and the
    // dialog centred on its parent.
    void FileDialogSubclass();
    void FileDialogFinalInit();
    void RecreateSubdialogControls();
    void ResetTabOrder();
    void CreateHelpButton();

    OPENFILENAMEA m_ofn;

protected:
    // Data exchange from the controls; only when it succeeds, the common dialog's own OK.
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange *pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The help map for control `id`: the Help button's own, the dialog's when it lists the id,
    // else none.
    ULONG *HelpMapFor(int id);
    LRESULT OnHelpRequest(LPARAM lParam);
    LRESULT OnContextMenuRequest(WPARAM wParam, LPARAM lParam);

    TutInnerFileDialog m_inner;
    int m_nHelpID;
    ULONG *m_pHelpMap;
    ULONG *m_pTabOrder;
    int m_bPainted;
};
