// CImageList: an image list owned by its object.
#include "afxcmn.h"
#include "afxmodule.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != NULL;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    DeleteImageList();
    const HINSTANCE module = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    m_hImageList = ImageList_LoadBitmap(module, lpszBitmapID, cx, nGrow, crMask);
    return m_hImageList != NULL;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    const BOOL destroyed = ImageList_Destroy(m_hImageList);
    m_hImageList = NULL;
    return destroyed;
}

int CImageList::Add(CBitmap *pbmImage, CBitmap *pbmMask)
{
    return ImageList_Add(m_hImageList, pbmImage ? pbmImage->m_hBitmap : NULL,
                         pbmMask ? pbmMask->m_hBitmap : NULL);
}

int CImageList::Add(CBitmap *pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, pbmImage ? pbmImage->m_hBitmap : NULL, crMask);
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO *pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

BOOL CImageList::Draw(CDC *pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC ? pDC->m_hDC : NULL, pt.x, pt.y, nStyle);
}
