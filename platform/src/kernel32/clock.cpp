// The clock, tick count and time zone that a host or a test can fix, and the host's own.
#include "kernel32/clock.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <string>

#include "kernel32/no_destructor.h"
#include "posix/clock_posix.h"
#include "vksboundary.h"
#include "vkshost.h"

namespace vks::detail {

namespace {

constexpr std::uint64_t kUnixEpochTicks = 116444736000000000ull;
constexpr std::uint64_t kTicksPerSecond = 10'000'000;

// A bias of a whole day or more names no zone; the C library would not read it either.
constexpr LONG kMinutesPerDay = 24 * 60;

struct ClockState {
    std::mutex lock;
    std::optional<DWORD> fixedTicks;
    std::optional<SYSTEMTIME> fixedLocal;
    std::optional<LONG> fixedBias;
    // TZ as it was before the bias was fixed, put back when the host's zone returns.
    std::optional<std::string> hostZone;
};

ClockState &state()
{
    // Never destroyed: threads that end after main() still read the clock.
    static NoDestructor<ClockState> clock;
    return *clock;
}

std::atomic<void (*)()> tickCountListener{nullptr};

std::string twoDigits(LONG value)
{
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

// A fixed-offset zone the C library understands: bias -540 is "<+09>-9", +330 is "<-0530>5:30".
// POSIX counts the offset west of Greenwich, which is exactly the Windows bias.
std::string posixZoneForBias(LONG biasMinutes)
{
    const LONG hours = (biasMinutes < 0 ? -biasMinutes : biasMinutes) / 60;
    const LONG minutes = (biasMinutes < 0 ? -biasMinutes : biasMinutes) % 60;
    std::string zone = biasMinutes <= 0 ? "<+" : "<-";
    zone += twoDigits(hours);
    if (minutes)
        zone += twoDigits(minutes);
    zone += biasMinutes < 0 ? ">-" : ">";
    zone += std::to_string(hours);
    if (minutes) {
        zone += ':';
        zone += twoDigits(minutes);
    }
    return zone;
}

}  // namespace

bool fixedLocalTime(SYSTEMTIME &local)
{
    std::lock_guard guard(state().lock);
    if (!state().fixedLocal)
        return false;
    local = *state().fixedLocal;
    return true;
}

std::uint64_t hostUtcTicks()
{
    const posix::RealTime now = posix::realTimeNow();
    return kUnixEpochTicks + static_cast<std::uint64_t>(now.seconds) * kTicksPerSecond +
           static_cast<std::uint64_t>(now.nanoseconds) / 100u;
}

std::int32_t utcOffsetNow()
{
    std::optional<SYSTEMTIME> fixedLocal;
    {
        std::lock_guard guard(state().lock);
        if (state().fixedBias)
            return -*state().fixedBias * 60;
        fixedLocal = state().fixedLocal;
    }
    if (!fixedLocal)
        return posix::utcOffsetNow();
    const SYSTEMTIME &t = *fixedLocal;
    return posix::utcOffsetAtLocal(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond)
        .value_or(posix::utcOffsetNow());
}

DWORD tickCountNow()
{
    {
        std::lock_guard guard(state().lock);
        if (state().fixedTicks)
            return *state().fixedTicks;
    }
    return static_cast<DWORD>(posix::monotonicMilliseconds());
}

void setTickCountListener(void (*listener)())
{
    tickCountListener = listener;
}

}  // namespace vks::detail

using namespace vks::detail;

void VksHostSetTickCount(const DWORD *fixedOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        {
            std::lock_guard guard(state().lock);
            state().fixedTicks = fixedOrNull ? std::optional<DWORD>(*fixedOrNull) : std::nullopt;
        }
        // Outside the clock's lock: threads waiting for a timer take it to read the new count.
        if (void (*listener)() = tickCountListener)
            listener();
    });
}

void VksHostSetLocalTime(const SYSTEMTIME *fixedOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        // A record that names no moment leaves the clock as it was, and the caller's last error too.
        if (fixedOrNull) {
            const DWORD callersError = GetLastError();
            FILETIME ignored;
            const bool valid = SystemTimeToFileTime(fixedOrNull, &ignored);
            SetLastError(callersError);
            if (!valid)
                return;
        }
        std::lock_guard guard(state().lock);
        state().fixedLocal = fixedOrNull ? std::optional<SYSTEMTIME>(*fixedOrNull) : std::nullopt;
    });
}

void VksHostSetTimeZoneBias(const LONG *minutesOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        if (minutesOrNull && (*minutesOrNull <= -kMinutesPerDay || *minutesOrNull >= kMinutesPerDay))
            return;
        std::lock_guard guard(state().lock);
        ClockState &clock = state();
        if (!minutesOrNull) {
            if (clock.fixedBias) {
                clock.fixedBias.reset();
                posix::setTimeZoneVariable(clock.hostZone);
            }
            return;
        }
        if (!clock.fixedBias)
            clock.hostZone = posix::timeZoneVariable();
        clock.fixedBias = *minutesOrNull;
        // The C library's local time (mktime, localtime) must agree with the platform's bias.
        posix::setTimeZoneVariable(posixZoneForBias(*minutesOrNull));
    });
}
