// afxcmn.h: the framework's classes of the common controls.
#pragma once

#include "afxwin.h"
#include "commctrl.h"

// The up-down control ("spin button"). Its range runs from 100 down to 0 until set.
class AFX_CORE_CLASS CSpinButtonCtrl : public CWnd {
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

// The progress bar: a position in a range, 0 to 100 until set, stepped by 10 until set.
class AFX_CORE_CLASS CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int &nLower, int &nUpper) const;
    // Each returns the previous position / step.
    int SetPos(int nPos);
    int GetPos() const;
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();
};

class CDC;
class CBitmap;

// An image list the object owns: destroyed with it, or by DeleteImageList.
class AFX_CORE_CLASS CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList &) = delete;
    CImageList &operator=(const CImageList &) = delete;
    HIMAGELIST m_hImageList = NULL;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    // Each replaces a list the object held; FALSE when the platform refuses.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // The bitmap strip of that resource, found along the resource chain, cut into images cx
    // wide; crMask CLR_NONE for no mask.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();
    // Index of the first image added, -1 when none was.
    int Add(CBitmap *pbmImage, CBitmap *pbmMask);
    int Add(CBitmap *pbmImage, COLORREF crMask);
    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO *pImageInfo) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;
    BOOL Draw(CDC *pDC, int nImage, POINT pt, UINT nStyle);
};
