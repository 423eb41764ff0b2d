// Internal to gdi32: a host font file opened with FreeType at one size: GDI's text metrics of it
// and its glyphs, measured and rasterised as GDI does (hinted integer advances, one bit per
// pixel).
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "gdi32/font_catalog.h"

namespace vks::detail {

// A glyph's pixels, one bit each, most significant bit first, `pitch` bytes a row; `left` and
// `top` place its top-left corner from the pen position on the baseline (top: rows above it).
struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    int pitch = 0;
    std::vector<unsigned char> bits;

    bool on(int x, int y) const { return bits[static_cast<size_t>(y) * pitch + x / 8] >> (7 - x % 8) & 1; }
};

// What a logical font asks of the size and style.
struct FontRequest {
    LONG height = 0;  // < 0: em pixels; > 0: cell pixels; 0: the default
    LONG weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    BYTE charSet = DEFAULT_CHARSET;
};

class RealFont {
public:
    // The font at the requested size (a file of raster faces gives its nearest face); null when
    // the file is no font FreeType reads. Fonts are shared between requests that agree.
    static std::shared_ptr<RealFont> open(const HostFont &font, const FontRequest &request,
                                          bool symbol);
    ~RealFont();
    RealFont(const RealFont &) = delete;
    RealFont &operator=(const RealFont &) = delete;

    const TEXTMETRICA &metrics() const { return metrics_; }
    // The em height in pixels, at which linked fonts are opened.
    int emPixels() const { return emPixels_; }
    // Pixels below the baseline of the underline's top row, and above it of the strike-out's.
    int underlineOffset() const { return underlineOffset_; }
    int strikeOutOffset() const { return strikeOutOffset_; }

    bool has(char32_t character);
    // The glyph of a character the font has, or its default glyph.
    const Glyph &glyph(char32_t character);

private:
    struct Face;
    explicit RealFont(std::unique_ptr<Face> face, bool symbol);
    unsigned glyphIndex(char32_t character);
    void measure(const FontRequest &request);

    std::unique_ptr<Face> face_;
    bool symbol_;
    TEXTMETRICA metrics_{};
    int emPixels_ = 0;
    int underlineOffset_ = 1;
    int strikeOutOffset_ = 3;
    std::unordered_map<unsigned, Glyph> glyphs_;
};

}  // namespace vks::detail
