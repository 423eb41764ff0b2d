#include "last_error.h"

namespace vkslog {

namespace {
// In the static TLS block: a dynamic TLS slot of an unloaded library is left stale in the
// threads' vectors, where the leak checker of the sanitized tests trips over it at exit.
thread_local DWORD t_lastError __attribute__((tls_model("initial-exec"))) = ERROR_SUCCESS;
}

int fail(DWORD code)
{
    t_lastError = code;
    SetLastError(code);
    return FALSE;
}

DWORD lastError()
{
    return t_lastError;
}

}  // namespace vkslog
