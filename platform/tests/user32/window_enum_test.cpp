// EnumChildWindows: order, early stop, and windows made or destroyed during the walk.
#include <functional>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAre;

namespace {

// The callback's state: the windows visited, and what to do at each.
struct Walk {
    std::vector<HWND> visited;
    std::function<BOOL(HWND)> onVisit = [](HWND) { return TRUE; };
};

BOOL CALLBACK visit(HWND hwnd, LPARAM lParam)
{
    Walk &walk = *reinterpret_cast<Walk *>(lParam);
    walk.visited.push_back(hwnd);
    return walk.onVisit(hwnd);
}

// parent
//   first
//     firstChild
//       firstGrandchild
//   second
//   third
//     thirdChild
class EnumChildren : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        parent = windows.create("parent");
        first = windows.create("first", WS_CHILD, parent, 1);
        second = windows.create("second", WS_CHILD, parent, 2);
        third = windows.create("third", WS_CHILD, parent, 3);
        firstChild = windows.create("firstChild", WS_CHILD, first, 11);
        firstGrandchild = windows.create("firstGrandchild", WS_CHILD, firstChild, 111);
        thirdChild = windows.create("thirdChild", WS_CHILD, third, 31);
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        WindowTest::TearDown();
    }

    BOOL enumerate(Walk &walk) const
    {
        return EnumChildWindows(parent, visit, reinterpret_cast<LPARAM>(&walk));
    }

    vkstest::ScopedWindowClass windows;
    HWND parent{}, first{}, second{}, third{}, firstChild{}, firstGrandchild{}, thirdChild{};
};

TEST_F(EnumChildren, VisitsEveryDescendantDepthFirstInZOrder)
{
    Walk walk;
    EXPECT_TRUE(enumerate(walk));
    EXPECT_THAT(walk.visited, ElementsAre(first, firstChild, firstGrandchild, second, third,
                                          thirdChild));

    // Z-order, not creation order, decides.
    ASSERT_TRUE(SetWindowPos(third, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    walk.visited.clear();
    enumerate(walk);
    EXPECT_THAT(walk.visited, ElementsAre(third, thirdChild, first, firstChild, firstGrandchild,
                                          second));
}

TEST_F(EnumChildren, StopsWhenTheCallbackAnswersFalse)
{
    Walk walk;
    walk.onVisit = [this](HWND hwnd) { return hwnd != firstChild; };
    EXPECT_FALSE(enumerate(walk));
    EXPECT_THAT(walk.visited, ElementsAre(first, firstChild));
}

TEST_F(EnumChildren, SkipsWindowsDestroyedAndIgnoresWindowsMadeOnTheWay)
{
    Walk walk;
    HWND made = nullptr;
    walk.onVisit = [&](HWND hwnd) {
        if (hwnd == first) {
            DestroyWindow(second);
            DestroyWindow(firstGrandchild);
            made = windows.create("made", WS_CHILD, firstChild, 99);
        }
        return TRUE;
    };
    EXPECT_TRUE(enumerate(walk));
    ASSERT_NE(nullptr, made);
    EXPECT_THAT(walk.visited, ElementsAre(first, firstChild, third, thirdChild));
}

TEST_F(EnumChildren, ALeafHasNothingToVisitAndABadParentFails)
{
    Walk walk;
    EXPECT_FALSE(EnumChildWindows(second, visit, reinterpret_cast<LPARAM>(&walk)));
    EXPECT_TRUE(walk.visited.empty());

    DestroyWindow(second);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(EnumChildWindows(second, visit, reinterpret_cast<LPARAM>(&walk)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    EXPECT_TRUE(walk.visited.empty());
}

}  // namespace
