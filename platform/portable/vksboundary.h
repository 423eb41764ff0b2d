// vksboundary.h: the one rule at the Win32 boundary. No C++ exception leaves a WINAPI function or
// a C entry of the platform or its peers: each export runs its body through one of these, and a
// failure becomes the export's failure result and the Windows error code of what went wrong.
#pragma once

#include <new>
#include <stdexcept>
#include <utility>

#include "windows.h"

namespace vks {

// The Windows code for the exception being handled; call it only inside a catch block.
inline DWORD win32ErrorOfCurrentException() noexcept
{
    try {
        throw;
    } catch (const std::bad_alloc &) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (const std::length_error &) {
        return ERROR_NOT_ENOUGH_MEMORY;  // a string or table asked to grow past what can be had
    } catch (const std::invalid_argument &) {
        return ERROR_INVALID_PARAMETER;
    } catch (const std::out_of_range &) {
        return ERROR_INVALID_PARAMETER;
    } catch (...) {
        return ERROR_INTERNAL_ERROR;
    }
}

// Runs `body`; when it throws, reports the code to `report` (SetLastError for Win32 exports) and
// returns `failure` instead.
template <class Result, class Body, class Report>
Result atWin32Boundary(Result failure, Report report, Body &&body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        report(win32ErrorOfCurrentException());
        return failure;
    }
}

template <class Result, class Body>
Result atWin32Boundary(Result failure, Body &&body) noexcept
{
    return atWin32Boundary(failure, SetLastError, std::forward<Body>(body));
}

// For exports with no result: the failure is told through the last error alone.
template <class Body>
void atWin32BoundaryVoid(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (...) {
        SetLastError(win32ErrorOfCurrentException());
    }
}

// For exports that answer with the error code itself (the registry): the code is the result.
template <class Body>
LONG statusAtWin32Boundary(Body &&body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return static_cast<LONG>(win32ErrorOfCurrentException());
    }
}

}  // namespace vks
