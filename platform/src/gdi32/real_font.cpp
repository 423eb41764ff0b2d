// Host fonts through FreeType, with GDI's metrics.
#include "gdi32/real_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <tuple>

namespace vks::detail {

namespace {

// Fonts realised at a size stay open for other logical fonts of that size; the oldest go past
// this many.
constexpr size_t kMaxOpenFonts = 64;
constexpr LONG kDefaultCellHeight = 16;
constexpr int kDotsPerInch = 96;

FT_Library library()
{
    static FT_Library lib = [] {
        FT_Library made = nullptr;
        FT_Init_FreeType(&made);
        return made;
    }();
    return lib;
}

// Rounds a / b to the nearest integer, halves up, for non-negative values.
long roundedDivision(long a, long b)
{
    return b ? (a * 2 + b) / (b * 2) : 0;
}

using FontKey = std::tuple<std::string, int, LONG, bool, bool, bool, bool, BYTE, bool>;

struct OpenFonts {
    std::map<FontKey, std::shared_ptr<RealFont>> fonts;
    std::deque<FontKey> order;
};

OpenFonts &openFonts()
{
    static OpenFonts &fonts = *new OpenFonts;
    return fonts;
}

BYTE familyBits(const TT_OS2 *os2, bool fixed)
{
    if (fixed)
        return FF_MODERN;
    if (!os2)
        return FF_DONTCARE;
    switch (os2->panose[0]) {
    case 2:  // Latin text: sans-serif styles are 11 to 13
        return os2->panose[1] >= 11 && os2->panose[1] <= 13 ? FF_SWISS : FF_ROMAN;
    case 3:
        return FF_SCRIPT;
    case 4:
    case 5:
        return FF_DECORATIVE;
    default:
        return FF_SWISS;
    }
}

}  // namespace

struct RealFont::Face {
    FT_Face face = nullptr;
    ~Face()
    {
        if (face)
            FT_Done_Face(face);
    }
};

RealFont::RealFont(std::unique_ptr<Face> face, bool symbol) : face_(std::move(face)), symbol_(symbol)
{
}

RealFont::~RealFont() = default;

std::shared_ptr<RealFont> RealFont::open(const HostFont &font, const FontRequest &request,
                                         bool symbol)
{
    const bool bold = request.weight >= FW_SEMIBOLD;
    const FontKey key{font.path, font.faceIndex, request.height, bold, request.italic,
                      request.underline, request.strikeOut, request.charSet, symbol};
    OpenFonts &open = openFonts();
    if (const auto found = open.fonts.find(key); found != open.fonts.end())
        return found->second;

    int index = font.faceIndex;
    if (index < 0) {
        // A raster file holds one face per size: take the one whose height is nearest the
        // request (the em height for a negative request), the smaller on a tie.
        FT_Face probe = nullptr;
        if (FT_New_Face(library(), font.path.c_str(), -1, &probe))
            return nullptr;
        const long faces = probe->num_faces;
        FT_Done_Face(probe);
        index = 0;
        long bestDistance = -1;
        for (long i = 0; i < faces; ++i) {
            FT_Face candidate = nullptr;
            if (FT_New_Face(library(), font.path.c_str(), i, &candidate))
                continue;
            FT_WinFNT_HeaderRec header{};
            if (!FT_Get_WinFNT_Header(candidate, &header)) {
                const long cell = header.pixel_height;
                const long em = cell - header.internal_leading;
                const long wanted = request.height < 0 ? -request.height
                                    : request.height > 0 ? request.height
                                                         : kDefaultCellHeight;
                const long distance = std::labs((request.height < 0 ? em : cell) - wanted);
                if (bestDistance < 0 || distance < bestDistance) {
                    bestDistance = distance;
                    index = static_cast<int>(i);
                }
            }
            FT_Done_Face(candidate);
        }
    }
    auto face = std::make_unique<Face>();
    if (FT_New_Face(library(), font.path.c_str(), index, &face->face))
        return nullptr;
    std::shared_ptr<RealFont> real(new RealFont(std::move(face), symbol));
    real->measure(request);

    open.fonts[key] = real;
    open.order.push_back(key);
    if (open.order.size() > kMaxOpenFonts) {
        open.fonts.erase(open.order.front());
        open.order.pop_front();
    }
    return real;
}

void RealFont::measure(const FontRequest &request)
{
    FT_Face face = face_->face;
    TEXTMETRICA &tm = metrics_;
    tm.tmDigitizedAspectX = kDotsPerInch;
    tm.tmDigitizedAspectY = kDotsPerInch;
    tm.tmItalic = request.italic ? 255 : 0;
    tm.tmUnderlined = request.underline ? 255 : 0;
    tm.tmStruckOut = request.strikeOut ? 255 : 0;
    if (symbol_)
        FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL);
    else if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) && face->num_charmaps > 0)
        FT_Set_Charmap(face, face->charmaps[0]);

    FT_WinFNT_HeaderRec fnt{};
    if (!FT_IS_SCALABLE(face) && !FT_Get_WinFNT_Header(face, &fnt)) {
        // A raster face carries GDI's metrics in its header.
        FT_Select_Size(face, 0);
        tm.tmHeight = fnt.pixel_height;
        tm.tmAscent = fnt.ascent;
        tm.tmDescent = fnt.pixel_height - fnt.ascent;
        tm.tmInternalLeading = fnt.internal_leading;
        tm.tmExternalLeading = fnt.external_leading;
        tm.tmAveCharWidth = fnt.avg_width;
        tm.tmMaxCharWidth = fnt.max_width;
        tm.tmWeight = fnt.weight;
        tm.tmFirstChar = fnt.first_char;
        tm.tmLastChar = fnt.last_char;
        tm.tmDefaultChar = static_cast<BYTE>(fnt.first_char + fnt.default_char);
        tm.tmBreakChar = static_cast<BYTE>(fnt.first_char + fnt.break_char);
        tm.tmPitchAndFamily = fnt.pitch_and_family;
        tm.tmCharSet = fnt.charset;
        emPixels_ = tm.tmHeight - tm.tmInternalLeading;
        underlineOffset_ = 1;
        strikeOutOffset_ = tm.tmAscent / 3;
        return;
    }

    const TT_OS2 *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const TT_HoriHeader *hhea = static_cast<const TT_HoriHeader *>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const long units = face->units_per_EM ? face->units_per_EM : 2048;
    const long winAscent = os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender;
    const long winDescent = os2 && os2->usWinAscent ? os2->usWinDescent : -face->descender;
    long em = 0;
    if (request.height < 0)
        em = -request.height;
    else
        em = roundedDivision((request.height ? request.height : kDefaultCellHeight) * units,
                             winAscent + winDescent);
    em = std::max(1L, em);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
    emPixels_ = static_cast<int>(em);

    // GDI's metrics of an outline font: the Windows ascent and descent scaled and rounded.
    tm.tmAscent = roundedDivision(winAscent * em, units);
    tm.tmDescent = roundedDivision(winDescent * em, units);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = tm.tmHeight - em;
    if (hhea) {
        const long gap = hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
        tm.tmExternalLeading = gap > 0 ? roundedDivision(gap * em, units) : 0;
    }
    tm.tmAveCharWidth = os2 && os2->xAvgCharWidth ? roundedDivision(os2->xAvgCharWidth * em, units)
                                                  : roundedDivision(em, 2);
    // The widest glyph is the font box's width, as GDI takes it from the font's header.
    tm.tmMaxCharWidth = roundedDivision((face->bbox.xMax - face->bbox.xMin) * em, units);
    tm.tmWeight = os2 && os2->usWeightClass ? os2->usWeightClass
                                            : (face->style_flags & FT_STYLE_FLAG_BOLD ? FW_BOLD : FW_NORMAL);
    const bool fixed = FT_IS_FIXED_WIDTH(face) || (os2 && os2->panose[3] == 9);
    tm.tmPitchAndFamily = static_cast<BYTE>(familyBits(os2, fixed) | TMPF_VECTOR | TMPF_TRUETYPE |
                                            (fixed ? 0 : TMPF_FIXED_PITCH));
    tm.tmFirstChar = symbol_ ? 0x1F : 0x1E;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = symbol_ ? 0x20 : 0x1F;
    tm.tmBreakChar = symbol_ ? 0x20 : 0x20;
    const bool japanese = os2 && (os2->ulCodePageRange1 & (1u << 17));
    if (symbol_)
        tm.tmCharSet = SYMBOL_CHARSET;
    else if (japanese && (request.charSet == SHIFTJIS_CHARSET || request.charSet == DEFAULT_CHARSET))
        tm.tmCharSet = SHIFTJIS_CHARSET;
    else
        tm.tmCharSet = ANSI_CHARSET;
    const long underline = -face->underline_position;
    underlineOffset_ = std::max(1, static_cast<int>(roundedDivision(std::max(0L, underline) * em, units)));
    strikeOutOffset_ = os2 && os2->yStrikeoutPosition
                           ? static_cast<int>(roundedDivision(os2->yStrikeoutPosition * em, units))
                           : static_cast<int>(tm.tmAscent / 3);
}

unsigned RealFont::glyphIndex(char32_t character)
{
    FT_Face face = face_->face;
    if (symbol_)
        return FT_Get_Char_Index(face, character < 0x100 ? 0xF000 + character : character);
    if (face->charmap && face->charmap->encoding == FT_ENCODING_UNICODE)
        return FT_Get_Char_Index(face, character);
    // A raster face's codes are its code page's bytes (Western: Latin-1 where they agree).
    if (character < 0x80 || (character >= 0xA0 && character < 0x100))
        return FT_Get_Char_Index(face, character);
    return 0;
}

bool RealFont::has(char32_t character)
{
    return glyphIndex(character) != 0;
}

const Glyph &RealFont::glyph(char32_t character)
{
    unsigned index = glyphIndex(character);
    if (!index && !FT_IS_SCALABLE(face_->face))
        index = FT_Get_Char_Index(face_->face, metrics_.tmDefaultChar);
    if (const auto found = glyphs_.find(index); found != glyphs_.end())
        return found->second;

    FT_Face face = face_->face;
    Glyph glyph;
    // The advance as GDI measures it: the hinted outline's, whole pixels; raster faces give
    // their own.
    const FT_Int32 noBitmaps = FT_IS_SCALABLE(face) ? FT_LOAD_NO_BITMAP : 0;
    if (!FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | noBitmaps))
        glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    if (!FT_Load_Glyph(face, index, noBitmaps | FT_LOAD_TARGET_MONO) &&
        !FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO)) {
        const FT_Bitmap &bitmap = face->glyph->bitmap;
        glyph.left = face->glyph->bitmap_left;
        glyph.top = face->glyph->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.rows = static_cast<int>(bitmap.rows);
        glyph.pitch = std::abs(bitmap.pitch);
        glyph.bits.resize(static_cast<size_t>(glyph.pitch) * glyph.rows);
        for (int y = 0; y < glyph.rows; ++y) {
            const unsigned char *from = bitmap.pitch >= 0
                                            ? bitmap.buffer + static_cast<size_t>(y) * bitmap.pitch
                                            : bitmap.buffer + static_cast<size_t>(glyph.rows - 1 - y) * glyph.pitch;
            std::memcpy(glyph.bits.data() + static_cast<size_t>(y) * glyph.pitch, from,
                        static_cast<size_t>(glyph.pitch));
        }
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
            glyph.rows = glyph.width = 0;  // only one-bit glyphs are drawn
    }
    return glyphs_.emplace(index, std::move(glyph)).first->second;
}

}  // namespace vks::detail
