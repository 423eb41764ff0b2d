// RegisterWindowMessageA: process-wide message numbers for names.
#include <mutex>
#include <string>
#include <vector>

#include "kernel32/no_destructor.h"
#include "vksboundary.h"
#include "user32/window_class.h"
#include "windows.h"

namespace {

constexpr UINT kFirstRegistered = 0xC000;
constexpr UINT kLastRegistered = 0xFFFF;
constexpr std::size_t kMaxNameLength = 255;

struct MessageNames {
    std::mutex lock;
    std::vector<std::string> names;  // names[i] has number kFirstRegistered + i
};

MessageNames &messageNames()
{
    static vks::detail::NoDestructor<MessageNames> names;
    return *names;
}

}  // namespace

UINT WINAPI RegisterWindowMessageA(LPCSTR lpString)
{
    return vks::atWin32Boundary<UINT>(0, [&]() -> UINT {
        if (!lpString || !*lpString) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        const std::string name(lpString);
        if (name.size() > kMaxNameLength) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        MessageNames &table = messageNames();
        std::lock_guard guard(table.lock);
        for (std::size_t i = 0; i < table.names.size(); ++i)
            if (vks::detail::sameNameIgnoringCase(table.names[i], name))
                return kFirstRegistered + static_cast<UINT>(i);
        if (table.names.size() > kLastRegistered - kFirstRegistered) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        table.names.push_back(name);
        return kFirstRegistered + static_cast<UINT>(table.names.size() - 1);
    });
}
