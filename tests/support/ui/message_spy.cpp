#include "message_spy.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace vkstest {
namespace {

thread_local MessageSpy *currentSpy = nullptr;

constexpr unsigned kComparedFlags = sent | posted | parent | defwinproc | beginpaint;

struct MessageName {
    UINT message;
    const char *name;
};

// The messages the UI tests meet, by name; others print as numbers.
constexpr MessageName kNames[] = {
    {WM_CREATE, "WM_CREATE"},
    {WM_DESTROY, "WM_DESTROY"},
    {WM_MOVE, "WM_MOVE"},
    {WM_SIZE, "WM_SIZE"},
    {WM_ACTIVATE, "WM_ACTIVATE"},
    {WM_SETFOCUS, "WM_SETFOCUS"},
    {WM_KILLFOCUS, "WM_KILLFOCUS"},
    {WM_ENABLE, "WM_ENABLE"},
    {WM_SETTEXT, "WM_SETTEXT"},
    {WM_GETTEXT, "WM_GETTEXT"},
    {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
    {WM_PAINT, "WM_PAINT"},
    {WM_CLOSE, "WM_CLOSE"},
    {WM_QUIT, "WM_QUIT"},
    {WM_ERASEBKGND, "WM_ERASEBKGND"},
    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
    {WM_CANCELMODE, "WM_CANCELMODE"},
    {WM_SETCURSOR, "WM_SETCURSOR"},
    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
    {WM_SETFONT, "WM_SETFONT"},
    {WM_GETFONT, "WM_GETFONT"},
    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
    {WM_NOTIFY, "WM_NOTIFY"},
    {WM_HELP, "WM_HELP"},
    {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
    {WM_NCCREATE, "WM_NCCREATE"},
    {WM_NCDESTROY, "WM_NCDESTROY"},
    {WM_NCHITTEST, "WM_NCHITTEST"},
    {WM_NCACTIVATE, "WM_NCACTIVATE"},
    {WM_GETDLGCODE, "WM_GETDLGCODE"},
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {WM_CHAR, "WM_CHAR"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
    {WM_SYSKEYUP, "WM_SYSKEYUP"},
    {WM_INITDIALOG, "WM_INITDIALOG"},
    {WM_COMMAND, "WM_COMMAND"},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_TIMER, "WM_TIMER"},
    {WM_HSCROLL, "WM_HSCROLL"},
    {WM_VSCROLL, "WM_VSCROLL"},
    {WM_CHANGEUISTATE, "WM_CHANGEUISTATE"},
    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
    {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
    {WM_RBUTTONUP, "WM_RBUTTONUP"},
    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    {WM_NEXTDLGCTL, "WM_NEXTDLGCTL"},
    {BM_SETSTYLE, "BM_SETSTYLE"},
    {BM_CLICK, "BM_CLICK"},
    {EM_GETSEL, "EM_GETSEL"},
    {EM_SETSEL, "EM_SETSEL"},
    {EM_REPLACESEL, "EM_REPLACESEL"},
    {DM_GETDEFID, "DM_GETDEFID"},
    {DM_SETDEFID, "DM_SETDEFID"},
};

const char *nameOf(UINT message)
{
    for (const MessageName &each : kNames)
        if (each.message == message)
            return each.name;
    return nullptr;
}

void printFlags(unsigned flags, std::ostream &os)
{
    static constexpr struct {
        unsigned flag;
        const char *name;
    } kFlagNames[] = {{sent, "sent"},       {posted, "posted"},         {parent, "parent"},
                      {wparam, "wparam"},   {lparam, "lparam"},         {defwinproc, "defwinproc"},
                      {beginpaint, "beginpaint"}, {optional, "optional"}};
    const char *separator = "";
    for (const auto &each : kFlagNames)
        if (flags & each.flag) {
            os << separator << each.name;
            separator = "|";
        }
    if (!*separator)
        os << "0";
}

bool matches(const Msg &expected, const Msg &seen)
{
    if (expected.message != seen.message)
        return false;
    if ((expected.flags & kComparedFlags) != (seen.flags & kComparedFlags))
        return false;
    if ((expected.flags & wparam) && expected.wParam != seen.wParam)
        return false;
    return !(expected.flags & lparam) || expected.lParam == seen.lParam;
}

std::string describe(std::span<const Msg> entries, size_t marked)
{
    std::ostringstream os;
    for (size_t i = 0; i < entries.size(); ++i) {
        os << (i == marked ? "  -> " : "     ") << std::setw(2) << i << " ";
        PrintTo(entries[i], &os);
        os << "\n";
    }
    if (marked == entries.size())
        os << "  -> (end)\n";
    return os.str();
}

}  // namespace

void PrintTo(const Msg &msg, std::ostream *os)
{
    *os << "{ ";
    if (const char *name = nameOf(msg.message))
        *os << name;
    else
        *os << "0x" << std::hex << msg.message << std::dec;
    *os << ", ";
    printFlags(msg.flags, *os);
    *os << ", 0x" << std::hex << msg.wParam << ", 0x" << static_cast<unsigned long long>(msg.lParam)
        << std::dec << " }";
    if (msg.hwnd)
        *os << " to " << msg.hwnd;
}

MessageSpy::MessageSpy() : previous_(currentSpy)
{
    currentSpy = this;
}

MessageSpy::~MessageSpy()
{
    for (const Watched &each : watched_)
        if (IsWindow(each.hwnd) &&
            GetWindowLongPtrA(each.hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&spyProc))
            SetWindowLongPtrA(each.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(each.original));
    currentSpy = previous_;
}

MessageSpy *MessageSpy::current()
{
    return currentSpy;
}

void MessageSpy::watch(HWND hwnd, unsigned extraFlags)
{
    EXPECT_TRUE(IsWindow(hwnd)) << "the spy was asked to watch no window";
    if (!IsWindow(hwnd) || find(hwnd))
        return;
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&spyProc)));
    watched_.push_back({hwnd, original, extraFlags, 0});
}

void MessageSpy::watchWithChildren(HWND hwnd, unsigned extraFlags)
{
    watch(hwnd, extraFlags);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        watch(child, extraFlags);
}

void MessageSpy::ignore(std::initializer_list<UINT> messages)
{
    ignored_.insert(ignored_.end(), messages.begin(), messages.end());
}

std::vector<Msg> MessageSpy::take()
{
    std::vector<Msg> taken;
    taken.swap(seen_);
    return taken;
}

HDC MessageSpy::beginPaint(HWND hwnd, PAINTSTRUCT *paint)
{
    inBeginPaint_ = true;
    const HDC dc = BeginPaint(hwnd, paint);
    inBeginPaint_ = false;
    return dc;
}

void MessageSpy::notePosted(const MSG &msg)
{
    if (find(msg.hwnd) && !ignored(msg.message))
        seen_.push_back({msg.message, posted | wparam | lparam | find(msg.hwnd)->extraFlags,
                         msg.wParam, msg.lParam, msg.hwnd});
}

MessageSpy::Watched *MessageSpy::find(HWND hwnd)
{
    const auto found = std::find_if(watched_.begin(), watched_.end(),
                                    [hwnd](const Watched &each) { return each.hwnd == hwnd; });
    return found == watched_.end() ? nullptr : &*found;
}

bool MessageSpy::ignored(UINT message) const
{
    return std::find(ignored_.begin(), ignored_.end(), message) != ignored_.end();
}

void MessageSpy::unwatch(HWND hwnd)
{
    std::erase_if(watched_, [hwnd](const Watched &each) { return each.hwnd == hwnd; });
}

LRESULT CALLBACK MessageSpy::spyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageSpy *spy = currentSpy;
    Watched *watched = spy ? spy->find(hwnd) : nullptr;
    if (!watched)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    const WNDPROC original = watched->original;
    if (!spy->ignored(message)) {
        unsigned flags = sent | wparam | lparam | watched->extraFlags;
        if (watched->depth > 0)
            flags |= defwinproc;
        if (spy->inBeginPaint_)
            flags |= beginpaint;
        spy->seen_.push_back({message, flags, wParam, lParam, hwnd});
    }
    if (message == WM_NCDESTROY) {
        // The window goes: give it back its procedure and forget it.
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        spy->unwatch(hwnd);
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    ++watched->depth;
    const LRESULT result = CallWindowProcA(original, hwnd, message, wParam, lParam);
    // Looked up again: watching more windows meanwhile may have moved the entry.
    if (Watched *still = spy->find(hwnd))
        --still->depth;
    return result;
}

::testing::AssertionResult sequenceMatches(std::span<const Msg> expected,
                                           const std::vector<Msg> &seen)
{
    size_t e = 0, s = 0;
    while (e < expected.size() && s < seen.size()) {
        if (matches(expected[e], seen[s])) {
            ++e;
            ++s;
        } else if (expected[e].flags & optional) {
            ++e;
        } else {
            break;
        }
    }
    while (e < expected.size() && (expected[e].flags & optional))
        ++e;
    if (e == expected.size() && s == seen.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the sequences part at expected entry " << e << ", seen entry " << s
           << "\nexpected:\n"
           << describe(expected, e) << "seen:\n"
           << describe(seen, s);
}

std::vector<Msg> only(const std::vector<Msg> &seen, std::initializer_list<UINT> messages)
{
    std::vector<Msg> kept;
    for (const Msg &each : seen)
        if (std::find(messages.begin(), messages.end(), each.message) != messages.end())
            kept.push_back(each);
    return kept;
}

}  // namespace vkstest
