#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/number_text.h"
#include "intl_settings.h"

using formattest::IntlSettings;

TEST(TutWinStringNumber, GroupsSignedValues)
{
    IntlSettings defaults;
    const struct {
        const char *name;
        __int64 value;
        const char *text;
    } rows[] = {
        {"zero", 0, "0"},
        {"three digits", 999, "999"},
        {"four digits", 1000, "1,000"},
        {"negative four digits", -1000, "-1,000"},
        {"no separator after the minus sign", -100000, "-100,000"},
        {"negative three digits", -999, "-999"},
        {"seven digits", 1234567, "1,234,567"},
        {"15 digits are grouped completely", 999999999999999LL, "999,999,999,999,999"},
        {"digits before the last twelve are not", 1234567890123456LL, "1234,567,890,123,456"},
        {"the largest", LLONG_MAX, "9223372,036,854,775,807"},
        {"the smallest", LLONG_MIN, "-9223372,036,854,775,808"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.text, TutWinStringNumber(row.value));
    }
}

TEST(TutWinStringNumber, GroupsUnsignedValues)
{
    IntlSettings defaults;
    const struct {
        const char *name;
        unsigned __int64 value;
        const char *text;
    } rows[] = {
        {"zero", 0, "0"},
        {"four digits", 1000, "1,000"},
        {"above the signed range", 9223372036854775808ULL, "9223372,036,854,775,808"},
        {"the largest", ULLONG_MAX, "18446744,073,709,551,615"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.text, TutWinStringNumber(row.value));
    }
}

TEST(TutWinStringNumber, WidensEachTypeByItsSign)
{
    IntlSettings defaults;
    EXPECT_STREQ("-1", TutWinStringNumber(static_cast<signed char>(-1)));
    EXPECT_STREQ("255", TutWinStringNumber(static_cast<unsigned char>(255)));
    EXPECT_STREQ("-32,768", TutWinStringNumber(static_cast<short>(SHRT_MIN)));
    EXPECT_STREQ("65,535", TutWinStringNumber(static_cast<unsigned short>(USHRT_MAX)));
    EXPECT_STREQ("-2,147,483,648", TutWinStringNumber(INT_MIN));
    EXPECT_STREQ("4,294,967,295", TutWinStringNumber(UINT_MAX));
    EXPECT_STREQ("-1,234", TutWinStringNumber(-1234L));
    EXPECT_STREQ("1,234", TutWinStringNumber(1234UL));
}

TEST(TutWinStringNumber, UsesTheThousandsSeparatorInForceAtConstruction)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        const char *text;
    } rows[] = {
        {"a point", {"sThousand=."}, "1.234.567"},
        {"present but empty: no grouping", {"sThousand="}, "1234567"},
        {"only the first byte of a longer one", {"sThousand=ab"}, "1a234a567"},
        {"the decimal separator plays no part", {"sDecimal=,", "sThousand=."}, "1.234.567"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_STREQ(row.text, TutWinStringNumber(1234567));
    }

    IntlSettings point({"sThousand=."});
    const TutWinStringNumber built(-1000);
    TutWinStringNumber assigned(0);
    assigned = built;
    point.rewrite({"sThousand=;"});
    TutWinString::updateWinIniCache();
    EXPECT_STREQ("-1.000", built);
    EXPECT_STREQ("-1.000", assigned);
    EXPECT_STREQ("-1;000", TutWinStringNumber(-1000));
}
