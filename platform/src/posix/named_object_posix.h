// Internal: object names shared by every process of the host user, kept as lock files in one
// folder. A process holds a name while it keeps a shared lock on the name's file; the kernel drops
// the lock when the process ends, however it ends. No POSIX type crosses this header.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail::posix {

// The folder that holds the names when the host chose none: $XDG_RUNTIME_DIR/vksutil-objects,
// else /tmp/vksutil-objects-<uid>. Empty when neither can be used.
std::string defaultObjectFolder();

// The calling process's id; a forked child sees a new one.
unsigned long currentProcessId();

// This process's hold on one name. Moving transfers the hold; destroying it lets the name go,
// removing its file when no other process holds it.
class HeldName {
public:
    HeldName() = default;
    HeldName(HeldName &&other) noexcept;
    HeldName &operator=(HeldName &&other) noexcept;
    HeldName(const HeldName &) = delete;
    HeldName &operator=(const HeldName &) = delete;
    ~HeldName();

    // Takes a hold on `fileName` in `folder` (made when missing). `heldElsewhere` says whether
    // another process held it at that moment. False with the Win32 code in `error`.
    bool take(const std::string &folder, const std::string &fileName, bool &heldElsewhere,
              DWORD &error);
    // Whether another process holds the name now.
    bool heldElsewhere() const;
    bool held() const { return fd_ >= 0; }
    // Lets the hold go without a word to the host: for a forked child's copy, whose lock stayed
    // with the parent. The descriptor is closed, which drops no lock of the parent's.
    void forget();
private:
    void release();

    int fd_ = -1;
    std::string path_;
    std::string folder_;
};

}  // namespace vks::detail::posix
