// Window classes, creation and destruction sequences, the window tree, searches, text and longs.
#include <cstring>
#include <string>
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAreArray;
using vkstest::Seen;
using vkstest::takeSeen;

namespace {

class Windows : public vkstest::WindowTest {
protected:
    vkstest::ScopedWindowClass windowClass;
};

TEST_F(Windows, CreationAndDestructionSendTheirMessagesInWindowsOrder)
{
    const HWND parent = windowClass.create("parent");
    const HWND first = windowClass.create("first", WS_CHILD, parent, 1);
    const HWND second = windowClass.create("second", WS_CHILD, parent, 2);
    const HWND grandchild = windowClass.create("grandchild", WS_CHILD, first, 3);
    const Seen kCreate[] = {{parent, WM_NCCREATE}, {parent, WM_CREATE},
                            {first, WM_NCCREATE},  {first, WM_CREATE},
                            {second, WM_NCCREATE}, {second, WM_CREATE},
                            {grandchild, WM_NCCREATE}, {grandchild, WM_CREATE}};
    EXPECT_THAT(takeSeen(), ElementsAreArray(kCreate));

    ASSERT_TRUE(DestroyWindow(parent));
    // WM_DESTROY parents first, WM_NCDESTROY children first.
    const Seen kDestroy[] = {{parent, WM_DESTROY},       {first, WM_DESTROY},
                             {grandchild, WM_DESTROY},   {second, WM_DESTROY},
                             {grandchild, WM_NCDESTROY}, {first, WM_NCDESTROY},
                             {second, WM_NCDESTROY},     {parent, WM_NCDESTROY}};
    EXPECT_THAT(takeSeen(), ElementsAreArray(kDestroy));
    for (HWND gone : {parent, first, second, grandchild})
        EXPECT_FALSE(IsWindow(gone));
}

TEST_F(Windows, DestroyingAnOwnerDestroysItsOwnedWindowsFirst)
{
    const HWND owner = windowClass.create("owner");
    const HWND popup = windowClass.create("popup", WS_POPUP, owner);
    takeSeen();
    ASSERT_TRUE(DestroyWindow(owner));
    const Seen kDestroy[] = {{popup, WM_DESTROY}, {popup, WM_NCDESTROY},
                             {owner, WM_DESTROY}, {owner, WM_NCDESTROY}};
    EXPECT_THAT(takeSeen(), ElementsAreArray(kDestroy));
}

LRESULT CALLBACK refusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    vkstest::seenMessages().push_back({hwnd, message, wParam});
    const auto *cs = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    const bool refuse = cs && cs->lpszName && std::string(cs->lpszName) == "refuse";
    if (message == WM_NCCREATE && refuse && cs->lpCreateParams)
        return FALSE;
    if (message == WM_CREATE && refuse && !cs->lpCreateParams)
        return -1;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Windows, RefusedCreationFailsAndSendsOnlyWmNcDestroy)
{
    vkstest::ScopedWindowClass refusing(refusingProc);
    int marker = 0;
    struct Case {
        const char *name;
        LPVOID param;
        std::vector<UINT> messages;
    } kCases[] = {
        {"WM_NCCREATE answers FALSE", &marker, {WM_NCCREATE, WM_NCDESTROY}},
        {"WM_CREATE answers -1", nullptr, {WM_NCCREATE, WM_CREATE, WM_NCDESTROY}},
    };
    for (const Case &row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(nullptr, CreateWindowExA(0, refusing.name(), "refuse", 0, 0, 0, 0, 0, nullptr,
                                           nullptr, nullptr, row.param));
        std::vector<UINT> seen;
        for (const Seen &s : takeSeen())
            seen.push_back(s.message);
        EXPECT_EQ(row.messages, seen);
    }
}

TEST_F(Windows, CreationErrors)
{
    const HWND gone = windowClass.create();
    DestroyWindow(gone);
    struct Case {
        const char *name;
        LPCSTR className;
        DWORD style;
        HWND parent;
        DWORD error;
    } kCases[] = {
        {"unknown class", "VksNoSuchClass", 0, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
        {"null class", nullptr, 0, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
        {"child without parent", windowClass.name(), WS_CHILD, nullptr, ERROR_TLW_WITH_WSCHILD},
        {"destroyed parent", windowClass.name(), WS_CHILD, gone, ERROR_INVALID_WINDOW_HANDLE},
        {"destroyed owner", windowClass.name(), WS_POPUP, gone, ERROR_INVALID_WINDOW_HANDLE},
    };
    for (const Case &row : kCases) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, CreateWindowExA(0, row.className, "", row.style, 0, 0, 0, 0,
                                           row.parent, nullptr, nullptr, nullptr));
        EXPECT_EQ(row.error, GetLastError());
    }
}

TEST(WindowClasses, RegisterOnceWithoutRegardToCaseAndFindByNameOrAtom)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = 8;
    wc.lpszClassName = "VksTestRegisterCase";
    const ATOM atom = RegisterClassA(&wc);
    EXPECT_GE(atom, 0xC000);
    wc.lpszClassName = "VKSTESTREGISTERCASE";
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, RegisterClassA(&wc));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS), GetLastError());

    WNDCLASSA found{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "vkstestregistercase", &found));
    EXPECT_EQ(8, found.cbWndExtra);
    EXPECT_TRUE(GetClassInfoA(nullptr, MAKEINTATOM(atom), &found));
    const HWND hwnd = CreateWindowExA(0, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                      nullptr, nullptr);
    char name[64];
    EXPECT_EQ(19, GetClassNameA(hwnd, name, sizeof name));
    EXPECT_STREQ("VksTestRegisterCase", name) << "the registered spelling";
    EXPECT_EQ(3, GetClassNameA(hwnd, name, 4));
    EXPECT_STREQ("Vks", name);
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassA("VksTestRegisterCase", nullptr));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetClassInfoA(nullptr, "VksTestRegisterCase", &found));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST), GetLastError());
}

TEST_F(Windows, FindWindowSearchesTopLevelWindowsFromTheTop)
{
    vkstest::ScopedWindowClass otherClass;
    const HWND older = windowClass.create("Twin Title");
    const HWND newer = windowClass.create("twin title");
    const HWND other = otherClass.create("Other");
    const HWND child = windowClass.create("Child Only", WS_CHILD, older, 1);
    struct Case {
        const char *name;
        LPCSTR className;
        LPCSTR title;
        HWND expected;
    } kCases[] = {
        {"title, any case, topmost of two", nullptr, "TWIN TITLE", newer},
        {"class and title", windowClass.name(), "twin title", newer},
        {"class only", otherClass.name(), nullptr, other},
        {"class in other case", nullptr, "other", other},
        {"class and title of different windows", otherClass.name(), "Twin Title", nullptr},
        {"children are not searched", nullptr, "Child Only", nullptr},
        {"no such title", nullptr, "Twin", nullptr},
        {"nothing: the topmost", nullptr, nullptr, other},
    };
    for (const Case &row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, FindWindowA(row.className, row.title));
    }
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, FindWindowA("VksNoSuchClass", nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS), GetLastError());
    DestroyWindow(child);
    DestroyWindow(other);
    EXPECT_EQ(newer, FindWindowA(nullptr, nullptr));
    DestroyWindow(newer);
    EXPECT_EQ(older, FindWindowA(nullptr, "twin title"));
    DestroyWindow(older);
}

TEST_F(Windows, ParentsOwnersAndZOrder)
{
    const HWND owner = windowClass.create("owner");
    const HWND popup = windowClass.create("popup", WS_POPUP, owner);
    const HWND overlapped = windowClass.create("overlapped", 0, owner);
    const HWND first = windowClass.create("first", WS_CHILD, owner, 1);
    const HWND second = windowClass.create("second", WS_CHILD, owner, 2);
    const HWND deep = windowClass.create("deep", WS_CHILD, first, 3);
    const HWND ownedByChild = windowClass.create("owned by child", WS_POPUP, deep);
    struct Case {
        const char *name;
        HWND actual;
        HWND expected;
    } kCases[] = {
        {"child's parent", GetParent(first), owner},
        {"pop-up's parent is its owner", GetParent(popup), owner},
        {"owned overlapped has no parent", GetParent(overlapped), nullptr},
        {"...but an owner", GetWindow(overlapped, GW_OWNER), owner},
        {"a child has no owner", GetWindow(first, GW_OWNER), nullptr},
        {"owner is the child's top-level window", GetWindow(ownedByChild, GW_OWNER), owner},
        {"top child is the first made", GetWindow(owner, GW_CHILD), first},
        {"next sibling is below", GetWindow(first, GW_HWNDNEXT), second},
        {"last sibling has no next", GetWindow(second, GW_HWNDNEXT), nullptr},
        {"previous sibling", GetWindow(second, GW_HWNDPREV), first},
        {"first sibling", GetWindow(second, GW_HWNDFIRST), first},
        {"last sibling", GetWindow(first, GW_HWNDLAST), second},
        {"newest top-level window is on top", GetWindow(owner, GW_HWNDFIRST), ownedByChild},
        {"no children", GetWindow(second, GW_CHILD), nullptr},
    };
    for (const Case &row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, row.actual);
    }
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetWindow(owner, 99));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    DestroyWindow(owner);
    for (HWND gone : {popup, overlapped, first, second, deep, ownedByChild})
        EXPECT_FALSE(IsWindow(gone));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetParent(owner));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(Windows, TextGoesThroughTheTextMessagesAndRespectsTheBuffer)
{
    const HWND hwnd = windowClass.create("Title");
    takeSeen();
    char buffer[8];
    struct Case {
        const char *name;
        int size;
        int copied;
        const char *text;
    } kCases[] = {
        {"whole", 8, 5, "Title"},
        {"cut to size - 1", 4, 3, "Tit"},
        {"room for the NUL only", 1, 0, ""},
    };
    for (const Case &row : kCases) {
        SCOPED_TRACE(row.name);
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(row.copied, GetWindowTextA(hwnd, buffer, row.size));
        EXPECT_STREQ(row.text, buffer);
    }
    EXPECT_EQ(0, GetWindowTextA(hwnd, buffer, 0));
    EXPECT_EQ(5, GetWindowTextLengthA(hwnd));
    EXPECT_TRUE(SetWindowTextA(hwnd, "Longer title"));
    EXPECT_EQ(12, GetWindowTextLengthA(hwnd));
    EXPECT_TRUE(SetWindowTextA(hwnd, nullptr));
    EXPECT_EQ(0, GetWindowTextLengthA(hwnd));
    const std::vector<Seen> seen = takeSeen();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(static_cast<UINT>(WM_GETTEXT), seen.front().message);
    EXPECT_TRUE(FindWindowA(windowClass.name(), ""));
    DestroyWindow(hwnd);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SetWindowTextA(hwnd, "x"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(Windows, WindowLongsReturnThePreviousValue)
{
    vkstest::ScopedWindowClass extra(vkstest::loggingProc, 8);
    const HWND hwnd = extra.create("", WS_POPUP);
    const HWND child = extra.create("", WS_CHILD, hwnd, 42);
    EXPECT_EQ(static_cast<LONG>(WS_POPUP), GetWindowLongA(hwnd, GWL_STYLE));
    EXPECT_EQ(static_cast<LONG>(WS_POPUP),
              SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE)));
    EXPECT_EQ(static_cast<LONG>(WS_POPUP | WS_VISIBLE), GetWindowLongA(hwnd, GWL_STYLE));
    EXPECT_EQ(42, GetWindowLongA(child, GWL_ID));
    EXPECT_EQ(0, SetWindowLongPtrA(hwnd, GWLP_USERDATA, 1234));
    EXPECT_EQ(1234, GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    EXPECT_EQ(0, SetWindowLongA(hwnd, 4, 77)) << "extra bytes start at zero";
    EXPECT_EQ(77, GetWindowLongA(hwnd, 4));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(vkstest::loggingProc),
              GetWindowLongPtrA(hwnd, GWLP_WNDPROC));

    struct Case {
        const char *name;
        int index;
    } kRefused[] = {
        {"pointer-sized field through the 32-bit call", GWLP_WNDPROC},
        {"past the extra bytes", 5},
        {"unknown negative index", -100},
    };
    for (const Case &row : kRefused) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0, GetWindowLongA(hwnd, row.index));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_INDEX), GetLastError());
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0, SetWindowLongA(hwnd, row.index, 1));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_INDEX), GetLastError());
    }
    DestroyWindow(hwnd);
}

LRESULT CALLBACK closeCountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        EXPECT_TRUE(DestroyWindow(hwnd)) << "asked again while going: no second round";
    }
    return vkstest::loggingProc(hwnd, message, wParam, lParam);
}

TEST_F(Windows, DestroyWindowFromItsOwnWmDestroyDoesNotRepeatTheSequence)
{
    vkstest::ScopedWindowClass reentrant(closeCountingProc);
    const HWND hwnd = reentrant.create("");
    takeSeen();
    EXPECT_TRUE(DestroyWindow(hwnd));
    const Seen kOnce[] = {{hwnd, WM_DESTROY}, {hwnd, WM_NCDESTROY}};
    EXPECT_THAT(takeSeen(), ElementsAreArray(kOnce));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DestroyWindow(hwnd));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(Windows, DefaultCloseDestroysTheWindow)
{
    const HWND hwnd = windowClass.create("");
    EXPECT_EQ(0, SendMessageA(hwnd, WM_CLOSE, 0, 0));
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(WindowThreads, AThreadsWindowsGoWhenItEnds)
{
    vkstest::ScopedWindowClass windowClass;
    HWND left = nullptr;
    std::thread([&] { left = windowClass.create("left behind"); }).join();
    ASSERT_NE(nullptr, left);
    EXPECT_FALSE(IsWindow(left));
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "left behind"));
}

}  // namespace
