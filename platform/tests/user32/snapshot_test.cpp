// Window snapshots: the SVG picture of a window, its frame and its controls.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commctrl.h"
#include "posix/write_calls_posix.h"
#include "vkshost.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class Snapshot : public vkstest::WindowTest {
protected:
    void TearDown() override
    {
        if (window)
            DestroyWindow(window);
        WindowTest::TearDown();
    }

    // A captioned top-level window of 200 x 80 at 50, 40.
    HWND makeWindow(const char *title, DWORD style = WS_CAPTION | WS_SYSMENU,
                    DWORD exStyle = WS_EX_CONTEXTHELP)
    {
        window = CreateWindowExA(exStyle, windowClass.name(), title, WS_POPUP | WS_VISIBLE | style,
                                 50, 40, 200, 80, nullptr, nullptr, nullptr, nullptr);
        return window;
    }

    HWND control(const char *className, const char *text, DWORD style, int id, RECT r)
    {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, window,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr,
                               nullptr);
    }

    std::string snapshot(const char *name)
    {
        const std::string path = (drive.root() / name).string();
        EXPECT_TRUE(VksHostSnapshotWindow(window, path.c_str()));
        return readFile(path);
    }

    vkstest::ScopedDriveC drive;
    vkstest::ScopedWindowClass windowClass;
    HWND window = nullptr;
};

// A captioned window of 120 x 40 with a label, a focused edit and the default button; reviewed
// by eye: the frame and caption around the client area at 3, 23, each control at its place.
constexpr const char *kSmallDialog = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="126" height="66" viewBox="0 0 126 66" font-family="Tahoma, 'Segoe UI', sans-serif" font-size="11">
<rect x="0" y="0" width="126" height="66" fill="#f0f0f0" stroke="none"/>
<line x1="0.5" y1="0.5" x2="125.5" y2="0.5" stroke="#ffffff"/>
<line x1="0.5" y1="0.5" x2="0.5" y2="65.5" stroke="#ffffff"/>
<line x1="0.5" y1="65.5" x2="125.5" y2="65.5" stroke="#696969"/>
<line x1="125.5" y1="0.5" x2="125.5" y2="65.5" stroke="#696969"/>
<line x1="1.5" y1="1.5" x2="124.5" y2="1.5" stroke="#f0f0f0"/>
<line x1="1.5" y1="1.5" x2="1.5" y2="64.5" stroke="#f0f0f0"/>
<line x1="1.5" y1="64.5" x2="124.5" y2="64.5" stroke="#a0a0a0"/>
<line x1="124.5" y1="1.5" x2="124.5" y2="64.5" stroke="#a0a0a0"/>
<g class="caption">
<rect x="3" y="3" width="120" height="19" fill="#0a246a" stroke="none"/>
<text x="7" y="17" text-anchor="start" fill="#ffffff">Find</text>
</g>
<rect x="3" y="23" width="120" height="40" fill="#f0f0f0" stroke="none"/>
<g class="Button" data-id="1">
<rect x="87" y="25" width="32" height="16" fill="#f0f0f0" stroke="none"/>
<rect x="87.5" y="25.5" width="31" height="15" fill="none" stroke="#000000" class="default"/>
<line x1="88.5" y1="26.5" x2="117.5" y2="26.5" stroke="#ffffff"/>
<line x1="88.5" y1="26.5" x2="88.5" y2="39.5" stroke="#ffffff"/>
<line x1="88.5" y1="39.5" x2="117.5" y2="39.5" stroke="#696969"/>
<line x1="117.5" y1="26.5" x2="117.5" y2="39.5" stroke="#696969"/>
<line x1="89.5" y1="27.5" x2="116.5" y2="27.5" stroke="#f0f0f0"/>
<line x1="89.5" y1="27.5" x2="89.5" y2="38.5" stroke="#f0f0f0"/>
<line x1="89.5" y1="38.5" x2="116.5" y2="38.5" stroke="#a0a0a0"/>
<line x1="116.5" y1="27.5" x2="116.5" y2="38.5" stroke="#a0a0a0"/>
<text x="103" y="37" text-anchor="middle" fill="#000000">OK</text>
</g>
<g class="Edit" data-id="11">
<rect x="39" y="25" width="44" height="16" fill="#ffffff" stroke="none"/>
<line x1="39.5" y1="25.5" x2="82.5" y2="25.5" stroke="#a0a0a0"/>
<line x1="39.5" y1="25.5" x2="39.5" y2="40.5" stroke="#a0a0a0"/>
<line x1="39.5" y1="40.5" x2="82.5" y2="40.5" stroke="#ffffff"/>
<line x1="82.5" y1="25.5" x2="82.5" y2="40.5" stroke="#ffffff"/>
<line x1="40.5" y1="26.5" x2="81.5" y2="26.5" stroke="#696969"/>
<line x1="40.5" y1="26.5" x2="40.5" y2="39.5" stroke="#696969"/>
<line x1="40.5" y1="39.5" x2="81.5" y2="39.5" stroke="#f0f0f0"/>
<line x1="81.5" y1="26.5" x2="81.5" y2="39.5" stroke="#f0f0f0"/>
<text x="43" y="37" text-anchor="start" fill="#000000">a&lt;b</text>
<line x1="61.5" y1="29.5" x2="61.5" y2="36.5" stroke="#000000" class="caret"/>
</g>
<g class="Static" data-id="10">
<text x="7" y="37" text-anchor="start" fill="#000000"><tspan text-decoration="underline">W</tspan>hat:</text>
</g>
</svg>
)svg";

TEST_F(Snapshot, SmallDialogIsDrawnExactlyAndTheSameEachTime)
{
    makeWindow("Find", WS_CAPTION, 0);
    MoveWindow(window, 50, 40, 120, 40, FALSE);
    control("Static", "&What:", SS_LEFT, 10, {4, 4, 34, 16});
    SetFocus(control("Edit", "a<b", WS_TABSTOP, 11, {36, 2, 80, 18}));
    control("Button", "OK", BS_DEFPUSHBUTTON, IDOK, {84, 2, 116, 18});
    EXPECT_EQ(kSmallDialog, snapshot("first.svg"));
    EXPECT_EQ(kSmallDialog, snapshot("second.svg"));
}

TEST_F(Snapshot, CaptionButtonsFollowTheStyles)
{
    const struct {
        const char *name;
        DWORD style;
        DWORD exStyle;
        bool close;
        bool help;
    } rows[] = {
        {"system menu and help", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, true, true},
        {"system menu only", WS_CAPTION | WS_SYSMENU, 0, true, false},
        {"help only", WS_CAPTION, WS_EX_CONTEXTHELP, false, true},
        {"a minimise box hides help", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_CONTEXTHELP,
         true, false},
        {"bare caption", WS_CAPTION, 0, false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        makeWindow("Title", row.style, row.exStyle);
        const std::string svg = snapshot("caption.svg");
        EXPECT_EQ(row.close, svg.find("<g class=\"close\">") != std::string::npos);
        EXPECT_EQ(row.help, svg.find("<g class=\"help\">") != std::string::npos);
        EXPECT_THAT(svg, HasSubstr(">Title</text>"));
        DestroyWindow(window);
        window = nullptr;
    }
}

TEST_F(Snapshot, FocusDefaultButtonAndDisabledControlsAreMarked)
{
    makeWindow("Dialog");
    const HWND edit = control("Edit", "x", WS_TABSTOP, 11, {4, 4, 80, 20});
    const HWND ok = control("Button", "OK", BS_DEFPUSHBUTTON, IDOK, {4, 30, 60, 50});
    const HWND cancel = control("Button", "Cancel", BS_PUSHBUTTON, IDCANCEL, {70, 30, 130, 50});
    control("Static", "Off", SS_LEFT | WS_DISABLED, 12, {140, 30, 190, 50});

    SetFocus(edit);
    std::string svg = snapshot("edit.svg");
    EXPECT_THAT(svg, HasSubstr("class=\"caret\""));
    EXPECT_THAT(svg, Not(HasSubstr("class=\"focus\"")));
    EXPECT_THAT(svg, HasSubstr("fill=\"#a0a0a0\">Off</text>")) << "disabled: greyed";
    EXPECT_THAT(svg, HasSubstr("fill=\"#000000\">Cancel</text>"));

    SetFocus(cancel);
    SendMessageA(ok, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
    SendMessageA(cancel, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    svg = snapshot("cancel.svg");
    EXPECT_THAT(svg, Not(HasSubstr("class=\"caret\"")));
    // The focus mark and the default border are both Cancel's now.
    const std::size_t cancelGroup = svg.find("<g class=\"Button\" data-id=\"2\">");
    const std::size_t okGroup = svg.find("<g class=\"Button\" data-id=\"1\">");
    ASSERT_NE(std::string::npos, cancelGroup);
    ASSERT_NE(std::string::npos, okGroup);
    const std::size_t focus = svg.find("class=\"focus\"");
    const std::size_t defaultBorder = svg.find("class=\"default\"");
    EXPECT_GT(focus, cancelGroup);
    EXPECT_GT(defaultBorder, cancelGroup);
    EXPECT_EQ(std::string::npos, svg.find("class=\"focus\"", focus + 1)) << "one focus mark";
    EXPECT_EQ(std::string::npos, svg.find("class=\"default\"", defaultBorder + 1));
}

TEST_F(Snapshot, TextsAreConvertedEscapedAndShowTheirMnemonics)
{
    const struct {
        const char *name;
        const char *className;
        DWORD style;
        const char *text;  // code page 932
        const char *drawn;
    } rows[] = {
        {"double-byte text in UTF-8", "Static", SS_LEFT, "\x93\xfa\x95\x74",
         "\xe6\x97\xa5\xe4\xbb\x98"},
        {"XML characters", "Static", SS_NOPREFIX, "<a & \"b\">", "&lt;a &amp; &quot;b&quot;&gt;"},
        {"mnemonic", "Button", BS_PUSHBUTTON, "&Save",
         "<tspan text-decoration=\"underline\">S</tspan>ave"},
        {"mnemonic on a double-byte character", "Static", SS_LEFT, "&\x93\xfa",
         "<tspan text-decoration=\"underline\">\xe6\x97\xa5</tspan>"},
        {"doubled ampersand", "Static", SS_LEFT, "A&&B", "A&amp;B"},
        {"no prefix", "Static", SS_NOPREFIX, "A&B", "A&amp;B"},
        {"edits show their text as it is", "Edit", 0, "&x", "&amp;x"},
        {"passwords are hidden", "Edit", ES_PASSWORD, "secret", "******"},
    };
    vkstest::ScopedCodePage japanese(932);
    makeWindow("Texts");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HWND hwnd = control(row.className, row.text, row.style, 20, {4, 4, 150, 24});
        const std::string svg = snapshot("text.svg");
        EXPECT_THAT(svg, HasSubstr(std::string(">") + row.drawn + "</text>"));
        DestroyWindow(hwnd);
    }
}

TEST_F(Snapshot, StaticsAlignTheirTextAndDrawTheirFrames)
{
    const struct {
        const char *name;
        DWORD style;
        const char *element;
    } rows[] = {
        {"left", SS_LEFT, "<text x=\"17\" y=\"37\" text-anchor=\"start\""},
        {"centre", SS_CENTER, "<text x=\"67\" y=\"37\" text-anchor=\"middle\""},
        {"right", SS_RIGHT, "<text x=\"117\" y=\"37\" text-anchor=\"end\""},
        {"etched line", SS_ETCHEDHORZ, "<line x1=\"17.5\" y1=\"27.5\" x2=\"116.5\" y2=\"27.5\""},
        {"second line", SS_LEFT, "<text x=\"17\" y=\"50\" text-anchor=\"start\" fill=\"#000000\">"
                                 "Two</text>"},
        {"black frame", SS_BLACKFRAME, "<rect x=\"17.5\" y=\"27.5\" width=\"99\" height=\"19\" "
                                       "fill=\"none\" stroke=\"#696969\"/>"},
    };
    makeWindow("Statics");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HWND hwnd = control("Static", "Text\r\nTwo", row.style, 20, {14, 4, 114, 24});
        EXPECT_THAT(snapshot("static.svg"), HasSubstr(row.element));
        DestroyWindow(hwnd);
    }
}

TEST_F(Snapshot, GroupBoxesUpDownsAndUnknownClassesHaveTheirShapes)
{
    makeWindow("Shapes");
    control("Button", "&Range", BS_GROUPBOX, 30, {2, 2, 190, 70});
    control(UPDOWN_CLASSA, "", 0, 31, {10, 20, 26, 40});
    control(windowClass.name(), "", 0, 32, {40, 20, 100, 40});
    const HWND hidden = control("Static", "Hidden", SS_LEFT, 33, {110, 20, 180, 40});
    ShowWindow(hidden, SW_HIDE);
    const std::string svg = snapshot("shapes.svg");
    // The label sits in a gap of the frame's top line.
    EXPECT_THAT(svg, HasSubstr("<tspan text-decoration=\"underline\">R</tspan>ange</text>"));
    EXPECT_THAT(svg,
                HasSubstr("<rect x=\"11\" y=\"25\" width=\"34\" height=\"12\" fill=\"#f0f0f0\""));
    // Two arrow halves, up above down.
    EXPECT_THAT(svg, HasSubstr("<path d=\"M18 50 L25 50 L21 46 Z\""));
    EXPECT_THAT(svg, HasSubstr("<path d=\"M18 56 L25 56 L21 60 Z\""));
    EXPECT_THAT(svg, HasSubstr(std::string(">") + windowClass.name() + "</text>"));
    EXPECT_THAT(svg, HasSubstr("stroke-dasharray=\"4,2\""));
    EXPECT_THAT(svg, Not(HasSubstr("Hidden")));
}

TEST_F(Snapshot, FailuresSayWhy)
{
    makeWindow("Fails");
    const HWND gone = CreateWindowExA(0, windowClass.name(), "", 0, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr);
    DestroyWindow(gone);
    const std::string inMissingFolder = (drive.root() / "missing" / "x.svg").string();
    const std::string folderItself = drive.root().string();
    const struct {
        const char *name;
        HWND hwnd;
        const char *path;
        DWORD error;
    } rows[] = {
        {"no window", gone, "x.svg", ERROR_INVALID_WINDOW_HANDLE},
        {"no path", window, nullptr, ERROR_INVALID_PARAMETER},
        {"empty path", window, "", ERROR_INVALID_PARAMETER},
        {"folder missing", window, inMissingFolder.c_str(), ERROR_PATH_NOT_FOUND},
        {"a folder, not a file", window, folderItself.c_str(), ERROR_ACCESS_DENIED},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(VksHostSnapshotWindow(row.hwnd, row.path));
        EXPECT_EQ(row.error, GetLastError());
    }
}

TEST_F(Snapshot, AFailedWriteLeavesTheOldPicture)
{
    makeWindow("Disk");
    const std::string path = (drive.root() / "disk.svg").string();
    std::ofstream(path) << "old";
    vks::detail::posix::WriteCalls failing = vks::detail::posix::hostWriteCalls();
    failing.write = [](int, const void *, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    };
    {
        vks::detail::posix::ScopedWriteCalls full(failing);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(VksHostSnapshotWindow(window, path.c_str()));
        EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL), GetLastError());
    }
    EXPECT_EQ("old", readFile(path));
    EXPECT_FALSE(std::filesystem::exists(drive.root() / ".disk.svg.writing.tmp"));
    EXPECT_TRUE(VksHostSnapshotWindow(window, path.c_str()));
    EXPECT_THAT(readFile(path), HasSubstr(">Disk</text>"));
}

}  // namespace

namespace {

// A progress bar half full from the bottom, and what the window drew on itself: a fill and a
// masked image-list frame, each where it was drawn in the client area (which starts at 3, 23).
TEST_F(Snapshot, ProgressBarsAndWhatWindowsDrewAreShown)
{
    makeWindow("Drawn");
    const HWND bar = control(PROGRESS_CLASSA, "", PBS_VERTICAL, 40, {10, 10, 30, 60});
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    UpdateWindow(window);
    const HDC dc = GetDC(window);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT filled{100, 5, 120, 15};
    FillRect(dc, &filled, red);
    DeleteObject(red);
    const HIMAGELIST list = ImageList_LoadBitmap(GetModuleHandleA(nullptr),
                                                 MAKEINTRESOURCEA(200), 8, 1, RGB(255, 0, 255));
    ImageList_Draw(list, 1, dc, 150, 30, ILD_TRANSPARENT);
    ReleaseDC(window, dc);

    const std::string svg = snapshot("drawn.svg");
    ImageList_Destroy(list);
    EXPECT_THAT(svg, HasSubstr("<rect x=\"13.5\" y=\"33.5\" width=\"19\" height=\"49\" "
                               "fill=\"#d4d0c8\" stroke=\"#a0a0a0\""));
    EXPECT_THAT(svg, HasSubstr("<rect x=\"14\" y=\"58\" width=\"18\" height=\"24\" "
                               "fill=\"#0a246a\""));
    EXPECT_THAT(svg, HasSubstr("<rect x=\"103\" y=\"28\" width=\"20\" height=\"10\" "
                               "fill=\"#ff0000\""));
    // The frame's top row: its first pixel masked, then seven green ones.
    EXPECT_THAT(svg, HasSubstr("<rect x=\"154\" y=\"53\" width=\"7\" height=\"1\" "
                               "fill=\"#00ff00\""));
    EXPECT_THAT(svg, Not(HasSubstr("fill=\"#ff00ff\"")));
}

}  // namespace
