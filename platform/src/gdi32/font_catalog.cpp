// The face-name table and fontconfig: finding host fonts for Windows' faces and for characters.
#include "gdi32/font_catalog.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "kernel32/codepage.h"

namespace vks::detail {

namespace {

constexpr const char *kWineFontFolder = "/usr/share/wine/fonts";
constexpr const char *kWinePackage = "fonts-wine";
constexpr const char *kIpaPackage = "fonts-ipafont-gothic";
constexpr const char *kLinkedJapanese = "IPAPGothic";

// A Windows face: its names (UTF-8, compared without regard to ASCII case), and where its host
// font comes from: a file of fonts-wine (regular and bold) or a fontconfig family.
struct FaceRow {
    std::vector<std::string> names;
    const char *wineFile = nullptr;
    const char *wineBoldFile = nullptr;
    const char *family = nullptr;  // the host family (fontconfig's name)
    bool symbol = false;
    bool linksJapanese = false;
    bool raster = false;  // a file of raster faces, one per size
};

const std::vector<FaceRow> &faceTable()
{
    static const std::vector<FaceRow> &rows = *new std::vector<FaceRow>{
        {{"MS Shell Dlg", "MS Shell Dlg 2", "Tahoma"}, "tahoma.ttf", "tahomabd.ttf", "Tahoma",
         false, true},
        {{"MS Sans Serif"}, "sserife.fon", nullptr, "MS Sans Serif", false, true, true},
        {{"System"}, "vgasys.fon", nullptr, "System", false, true, true},
        {{"Marlett"}, "marlett.ttf", nullptr, "Marlett", true, false},
        {{"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF", "MS PGothic", "MS UI Gothic"},
         nullptr, nullptr, "IPAPGothic", false, false},
        {{"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF", "MS Gothic"}, nullptr, nullptr, "IPAGothic",
         false, false},
    };
    return rows;
}

std::string &wineFolder()
{
    static std::string &folder = *new std::string(kWineFontFolder);
    return folder;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

const FaceRow *rowFor(const std::string &utf8Name, std::string &asNamed)
{
    const std::string wanted = lowered(utf8Name);
    for (const FaceRow &row : faceTable())
        for (const std::string &name : row.names)
            if (lowered(name) == wanted) {
                asNamed = name;
                return &row;
            }
    return nullptr;
}

FcConfig *config()
{
    // The process's default configuration, loaded once; no fontconfig call runs outside the
    // GDI lock, so one configuration serves every thread.
    static FcConfig *loaded = FcInitLoadConfigAndFonts();
    return loaded;
}

std::string stringOf(FcPattern *pattern, const char *object)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char *>(value);
}

int intOf(FcPattern *pattern, const char *object)
{
    int value = 0;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

// The file of exactly this family, the regular weight first; looked up once per family.
std::optional<HostFont> familyFile(const char *family)
{
    static std::map<std::string, std::optional<HostFont>> &known =
        *new std::map<std::string, std::optional<HostFont>>;
    const auto cached = known.find(family);
    if (cached != known.end())
        return cached->second;
    // The configuration's own list of fonts, searched for the family among each font's names
    // (fontconfig's listing call keeps a little memory it never frees).
    std::optional<HostFont> best;
    int bestWeight = 0;
    FcFontSet *fonts = FcConfigGetFonts(config(), FcSetSystem);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcPattern *font = fonts->fonts[i];
        bool named = false;
        FcChar8 *name = nullptr;
        for (int n = 0; !named && FcPatternGetString(font, FC_FAMILY, n, &name) == FcResultMatch; ++n)
            named = std::string(reinterpret_cast<const char *>(name)) == family;
        if (!named)
            continue;
        const int weight = intOf(font, FC_WEIGHT);
        const HostFont candidate{stringOf(font, FC_FILE), intOf(font, FC_INDEX)};
        const bool nearer = std::abs(weight - FC_WEIGHT_REGULAR) < std::abs(bestWeight - FC_WEIGHT_REGULAR);
        const bool sameButFirst = weight == bestWeight && best && candidate.path < best->path;
        if (!best || nearer || sameButFirst) {
            best = candidate;
            bestWeight = weight;
        }
    }
    known[family] = best;
    return best;
}

bool fileExists(const std::string &path)
{
    if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return true;
    }
    return false;
}

FontChoice fromTable(const FaceRow &row, const std::string &asNamed, LONG weight)
{
    FontChoice choice;
    choice.faceName = asNamed;
    choice.family = row.family;
    choice.symbol = row.symbol;
    choice.linksJapanese = row.linksJapanese;
    if (row.wineFile) {
        const char *file = weight >= FW_SEMIBOLD && row.wineBoldFile ? row.wineBoldFile
                                                                      : row.wineFile;
        const std::string path = wineFolder() + "/" + file;
        if (fileExists(path))
            choice.font = HostFont{path, row.raster ? -1 : 0};
        else
            choice.missing = path + " is missing: install the Debian package " + kWinePackage;
        return choice;
    }
    choice.font = familyFile(row.family);
    if (!choice.font)
        choice.missing = std::string("the font family ") + row.family +
                         " is missing: install the Debian package " + kIpaPackage;
    return choice;
}

// fontconfig's choice for a name it may not know, told once per name on the debug output.
FontChoice fromFontconfig(const std::string &utf8Name, LONG weight, bool italic)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(utf8Name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight >= FW_SEMIBOLD ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config(), pattern, &result);
    FontChoice choice;
    if (match) {
        choice.font = HostFont{stringOf(match, FC_FILE), intOf(match, FC_INDEX)};
        choice.family = stringOf(match, FC_FAMILY);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    choice.faceName = choice.family.empty() ? utf8Name : choice.family;
    static std::set<std::string> &told = *new std::set<std::string>;
    if (told.insert(lowered(utf8Name)).second) {
        const std::string note = "gdi32: no font is named \"" + utf8Name + "\"; fontconfig chose \"" +
                                 choice.family + "\" (" + (choice.font ? choice.font->path : "none") +
                                 ")\n";
        OutputDebugStringA(utf8ToAnsi(note).c_str());
    }
    if (!choice.font)
        choice.missing = "fontconfig has no font for \"" + utf8Name + "\"";
    return choice;
}

// The fonts fontconfig offers for a family, best first, with their character sets; kept for
// the process's life as the installed fonts do not change under it.
struct SortedFonts {
    FcFontSet *fonts = nullptr;
};

FcFontSet *sortedFor(const std::string &family)
{
    static std::map<std::string, SortedFonts> &cache = *new std::map<std::string, SortedFonts>;
    auto found = cache.find(family);
    if (found != cache.end())
        return found->second.fonts;
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
    FcConfigSubstitute(config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet *fonts = FcFontSort(config(), pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    cache[family] = SortedFonts{fonts};
    return fonts;
}

bool hasCharacter(FcPattern *font, char32_t character)
{
    FcCharSet *charset = nullptr;
    return FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch &&
           FcCharSetHasChar(charset, character);
}

bool isJapanese(char32_t c)
{
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x3400 && c <= 0x4DBF);
}

}  // namespace

FontChoice chooseFont(const std::string &ansiFaceName, LONG weight, bool italic)
{
    std::string utf8 = ansiToUtf8(ansiFaceName);
    // A font without a face name takes the dialog face.
    if (utf8.empty())
        utf8 = "MS Shell Dlg";
    std::string asNamed;
    if (const FaceRow *row = rowFor(utf8, asNamed))
        return fromTable(*row, asNamed, weight);
    return fromFontconfig(utf8, weight, italic);
}

std::optional<HostFont> fallbackFont(char32_t character, const std::string &family,
                                     bool linksJapanese)
{
    if (linksJapanese && isJapanese(character))
        if (auto linked = familyFile(kLinkedJapanese))
            return linked;
    FcFontSet *fonts = sortedFor(family);
    for (int i = 0; fonts && i < fonts->nfont; ++i)
        if (hasCharacter(fonts->fonts[i], character))
            return HostFont{stringOf(fonts->fonts[i], FC_FILE), intOf(fonts->fonts[i], FC_INDEX)};
    return std::nullopt;
}

void setWineFontFolderForTesting(const char *folder)
{
    wineFolder() = folder ? folder : kWineFontFolder;
}

}  // namespace vks::detail
