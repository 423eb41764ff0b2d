// The debugger's output: a sink the host chooses, else standard error on request.
#include <cstring>

#include "kernel32/host_hook.h"
#include "kernel32/no_destructor.h"
#include "posix/debug_output_posix.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

namespace vks::detail {

namespace {

using DebugSink = HostHook<void(const char *)>;

DebugSink &debugSink()
{
    static NoDestructor<DebugSink> sink;
    return *sink;
}

}  // namespace

}  // namespace vks::detail

void VksHostSetDebugOutput(void (*sink)(const char *text, void *context), void *context)
{
    vks::atWin32BoundaryVoid([&] { vks::detail::debugSink().set(sink, context); });
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString)
{
    vks::atWin32BoundaryVoid([&] {
        // Windows catches the fault of a bad pointer here; one it never maps is not even read.
        if (IsBadStringPtrA(lpOutputString, 1))
            return;
        // The sink may itself write debugger output: it is called without the hook's lock.
        if (vks::detail::debugSink().call(lpOutputString))
            return;
        if (vks::detail::posix::debugOutputRequested())
            vks::detail::posix::writeStandardError(lpOutputString, std::strlen(lpOutputString));
    });
}
