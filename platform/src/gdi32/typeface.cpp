// Logical fonts realised, and texts shaped into glyphs.
#include "gdi32/typeface.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unordered_map>

#include "gdi32/gdi_table.h"
#include "kernel32/codepage.h"

namespace vks::detail {

namespace {

std::size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return (lead & 0xF8) == 0xF0 ? 4 : 1;
}

char32_t decodeUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return U'?';
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const std::size_t length = utf8Length(lead);
    if (length == 1 || utf8.size() < length)
        return lead < 0x80 ? lead : U'?';
    char32_t value = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i)
        value = value << 6 | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    return value;
}

// One character of the ANSI code page as a code point, remembered per code page.
char32_t codePointOf(std::string_view character)
{
    static std::unordered_map<std::uint64_t, char32_t> &known =
        *new std::unordered_map<std::uint64_t, char32_t>;
    std::uint64_t key = static_cast<std::uint64_t>(ansiCodePage()) << 16;
    for (const char byte : character)
        key = key << 8 | static_cast<unsigned char>(byte);
    key |= static_cast<std::uint64_t>(character.size()) << 56;
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    const char32_t value = decodeUtf8(ansiToUtf8(character));
    known.emplace(key, value);
    return value;
}

void tellMissing(const std::string &missing)
{
    static std::set<std::string> &told = *new std::set<std::string>;
    if (!told.insert(missing).second)
        return;
    const std::string line = "vksutil: " + missing + "\n";
    std::fputs(line.c_str(), stderr);
    OutputDebugStringA(line.c_str());
}

FontRequest requestOf(const LOGFONTA &logical)
{
    FontRequest request;
    request.height = logical.lfHeight;
    request.weight = logical.lfWeight ? logical.lfWeight : FW_NORMAL;
    request.italic = logical.lfItalic != 0;
    request.underline = logical.lfUnderline != 0;
    request.strikeOut = logical.lfStrikeOut != 0;
    request.charSet = logical.lfCharSet;
    return request;
}

}  // namespace

RealisedFont::RealisedFont(std::shared_ptr<RealFont> primary, FontChoice choice,
                           FontRequest request)
    : primary_(std::move(primary)), choice_(std::move(choice)), request_(request)
{
}

const Glyph &RealisedFont::glyphFor(char32_t character)
{
    if (choice_.symbol || primary_->has(character))
        return primary_->glyph(character);
    auto found = fallbacks_.find(character);
    if (found == fallbacks_.end()) {
        std::shared_ptr<RealFont> font;
        if (auto host = fallbackFont(character, choice_.family, choice_.linksJapanese)) {
            // Linked glyphs take the same em height, on the same baseline.
            FontRequest linked = request_;
            linked.height = -primary_->emPixels();
            font = RealFont::open(*host, linked, false);
            if (font && !font->has(character))
                font.reset();
        }
        found = fallbacks_.emplace(character, std::move(font)).first;
    }
    return found->second ? found->second->glyph(character) : primary_->glyph(character);
}

std::vector<ShapedCharacter> RealisedFont::shape(std::string_view text)
{
    std::vector<ShapedCharacter> shaped;
    shaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        if (!choice_.symbol && at + 1 < text.size() && isLeadByte(CP_ACP, byte))
            length = 2;
        const char32_t character = choice_.symbol ? byte : codePointOf(text.substr(at, length));
        const Glyph &glyph = glyphFor(character);
        shaped.push_back({&glyph, glyph.advance, static_cast<int>(length)});
        at += length;
    }
    return shaped;
}

int RealisedFont::width(std::string_view text)
{
    int total = 0;
    for (const ShapedCharacter &character : shape(text))
        total += character.advance;
    return total;
}

RealisedFont *realise(FontObject &font)
{
    if (font.realised)
        return font.realised.get();
    const LOGFONTA &logical = font.logical;
    const char *end = std::find(logical.lfFaceName, logical.lfFaceName + LF_FACESIZE, '\0');
    const std::string face(logical.lfFaceName, end);
    FontChoice choice = chooseFont(face, logical.lfWeight, logical.lfItalic != 0);
    if (!choice.font) {
        tellMissing(choice.missing);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const FontRequest request = requestOf(logical);
    std::shared_ptr<RealFont> primary = RealFont::open(*choice.font, request, choice.symbol);
    if (!primary) {
        tellMissing(choice.font->path + " is no font FreeType reads");
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    font.realised = std::make_shared<RealisedFont>(std::move(primary), std::move(choice), request);
    return font.realised.get();
}

}  // namespace vks::detail
