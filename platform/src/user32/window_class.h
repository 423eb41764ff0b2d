// Internal: the registered window classes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

struct WindowClassInfo {
    ATOM atom = 0;
    std::string name;
    WNDCLASSA wc{};
};

// Window, class and message names compare as Windows compares atoms: letters A-Z without regard
// to case; the two bytes of a double-byte character exactly.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// The class named by name or atom (MAKEINTATOM), case-insensitively; empty when none is.
std::optional<WindowClassInfo> findWindowClass(LPCSTR nameOrAtom);
// The class name of an atom, "" when none.
std::string windowClassName(ATOM atom);
// True when name (or atom) names the class `atom`.
bool namesWindowClass(LPCSTR nameOrAtom, ATOM atom);

}  // namespace vks::detail
