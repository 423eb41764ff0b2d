// Another process that holds a record lock on one file until the test lets it go: a neighbour
// that keeps a name taken, or one that never lets a lock go.
#pragma once

#include <string>

#include <sys/types.h>

#include "vkstest.h"

namespace vkstest {

class LockingProcess {
public:
    enum class Lock { read, write };

    // Forks a process that becomes `user` (when the test runs as root and `user` is not -1),
    // opens `path` (made with `mode` when missing) and holds `lock` on it. held() says whether
    // it got that far.
    LockingProcess(const std::string &path, Lock lock, uid_t user = static_cast<uid_t>(-1),
                   mode_t mode = 0600);
    // Lets the lock go and waits for the process to end.
    ~LockingProcess();
    LockingProcess(const LockingProcess &) = delete;
    LockingProcess &operator=(const LockingProcess &) = delete;

    bool held() const { return held_; }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool held_ = false;
};

// Makes the calling process `user` (group and user id) when it runs as root; true when it need
// not or did. For a forked child: a second user for whom permissions hold.
bool becomeUser(uid_t user);

// Runs `work` in a forked child as `user` and returns its exit status; 100 when the child could
// not become that user.
template <typename Work>
int exitStatusAs(uid_t user, Work work)
{
    return exitStatusOfChild([&] { return becomeUser(user) ? work() : 100; });
}

}  // namespace vkstest
