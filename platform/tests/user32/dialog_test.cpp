// Dialogs from templates: reading DLGTEMPLATEEX and DLGTEMPLATE, the controls in dialog units, the creation
// messages, the default button and the modal run.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "user32/dialog_template.h"
#include "vksresource.h"
#include "window_fixtures.h"
#include "windows.h"

using vkstest::Seen;

namespace {

constexpr int kLayout = 200, kSystemFont = 201, kNinePoint = 202, kVisible = 203;
constexpr int kShellNinePoint = 204, kShellTenPoint = 205, kClassic = 206;
// A template cut short, registered by the test that needs it.
constexpr int kCutShort = 998;
constexpr int kLabel = 1000, kField = 1001, kOptions = 1002;

std::string templateBytes(int id)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_DIALOG);
    EXPECT_NE(nullptr, found);
    const char *data = static_cast<const char *>(LockResource(LoadResource(nullptr, found)));
    return data ? std::string(data, SizeofResource(nullptr, found)) : std::string();
}

const int kCutShortAnchor = 0;

LPCDLGTEMPLATEA asTemplate(const std::string &bytes)
{
    return reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data());
}

// What the dialog procedure saw, and what it does on each message.
struct ProcScript {
    std::vector<Seen> seen;
    std::vector<LPARAM> initParams;
    std::function<INT_PTR(HWND, UINT, WPARAM)> act;
};

thread_local ProcScript *script = nullptr;

INT_PTR CALLBACK scriptedProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!script)
        return FALSE;
    script->seen.push_back({dialog, message, wParam});
    if (message == WM_INITDIALOG)
        script->initParams.push_back(lParam);
    return script->act ? script->act(dialog, message, wParam) : FALSE;
}

class DialogTest : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = vkstest::loggingProc;
        wc.lpszClassName = "VksTestField";
        ASSERT_NE(0, RegisterClassA(&wc));
        script = &script_;
        vkstest::takeSeen();
    }
    void TearDown() override
    {
        // The fixture's own clean-up knows only the test classes.
        while (const HWND dialog = FindWindowA("#32770", nullptr))
            if (!DestroyWindow(dialog))
                break;
        WindowTest::TearDown();
        script = nullptr;
        UnregisterClassA("VksTestField", nullptr);
    }

    HWND createLayout(HWND owner = nullptr, LPARAM param = 0)
    {
        return CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kLayout), owner, scriptedProc, param);
    }

    // The messages of the dialog procedure of these kinds only, in order.
    std::vector<UINT> seenOf(std::initializer_list<UINT> kinds) const
    {
        std::vector<UINT> kept;
        for (const Seen &seen : script_.seen)
            for (UINT kind : kinds)
                if (seen.message == kind)
                    kept.push_back(kind);
        return kept;
    }

    ProcScript script_;
};

RECT relativeTo(HWND child, HWND dialog)
{
    RECT inner{}, outer{};
    GetWindowRect(child, &inner);
    GetWindowRect(dialog, &outer);
    return {inner.left - outer.left, inner.top - outer.top, inner.right - outer.left,
            inner.bottom - outer.top};
}

void expectRect(const RECT &expected, const RECT &actual)
{
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
}

}  // namespace

TEST(DialogTemplateReader, ReadsTheHeaderTheFontAndEachItem)
{
    const std::string bytes = templateBytes(kLayout);
    const auto dialog = vks::detail::readDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(77u, dialog->helpId);
    EXPECT_EQ(static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU),
              dialog->style);
    EXPECT_EQ((std::vector<short>{10, 20, 200, 100}),
              (std::vector<short>{dialog->x, dialog->y, dialog->cx, dialog->cy}));
    EXPECT_EQ("Layout", dialog->caption);
    EXPECT_TRUE(dialog->hasFont);
    EXPECT_EQ(8, dialog->pointSize);
    EXPECT_EQ("MS Shell Dlg", dialog->typeface);

    const struct {
        DWORD id;
        const char *className, *text;
        short x, y, cx, cy;
    } rows[] = {
        {kLabel, "Static", "&Name:", 7, 9, 40, 8},
        {kField, "VksTestField", "text", 50, 7, 101, 14},
        {kOptions, "Button", "Options", 7, 27, 186, 40},
        {IDOK, "Button", "OK", 89, 79, 50, 14},
        {IDCANCEL, "Button", "Cancel", 143, 79, 50, 14},
    };
    ASSERT_EQ(std::size(rows), dialog->items.size());
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        const vks::detail::DialogItem &item = dialog->items[i];
        EXPECT_EQ(rows[i].id, item.id);
        EXPECT_EQ(rows[i].className, item.className);
        EXPECT_EQ(rows[i].text, item.text);
        EXPECT_EQ((std::vector<short>{rows[i].x, rows[i].y, rows[i].cx, rows[i].cy}),
                  (std::vector<short>{item.x, item.y, item.cx, item.cy}));
        EXPECT_TRUE(item.style & WS_VISIBLE);
    }
}

// Template bytes as Windows documents DLGTEMPLATEEX, written field by field.
class TemplateWriter {
public:
    TemplateWriter &word(unsigned value)
    {
        bytes_.push_back(static_cast<char>(value & 0xFF));
        bytes_.push_back(static_cast<char>((value >> 8) & 0xFF));
        return *this;
    }
    TemplateWriter &dword(unsigned long value)
    {
        return word(static_cast<unsigned>(value & 0xFFFF))
            .word(static_cast<unsigned>(value >> 16));
    }
    TemplateWriter &text(const char *ascii)
    {
        for (; *ascii; ++ascii)
            word(static_cast<unsigned char>(*ascii));
        return word(0);
    }
    TemplateWriter &align()
    {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
        return *this;
    }
    const std::string &bytes() const { return bytes_; }

private:
    std::string bytes_;
};

TEST(DialogTemplateReader, ReadsNamedClassesOrdinalTextsAndSkipsCreationData)
{
    TemplateWriter out;
    out.word(1).word(0xFFFF).dword(5).dword(WS_EX_CONTEXTHELP).dword(WS_POPUP).word(2);
    out.word(1).word(2).word(30).word(40);
    out.text("MENU").text("OwnClass").text("Title");  // no DS_SETFONT: no font follows
    out.align().dword(0).dword(0).dword(WS_CHILD).word(1).word(2).word(3).word(4).dword(0x12345);
    out.text("Custom").word(0xFFFF).word(9).word(3);
    out.word(0xAAAA).word(0xBB);  // three bytes of creation data, then the padding
    out.align().dword(0).dword(0).dword(WS_CHILD).word(5).word(6).word(7).word(8).dword(7);
    out.word(0xFFFF).word(0x85).text("Last").word(0);
    const auto dialog = vks::detail::readDialogTemplate(out.bytes().data(), out.bytes().size());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(5u, dialog->helpId);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_CONTEXTHELP), dialog->exStyle);
    EXPECT_EQ("OwnClass", dialog->className);
    EXPECT_EQ("Title", dialog->caption);
    EXPECT_FALSE(dialog->hasFont);
    ASSERT_EQ(2u, dialog->items.size());
    EXPECT_EQ(0x12345u, dialog->items[0].id);
    EXPECT_EQ("Custom", dialog->items[0].className);
    EXPECT_EQ("", dialog->items[0].text) << "a resource number as text gives no text";
    EXPECT_EQ(7u, dialog->items[1].id);
    EXPECT_EQ("ComboBox", dialog->items[1].className);
    EXPECT_EQ("Last", dialog->items[1].text);
    EXPECT_EQ(8, dialog->items[1].cy);
}

TEST(DialogTemplateReader, RefusesEveryCutShortTemplateAndAForeignSignature)
{
    const std::string bytes = templateBytes(kLayout);
    // The last item ends with its creation-data count; any shorter template is cut inside it.
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(vks::detail::readDialogTemplate(bytes.data(), size));
    }
    const std::string classic = templateBytes(kClassic);
    for (std::size_t size = 0; size < classic.size(); ++size) {
        SCOPED_TRACE("classic, " + std::to_string(size));
        EXPECT_FALSE(vks::detail::readDialogTemplate(classic.data(), size));
    }
    EXPECT_FALSE(vks::detail::readDialogTemplate(nullptr, 100));
}

TEST(DialogTemplateWriter, WritesTheDocumentedLayoutThatTheReaderReadsBack)
{
    vks::detail::DialogTemplate dialog;
    dialog.helpId = 5;
    dialog.exStyle = WS_EX_CONTROLPARENT;
    dialog.style = WS_CHILD | DS_CONTROL;
    dialog.x = 1, dialog.y = 2, dialog.cx = 30, dialog.cy = 40;
    dialog.caption = "T";
    dialog.hasFont = true;
    dialog.pointSize = 9;
    dialog.typeface = "\x82\x6C";  // FULLWIDTH LATIN CAPITAL LETTER M in code page 932
    vks::detail::DialogItem item;
    item.style = WS_CHILD | BS_PUSHBUTTON;
    item.x = 3, item.y = 4, item.cx = 5, item.cy = 6;
    item.id = IDOK;
    item.className = "Button";
    item.text = "OK";
    dialog.items = {item, item};
    dialog.items[1].className = "Own";
    dialog.items[1].id = 0x12345;

    TemplateWriter expected;
    expected.word(1).word(0xFFFF).dword(5).dword(WS_EX_CONTROLPARENT)
        .dword(WS_CHILD | DS_CONTROL | DS_SETFONT).word(2);
    expected.word(1).word(2).word(30).word(40).word(0).word(0).text("T");
    expected.word(9).word(400).word(0).word(0xFF2D).word(0);
    expected.align().dword(0).dword(0).dword(WS_CHILD | BS_PUSHBUTTON);
    expected.word(3).word(4).word(5).word(6).dword(IDOK).word(0xFFFF).word(0x80).text("OK").word(0);
    expected.align().dword(0).dword(0).dword(WS_CHILD | BS_PUSHBUTTON);
    expected.word(3).word(4).word(5).word(6).dword(0x12345).text("Own").text("OK").word(0);
    const std::vector<BYTE> bytes = vks::detail::writeDialogTemplate(dialog);
    EXPECT_EQ(expected.bytes(), std::string(bytes.begin(), bytes.end()));

    const auto read = vks::detail::readDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(read);
    EXPECT_EQ(dialog.typeface, read->typeface);
    EXPECT_EQ("Own", read->items[1].className);
    EXPECT_EQ("Button", read->items[0].className);
}

// A DIALOG statement's template: style before extended style, 16-bit identifiers (IDC_STATIC
// widened to -1), the font as its size and typeface only.
TEST(DialogTemplateReader, ReadsAClassicTemplate)
{
    const std::string bytes = templateBytes(kClassic);
    const auto dialog = vks::detail::readDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(0u, dialog->helpId);
    EXPECT_EQ(static_cast<DWORD>(DS_SETFONT | WS_POPUP | WS_CAPTION), dialog->style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_TOOLWINDOW), dialog->exStyle);
    EXPECT_EQ((std::vector<short>{5, 6, 120, 60}),
              (std::vector<short>{dialog->x, dialog->y, dialog->cx, dialog->cy}));
    EXPECT_EQ("Classic", dialog->caption);
    EXPECT_TRUE(dialog->hasFont);
    EXPECT_EQ(9, dialog->pointSize);
    EXPECT_EQ("Tahoma", dialog->typeface);
    ASSERT_EQ(2u, dialog->items.size());
    EXPECT_EQ(0xFFFFFFFFu, dialog->items[0].id);
    EXPECT_EQ("Static", dialog->items[0].className);
    EXPECT_EQ("Name", dialog->items[0].text);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_GROUP), dialog->items[0].style);
    EXPECT_EQ(1001u, dialog->items[1].id);
    EXPECT_EQ("Edit", dialog->items[1].className);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_CLIENTEDGE), dialog->items[1].exStyle);
    EXPECT_EQ((std::vector<short>{40, 4, 70, 12}),
              (std::vector<short>{dialog->items[1].x, dialog->items[1].y, dialog->items[1].cx,
                                  dialog->items[1].cy}));
}

TEST(MulDivTest, RoundsHalfAwayFromZeroAndReportsFailureAsMinusOne)
{
    const struct {
        int number, numerator, denominator, expected;
    } rows[] = {
        {9, 13, 8, 15},    {7, 6, 4, 11},         {-7, 6, 4, -11},        {7, -6, 4, -11},
        {7, 6, -4, -11},   {91, 1, 8, 11},        {0, 5, 3, 0},           {5, 1, 0, -1},
        {0x7FFFFFFF, 2, 2, 0x7FFFFFFF},           {0x7FFFFFFF, 2, 1, -1}, {-0x7FFFFFFF, 2, 1, -1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.number) + " * " + std::to_string(row.numerator) + " / " +
                     std::to_string(row.denominator));
        EXPECT_EQ(row.expected, MulDiv(row.number, row.numerator, row.denominator));
    }
}

TEST_F(DialogTest, EachControlHasTheRectangleOfItsDialogUnits)
{
    // 8-point font: 6 x 13 pixels per 4 x 8 units, each coordinate rounded by MulDiv.
    const HWND dialog = createLayout();
    ASSERT_NE(nullptr, dialog);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    expectRect({15, 33, 315, 196}, frame);
    const struct {
        int id;
        RECT pixels;
    } rows[] = {
        {kLabel, {11, 15, 71, 28}},     {kField, {75, 11, 227, 34}},
        {kOptions, {11, 44, 290, 109}}, {IDOK, {134, 128, 209, 151}},
        {IDCANCEL, {215, 128, 290, 151}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.id);
        const HWND child = GetDlgItem(dialog, row.id);
        ASSERT_NE(nullptr, child);
        EXPECT_EQ(row.id, GetDlgCtrlID(child));
        EXPECT_EQ(dialog, GetParent(child));
        expectRect(row.pixels, relativeTo(child, dialog));
    }
}

TEST_F(DialogTest, BaseUnitsFollowTheTemplateFont)
{
    const struct {
        const char *name;
        int dialog;
        RECT button, mapped;
    } rows[] = {
        // No font: the system font's 8 x 16.
        {"system font", kSystemFont, {6, 10, 40, 32}, {8, 16, 16, 32}},
        // Measured from the font, as Windows measures it: 9-point Tahoma is 7 x 14 and 10-point
        // "MS Shell Dlg" 7 x 16, not the 8-point figures scaled (7 x 15, 8 x 16).
        {"nine points", kNinePoint, {7, 14, 21, 42}, {7, 14, 14, 28}},
        {"nine points, shell font", kShellNinePoint, {7, 14, 21, 42}, {7, 14, 14, 28}},
        {"ten points, shell font", kShellTenPoint, {7, 16, 21, 48}, {7, 16, 14, 32}},
        {"eight points", kLayout, {134, 128, 209, 151}, {6, 13, 12, 26}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(row.dialog), nullptr,
                                               scriptedProc, 0);
        ASSERT_NE(nullptr, dialog);
        expectRect(row.button, relativeTo(GetDlgItem(dialog, IDOK), dialog));
        RECT units{4, 8, 8, 16};
        ASSERT_TRUE(MapDialogRect(dialog, &units));
        expectRect(row.mapped, units);
        DestroyWindow(dialog);
    }
    EXPECT_EQ(MAKELONG(8, 16), GetDialogBaseUnits());
    RECT units{4, 8, 8, 16};
    const HWND plain = vkstest::ScopedWindowClass().create();
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(MapDialogRect(plain, &units));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(DialogTest, FontThenControlsThenInitDialogWithTheFirstTabStop)
{
    script_.act = [](HWND dialog, UINT message, WPARAM) -> INT_PTR {
        // Every control exists when the dialog is initialised.
        if (message == WM_INITDIALOG) {
            EXPECT_NE(nullptr, GetDlgItem(dialog, IDCANCEL));
        }
        return FALSE;
    };
    const HWND dialog = createLayout(nullptr, 1234);
    ASSERT_NE(nullptr, dialog);
    ASSERT_GE(script_.seen.size(), 2u);
    // The procedure sees nothing of the dialog's creation: WM_SETFONT comes first, with the
    // template's font.
    const Seen first = script_.seen[0];
    EXPECT_EQ(dialog, first.hwnd);
    EXPECT_EQ(static_cast<UINT>(WM_SETFONT), first.message);
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(reinterpret_cast<HGDIOBJ>(first.wParam)));
    EXPECT_EQ((std::vector<UINT>{WM_SETFONT, WM_INITDIALOG}),
              seenOf({WM_CREATE, WM_NCCREATE, WM_SETFONT, WM_INITDIALOG}));
    const HWND field = GetDlgItem(dialog, kField);
    EXPECT_EQ((Seen{dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(field)}), script_.seen.back());
    EXPECT_EQ(std::vector<LPARAM>{1234}, script_.initParams);
    // The field was created and given the font before the dialog was initialised.
    std::vector<UINT> fieldMessages;
    for (const Seen &seen : vkstest::takeSeen())
        if (seen.hwnd == field && seen.message != WM_SHOWWINDOW)
            fieldMessages.push_back(seen.message);
    EXPECT_EQ((std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SETFONT}), fieldMessages);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "the template has no WS_VISIBLE";

    script_.seen.clear();
    script_.act = nullptr;
    ASSERT_NE(nullptr, CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kSystemFont), nullptr,
                                          scriptedProc, 0));
    EXPECT_EQ(std::vector<UINT>{WM_INITDIALOG}, seenOf({WM_SETFONT, WM_INITDIALOG}))
        << "no font, no WM_SETFONT";
}

TEST_F(DialogTest, ModelessDialogsAreShownWhenTheTemplateSaysSoAndOutliveEndDialog)
{
    const std::string bytes = templateBytes(kVisible);
    const HWND dialog = CreateDialogIndirectParamA(nullptr, asTemplate(bytes), nullptr,
                                                   scriptedProc, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    char className[16] = {};
    GetClassNameA(dialog, className, sizeof className);
    EXPECT_STREQ("#32770", className);
    EXPECT_TRUE(EndDialog(dialog, 5));
    EXPECT_TRUE(IsWindow(dialog));
    // Gone with its window: the handle is no dialog any more.
    ASSERT_TRUE(DestroyWindow(dialog));
    RECT units{4, 8, 4, 8};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(MapDialogRect(dialog, &units));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());

    const HWND plain = vkstest::ScopedWindowClass().create();
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(EndDialog(plain, 5));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(DialogTest, TheDefaultButtonIsTheFirstDefPushButtonUntilSet)
{
    const HWND dialog = createLayout();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageA(dialog, DM_GETDEFID, 0, 0));
    EXPECT_TRUE(SendMessageA(dialog, DM_SETDEFID, IDCANCEL, 0));
    EXPECT_EQ(MAKELONG(IDCANCEL, DC_HASDEFID), SendMessageA(dialog, DM_GETDEFID, 0, 0));
    SendMessageA(dialog, DM_SETDEFID, 0, 0);
    EXPECT_EQ(0, SendMessageA(dialog, DM_GETDEFID, 0, 0));

    const HWND plain = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kSystemFont), nullptr,
                                          scriptedProc, 0);
    EXPECT_EQ(0, SendMessageA(plain, DM_GETDEFID, 0, 0)) << "a plain push button is no default";

    // The procedure's own answer wins over the default.
    script_.act = [](HWND, UINT message, WPARAM) -> INT_PTR {
        return message == DM_GETDEFID ? MAKELONG(kField, DC_HASDEFID) : FALSE;
    };
    EXPECT_EQ(MAKELONG(kField, DC_HASDEFID), SendMessageA(plain, DM_GETDEFID, 0, 0));
}

TEST_F(DialogTest, ModalRunDisablesTheOwnerUntilEndDialog)
{
    const HWND owner = vkstest::ScopedWindowClass().create("owner", WS_VISIBLE);
    bool ownerEnabledWhileRunning = true, ownerEnabledAtInit = true, shownWhileRunning = false;
    HWND seenDialog = nullptr;
    RECT placed{};
    script_.act = [&](HWND dialog, UINT message, WPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            ownerEnabledAtInit = IsWindowEnabled(owner);
            PostMessageA(dialog, WM_APP, 0, 0);
        }
        if (message == WM_APP) {
            seenDialog = dialog;
            ownerEnabledWhileRunning = IsWindowEnabled(owner);
            shownWhileRunning = IsWindowVisible(dialog);
            GetWindowRect(dialog, &placed);
            EndDialog(dialog, 42);
        }
        return FALSE;
    };
    EXPECT_EQ(42, DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kLayout), owner, scriptedProc, 0));
    EXPECT_FALSE(ownerEnabledAtInit) << "the owner is disabled before the dialog is made";
    EXPECT_FALSE(ownerEnabledWhileRunning);
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(seenDialog));
    // The template's position counts from the owner's origin.
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    EXPECT_EQ(ownerRect.left + 15, placed.left);
    EXPECT_EQ(ownerRect.top + 33, placed.top);
}

TEST_F(DialogTest, ModalRunEndsThroughCloseQuitOrAnEarlyEndDialog)
{
    const std::string bytes = templateBytes(kLayout);
    const struct {
        const char *name;
        UINT trigger;  // posted from WM_INITDIALOG; 0 ends the dialog there
        INT_PTR expected;
    } rows[] = {
        {"close becomes Cancel", WM_CLOSE, IDCANCEL},
        {"quit ends with 0", WM_QUIT, 0},
        {"ended while initialising", 0, 7},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        bool shown = false;
        script_.act = [&](HWND dialog, UINT message, WPARAM wParam) -> INT_PTR {
            if (message == WM_INITDIALOG && row.trigger == WM_QUIT)
                PostQuitMessage(3);
            else if (message == WM_INITDIALOG && row.trigger)
                PostMessageA(dialog, row.trigger, 0, 0);
            else if (message == WM_INITDIALOG)
                EndDialog(dialog, 7);
            if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
                EndDialog(dialog, IDCANCEL);
            if (message == WM_SHOWWINDOW)
                shown = true;
            return FALSE;
        };
        EXPECT_EQ(row.expected,
                  DialogBoxIndirectParamA(nullptr, asTemplate(bytes), nullptr, scriptedProc, 0));
        MSG msg;
        const bool quitReposted = PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(row.trigger == WM_QUIT, quitReposted);
        EXPECT_EQ(row.trigger != 0, shown) << "a dialog ended while initialising is never shown";
    }
}

TEST_F(DialogTest, BadTemplatesAndOwnersFailWithWindowsErrors)
{
    // The first 40 bytes of a template: it ends inside its first item.
    const std::string layout = templateBytes(kLayout);
    ASSERT_TRUE(VksRegisterResource(&kCutShortAnchor, RT_DIALOG, MAKEINTRESOURCEA(kCutShort),
                                    layout.data(), 40));
    const struct {
        const char *name;
        std::function<INT_PTR()> call;
        INT_PTR failure;
        DWORD error;
    } rows[] = {
        {"modal, missing resource",
         [] { return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, scriptedProc, 0); },
         -1, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"modal, template cut short",
         [] { return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kCutShort), nullptr, scriptedProc, 0); },
         -1, ERROR_INVALID_PARAMETER},
        {"modeless, template cut short",
         [] {
             return reinterpret_cast<INT_PTR>(CreateDialogParamA(
                 nullptr, MAKEINTRESOURCEA(kCutShort), nullptr, scriptedProc, 0));
         },
         0, ERROR_INVALID_PARAMETER},
        {"modeless, owner gone",
         [] {
             return reinterpret_cast<INT_PTR>(CreateDialogParamA(
                 nullptr, MAKEINTRESOURCEA(kLayout), reinterpret_cast<HWND>(0x4321),
                 scriptedProc, 0));
         },
         0, ERROR_INVALID_WINDOW_HANDLE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(row.failure, row.call());
        EXPECT_EQ(row.error, GetLastError());
    }
    EXPECT_TRUE(script_.seen.empty());

    const HWND owner = vkstest::ScopedWindowClass().create("owner", WS_VISIBLE);
    EXPECT_EQ(-1, DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kCutShort), owner, scriptedProc, 0));
    EXPECT_TRUE(IsWindowEnabled(owner)) << "a dialog that cannot be made leaves its owner enabled";
}

TEST_F(DialogTest, AControlOfAnUnknownClassFailsTheDialogAndLeavesNoWindow)
{
    ASSERT_TRUE(UnregisterClassA("VksTestField", nullptr));
    EXPECT_EQ(nullptr, createLayout());
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Layout"));
    EXPECT_TRUE(seenOf({WM_INITDIALOG}).empty());
    EXPECT_EQ((std::vector<UINT>{WM_SETFONT, WM_DESTROY, WM_NCDESTROY}),
              seenOf({WM_SETFONT, WM_DESTROY, WM_NCDESTROY}));
    WNDCLASSA wc{};
    wc.lpfnWndProc = vkstest::loggingProc;
    wc.lpszClassName = "VksTestField";
    RegisterClassA(&wc);
}
