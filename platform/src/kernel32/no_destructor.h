// Internal: a value built once and never destroyed, for the platform's process-wide singletons.
// Threads may still run, post and look things up while the process exits, so these must outlive
// static destruction.
#pragma once

#include <utility>

namespace vks::detail {

template <typename T>
class NoDestructor {
public:
    template <typename... Args>
    constexpr explicit NoDestructor(Args &&...args) : value_(std::forward<Args>(args)...)
    {
    }
    // Leaves value_ alone: it lives until the process ends.
    ~NoDestructor() {}
    NoDestructor(const NoDestructor &) = delete;
    NoDestructor &operator=(const NoDestructor &) = delete;

    T &operator*() { return value_; }
    const T &operator*() const { return value_; }
    T *operator->() { return &value_; }
    const T *operator->() const { return &value_; }

private:
    union {
        T value_;
    };
};

}  // namespace vks::detail
