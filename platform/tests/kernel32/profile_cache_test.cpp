// When the INI cache may trust a file's stamp instead of reading the file again.
#include <cstdint>

#include <gtest/gtest.h>

#include "posix/inifile_posix.h"

namespace {

using vks::detail::FileStamp;
using vks::detail::isStampSettled;

TEST(ProfileCache, TrustsAStampOnlyOnceTheFileClockHasMovedOn)
{
    constexpr std::int64_t kSecond = 1'000'000'000;
    constexpr std::int64_t kMs = 1'000'000;
    constexpr std::int64_t kChanged = 1'700'000'000 * kSecond + 123'456'789;  // nanoseconds kept
    constexpr std::int64_t kCoarse = 1'700'000'000 * kSecond;                 // whole seconds
    struct Row {
        const char *name;
        std::int64_t mtime;
        std::int64_t ctime;
        std::int64_t now;
        bool settled;
    } rows[] = {
        {"read in the same tick", kChanged, kChanged, kChanged + 1 * kMs, false},
        {"read within the margin", kChanged, kChanged, kChanged + 40 * kMs, false},
        {"read well after the change", kChanged, kChanged, kChanged + 60 * kMs, true},
        {"status changed later than the content", kChanged - kSecond, kChanged,
         kChanged + 10 * kMs, false},
        {"whole-second times, one second old", kCoarse, kCoarse, kCoarse + kSecond, false},
        {"whole-second times, two seconds old", kCoarse, kCoarse, kCoarse + 2 * kSecond, false},
        {"whole-second times, four seconds old", kCoarse, kCoarse, kCoarse + 4 * kSecond, true},
        {"file time ahead of the clock", kChanged + kSecond, kChanged + kSecond, kChanged, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FileStamp stamp;
        stamp.mtimeNs = row.mtime;
        stamp.ctimeNs = row.ctime;
        EXPECT_EQ(row.settled, isStampSettled(stamp, row.now));
    }
}

}  // namespace
