// afxcmn.h: the framework's classes of the common controls; for now the spin button.
#pragma once

#include "afxwin.h"
#include "commctrl.h"

// The up-down control ("spin button"). Its range runs from 100 down to 0 until set.
class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);

    // The 16-bit range (UD_MINVAL to UD_MAXVAL); nLower may be above nUpper, which turns the
    // arrows around.
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    // MAKELONG(upper, lower).
    DWORD GetRange() const;
    void GetRange(int &lower, int &upper) const;
    void GetRange32(int &lower, int &upper) const;
    // Returns the previous position.
    int SetPos(int nPos);
    // As the control answers: the position in the low word and, in the high word, non-zero when
    // the buddy's text was no number of the range. LOWORD gives the position.
    int GetPos() const;
    // The previous / current buddy's object; NULL as well for a buddy without one (FromHandle).
    CWnd *SetBuddy(CWnd *pWndBuddy);
    CWnd *GetBuddy() const;
    // 10 or 16, the base the buddy shows the position in; returns the previous base, 0 when
    // refused.
    int SetBase(int nBase);
    UINT GetBase() const;
};
