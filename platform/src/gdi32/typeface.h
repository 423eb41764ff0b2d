// Internal to gdi32: a logical font realised: its host font, the fonts that draw characters it
// lacks, and texts in the ANSI code page turned into glyphs with their advances.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gdi32/real_font.h"

namespace vks::detail {

struct FontObject;

// One character of a text: the glyph that draws it, its advance and its bytes in the text.
struct ShapedCharacter {
    const Glyph *glyph = nullptr;
    int advance = 0;
    int bytes = 1;
};

class RealFont;

class RealisedFont {
public:
    RealisedFont(std::shared_ptr<RealFont> primary, FontChoice choice, FontRequest request);

    const TEXTMETRICA &metrics() const { return primary_->metrics(); }
    const std::string &faceName() const { return choice_.faceName; }
    const RealFont &primary() const { return *primary_; }

    // The characters of an ANSI text (or, for a symbol font, its bytes).
    std::vector<ShapedCharacter> shape(std::string_view text);
    int width(std::string_view text);

private:
    const Glyph &glyphFor(char32_t character);

    std::shared_ptr<RealFont> primary_;
    FontChoice choice_;
    FontRequest request_;
    // Characters the primary font lacks, and the font that drew each.
    std::map<char32_t, std::shared_ptr<RealFont>> fallbacks_;
};

// Under gdiLock(): the realised font of a logical font, realised at its first use; null (with
// ERROR_FILE_NOT_FOUND, and the missing package told once on standard error and the debug
// output) when its host font is missing.
RealisedFont *realise(FontObject &font);

}  // namespace vks::detail
