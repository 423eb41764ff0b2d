// Internal: one answerer or listener a host sets through <vkshost.h>. Any thread may set it or
// call it; the call runs without any platform lock held, so a hook may set another hook or call
// back into the platform.
#pragma once

#include <optional>
#include <type_traits>

#include "kernel32/locking.h"

namespace vks::detail {

template <typename Signature>
class HostHook;

// A hook of the form R hook(Args..., void *context).
template <typename R, typename... Args>
class HostHook<R(Args...)> {
public:
    using Function = R (*)(Args..., void *context);

    constexpr HostHook() = default;
    HostHook(const HostHook &) = delete;
    HostHook &operator=(const HostHook &) = delete;

    // A null function is "no hook"; its context is dropped with it.
    void set(Function function, void *context)
    {
        MutexLock guard(lock_);
        function_ = function;
        context_ = function ? context : nullptr;
    }

    bool isSet()
    {
        MutexLock guard(lock_);
        return function_ != nullptr;
    }

    // Calls the hook when one is set: its answer (true for a hook without one), or empty when
    // none is set.
    template <typename... Given>
    auto call(Given &&...args) -> std::optional<std::conditional_t<std::is_void_v<R>, bool, R>>
    {
        Function function = nullptr;
        void *context = nullptr;
        {
            MutexLock guard(lock_);
            function = function_;
            context = context_;
        }
        if (!function)
            return std::nullopt;
        assertNoLockHeld("a host hook");
        if constexpr (std::is_void_v<R>) {
            function(std::forward<Given>(args)..., context);
            return true;
        } else {
            return function(std::forward<Given>(args)..., context);
        }
    }

private:
    Mutex lock_{LockLevel::Leaf};
    Function function_ VKS_GUARDED_BY(lock_) = nullptr;
    void *context_ VKS_GUARDED_BY(lock_) = nullptr;
};

}  // namespace vks::detail
