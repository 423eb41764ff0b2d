/* wingdi.h: the drawing subset. Device contexts draw into bitmaps: a memory DC into the bitmap
   selected into it, a window's DC (GetDC, BeginPaint) into the surface of the window's top-level
   window. Shapes are rasterised without anti-aliasing, as GDI draws them; text is measured as GDI
   measures it (the sum of the hinted glyphs' integer advances at the font's pixel height, no
   kerning) and drawn from the same glyphs. Logical coordinates are pixels (MM_TEXT) moved by the
   window and viewport origins. */
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
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HFONT);

/* ---- Objects ------------------------------------------------------------------------------ */

/* GetObjectType answers. */
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_MEMDC 10

/* GetStockObject: shared objects that DeleteObject leaves alive (answering TRUE). */
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

/* Pen styles. */
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_NULL 5
#define PS_INSIDEFRAME 6

/* Brush styles. */
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL

typedef struct tagLOGPEN {
  UINT lopnStyle;
  POINT lopnWidth;
  COLORREF lopnColor;
} LOGPEN, *PLOGPEN, *LPLOGPEN;

typedef struct tagLOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  ULONG_PTR lbHatch;
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;

typedef struct tagBITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

#define LF_FACESIZE 32

typedef struct tagLOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *PLOGFONTA, *LPLOGFONTA;
typedef LOGFONTA LOGFONT;

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define SHIFTJIS_CHARSET 128

#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50

/* A pen of the style (PS_SOLID, PS_DASH, PS_DOT, PS_NULL, PS_INSIDEFRAME), width (0 and 1 both
   draw one pixel) and colour; NULL with ERROR_INVALID_PARAMETER for another style. */
HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
/* A solid brush of the colour; DeleteObject frees it. The brushes GetSysColorBrush gives are
   the system's: DeleteObject leaves them alive and answers TRUE, as Windows does. */
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
/* NULL for an index this subset does not hold. */
HGDIOBJ WINAPI GetStockObject(int i);
/* A logical font; it is matched to a host font when first used to measure or draw. Windows'
   face names map to host fonts: "MS Shell Dlg", "MS Shell Dlg 2" and "Tahoma" to Tahoma,
   "MS Sans Serif" and "System" to their raster fonts, "Marlett" to Marlett (all from Debian's
   fonts-wine), "ＭＳ Ｐゴシック", "MS PGothic" and "MS UI Gothic" to IPA P Gothic, "ＭＳ ゴシック"
   and "MS Gothic" to IPA Gothic (fonts-ipafont-gothic). A negative height is the em height in
   pixels, a positive one the cell height, 0 the default (16-pixel cells). Characters the font
   lacks are drawn from the font fontconfig offers for them (Japanese text in a Tahoma dialog
   from IPA P Gothic first). Another face name takes the font fontconfig matches, and says so
   once on the debug output. NULL with ERROR_INVALID_PARAMETER for a null record. */
HFONT WINAPI CreateFontIndirectA(const LOGFONTA *lplf);
HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName);
/* FALSE for a null or unknown handle, or an object still selected into a device context. */
BOOL WINAPI DeleteObject(HGDIOBJ ho);
/* A bitmap fills a BITMAP (bmBits: a DIB section's pixels, else NULL), a brush a LOGBRUSH, a pen
   a LOGPEN, a font its LOGFONTA. Returns the bytes written; with a null buffer, the size it
   would write; 0 with ERROR_INVALID_HANDLE for an unknown handle, 0 for a buffer too small. */
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);
#define GetObject GetObjectA
/* OBJ_* of the handle; 0 with ERROR_INVALID_HANDLE for none. */
DWORD WINAPI GetObjectType(HGDIOBJ h);

/* ---- Device contexts ---------------------------------------------------------------------- */

/* A memory DC (hdc: any DC or NULL) holding the stock 1 x 1 monochrome bitmap until another is
   selected. DeleteDC frees a memory DC, and releases a window's DC as ReleaseDC would. */
HDC WINAPI CreateCompatibleDC(HDC hdc);
BOOL WINAPI DeleteDC(HDC hdc);
/* Selects a pen, brush, font or bitmap (memory DCs only; a bitmap lives in one DC at a time) and
   returns the one it replaces; NULL with ERROR_INVALID_HANDLE for a bad DC or object. */
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
/* The selected object of the type (OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP). */
HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
/* SaveDC returns the new depth (1, 2, ...); RestoreDC takes a depth or, negative, one relative
   to the current (-1: the last saved). FALSE for a depth that was not saved. */
int WINAPI SaveDC(HDC hdc);
BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);

#define TRANSPARENT 1
#define OPAQUE 2

#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24

/* Each Set* returns the previous value (CLR_INVALID, 0 or GDI_ERROR for a bad DC). */
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetTextColor(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
int WINAPI GetBkMode(HDC hdc);
#define GDI_ERROR 0xFFFFFFFFL
UINT WINAPI SetTextAlign(HDC hdc, UINT align);
UINT WINAPI GetTextAlign(HDC hdc);

/* Device point = logical point - window origin + viewport origin. */
BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt);

/* Clipping is a rectangle: IntersectClipRect narrows it (logical coordinates), GetClipBox
   reports it. Region answers: */
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int WINAPI GetClipBox(HDC hdc, LPRECT lprect);

#define BITSPIXEL 12
#define LOGPIXELSX 88
#define LOGPIXELSY 90
/* 96 dots per inch; 32 bits per pixel (1 for a DC holding a monochrome bitmap); 0 for another
   index. */
int WINAPI GetDeviceCaps(HDC hdc, int index);

/* ---- Lines and shapes: the selected pen outlines, the selected brush fills ------------------ */

/* The end point is not drawn, as on Windows. */
BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI LineTo(HDC hdc, int x, int y);
BOOL WINAPI Polyline(HDC hdc, const POINT *apt, int cpt);
BOOL WINAPI Polygon(HDC hdc, const POINT *apt, int cpt);
/* The right and bottom edges are excluded; with the null pen the filled area is one pixel
   smaller each way. */
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);

/* ---- Bitmaps and blocks of pixels --------------------------------------------------------- */

/* Raster operations: the ternary code in bits 16-23 combines pattern (the brush), source and
   destination bit by bit; every one of the 256 is carried out. */
#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define SRCERASE 0x00440328
#define NOTSRCCOPY 0x00330008
#define NOTSRCERASE 0x001100A6
#define MERGECOPY 0x00C000CA
#define MERGEPAINT 0x00BB0226
#define PATCOPY 0x00F00021
#define PATPAINT 0x00FB0A09
#define PATINVERT 0x005A0049
#define DSTINVERT 0x00550009
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
/* A monochrome source becomes the destination's text colour (0 bits) and background colour (1
   bits); a colour source copied into a monochrome bitmap gives white where it has the source
   DC's background colour, black elsewhere. */
BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
/* Each destination pixel takes the nearest source pixel; a negative width or height mirrors. */
BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                       int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop);

/* A bitmap of the DC's format (a monochrome memory DC gives a monochrome bitmap, as on Windows;
   NULL stands for the screen's DC: 32 bits per pixel), black; NULL with ERROR_INVALID_PARAMETER for a side that is not positive or above 16384. */
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);

#define BI_RGB 0
#define BI_BITFIELDS 3
#define DIB_RGB_COLORS 0

typedef struct tagBITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagRGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
} BITMAPINFO, *PBITMAPINFO, *LPBITMAPINFO;

/* 32 bits per pixel, BI_RGB: *ppvBits receives the pixels (blue, green, red, unused), rows from
   the bottom for a positive height, from the top for a negative one; zeroed. hSection must be
   NULL. NULL with ERROR_INVALID_PARAMETER for another depth or compression. */
HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, void **ppvBits,
                                HANDLE hSection, DWORD offset);
/* Copies rows of the bitmap (not selected into a DC other than hdc) as a DIB of 24 or 32 bits
   per pixel, BI_RGB (rows from the bottom for a positive height). With a null lpvBits and a
   biBitCount of 0 it fills the header with the bitmap's size and depth. Returns the rows copied,
   0 with ERROR_INVALID_PARAMETER for another format and ERROR_INVALID_HANDLE for a handle that is
   no bitmap. */
int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits,
                     LPBITMAPINFO lpbmi, UINT usage);
/* CLR_INVALID outside the clip rectangle or for a bad DC. */
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);

/* ---- Text --------------------------------------------------------------------------------- */

typedef struct tagTEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
} TEXTMETRICA, *PTEXTMETRICA, *LPTEXTMETRICA;
typedef TEXTMETRICA TEXTMETRIC;

/* tmPitchAndFamily bits. */
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04

/* Texts are in the ANSI code page (SYMBOL_CHARSET fonts: each byte is a symbol). A font whose
   host file is missing fails every call that measures or draws with it: FALSE with
   ERROR_FILE_NOT_FOUND, and a line on standard error naming the Debian package to install. */
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm);
/* The selected font's face name as it was asked for when it maps to a host font (the host
   font's family otherwise); copies at most c - 1 bytes and a NUL and returns the bytes copied
   with the NUL (with a null buffer: the length with the NUL). */
int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName);
#define GetTextMetrics GetTextMetricsA
#define GetTextExtentPoint32 GetTextExtentPoint32A

#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

/* Draws at the reference point the text alignment names, with the background filled behind the
   text cell in OPAQUE mode; TA_UPDATECP draws from the current position and moves it. */
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
/* ETO_OPAQUE fills lprect with the background colour first, ETO_CLIPPED clips to it; lpDx
   (one advance per byte; a double-byte character takes the sum of its two) replaces the font's
   advances. */
BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCSTR lpString,
                        UINT c, const INT *lpDx);
#define TextOut TextOutA
#define ExtTextOut ExtTextOutA

VKS_END_EXPORTED_C

#endif
