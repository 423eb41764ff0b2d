#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/byte_count.h"
#include "intl_settings.h"

using formattest::IntlSettings;

namespace {

// "バイト", the unit of plain counts, in code page 932.
const std::string kBytes = "\x83\x6f\x83\x43\x83\x67";

std::string text(const TutWinBytes &bytes)
{
    return static_cast<char const *>(bytes);
}

}  // namespace

TEST(TutWinBytes, UnsignedCountsByRange)
{
    IntlSettings defaults;
    const struct {
        const char *name;
        unsigned __int64 value;
        std::string text;
    } rows[] = {
        {"zero", 0, "0" + kBytes},
        {"below 1000: as it is", 999, "999" + kBytes},
        {"1000: the separator after the first digit", 1000, "1,000" + kBytes},
        {"the largest plain count", 9999, "9,999" + kBytes},
        {"10000 is kilobytes", 10000, "9.8 KB"},
        {"the largest in kilobytes", 999999, "976.6 KB"},
        {"exactly halfway rounds to even", 10496, "10.2 KB"},
        {"1000000 rounds up to 1.0 MB", 1000000, "1.0 MB"},
        {"the largest in megabytes", 999999999, "953.7 MB"},
        {"1000000000 is 0.9 GB", 1000000000, "0.9 GB"},
        {"2^40: gigabytes without grouping", 1ULL << 40, "1024.0 GB"},
        // 100000.35...: the float it is rounded to prints .4 where the exact value gives .3.
        {"rounded to a float before printing", 107374558209637ULL, "100000.4 GB"},
        {"the largest", ULLONG_MAX, "17179869184.0 GB"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.text, text(TutWinBytes(row.value)));
    }
}

TEST(TutWinBytes, SignedCountsKeepTheirSign)
{
    IntlSettings defaults;
    const struct {
        const char *name;
        __int64 value;
        std::string text;
    } rows[] = {
        {"below 1000", -999, "-999" + kBytes},
        {"the separator after the sign and first digit", -1234, "-1,234" + kBytes},
        {"the smallest plain count", -9999, "-9,999" + kBytes},
        {"kilobytes", -10000, "-9.8 KB"},
        {"megabytes", -1000000, "-1.0 MB"},
        {"gigabytes", -1000000000, "-0.9 GB"},
        {"the smallest", LLONG_MIN, "-8589934592.0 GB"},
        {"positive values as unsigned ones", 1234, "1,234" + kBytes},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.text, text(TutWinBytes(row.value)));
    }
}

TEST(TutWinBytes, WidensEachTypeByItsSign)
{
    IntlSettings defaults;
    EXPECT_EQ("-1" + kBytes, text(TutWinBytes(static_cast<signed char>(-1))));
    EXPECT_EQ("255" + kBytes, text(TutWinBytes(static_cast<unsigned char>(255))));
    EXPECT_EQ("-9.8 KB", text(TutWinBytes(static_cast<short>(-10000))));
    EXPECT_EQ("64.0 KB", text(TutWinBytes(static_cast<unsigned short>(USHRT_MAX))));
    EXPECT_EQ("-2.0 GB", text(TutWinBytes(INT_MIN)));
    EXPECT_EQ("4.0 GB", text(TutWinBytes(UINT_MAX)));
    EXPECT_EQ("-9.8 KB", text(TutWinBytes(-10000L)));
    EXPECT_EQ("9.8 KB", text(TutWinBytes(10000UL)));
}

TEST(TutWinBytes, TakesTheSeparatorsOfTheSettings)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        __int64 value;
        std::string text;
    } rows[] = {
        {"a decimal comma", {"sDecimal=,"}, 10000, "9,8 KB"},
        {"a decimal comma, negative", {"sDecimal=,"}, -10000, "-9,8 KB"},
        {"a decimal point stays", {"sDecimal=."}, 10000, "9.8 KB"},
        {"an empty decimal separator keeps the point", {"sDecimal="}, 10000, "9.8 KB"},
        {"the decimal separator leaves plain counts alone", {"sDecimal=,", "sThousand=."}, 1234,
         "1.234" + kBytes},
        {"an empty thousands separator", {"sThousand="}, 1234, "1234" + kBytes},
        {"an empty thousands separator, negative", {"sThousand="}, -1234, "-1234" + kBytes},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_EQ(row.text, text(TutWinBytes(row.value)));
    }
}

TEST(TutWinBytes, CopiesKeepTheirText)
{
    IntlSettings comma({"sDecimal=,"});
    const TutWinBytes built(10000);
    TutWinBytes assigned(0);
    assigned = built;
    const TutWinBytes copied(built);
    comma.rewrite({});
    TutWinString::updateWinIniCache();
    EXPECT_EQ("9,8 KB", text(assigned));
    EXPECT_EQ("9,8 KB", text(copied));
}
