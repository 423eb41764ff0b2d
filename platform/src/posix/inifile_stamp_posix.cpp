// When a file's stamp can stand for its content.
#include <algorithm>

#include "posix/inifile_posix.h"

namespace vks::detail {

bool isStampSettled(const FileStamp &stamp, std::int64_t nowNs)
{
    constexpr std::int64_t kNsPerMs = 1'000'000;
    constexpr std::int64_t kNsPerSecond = 1'000 * kNsPerMs;
    bool coarse = stamp.mtimeNs % kNsPerSecond == 0 || stamp.ctimeNs % kNsPerSecond == 0;
    std::int64_t margin = coarse ? 3'000 * kNsPerMs : 50 * kNsPerMs;
    return nowNs - std::max(stamp.mtimeNs, stamp.ctimeNs) > margin;
}

}  // namespace vks::detail
