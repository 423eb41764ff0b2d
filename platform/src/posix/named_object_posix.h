// Internal: object names shared by every process of the host user, kept as lock files in one
// folder that only that user may enter. A process holds a name while it keeps a shared lock on
// the name's file; the kernel drops the lock when the process ends, however it ends. A name's
// file stays when the name goes (an empty file per name used), so taking a name is one open of
// an existing file and letting it go one close. No POSIX type crosses this header.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail::posix {

// Where the defaults' /tmp lies, so that a test can play the shared temporary folder; empty
// restores /tmp.
void setTemporaryRootForTesting(const std::string &folder);

// The calling process's id; a forked child sees a new one.
unsigned long currentProcessId();

// This process's hold on one name. Moving transfers the hold; destroying it lets the name go.
class HeldName {
public:
    HeldName() = default;
    HeldName(HeldName &&other) noexcept;
    HeldName &operator=(HeldName &&other) noexcept;
    HeldName(const HeldName &) = delete;
    HeldName &operator=(const HeldName &) = delete;
    ~HeldName();

    // Takes a hold on the file `fileName` in the folder of names. That folder is `chosenFolder`
    // (the host's choice, a host path; empty for none) when it is usable, else the first usable
    // of the defaults: $XDG_RUNTIME_DIR/vksutil-objects when that runtime folder is the user's
    // own and private, /tmp/vksutil-objects-<uid>, then <data folder>/objects. A missing folder
    // is made 0700; one that is a link, someone else's or open to others is refused and never
    // changed, and each refusal is told once per process as a line added to `refusals`.
    // `heldElsewhere` says whether another process held the name at that moment. A process
    // taking the same name at once is waited for a bounded time (a quarter of a second); one
    // that keeps the file locked for writing longer makes it fail with ERROR_TIMEOUT. False with
    // the Win32 code in `error` (ERROR_ACCESS_DENIED when no folder is usable).
    bool take(const std::string &chosenFolder, const std::string &fileName, bool &heldElsewhere,
              std::vector<std::string> &refusals, DWORD &error);
    // Whether another process holds the name now.
    bool heldElsewhere() const;
    bool held() const { return fd_ >= 0; }

private:
    // Closing drops this process's lock; a forked child's copy held none, so the parent's stays.
    void release();

    int fd_ = -1;
};

}  // namespace vks::detail::posix
