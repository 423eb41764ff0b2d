// GetKeyState: the keyboard as the calling thread's messages have shown it so far.
#include <array>

#include "user32/key_state.h"
#include "vksboundary.h"
#include "windows.h"

using namespace vks::detail;

namespace {

constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;

// One byte per virtual key, per thread, as Windows keeps it with the thread's input.
std::array<BYTE, 256> &keys()
{
    thread_local std::array<BYTE, 256> state{};
    return state;
}

}  // namespace

namespace vks::detail {

void noteKeyMessage(const MSG &msg)
{
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
    if (!down && !up)
        return;
    BYTE &key = keys()[msg.wParam & 0xFF];
    if (down) {
        // A key toggles when it goes down, not again while it repeats.
        if (!(key & kDown))
            key ^= kToggled;
        key |= kDown;
    } else {
        key &= static_cast<BYTE>(~kDown);
    }
}

}  // namespace vks::detail

SHORT WINAPI GetKeyState(int nVirtKey)
{
    return vks::atWin32Boundary<SHORT>(0, [&]() -> SHORT {
        const BYTE key = keys()[static_cast<unsigned>(nVirtKey) & 0xFF];
        // The high bit of the answer is set while the key is down, the low bit while toggled.
        return static_cast<SHORT>(((key & kDown) ? 0xFF80 : 0) | (key & kToggled));
    });
}
