#include "last_error.h"

namespace vkslog {

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
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
