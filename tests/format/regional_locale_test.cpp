// The library's texts under the host's locale, on a drive C whose win.ini sets nothing.
#include <string>

#include <gtest/gtest.h>
#include <locale.h>

#include "format/byte_count.h"
#include "format/number_text.h"
#include "format/win_string.h"
#include "time/timestamp.h"
#include "vkshost.h"

namespace {

// Every other suite reads the regional settings of win.ini alone, whatever the machine's locale.
class PortableRegionalLocale : public ::testing::Environment {
public:
    void SetUp() override
    {
        VksHostSetRegionalLocale("C");
        TutWinString::updateWinIniCache();
    }
};

[[maybe_unused]] ::testing::Environment *const pinned =
    ::testing::AddGlobalTestEnvironment(new PortableRegionalLocale);

class ScopedRegionalLocale {
public:
    explicit ScopedRegionalLocale(const char *name)
    {
        VksHostSetRegionalLocale(name);
        TutWinString::updateWinIniCache();
    }
    ~ScopedRegionalLocale()
    {
        VksHostSetRegionalLocale("C");
        TutWinString::updateWinIniCache();
    }
    ScopedRegionalLocale(const ScopedRegionalLocale &) = delete;
    ScopedRegionalLocale &operator=(const ScopedRegionalLocale &) = delete;
};

bool localeExists(const char *name)
{
    locale_t handle = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
    if (handle)
        freelocale(handle);
    return handle != nullptr;
}

}  // namespace

TEST(RegionalLocale, TextsOfOneMomentAndOneNumber)
{
    // KB and MB in code page 932 as the string table holds them.
    const struct {
        const char *locale, *dateTime, *number, *bytes;
    } rows[] = {
        {"C", "3/5/02  2:07:09PM", "1,234,567", "1.2 MB"},
        {"en_US.UTF-8", "03/05/2002  02:07:09PM", "1,234,567", "1.2 MB"},
        {"de_DE.UTF-8", "05.03.2002  14:07:09", "1.234.567", "1,2 MB"},
        {"fr_FR.UTF-8", "05/03/2002  14:07:09", "1 234 567", "1,2 MB"},
        {"ja_JP.UTF-8", "2002/03/05  14:07:09", "1,234,567", "1.2 MB"},
    };
    const TutTimestamp moment(2002, 3, 5, 14, 7, 9);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        ASSERT_TRUE(localeExists(row.locale))
            << row.locale << " is missing: run the tests through ctest, whose "
            << "host_locales.Compile makes it";
        ScopedRegionalLocale locale(row.locale);
        char text[29];
        ASSERT_EQ(1, moment.dateTimeString(text, sizeof text));
        EXPECT_STREQ(row.dateTime, text);
        EXPECT_STREQ(row.number, TutWinStringNumber(1234567));
        EXPECT_STREQ(row.bytes, static_cast<char const *>(TutWinBytes(1234567u)));
    }
}
