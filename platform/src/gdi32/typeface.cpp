// Logical fonts realised, and texts shaped into glyphs.
#include "gdi32/typeface.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unordered_map>

#include "gdi32/gdi_table.h"
#include "kernel32/codepage.h"
#include "kernel32/utf8.h"

namespace vks::detail {

namespace {

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
    const std::string utf8 = ansiToUtf8(character);
    const char32_t value = utf8.empty() ? U'?' : firstCodePoint(utf8).value;
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
