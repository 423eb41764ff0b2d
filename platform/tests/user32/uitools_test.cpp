// The classic drawing helpers drawn into memory DCs and read back: edges, frame controls, the
// focus frame, text and grayed text.
#include <string>

#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "windows.h"

namespace {

using vkstest::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kDarkShadow = RGB(64, 64, 64);

// Letters for the classic colours, for rows of pixels drawn as text.
char colourKey(COLORREF c)
{
    switch (c) {
    case kWhite:
        return 'W';
    case kBlack:
        return '#';
    case kFace:
        return 'F';
    case kShadow:
        return 'S';
    case kDarkShadow:
        return 'D';
    default:
        return '?';
    }
}

class DialogFont {
public:
    explicit DialogFont(HDC dc) : dc_(dc)
    {
        font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            "MS Shell Dlg");
        previous_ = SelectObject(dc, font_);
    }
    ~DialogFont()
    {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
    }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

TEST(DrawEdge, PaintsTheClassicLinesOnTheNamedSides)
{
    const struct {
        const char *name;
        UINT edge, flags;
        const char *top, *second, *bottom;
    } rows[] = {
        // Raised: light above and left, dark shadow below and right, a white inner line.
        {"raised", EDGE_RAISED, BF_RECT | BF_MIDDLE, "FFFFFD", "FWWWSD", "DDDDDD"},
        {"raised soft", EDGE_RAISED, BF_RECT | BF_SOFT, "WWWWWD", "WFFFSD", "DDDDDD"},
        {"sunken", EDGE_SUNKEN, BF_RECT, "SSSSSW", "SDDDFW", "WWWWWW"},
        {"etched", EDGE_ETCHED, BF_RECT, "SSSSSW", "SWWWSW", "WWWWWW"},
        {"top only", EDGE_SUNKEN, BF_TOP, "SSSSSW", "DDDDDW", "WWWWWW"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(6, 6);
        RECT r{0, 0, 6, 6};
        ASSERT_TRUE(DrawEdge(canvas.dc(), &r, row.edge, row.flags));
        EXPECT_EQ(row.top, canvas.row(0, 0, 6, colourKey));
        EXPECT_EQ(row.second, canvas.row(1, 0, 6, colourKey));
        EXPECT_EQ(row.bottom, canvas.row(5, 0, 6, colourKey));
    }
    Canvas canvas(6, 6);
    RECT r{0, 0, 6, 6};
    DrawEdge(canvas.dc(), &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(2, r.left);
    EXPECT_EQ(4, r.bottom);
}

TEST(DrawFocusRect, InvertsEveryOtherPixelAndUndoesItself)
{
    Canvas canvas(6, 4);
    const RECT r{0, 0, 6, 4};
    ASSERT_TRUE(DrawFocusRect(canvas.dc(), &r));
    EXPECT_EQ("#.#.#.", canvas.row(0, 0, 6));
    EXPECT_EQ(".....#", canvas.row(1, 0, 6));
    EXPECT_EQ("#.....", canvas.row(2, 0, 6));
    EXPECT_EQ(".#.#.#", canvas.row(3, 0, 6));
    ASSERT_TRUE(DrawFocusRect(canvas.dc(), &r));
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ("......", canvas.row(y, 0, 6));
}

TEST(DrawFrameControl, CheckBoxesShowTheirMarkOnlyWhenChecked)
{
    const struct {
        const char *name;
        UINT state;
        COLORREF inside, mark;
    } rows[] = {
        {"unchecked", DFCS_BUTTONCHECK, kWhite, kWhite},
        {"checked", DFCS_BUTTONCHECK | DFCS_CHECKED, kWhite, kBlack},
        {"checked, inactive", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, kFace, kShadow},
        {"indeterminate", DFCS_BUTTON3STATE | DFCS_CHECKED, kFace, kShadow},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(13, 13);
        RECT r{0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &r, DFC_BUTTON, row.state));
        EXPECT_EQ(kShadow, canvas.at(0, 0));      // the sunken box
        EXPECT_EQ(kDarkShadow, canvas.at(1, 1));
        EXPECT_EQ(row.inside, canvas.at(10, 2));  // a corner of the inside the mark leaves
        // The check mark's stroke through the box's middle.
        EXPECT_EQ(row.mark, canvas.at(6, 7));
        EXPECT_EQ(row.mark, canvas.at(4, 8));
    }
}

TEST(DrawFrameControl, RadioButtonsShowTheirDotOnlyWhenChecked)
{
    for (const bool checked : {false, true}) {
        SCOPED_TRACE(checked);
        Canvas canvas(13, 13);
        RECT r{0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &r, DFC_BUTTON,
                                     DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0)));
        EXPECT_EQ(kShadow, canvas.at(4, 0));  // the ring's upper left
        EXPECT_EQ(kWhite, canvas.at(3, 3));   // inside it
        EXPECT_EQ(checked ? kBlack : kWhite, canvas.at(6, 6));
        EXPECT_EQ(checked ? kBlack : kWhite, canvas.at(5, 7));
    }
}

TEST(DrawFrameControl, ScrollAndCaptionButtonsCarryTheirMarlettMarks)
{
    const struct {
        const char *name;
        UINT type, state;
    } rows[] = {
        {"scroll up", DFC_SCROLL, DFCS_SCROLLUP},
        {"scroll down", DFC_SCROLL, DFCS_SCROLLDOWN},
        {"scroll left", DFC_SCROLL, DFCS_SCROLLLEFT},
        {"scroll right", DFC_SCROLL, DFCS_SCROLLRIGHT},
        {"combo box", DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
        {"close", DFC_CAPTION, DFCS_CAPTIONCLOSE},
        {"minimise", DFC_CAPTION, DFCS_CAPTIONMIN},
        {"maximise", DFC_CAPTION, DFCS_CAPTIONMAX},
        {"help", DFC_CAPTION, DFCS_CAPTIONHELP},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(16, 16);
        RECT r{0, 0, 16, 16};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &r, row.type, row.state));
        EXPECT_EQ(kWhite, canvas.at(0, 0));        // the raised face's soft outer line
        EXPECT_EQ(kDarkShadow, canvas.at(15, 15));
        EXPECT_EQ(kFace, canvas.at(3, 3));
        // The mark, in the button text's black, inside the face.
        EXPECT_TRUE(canvas.has({2, 2, 14, 14}, kBlack));
        EXPECT_FALSE(canvas.has({2, 2, 14, 14}, kShadow));
    }
    // Inactive marks are embossed: shadow with highlight below it, no black.
    Canvas canvas(16, 16);
    RECT r{0, 0, 16, 16};
    ASSERT_TRUE(DrawFrameControl(canvas.dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE));
    EXPECT_TRUE(canvas.has({2, 2, 14, 14}, kShadow));
    EXPECT_FALSE(canvas.has({2, 2, 14, 14}, kBlack));
    EXPECT_FALSE(DrawFrameControl(canvas.dc(), &r, DFC_MENU, 0));
}

TEST(DrawText, MeasuresWithTheFontAndBreaksLines)
{
    Canvas canvas(120, 60);
    DialogFont font(canvas.dc());
    const struct {
        const char *name;
        const char *text;
        UINT format;
        LONG width, right, bottom;
        int returned;
    } rows[] = {
        {"one line", "Hello, World!", DT_SINGLELINE, 200, 66, 13, 13},
        // The words of the pangram are 21, 29, 31, 15, 30, 22, 18, 21 and 20 pixels wide,
        // blanks 3: three lines fit in 100 pixels, the widest 94.
        {"word breaks", "The quick brown fox jumps over the lazy dog", DT_WORDBREAK, 100, 94, 39, 39},
        {"line ends", "OK\r\nCancel\nOK", 0, 200, 37, 39, 39},
        {"a word wider than the line keeps it", "Cancel", DT_WORDBREAK, 10, 37, 13, 13},
        {"prefix taken out", "&File", DT_SINGLELINE, 200, 19, 13, 13},
        {"no prefix", "&File", DT_SINGLELINE | DT_NOPREFIX, 200, 27, 13, 13},
        {"double ampersand", "A&&B", DT_SINGLELINE, 200, 22, 13, 13},
        // "The quic" and "..." are what fits in 60 pixels.
        {"end ellipsis", "The quick brown fox", DT_SINGLELINE | DT_END_ELLIPSIS, 60, 56, 13, 13},
        {"empty", "", 0, 200, 0, 0, 13},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        RECT r{0, 0, row.width, 50};
        EXPECT_EQ(row.returned, DrawTextA(canvas.dc(), row.text, -1, &r, row.format | DT_CALCRECT));
        EXPECT_EQ(0, r.left);
        EXPECT_EQ(row.right, r.right);
        EXPECT_EQ(row.bottom, r.bottom);
    }
    RECT r{5, 5, 50, 50};
    EXPECT_EQ(0, DrawTextA(canvas.dc(), "OK", 0, &r, DT_CALCRECT));
    EXPECT_EQ(50, r.right);
}

TEST(DrawText, DrawsUnderlinesAlignsAndClips)
{
    Canvas canvas(100, 40);
    DialogFont font(canvas.dc());
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT r{0, 0, 100, 20};
    ASSERT_EQ(13, DrawTextA(canvas.dc(), "&File", -1, &r, DT_SINGLELINE));
    // The prefix's underline: a pixel below the baseline (ascent 11), under the F alone.
    EXPECT_EQ("######......", canvas.row(12, 0, 12));
    RECT hidden{0, 20, 100, 40};
    DrawTextA(canvas.dc(), "&File", -1, &hidden, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ("............", canvas.row(32, 0, 12));

    // Right-aligned and centred vertically: "OK" is 15 pixels wide, 13 high.
    Canvas other(40, 33);
    DialogFont otherFont(other.dc());
    RECT box{0, 0, 40, 33};
    EXPECT_EQ(23, DrawTextA(other.dc(), "OK", -1, &box, DT_SINGLELINE | DT_RIGHT | DT_VCENTER));
    EXPECT_FALSE(other.has({0, 0, 25, 33}, kBlack));
    EXPECT_TRUE(other.has({25, 10, 40, 23}, kBlack));
    EXPECT_FALSE(other.has({0, 0, 40, 10}, kBlack));

    // Clipped to the rectangle unless DT_NOCLIP.
    Canvas clipped(40, 13);
    DialogFont clippedFont(clipped.dc());
    RECT narrow{0, 0, 5, 13};
    DrawTextA(clipped.dc(), "WWW", -1, &narrow, DT_SINGLELINE);
    EXPECT_FALSE(clipped.has({5, 0, 40, 13}, kBlack));
    DrawTextA(clipped.dc(), "WWW", -1, &narrow, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_TRUE(clipped.has({5, 0, 40, 13}, kBlack));
}

TEST(GrayedText, GrayStringDithersAndDrawStateEmbosses)
{
    Canvas canvas(60, 30);
    DialogFont font(canvas.dc());
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    ASSERT_TRUE(GrayStringA(canvas.dc(), blue, nullptr, reinterpret_cast<LPARAM>("Wi"), 2, 0, 0, 0, 0));
    DeleteObject(blue);
    // Every other pixel of the glyphs, in the brush's colour.
    bool seen = false;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 20; ++x) {
            const COLORREF c = canvas.at(x, y);
            if (c == kWhite)
                continue;
            EXPECT_EQ(RGB(0, 0, 255), c);
            EXPECT_EQ(0, (x + y) % 2) << x << "," << y;
            seen = true;
        }
    EXPECT_TRUE(seen);

    Canvas face(60, 20);
    DialogFont faceFont(face.dc());
    SelectObject(face.dc(), GetSysColorBrush(COLOR_BTNFACE));
    PatBlt(face.dc(), 0, 0, 60, 20, PATCOPY);
    ASSERT_TRUE(DrawStateA(face.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>("Hi"), 0, 2, 2, 0, 0,
                           DST_TEXT | DSS_DISABLED));
    // The shadow where the text is, the highlight one pixel down and right of it, no black.
    int embossed = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 59; ++x)
            if (face.at(x, y) == kShadow && face.at(x + 1, y + 1) == kWhite)
                ++embossed;
    EXPECT_GT(embossed, 0);
    EXPECT_FALSE(face.has({0, 0, 60, 20}, kBlack));

    Canvas normal(60, 20);
    DialogFont normalFont(normal.dc());
    ASSERT_TRUE(DrawStateA(normal.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>("Hi"), 0, 0, 0, 0, 0,
                           DST_TEXT | DSS_NORMAL));
    EXPECT_TRUE(normal.has({0, 0, 60, 20}, kBlack));
}

TEST(Rectangles, FrameRectDrawsTheBorderAndInvertRectInvertsTheInside)
{
    Canvas canvas(5, 4);
    const RECT r{0, 0, 5, 4};
    ASSERT_TRUE(FrameRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ("#####", canvas.row(0, 0, 5));
    EXPECT_EQ("#...#", canvas.row(1, 0, 5));
    EXPECT_EQ("#####", canvas.row(3, 0, 5));
    const RECT inside{1, 1, 4, 3};
    ASSERT_TRUE(InvertRect(canvas.dc(), &inside));
    EXPECT_EQ("#####", canvas.row(1, 0, 5));
    EXPECT_EQ("#####", canvas.row(2, 0, 5));
    ASSERT_TRUE(InvertRect(canvas.dc(), &r));
    EXPECT_EQ(".....", canvas.row(0, 0, 5));
    EXPECT_EQ(".....", canvas.row(3, 0, 5));
}

TEST(Icons, StandardIconsDrawOverWhatIsThereLeavingTheirClearPixels)
{
    const struct {
        const char *name;
        LPCSTR id;
        COLORREF feature;
    } rows[] = {
        {"question", IDI_QUESTION, RGB(0, 0, 255)},
        {"error", IDI_HAND, RGB(255, 0, 0)},
        {"warning", IDI_EXCLAMATION, RGB(255, 255, 0)},
        {"information", IDI_ASTERISK, RGB(0, 0, 255)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HICON icon = LoadIconA(nullptr, row.id);
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ(icon, LoadIconA(nullptr, row.id));
        Canvas canvas(40, 40);
        SelectObject(canvas.dc(), GetSysColorBrush(COLOR_BTNFACE));
        PatBlt(canvas.dc(), 0, 0, 40, 40, PATCOPY);
        ASSERT_TRUE(DrawIconEx(canvas.dc(), 4, 4, icon, 0, 0, 0, nullptr, DI_NORMAL));
        EXPECT_EQ(kFace, canvas.at(4, 4));  // a clear corner
        EXPECT_EQ(kFace, canvas.at(36, 4));
        EXPECT_TRUE(canvas.has({4, 4, 36, 36}, row.feature));
        EXPECT_FALSE(canvas.has({0, 0, 40, 4}, row.feature));
    }
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, LoadIconA(nullptr, MAKEINTRESOURCEA(1)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    // A handle of another kind is no icon.
    Canvas canvas(4, 4);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DrawIconEx(canvas.dc(), 0, 0, reinterpret_cast<HICON>(GetStockObject(BLACK_BRUSH)), 0, 0, 0,
                            nullptr, DI_NORMAL));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST(Icons, AModulesIconIsItsGroupsImageNearestTheIconSizeWithItsMask)
{
    // resources/resource_kinds.rc: a 16x16 black image, and a 32x32 one blue on the left and
    // green on the right with a clear top-left corner of 8x8.
    const HINSTANCE program = GetModuleHandleA(nullptr);
    const HICON icon = LoadIconA(program, MAKEINTRESOURCEA(503));
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, LoadIconA(program, MAKEINTRESOURCEA(503)));
    Canvas canvas(40, 40);
    SelectObject(canvas.dc(), GetSysColorBrush(COLOR_BTNFACE));
    PatBlt(canvas.dc(), 0, 0, 40, 40, PATCOPY);
    ASSERT_TRUE(DrawIconEx(canvas.dc(), 4, 4, icon, 0, 0, 0, nullptr, DI_NORMAL));
    const struct {
        const char *name;
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {"clear corner", 4, 4, kFace},
        {"clear corner's last pixel", 11, 11, kFace},
        {"blue beside the corner", 12, 4, RGB(0, 0, 255)},
        {"blue below the corner", 4, 12, RGB(0, 0, 255)},
        {"green", 20, 4, RGB(0, 255, 0)},
        {"green's last pixel", 35, 35, RGB(0, 255, 0)},
        {"outside", 36, 36, kFace},
    };
    for (const auto &pixel : pixels) {
        SCOPED_TRACE(pixel.name);
        EXPECT_EQ(pixel.colour, canvas.at(pixel.x, pixel.y));
    }

    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, LoadIconA(program, MAKEINTRESOURCEA(599)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    // A bitmap is no icon group.
    EXPECT_EQ(nullptr, LoadIconA(program, MAKEINTRESOURCEA(200)));
}

TEST(UiTools, RefuseADeletedDc)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    DeleteDC(dc);
    RECT r{0, 0, 10, 10};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DrawEdge(dc, &r, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_FALSE(DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK));
    EXPECT_FALSE(DrawFocusRect(dc, &r));
    EXPECT_EQ(0, DrawTextA(dc, "x", -1, &r, 0));
    EXPECT_FALSE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>("x"), 0, 0, 0, 0, 0, DST_TEXT));
    EXPECT_EQ(0, FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW)));
}

}  // namespace

