// A message spy for UI tests: what windows received, in order, as entries shaped like Windows'
// recorded message sequences ({message, flags, wParam, lParam}), so a sequence recorded on
// Windows can be written down as data and compared with what our windows saw.
#pragma once

#include <initializer_list>
#include <ostream>
#include <span>
#include <vector>

#include <gtest/gtest.h>

#include "windows.h"

namespace vkstest {

// What an entry says about its message. `wparam` and `lparam` in an expected entry ask for the
// parameter to be compared; `optional` lets an expected entry be absent.
enum MsgFlag : unsigned {
    sent = 0x1,         // the window procedure received it
    posted = 0x2,       // the pump took it from the queue
    parent = 0x4,       // received by a window watched as the parent
    wparam = 0x8,
    lparam = 0x10,
    defwinproc = 0x20,  // received while the window's default procedure was running
    beginpaint = 0x40,  // received inside BeginPaint
    optional = 0x80,
};

constexpr unsigned operator|(MsgFlag a, MsgFlag b)
{
    return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
constexpr unsigned operator|(unsigned a, MsgFlag b)
{
    return a | static_cast<unsigned>(b);
}

// One message, expected or seen. A seen entry also names its window.
struct Msg {
    UINT message;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND hwnd = nullptr;
};

void PrintTo(const Msg &msg, std::ostream *os);

// Records, on the thread that makes it, the messages of the windows it watches: each call of a
// watched window's procedure (`sent`, plus `defwinproc` when that window's own procedure was
// already running, as when a default procedure sends the window a message), and each message
// the pump takes from the queue for a watched window (`posted`); a posted message thus shows
// twice, taken and then received. Windows are watched by subclassing them, the way a program
// watches a control; the original procedure comes back when the spy ends or the window goes.
class MessageSpy {
public:
    MessageSpy();
    ~MessageSpy();
    MessageSpy(const MessageSpy &) = delete;
    MessageSpy &operator=(const MessageSpy &) = delete;

    // Watches a window; `extraFlags` (such as `parent`) are added to each of its entries.
    void watch(HWND hwnd, unsigned extraFlags = 0);
    // Watches a window and each of its direct children.
    void watchWithChildren(HWND hwnd, unsigned extraFlags = 0);
    // Leaves out these messages from now on (for example WM_GETTEXT read by a test's own checks).
    void ignore(std::initializer_list<UINT> messages);

    // The entries since the last take, oldest first; the spy starts over.
    std::vector<Msg> take();
    void clear() { seen_.clear(); }

    // Marks the entries recorded while `paint` runs as `beginpaint`; for a test's own WM_PAINT.
    HDC beginPaint(HWND hwnd, PAINTSTRUCT *paint);

    // The spy of the calling thread, or null.
    static MessageSpy *current();
    // Records a message the pump took from the queue.
    void notePosted(const MSG &msg);

private:
    struct Watched {
        HWND hwnd;
        WNDPROC original;
        unsigned extraFlags;
        int depth;  // calls of the original procedure running for this window
    };

    static LRESULT CALLBACK spyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    Watched *find(HWND hwnd);
    bool ignored(UINT message) const;
    void unwatch(HWND hwnd);

    std::vector<Watched> watched_;
    std::vector<UINT> ignored_;
    std::vector<Msg> seen_;
    bool inBeginPaint_ = false;
    MessageSpy *previous_;
};

// Compares seen entries with an expected sequence: entries must match in order, by message and
// by the sent/posted/parent/defwinproc/beginpaint flags, and by wParam and lParam where the
// expected entry asks; an expected `optional` entry that does not match is skipped. On a
// mismatch the message shows both whole sequences and where they part.
::testing::AssertionResult sequenceMatches(std::span<const Msg> expected,
                                           const std::vector<Msg> &seen);

// The messages of one kind in a seen sequence (any flags), for tests that look at one message.
std::vector<Msg> only(const std::vector<Msg> &seen, std::initializer_list<UINT> messages);

}  // namespace vkstest

#define EXPECT_SEQUENCE(spy, expected) \
    EXPECT_TRUE(::vkstest::sequenceMatches((expected), (spy).take()))
