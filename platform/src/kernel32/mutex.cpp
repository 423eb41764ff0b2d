// Mutexes: CreateMutexA and ReleaseMutex. A named mutex is one object per process, found by its
// name, and its name is held on the host for as long as the process keeps a handle to it.
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "kernel32/handle_table.h"
#include "kernel32/no_destructor.h"
#include "kernel32/object_folder.h"
#include "posix/named_object_posix.h"
#include "vksboundary.h"
#include "windows.h"

using namespace vks::detail;

namespace {

class Mutex;

// The process's named mutexes and its holds on their names. A name stays held by its entry until
// the last mutex of that name is gone, so this process never opens a name's file twice: closing
// either copy would drop the process's lock on it. Recursive: should the last reference to a
// mutex go while the table is locked, its destructor takes the lock again to leave its entry.
struct NamedEntry {
    std::weak_ptr<Mutex> mutex;
    posix::HeldName hold;
};

struct NamedMutexes {
    std::recursive_mutex lock;
    unsigned long processId = 0;
    std::map<std::string, NamedEntry> byName;
};

NamedMutexes &namedMutexes()
{
    static NoDestructor<NamedMutexes> table;
    return *table;
}

class Mutex : public KernelObject {
public:
    explicit Mutex(std::string name) : name_(std::move(name)) {}

    ~Mutex() override
    {
        if (name_.empty())
            return;
        // A mutex of the same name made since this one's last handle closed keeps the entry.
        NamedMutexes &table = namedMutexes();
        std::lock_guard guard(table.lock);
        auto found = table.byName.find(name_);
        if (found != table.byName.end() && found->second.mutex.expired())
            table.byName.erase(found);
    }

    void own()
    {
        std::lock_guard guard(lock_);
        owner_ = GetCurrentThreadId();
        count_ = 1;
    }

    bool release()
    {
        std::lock_guard guard(lock_);
        if (count_ == 0 || owner_ != GetCurrentThreadId())
            return false;
        if (--count_ == 0)
            owner_ = 0;
        return true;
    }

private:
    std::string name_;
    std::mutex lock_;
    DWORD owner_ = 0;
    unsigned count_ = 0;
};

// "Local\\" names the session's namespace, which is where a bare name lives too; "Global\\"
// is a namespace of its own. Any other backslash names a folder of objects that does not exist.
bool objectNameOf(const std::string &given, std::string &name, DWORD &error)
{
    static const std::string kLocal = "Local\\";
    static const std::string kGlobal = "Global\\";
    if (given.size() > MAX_PATH) {
        error = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    name = given.compare(0, kLocal.size(), kLocal) == 0 ? given.substr(kLocal.size()) : given;
    const std::size_t rest = name.compare(0, kGlobal.size(), kGlobal) == 0 ? kGlobal.size() : 0;
    if (name.find('\\', rest) != std::string::npos) {
        error = ERROR_PATH_NOT_FOUND;
        return false;
    }
    return true;
}

// A forked child starts without its parent's handles in the host's eyes: its copy of the table
// must not answer for names that only the parent holds. Its copies of the holds own no lock, so
// closing them leaves the parent's names as they are.
void forgetParentsNames(NamedMutexes &table)
{
    const unsigned long self = posix::currentProcessId();
    if (table.processId == self)
        return;
    table.byName.clear();
    table.processId = self;
}

// Tells the host why a folder of names was passed over, once per folder and reason.
void reportRefusedFolders(const std::vector<std::string> &refusals)
{
    for (const std::string &refusal : refusals)
        OutputDebugStringA(("vksutil: object names: refused the folder " + refusal +
                            "; the next usable folder takes the names\n")
                               .c_str());
}

HANDLE openNamedMutex(const std::string &name, BOOL initialOwner,
                      std::vector<std::string> &refusals)
{
    NamedMutexes &table = namedMutexes();
    std::lock_guard guard(table.lock);
    forgetParentsNames(table);
    NamedEntry &entry = table.byName[name];
    if (std::shared_ptr<Mutex> existing = entry.mutex.lock()) {
        // An existing mutex gives a new handle and ignores the request for ownership.
        HANDLE handle = addHandle(existing);
        SetLastError(ERROR_ALREADY_EXISTS);
        return handle;
    }
    bool heldElsewhere = false;
    if (entry.hold.held()) {
        // The last mutex of this name is on its way out; the name is still ours.
        heldElsewhere = entry.hold.heldElsewhere();
    } else if (DWORD error = ERROR_SUCCESS;
               !entry.hold.take(chosenObjectFolder(), fileNameOfObject(name), heldElsewhere,
                                refusals, error)) {
        table.byName.erase(name);
        SetLastError(error);
        return nullptr;
    }
    auto mutex = std::make_shared<Mutex>(name);
    // Held by another process, it is that process's mutex: nobody here owns it.
    if (initialOwner && !heldElsewhere)
        mutex->own();
    entry.mutex = mutex;
    HANDLE handle = addHandle(mutex);
    SetLastError(heldElsewhere ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

}  // namespace

HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES lpMutexAttributes, BOOL bInitialOwner,
                           LPCSTR lpName)
{
    return vks::atWin32Boundary<HANDLE>(nullptr, [&]() -> HANDLE {
        (void)lpMutexAttributes;
        if (!lpName || !*lpName) {
            auto mutex = std::make_shared<Mutex>(std::string{});
            if (bInitialOwner)
                mutex->own();
            HANDLE handle = addHandle(mutex);
            SetLastError(ERROR_SUCCESS);
            return handle;
        }
        std::string name;
        DWORD error = ERROR_SUCCESS;
        if (!objectNameOf(lpName, name, error)) {
            SetLastError(error);
            return nullptr;
        }
        std::vector<std::string> refusals;
        HANDLE handle = openNamedMutex(name, bInitialOwner, refusals);
        if (!refusals.empty()) {
            const DWORD result = GetLastError();
            reportRefusedFolders(refusals);
            SetLastError(result);
        }
        return handle;
    });
}

BOOL WINAPI ReleaseMutex(HANDLE hMutex)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        auto mutex = std::dynamic_pointer_cast<Mutex>(objectOfHandle(hMutex));
        if (!mutex) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        if (!mutex->release()) {
            SetLastError(ERROR_NOT_OWNER);
            return FALSE;
        }
        return TRUE;
    });
}
