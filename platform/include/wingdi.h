/* wingdi.h: the drawing subset. Nothing reaches a screen: what is drawn on a window's device
   context is kept in the window's display list (vkshost.h, VksHostDrawnItems), which the window's
   snapshot draws. */
#ifndef VKS_WINGDI_H
#define VKS_WINGDI_H

#include "windef.h"

VKS_BEGIN_EXPORTED_C

#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))
#define CLR_INVALID 0xFFFFFFFF

typedef void *HGDIOBJ;

/* A solid brush of the colour; DeleteObject frees it. The brushes GetSysColorBrush gives are
   the system's: DeleteObject leaves them alive and answers TRUE, as Windows does. */
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
/* FALSE for a null or unknown handle, or one still selected into a device context. */
BOOL WINAPI DeleteObject(HGDIOBJ ho);
typedef struct tagBITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagLOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  ULONG_PTR lbHatch;
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;

#define BS_SOLID 0

/* A bitmap fills a BITMAP (bmBits NULL: a loaded bitmap is device-dependent), a brush a
   LOGBRUSH. Returns the bytes written; with a null buffer, the size it would write; 0 for an
   unknown handle or a buffer too small for the record. */
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);
#define GetObject GetObjectA

VKS_END_EXPORTED_C

#endif
