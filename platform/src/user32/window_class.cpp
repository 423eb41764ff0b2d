// Window classes: RegisterClassA and its lookups. Classes are process-wide.
#include "vksboundary.h"
#include "kernel32/no_destructor.h"
#include "user32/window_class.h"

#include <mutex>
#include <vector>

#include "kernel32/codepage.h"
#include "user32/control_classes.h"
#include "windows.h"

namespace vks::detail {

namespace {

// Class atoms share the range of registered messages' atoms on Windows; ours count from here.
constexpr ATOM kFirstClassAtom = 0xC000;
constexpr std::size_t kMaxClassName = 255;

struct ClassRegistry {
    // The system's controls exist before any program code asks for a class, as on Windows.
    ClassRegistry()
    {
        for (const WNDCLASSA &wc : systemControlClasses()) {
            WindowClassInfo info;
            info.atom = nextAtom++;
            info.name = wc.lpszClassName;
            info.wc = wc;
            info.wc.lpszClassName = nullptr;
            classes.push_back(std::move(info));
        }
    }

    std::mutex lock;
    std::vector<WindowClassInfo> classes;
    ATOM nextAtom = kFirstClassAtom;
};

ClassRegistry &registry()
{
    static NoDestructor<ClassRegistry> classes;
    return *classes;
}

// With the registry's lock held.
WindowClassInfo *findLocked(LPCSTR nameOrAtom)
{
    if (!nameOrAtom)
        return nullptr;
    for (WindowClassInfo &info : registry().classes) {
        const bool match = IS_INTRESOURCE(nameOrAtom)
                               ? info.atom == LOWORD(reinterpret_cast<ULONG_PTR>(nameOrAtom))
                               : sameNameIgnoringCase(info.name, nameOrAtom);
        if (match)
            return &info;
    }
    return nullptr;
}

char foldLetter(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(CP_ACP, static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (foldLetter(a[i]) != foldLetter(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<WindowClassInfo> findWindowClass(LPCSTR nameOrAtom)
{
    std::lock_guard guard(registry().lock);
    const WindowClassInfo *info = findLocked(nameOrAtom);
    return info ? std::optional<WindowClassInfo>(*info) : std::nullopt;
}

std::string windowClassName(ATOM atom)
{
    std::lock_guard guard(registry().lock);
    for (const WindowClassInfo &info : registry().classes)
        if (info.atom == atom)
            return info.name;
    return {};
}

bool namesWindowClass(LPCSTR nameOrAtom, ATOM atom)
{
    std::lock_guard guard(registry().lock);
    const WindowClassInfo *info = findLocked(nameOrAtom);
    return info && info->atom == atom;
}

}  // namespace vks::detail

using namespace vks::detail;

ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass)
{
    return vks::atWin32Boundary<ATOM>(0, [&]() -> ATOM {
        if (!lpWndClass || !lpWndClass->lpszClassName || IS_INTRESOURCE(lpWndClass->lpszClassName) ||
            !*lpWndClass->lpszClassName || lpWndClass->cbWndExtra < 0 ||
            lpWndClass->cbClsExtra < 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        const std::string name(lpWndClass->lpszClassName);
        if (name.size() > kMaxClassName) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        std::lock_guard guard(registry().lock);
        if (findLocked(name.c_str())) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
        if (registry().nextAtom == 0) {  // all 16,384 atoms used
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        WindowClassInfo info;
        info.atom = registry().nextAtom++;
        info.name = name;
        info.wc = *lpWndClass;
        info.wc.lpszClassName = nullptr;  // the caller's string may not outlive the call
        info.wc.lpszMenuName = nullptr;
        registry().classes.push_back(std::move(info));
        return registry().classes.back().atom;
    });
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        std::lock_guard guard(registry().lock);
        WindowClassInfo *info = findLocked(lpClassName);
        if (!info) {
            SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
            return FALSE;
        }
        std::erase_if(registry().classes,
                      [atom = info->atom](const WindowClassInfo &c) { return c.atom == atom; });
        return TRUE;
    });
}

BOOL WINAPI GetClassInfoA(HINSTANCE, LPCSTR lpClassName, LPWNDCLASSA lpWndClass)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        std::lock_guard guard(registry().lock);
        const WindowClassInfo *info = findLocked(lpClassName);
        if (!info) {
            SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
            return FALSE;
        }
        if (!lpWndClass) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        *lpWndClass = info->wc;
        lpWndClass->lpszClassName = lpClassName;
        return TRUE;
    });
}
