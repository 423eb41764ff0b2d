// Text measured as GDI measures it, against the figures Windows' GDI gives for the same font
// files. The figures were taken with a small Win32 program run under Wine 8 with the fonts of
// Debian's fonts-wine and fonts-ipafont-gothic (GetTextMetricsA, GetTextExtentPoint32A at 96
// dots per inch); the MS Sans Serif and System rows agree with the metrics Wine's conformance
// tests record from Windows for its own raster fonts.
#include <string>

#include <gtest/gtest.h>

#include "windows.h"

namespace {

// Code page 932 texts: 日本語, ファイル, AあB.
constexpr char kNihongo[] = "\x93\xfa\x96\x7b\x8c\xea";
constexpr char kFile[] = "\x83\x74\x83\x40\x83\x43\x83\x8b";
constexpr char kAaB[] = "A\x82\xa0" "B";
// ＭＳ Ｐゴシック
constexpr char kMsPGothic[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

class MemoryDc {
public:
    MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc()
    {
        SelectObject(dc_, GetStockObject(SYSTEM_FONT));
        if (font_)
            DeleteObject(font_);
        DeleteDC(dc_);
    }
    void use(LONG height, const char *face, LONG weight = FW_NORMAL)
    {
        SelectObject(dc_, GetStockObject(SYSTEM_FONT));
        if (font_)
            DeleteObject(font_);
        font_ = CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                            0, face);
        SelectObject(dc_, font_);
    }
    HDC dc() const { return dc_; }
    int width(const char *text) const
    {
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc_, text, static_cast<int>(std::string(text).size()), &size));
        return size.cx;
    }

private:
    HDC dc_;
    HFONT font_ = nullptr;
};

struct Metrics {
    LONG height, ascent, descent, internalLeading, externalLeading, average, maximum, weight;
};

struct FontRow {
    const char *name;
    const char *face;
    LONG height;
    LONG weight;
    Metrics metrics;
};

void expectMetrics(const Metrics &expected, const TEXTMETRICA &tm)
{
    EXPECT_EQ(expected.height, tm.tmHeight);
    EXPECT_EQ(expected.ascent, tm.tmAscent);
    EXPECT_EQ(expected.descent, tm.tmDescent);
    EXPECT_EQ(expected.internalLeading, tm.tmInternalLeading);
    EXPECT_EQ(expected.externalLeading, tm.tmExternalLeading);
    EXPECT_EQ(expected.average, tm.tmAveCharWidth);
    EXPECT_EQ(expected.maximum, tm.tmMaxCharWidth);
    EXPECT_EQ(expected.weight, tm.tmWeight);
}

TEST(TextMetrics, AreWindowsFiguresForTheDialogFonts)
{
    const FontRow rows[] = {
        {"Tahoma 8 pt", "Tahoma", -11, FW_NORMAL, {13, 11, 2, 2, 0, 7, 16, 400}},
        {"Tahoma 9 pt", "Tahoma", -12, FW_NORMAL, {14, 12, 2, 2, 0, 7, 17, 400}},
        {"Tahoma 10 pt", "Tahoma", -13, FW_NORMAL, {16, 13, 3, 3, 0, 8, 19, 400}},
        {"Tahoma 12 pt", "Tahoma", -16, FW_NORMAL, {19, 16, 3, 3, 0, 10, 23, 400}},
        {"Tahoma 8 pt bold", "Tahoma", -11, FW_BOLD, {13, 11, 2, 2, 0, 8, 17, 700}},
        {"MS Shell Dlg 8 pt", "MS Shell Dlg", -11, FW_NORMAL, {13, 11, 2, 2, 0, 7, 16, 400}},
        {"MS Sans Serif 8 pt", "MS Sans Serif", -11, FW_NORMAL, {13, 11, 2, 2, 0, 5, 11, 400}},
        {"MS Sans Serif 13 px cell", "MS Sans Serif", 13, FW_NORMAL, {13, 11, 2, 2, 0, 5, 11, 400}},
        {"System", "System", 0, FW_NORMAL, {16, 13, 3, 3, 0, 7, 15, 700}},
        {"IPA P Gothic 8 pt", kMsPGothic, -11, FW_NORMAL, {12, 10, 2, 1, 0, 5, 16, 400}},
        {"IPA P Gothic 9 pt", kMsPGothic, -12, FW_NORMAL, {13, 11, 2, 1, 0, 6, 17, 400}},
    };
    MemoryDc dc;
    for (const FontRow &row : rows) {
        SCOPED_TRACE(row.name);
        dc.use(row.height, row.face, row.weight);
        TEXTMETRICA tm{};
        ASSERT_TRUE(GetTextMetricsA(dc.dc(), &tm));
        expectMetrics(row.metrics, tm);
    }
}

TEST(TextExtent, IsTheSumOfTheHintedAdvancesAsWindowsMeasuresIt)
{
    const struct {
        const char *face;
        LONG height;
        LONG weight;
        const char *text;
        int width;
    } rows[] = {
        {"Tahoma", -11, FW_NORMAL, "Hello, World!", 66},
        {"Tahoma", -11, FW_NORMAL, "OK", 15},
        {"Tahoma", -11, FW_NORMAL, "Cancel", 37},
        {"Tahoma", -11, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 231},
        {"Tahoma", -11, FW_NORMAL, "&File", 27},
        {"Tahoma", -11, FW_NORMAL, "WWWiii", 39},
        {"Tahoma", -11, FW_NORMAL, "1234567890", 60},
        {"Tahoma", -12, FW_NORMAL, "Hello, World!", 70},
        {"Tahoma", -12, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 252},
        {"Tahoma", -12, FW_NORMAL, "WWWiii", 42},
        {"Tahoma", -13, FW_NORMAL, "Hello, World!", 80},
        {"Tahoma", -13, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 272},
        {"Tahoma", -13, FW_NORMAL, "Cancel", 40},
        {"Tahoma", -16, FW_NORMAL, "Hello, World!", 97},
        {"Tahoma", -16, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 338},
        {"Tahoma", -16, FW_NORMAL, "1234567890", 90},
        {"Tahoma", -11, FW_BOLD, "Hello, World!", 75},
        {"Tahoma", -11, FW_BOLD, "The quick brown fox jumps over the lazy dog", 259},
        {"MS Sans Serif", -11, FW_NORMAL, "Hello, World!", 61},
        {"MS Sans Serif", -11, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 211},
        {"MS Sans Serif", -11, FW_NORMAL, "WWWiii", 39},
        {"System", 0, FW_NORMAL, "Hello, World!", 85},
        {"System", 0, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 290},
        {"System", 0, FW_NORMAL, "1234567890", 80},
        {kMsPGothic, -11, FW_NORMAL, "Hello, World!", 67},
        {kMsPGothic, -11, FW_NORMAL, "The quick brown fox jumps over the lazy dog", 231},
        {kMsPGothic, -11, FW_NORMAL, kNihongo, 33},
        {kMsPGothic, -11, FW_NORMAL, kFile, 36},
        {kMsPGothic, -11, FW_NORMAL, kAaB, 24},
        {kMsPGothic, -12, FW_NORMAL, kNihongo, 36},
        {kMsPGothic, -12, FW_NORMAL, kFile, 40},
        {kMsPGothic, -12, FW_NORMAL, kAaB, 27},
        // Japanese characters in a Tahoma text come from IPA P Gothic at Tahoma's em height, so
        // they measure as they do there: A and B take Tahoma's 7 pixels each, あ IPA P Gothic's
        // 10.
        {"Tahoma", -11, FW_NORMAL, kNihongo, 33},
        {"Tahoma", -11, FW_NORMAL, kAaB, 24},
    };
    MemoryDc dc;
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.face << " " << row.height << " " << row.text);
        dc.use(row.height, row.face, row.weight);
        EXPECT_EQ(row.width, dc.width(row.text));
    }
}

TEST(TextExtent, HeightIsTheCellAndEmptyTextHasNoWidth)
{
    MemoryDc dc;
    dc.use(-11, "Tahoma");
    SIZE size{-1, -1};
    ASSERT_TRUE(GetTextExtentPoint32A(dc.dc(), "", 0, &size));
    EXPECT_EQ(0, size.cx);
    EXPECT_EQ(13, size.cy);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetTextExtentPoint32A(dc.dc(), "x", -1, &size));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(TextFace, IsTheNameAskedForWhenTheTableMapsIt)
{
    const struct {
        const char *face;
        const char *reported;
    } rows[] = {
        {"MS Shell Dlg", "MS Shell Dlg"}, {"ms shell dlg 2", "MS Shell Dlg 2"},
        {"Tahoma", "Tahoma"},             {"MS Sans Serif", "MS Sans Serif"},
        {kMsPGothic, kMsPGothic},         {"MS UI Gothic", "MS UI Gothic"},
    };
    MemoryDc dc;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.face);
        dc.use(-11, row.face);
        char name[LF_FACESIZE] = {};
        EXPECT_EQ(static_cast<int>(std::string(row.reported).size()) + 1,
                  GetTextFaceA(dc.dc(), sizeof name, name));
        EXPECT_STREQ(row.reported, name);
    }
    char small[4] = {};
    dc.use(-11, "Tahoma");
    EXPECT_EQ(4, GetTextFaceA(dc.dc(), sizeof small, small));
    EXPECT_STREQ("Tah", small);
    EXPECT_EQ(7, GetTextFaceA(dc.dc(), 0, nullptr));
}

TEST(StockFonts, AreTheSystemAndDialogFonts)
{
    const struct {
        int stock;
        const char *face;
        LONG height;
        LONG average;
    } rows[] = {
        {SYSTEM_FONT, "System", 16, 7},
        {DEFAULT_GUI_FONT, "MS Shell Dlg", 13, 7},
        {ANSI_VAR_FONT, "MS Sans Serif", 13, 5},
    };
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.face);
        ASSERT_NE(nullptr, SelectObject(dc, GetStockObject(row.stock)));
        TEXTMETRICA tm{};
        ASSERT_TRUE(GetTextMetricsA(dc, &tm));
        EXPECT_EQ(row.height, tm.tmHeight);
        EXPECT_EQ(row.average, tm.tmAveCharWidth);
        char name[LF_FACESIZE] = {};
        GetTextFaceA(dc, sizeof name, name);
        EXPECT_STREQ(row.face, name);
    }
    DeleteDC(dc);
}

}  // namespace

namespace {

TEST(TextOut, DrawsTheGlyphsAtTheAlignedReferencePointOverTheBackground)
{
    const struct {
        const char *name;
        UINT align;
        int x, y;
        RECT cell;  // where the text's cell lands: "OK" is 15 x 13, its ascent 11
    } rows[] = {
        {"top left", TA_LEFT | TA_TOP, 4, 2, {4, 2, 19, 15}},
        {"right", TA_RIGHT | TA_TOP, 40, 2, {25, 2, 40, 15}},
        {"centre, baseline", TA_CENTER | TA_BASELINE, 20, 20, {13, 9, 28, 22}},
        {"bottom", TA_LEFT | TA_BOTTOM, 0, 30, {0, 17, 15, 30}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        MemoryDc dc;
        const HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 48, 32);
        const HGDIOBJ previous = SelectObject(dc.dc(), bitmap);
        PatBlt(dc.dc(), 0, 0, 48, 32, WHITENESS);
        dc.use(-11, "Tahoma");
        SetTextAlign(dc.dc(), row.align);
        SetBkColor(dc.dc(), RGB(0, 0, 255));
        ASSERT_TRUE(TextOutA(dc.dc(), row.x, row.y, "OK", 2));
        // The opaque background fills the cell exactly; the ink is black within it.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 48; ++x) {
                const COLORREF c = GetPixel(dc.dc(), x, y);
                const bool inCell = x >= row.cell.left && x < row.cell.right && y >= row.cell.top &&
                                    y < row.cell.bottom;
                if (!inCell)
                    ASSERT_EQ(RGB(255, 255, 255), c) << x << "," << y;
                else
                    ASSERT_TRUE(c == RGB(0, 0, 255) || c == RGB(0, 0, 0)) << x << "," << y;
            }
        int ink = 0;
        for (LONG y = row.cell.top; y < row.cell.bottom; ++y)
            for (LONG x = row.cell.left; x < row.cell.right; ++x)
                ink += GetPixel(dc.dc(), x, y) == RGB(0, 0, 0);
        EXPECT_GT(ink, 20);
        SelectObject(dc.dc(), previous);
        DeleteObject(bitmap);
    }
}

TEST(TextOut, TransparentModeLeavesTheBackgroundAndTheCurrentPositionCanMove)
{
    MemoryDc dc;
    const HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 64, 16);
    const HGDIOBJ previous = SelectObject(dc.dc(), bitmap);
    PatBlt(dc.dc(), 0, 0, 64, 16, WHITENESS);
    dc.use(-11, "Tahoma");
    SetBkMode(dc.dc(), TRANSPARENT);
    SetTextColor(dc.dc(), RGB(255, 0, 0));
    SetTextAlign(dc.dc(), TA_UPDATECP);
    MoveToEx(dc.dc(), 2, 0, nullptr);
    ASSERT_TRUE(TextOutA(dc.dc(), 50, 50, "OK", 2));
    POINT now{};
    MoveToEx(dc.dc(), 0, 0, &now);
    EXPECT_EQ(17, now.x);  // 2 + the 15 pixels of "OK"
    bool red = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const COLORREF c = GetPixel(dc.dc(), x, y);
            ASSERT_TRUE(c == RGB(255, 255, 255) || c == RGB(255, 0, 0)) << x << "," << y;
            red = red || c == RGB(255, 0, 0);
        }
    EXPECT_TRUE(red);
    SelectObject(dc.dc(), previous);
    DeleteObject(bitmap);
}

}  // namespace
