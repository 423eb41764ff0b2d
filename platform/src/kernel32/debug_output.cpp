// The debugger's output: a sink the host chooses, else standard error on request.
#include <cstring>
#include <mutex>

#include "posix/debug_output_posix.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

namespace vks::detail {

namespace {

struct DebugSink {
    void (*sink)(const char *text, void *context) = nullptr;
    void *context = nullptr;
};

std::mutex &sinkLock()
{
    static std::mutex lock;
    return lock;
}

DebugSink &chosenSink()
{
    static DebugSink sink;
    return sink;
}

DebugSink currentSink()
{
    std::lock_guard guard(sinkLock());
    return chosenSink();
}

}  // namespace

}  // namespace vks::detail

void VksHostSetDebugOutput(void (*sink)(const char *text, void *context), void *context)
{
    vks::atWin32BoundaryVoid([&] {
        std::lock_guard guard(vks::detail::sinkLock());
        vks::detail::chosenSink() = {sink, context};
    });
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString)
{
    vks::atWin32BoundaryVoid([&] {
        // Windows catches the fault of a bad pointer here; one it never maps is not even read.
        if (IsBadStringPtrA(lpOutputString, 1))
            return;
        // The sink is called outside the lock, so it may itself write debugger output.
        const vks::detail::DebugSink sink = vks::detail::currentSink();
        if (sink.sink)
            sink.sink(lpOutputString, sink.context);
        else if (vks::detail::posix::debugOutputRequested())
            vks::detail::posix::writeStandardError(lpOutputString, std::strlen(lpOutputString));
    });
}
