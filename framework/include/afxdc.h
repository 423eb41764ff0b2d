// afxdc.h: device contexts and brushes of the framework (included by afxwin.h).
#pragma once

#include "afxwin.h"

// A device context handle and the drawing done through it. CDC itself owns nothing; the
// derived classes below take and give back a window's context.
class AFX_CORE_CLASS CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    HDC m_hDC = NULL;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    void FillRect(LPCRECT lpRect, HBRUSH hBrush);
    // A solid fill of the colour, with a brush made and deleted for it.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
};

// The client area's context of a window, from construction (GetDC) to destruction (ReleaseDC).
class AFX_CORE_CLASS CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd *pWnd);
    ~CClientDC() override;
    CClientDC(const CClientDC &) = delete;
    CClientDC &operator=(const CClientDC &) = delete;
protected:
    HWND m_hWnd;
};

// Painting in a WM_PAINT handler: BeginPaint at construction, EndPaint at destruction.
class AFX_CORE_CLASS CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd *pWnd);
    ~CPaintDC() override;
    CPaintDC(const CPaintDC &) = delete;
    CPaintDC &operator=(const CPaintDC &) = delete;
    PAINTSTRUCT m_ps;
protected:
    HWND m_hWnd;
};

// A solid brush, deleted with the object.
class AFX_CORE_CLASS CBrush : public CObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);
    ~CBrush() override;
    CBrush(const CBrush &) = delete;
    CBrush &operator=(const CBrush &) = delete;
    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL DeleteObject();
    operator HBRUSH() const { return m_hBrush; }
    HBRUSH m_hBrush = NULL;
};

// A bitmap, deleted with the object.
class AFX_CORE_CLASS CBitmap : public CObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;
    ~CBitmap() override;
    CBitmap(const CBitmap &) = delete;
    CBitmap &operator=(const CBitmap &) = delete;
    // The bitmap resource, found along the resource chain.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    int GetBitmap(BITMAP *pBitMap) const;
    BOOL DeleteObject();
    operator HBITMAP() const { return m_hBitmap; }
    HBITMAP m_hBitmap = NULL;
};
