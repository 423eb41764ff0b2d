// MessageBoxA: the box's windows, its modality, the ways it ends and the host's answerer.
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "vkshost.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAreArray;

namespace {

// What the box looked like from inside, as the answerer saw it.
struct BoxView {
    HWND box = nullptr;
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT style = 0;
    std::string className;
    std::string staticText;
    std::vector<LONG> buttonIds;
    std::vector<std::string> buttonTexts;
    HWND parent = nullptr;
    bool ownerEnabled = true;
    HWND active = nullptr;
};

std::string windowText(HWND hwnd)
{
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

BoxView viewBox(HWND owner, const char *text, const char *caption, UINT style)
{
    BoxView view{};
    view.box = FindWindowA("#32770", caption);
    view.owner = owner;
    view.text = text;
    view.caption = caption;
    view.style = style;
    char className[64] = "";
    GetClassNameA(view.box, className, sizeof className);
    view.className = className;
    view.staticText = windowText(GetDlgItem(view.box, 0xFFFF));
    for (HWND child = GetWindow(view.box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char childClass[16] = "";
        GetClassNameA(child, childClass, sizeof childClass);
        if (std::string(childClass) == "Button") {
            view.buttonIds.push_back(GetWindowLongA(child, GWL_ID));
            view.buttonTexts.push_back(windowText(child));
        }
    }
    view.parent = GetParent(view.box);
    view.ownerEnabled = owner && IsWindowEnabled(owner);
    view.active = GetActiveWindow();
    return view;
}

// Sets the answerer for one test: `answer` sees the box from inside and returns the result to
// press (0 leaves it open).
class ScopedAnswerer {
public:
    using Answer = std::function<int(const BoxView &)>;
    explicit ScopedAnswerer(Answer answer) : answer_(std::move(answer))
    {
        VksHostSetMessageBoxAnswerer(&ScopedAnswerer::call, this);
    }
    ~ScopedAnswerer() { VksHostSetMessageBoxAnswerer(nullptr, nullptr); }

    const std::vector<BoxView> &views() const { return views_; }

private:
    static int call(HWND owner, const char *text, const char *caption, UINT style, void *context)
    {
        auto *self = static_cast<ScopedAnswerer *>(context);
        self->views_.push_back(viewBox(owner, text, caption, style));
        return self->answer_(self->views_.back());
    }

    Answer answer_;
    std::vector<BoxView> views_;
};

class MessageBox : public vkstest::WindowTest {
protected:
    vkstest::ScopedWindowClass windowClass;
};

TEST_F(MessageBox, IsADialogWithItsTextAndOneButtonPerResult)
{
    struct Case {
        const char *name;
        UINT style;
        std::vector<LONG> buttons;
    };
    const Case kCases[] = {
        {"OK", MB_OK, {IDOK}},
        {"OK, Cancel", MB_OKCANCEL, {IDOK, IDCANCEL}},
        {"Abort, Retry, Ignore", MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
        {"Yes, No, Cancel", MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}},
        {"Yes, No", MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}},
        {"Retry, Cancel", MB_RETRYCANCEL, {IDRETRY, IDCANCEL}},
    };
    const HWND owner = windowClass.create("main", WS_VISIBLE);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        ScopedAnswerer answerer([](const BoxView &view) { return view.buttonIds.back(); });
        EXPECT_EQ(c.buttons.back(), MessageBoxA(owner, "Line one\nline two", c.name, c.style));
        ASSERT_EQ(1u, answerer.views().size());
        const BoxView &view = answerer.views().front();
        EXPECT_EQ("#32770", view.className);
        EXPECT_EQ("Line one\nline two", view.staticText);
        EXPECT_THAT(view.buttonIds, ElementsAreArray(c.buttons));
        EXPECT_EQ(owner, view.parent);
        EXPECT_FALSE(view.ownerEnabled);
        EXPECT_EQ(view.box, view.active);
        EXPECT_FALSE(IsWindow(view.box));
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_EQ(owner, GetActiveWindow());
    }
    DestroyWindow(owner);
}

// A child's rectangle in the box's client coordinates.
RECT placeOf(HWND box, int id)
{
    RECT r{};
    GetWindowRect(GetDlgItem(box, id), &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

TEST_F(MessageBox, IsLaidOutFromTheMessageFontAroundItsIconTextAndButtons)
{
    struct Placed {
        RECT box, icon, text, yes, no;
        LONG font;
    };
    Placed placed{};
    ScopedAnswerer answerer([&placed](const BoxView &view) {
        GetClientRect(view.box, &placed.box);
        placed.icon = placeOf(view.box, 0x14);
        placed.text = placeOf(view.box, 0xFFFF);
        placed.yes = placeOf(view.box, IDYES);
        placed.no = placeOf(view.box, IDNO);
        placed.font = static_cast<LONG>(SendMessageA(view.box, WM_GETFONT, 0, 0) != 0);
        return IDNO;
    });
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Line one\nline two", "Question", MB_YESNO | MB_ICONQUESTION));
    // 8-point "MS Shell Dlg" gives 6 x 13 base units, so the margins are 11 pixels. The lines
    // measure 46 and 41 pixels and stand in the middle of the icon's 32 pixels; the buttons
    // take the standard 75 x 23 pixels, 6 apart, centred below; the box ends 11 pixels below
    // them, no taller than what it holds.
    const auto expect = [](RECT expected, RECT actual) {
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right);
        EXPECT_EQ(expected.bottom, actual.bottom);
    };
    expect({0, 0, 178, 88}, placed.box);
    expect({11, 11, 43, 43}, placed.icon);
    expect({54, 14, 100, 40}, placed.text);
    expect({11, 54, 86, 77}, placed.yes);
    expect({92, 54, 167, 77}, placed.no);
    EXPECT_EQ(1, placed.font);

    // Without an icon the text starts at the margin, and a long text widens the box.
    RECT plain{}, plainText{};
    ScopedAnswerer again([&](const BoxView &view) {
        GetClientRect(view.box, &plain);
        plainText = placeOf(view.box, 0xFFFF);
        return IDOK;
    });
    MessageBoxA(nullptr, "The quick brown fox jumps over the lazy dog", "Plain", MB_OK);
    expect({11, 11, 242, 24}, plainText);
    expect({0, 0, 253, 69}, plain);
}

TEST_F(MessageBox, AnswererIsAskedOnceWithTheBoxAsGiven)
{
    const HWND owner = windowClass.create("main", WS_VISIBLE);
    ScopedAnswerer answerer([](const BoxView &) { return IDNO; });
    EXPECT_EQ(IDNO, MessageBoxA(owner, "Delete it?", "Product", MB_YESNO | MB_TASKMODAL));
    ASSERT_EQ(1u, answerer.views().size());
    const BoxView &view = answerer.views().front();
    EXPECT_EQ(owner, view.owner);
    EXPECT_EQ("Delete it?", view.text);
    EXPECT_EQ("Product", view.caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_TASKMODAL), view.style);
    EXPECT_EQ((std::vector<std::string>{"&Yes", "&No"}), view.buttonTexts);
    DestroyWindow(owner);
}

TEST_F(MessageBox, APostedCommandEndsTheBoxFromItsModalLoop)
{
    const HWND other = windowClass.create("other");
    ScopedAnswerer answerer([other](const BoxView &view) {
        PostMessageA(nullptr, WM_APP, 0, 0);     // a thread message: dropped by the loop
        PostMessageA(other, WM_APP + 1, 0, 0);   // a window message: dispatched by the loop
        PostMessageA(view.box, WM_COMMAND, IDNO, reinterpret_cast<LPARAM>(view.box));
        return 0;
    });
    vkstest::takeSeen();
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Question", "Caption", MB_YESNO));
    bool dispatched = false;
    for (const vkstest::Seen &seen : vkstest::takeSeen())
        dispatched = dispatched || (seen.hwnd == other && seen.message == WM_APP + 1);
    EXPECT_TRUE(dispatched);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(other);
}

TEST_F(MessageBox, CloseEndsTheBoxOnlyWhereItHasACancelAction)
{
    struct Case {
        const char *name;
        UINT style;
        int expected;
    };
    const Case kCases[] = {
        {"OK alone closes as OK", MB_OK, IDOK},
        {"OK, Cancel closes as Cancel", MB_OKCANCEL, IDCANCEL},
        {"Yes, No, Cancel closes as Cancel", MB_YESNOCANCEL, IDCANCEL},
        {"Yes, No ignores the close, then Yes", MB_YESNO, IDYES},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        ScopedAnswerer answerer([](const BoxView &view) {
            PostMessageA(view.box, WM_CLOSE, 0, 0);
            PostMessageA(view.box, WM_COMMAND, IDYES, 0);
            return 0;
        });
        EXPECT_EQ(c.expected, MessageBoxA(nullptr, "Text", "Caption", c.style));
        vkstest::drainQueue();  // the Yes that a closed box never read
    }
}

TEST_F(MessageBox, TaskModalWithoutOwnerDisablesTheThreadsEnabledTopLevelWindows)
{
    const HWND first = windowClass.create("first", WS_VISIBLE);
    const HWND disabled = windowClass.create("second", WS_VISIBLE | WS_DISABLED);
    std::vector<bool> enabledDuring;
    ScopedAnswerer answerer([&](const BoxView &) {
        enabledDuring = {IsWindowEnabled(first) != FALSE, IsWindowEnabled(disabled) != FALSE};
        return IDOK;
    });
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "Text", "Caption", MB_OK | MB_TASKMODAL));
    EXPECT_EQ((std::vector<bool>{false, false}), enabledDuring);
    EXPECT_TRUE(IsWindowEnabled(first));
    EXPECT_FALSE(IsWindowEnabled(disabled));  // left as it was found
    DestroyWindow(first);
    DestroyWindow(disabled);
}

TEST_F(MessageBox, DefaultButtonFollowsTheStyle)
{
    LRESULT defId = 0;
    LRESULT yesCode = 0;
    LRESULT noCode = 0;
    ScopedAnswerer answerer([&](const BoxView &view) {
        defId = SendMessageA(view.box, DM_GETDEFID, 0, 0);
        yesCode = SendMessageA(GetDlgItem(view.box, IDYES), WM_GETDLGCODE, 0, 0);
        noCode = SendMessageA(GetDlgItem(view.box, IDNO), WM_GETDLGCODE, 0, 0);
        return IDYES;
    });
    MessageBoxA(nullptr, "Text", "Caption", MB_YESNO | MB_DEFBUTTON2);
    EXPECT_EQ(MAKELONG(IDNO, DC_HASDEFID), defId);
    EXPECT_EQ(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, yesCode);
    EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON, noCode) << "the default button looks it";
}

TEST_F(MessageBox, QuitEndsTheBoxWithZeroAndStaysForTheOuterLoop)
{
    ScopedAnswerer answerer([](const BoxView &) {
        PostQuitMessage(3);
        return 0;
    });
    EXPECT_EQ(0, MessageBoxA(nullptr, "Text", "Caption", MB_OK));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    EXPECT_EQ(3u, msg.wParam);
    EXPECT_EQ(nullptr, FindWindowA("#32770", "Caption"));
}

TEST_F(MessageBox, RefusesABadOwnerOrButtonStyleWithoutShowingABox)
{
    const HWND gone = windowClass.create("gone");
    DestroyWindow(gone);
    ScopedAnswerer answerer([](const BoxView &) { return IDOK; });
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, MessageBoxA(gone, "Text", "Caption", MB_OK));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, MessageBoxA(nullptr, "Text", "Caption", 7));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_MSGBOX_STYLE), GetLastError());
    EXPECT_TRUE(answerer.views().empty());
}

}  // namespace
