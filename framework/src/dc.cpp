// CDC, CClientDC, CPaintDC and CBrush.
#include "afxdc.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CBrush, CObject)

void CDC::FillRect(LPCRECT lpRect, HBRUSH hBrush)
{
    ::FillRect(m_hDC, lpRect, hBrush);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    CBrush brush(clr);
    ::FillRect(m_hDC, lpRect, brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

CClientDC::CClientDC(CWnd *pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : NULL)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
}

CPaintDC::CPaintDC(CWnd *pWnd) : m_ps{}, m_hWnd(pWnd ? pWnd->m_hWnd : NULL)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    if (m_hDC)
        ::EndPaint(m_hWnd, &m_ps);
}

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush::~CBrush()
{
    DeleteObject();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    DeleteObject();
    m_hBrush = ::CreateSolidBrush(crColor);
    return m_hBrush != NULL;
}

BOOL CBrush::DeleteObject()
{
    if (!m_hBrush)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hBrush);
    m_hBrush = NULL;
    return deleted;
}

IMPLEMENT_DYNAMIC(CBitmap, CObject)

CBitmap::~CBitmap()
{
    DeleteObject();
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    DeleteObject();
    m_hBitmap = ::LoadBitmapA(AfxFindResourceHandle(lpszResourceName, RT_BITMAP), lpszResourceName);
    return m_hBitmap != NULL;
}

int CBitmap::GetBitmap(BITMAP *pBitMap) const
{
    return ::GetObjectA(m_hBitmap, sizeof(BITMAP), pBitMap);
}

BOOL CBitmap::DeleteObject()
{
    if (!m_hBitmap)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hBitmap);
    m_hBitmap = NULL;
    return deleted;
}
