// CDataExchange: the state of one UpdateData run, and DDX_Control.
#include "data_exchange.h"

CDataExchange::CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    const HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!control) {
        TRACE("CDataExchange: the dialog has no control %d\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    const HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    const HWND last = m_idLastControl ? ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl) : NULL;
    if (m_bSaveAndValidate && last) {
        ::SetFocus(last);
        if (m_bEditLastControl)
            ::SendMessageA(last, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl)
{
    // Attached once, on the first exchange in either direction.
    if (rControl.m_hWnd)
        return;
    if (!rControl.SubclassWindow(pDX->PrepareCtrl(nIDC))) {
        TRACE("DDX_Control: control %d has an object already\n", nIDC);
        AfxThrowNotSupportedException();
    }
}

namespace vks::detail {

void failExchange(CDataExchange *pDX, LPCSTR message)
{
    // No caption: the platform's default one, as there is no application title to give.
    ::MessageBoxA(pDX->m_pDlgWnd->m_hWnd, message, NULL, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

}  // namespace vks::detail
