#include "vkstime.h"

#include <cstdlib>
#include <ctime>

namespace vkstest {

namespace {

void applyZone(const char *tz)
{
    if (tz)
        setenv("TZ", tz, 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace

ScopedHostZone::ScopedHostZone(const char *tzOrNull)
{
    if (const char *old = std::getenv("TZ"))
        previous_ = old;
    applyZone(tzOrNull);
}

ScopedHostZone::~ScopedHostZone()
{
    applyZone(previous_ ? previous_->c_str() : nullptr);
}

}  // namespace vkstest
