// win.ini's [intl] section answered from the host's locale for the keys the file lacks.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <locale.h>

#include "kernel32/regional_pictures.h"
#include "vkshost.h"
#include "vkstest.h"
#include "windows.h"

namespace {

using vks::detail::longDatePicture;
using vks::detail::shortDatePicture;
using vks::detail::shortTimePicture;

// Pins the regional locale for one test and puts the process's own back afterwards.
class ScopedRegionalLocale {
public:
    explicit ScopedRegionalLocale(const char *name) { VksHostSetRegionalLocale(name); }
    ~ScopedRegionalLocale() { VksHostSetRegionalLocale(nullptr); }
    ScopedRegionalLocale(const ScopedRegionalLocale &) = delete;
    ScopedRegionalLocale &operator=(const ScopedRegionalLocale &) = delete;
};

// The test run compiles these locales into the build tree and names it in LOCPATH.
void requireLocale(const char *name)
{
    locale_t handle = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
    ASSERT_NE(nullptr, handle) << "locale " << name << " is missing: run the tests through ctest, "
                               << "whose host_locales.Compile makes it";
    freelocale(handle);
}

std::string intlString(const char *key, const char *fallback = "<absent>")
{
    char buffer[64];
    DWORD length = GetProfileStringA("intl", key, fallback, buffer, sizeof buffer);
    return std::string(buffer, length);
}

const char *const kKeys[] = {
    "sShortDate", "sLongDate",   "sDate",       "iDate",          "sTime",
    "sTimeFormat", "iTime",      "iTLZero",     "iTimePrefix",    "s1159",
    "s2359",       "sDecimal",   "sThousand",   "iDigits",        "iLZero",
    "sList",       "sCurrency",  "iCurrDigits", "iCurrency",      "iNegCurr",
    "sMonDecimalSep", "sMonThousandSep",
};

struct LocaleRow {
    const char *locale;
    std::vector<const char *> values;  // in the order of kKeys, code page 932
};

}  // namespace

TEST(RegionalSettings, DerivesEachIntlKeyFromTheLocale)
{
    const LocaleRow rows[] = {
        {"en_US.UTF-8",
         {"MM/dd/yyyy", "ddd MMM d yyyy", "/", "0", ":", "hh:mm:ss tt", "0", "1", "0", "AM",
          "PM", ".", ",", "2", "1", ",", "$", "2", "0", "1", ".", ","}},
        {"de_DE.UTF-8",
         {"dd.MM.yyyy", "ddd d. MMM yyyy", ".", "1", ":", "HH:mm:ss", "1", "1", "0", "", "",
          ",", ".", "2", "1", ";", "EUR", "2", "3", "8", ",", "."}},
        // The narrow no-break space that groups French digits has no place in code page 932.
        {"fr_FR.UTF-8",
         {"dd/MM/yyyy", "ddd dd MMM yyyy", "/", "1", ":", "HH:mm:ss", "1", "1", "0", "", "",
          ",", " ", "2", "1", ";", "EUR", "2", "3", "8", ",", " "}},
        // 年, 月 and 日 separate the numbers of the Japanese date: the short date takes '/'.
        {"ja_JP.UTF-8",
         {"yyyy/MM/dd", "yyyy\x94\x4e MMM d\x93\xfa dddd", "/", "2", ":", "HH:mm:ss", "1", "1",
          "1", "\x8c\xdf\x91\x4f", "\x8c\xdf\x8c\xe3", ".", ",", "2", "1", ",", "\x81\x8f", "0",
          "0", "2", ".", ","}},
    };
    vkstest::ScopedDriveC drive;
    for (const LocaleRow &row : rows) {
        SCOPED_TRACE(row.locale);
        requireLocale(row.locale);
        ScopedRegionalLocale locale(row.locale);
        ASSERT_EQ(std::size(kKeys), row.values.size());
        for (size_t i = 0; i < std::size(kKeys); ++i)
            EXPECT_EQ(row.values[i], intlString(kKeys[i])) << kKeys[i];
    }
}

TEST(RegionalSettings, PortableLocalesDeriveNothing)
{
    vkstest::ScopedDriveC drive;
    for (const char *name : {"C", "POSIX", "C.UTF-8", "xx_NOWHERE.UTF-8"}) {
        SCOPED_TRACE(name);
        ScopedRegionalLocale locale(name);
        for (const char *key : kKeys)
            EXPECT_EQ("<absent>", intlString(key)) << key;
        EXPECT_EQ(7u, GetProfileIntA("intl", "iDate", 7));
    }
}

TEST(RegionalSettings, KeysInWinIniWinAndTheRestComeFromTheLocale)
{
    requireLocale("de_DE.UTF-8");
    vkstest::ScopedDriveC drive;
    drive.write("WINDOWS\\win.ini", "[intl]\r\nsShortDate=yyyy-MM-dd\r\niTime=0\r\n");
    ScopedRegionalLocale locale("de_DE.UTF-8");
    EXPECT_EQ("yyyy-MM-dd", intlString("sShortDate"));
    EXPECT_EQ("yyyy-MM-dd", intlString("SSHORTDATE"));
    EXPECT_EQ(0u, GetProfileIntA("intl", "iTime", 5));
    EXPECT_EQ(1u, GetProfileIntA("Intl", "iDate", 5));
    EXPECT_EQ(",", intlString("sDecimal"));

    // Written keys win from then on; a key the locale lacks still takes the caller's default.
    ASSERT_TRUE(WritePrivateProfileStringA("intl", "sDecimal", "'", "win.ini"));
    EXPECT_EQ("'", intlString("sDecimal"));
    EXPECT_EQ("fallback", intlString("sNoSuchKey", "fallback"));
}

TEST(RegionalSettings, KeyListShowsTheFileKeysThenTheDerivedOnes)
{
    requireLocale("de_DE.UTF-8");
    vkstest::ScopedDriveC drive;
    drive.write("WINDOWS\\win.ini", "[intl]\r\nsDecimal=;\r\nextra=1\r\n");
    ScopedRegionalLocale locale("de_DE.UTF-8");
    char buffer[1024];
    DWORD length = GetProfileStringA("intl", nullptr, "", buffer, sizeof buffer);
    std::vector<std::string> names;
    for (DWORD at = 0; at < length; at += static_cast<DWORD>(names.back().size()) + 1)
        names.emplace_back(buffer + at);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ("sDecimal", names[0]);
    EXPECT_EQ("extra", names[1]);
    EXPECT_EQ("sShortDate", names[2]);
    EXPECT_EQ(std::size(kKeys) + 1, names.size()) << "sDecimal is listed once";
    EXPECT_EQ('\0', buffer[length]);
}

TEST(RegionalSettings, OnlyWinIniInTheWindowsDirectoryIsMapped)
{
    requireLocale("de_DE.UTF-8");
    vkstest::ScopedDriveC drive;
    ScopedRegionalLocale locale("de_DE.UTF-8");
    char buffer[32];
    for (const char *file : {"other.ini", "c:\\win.ini", "C:\\WINDOWS\\SYSTEM\\win.ini"}) {
        SCOPED_TRACE(file);
        DWORD length = GetPrivateProfileStringA("intl", "sDecimal", "none", buffer,
                                                sizeof buffer, file);
        EXPECT_EQ("none", std::string(buffer, length));
    }
    for (const char *file : {"win.ini", "WIN.INI", "C:\\windows\\Win.ini"}) {
        SCOPED_TRACE(file);
        DWORD length = GetPrivateProfileStringA("INTL", "sDecimal", "none", buffer,
                                                sizeof buffer, file);
        EXPECT_EQ(",", std::string(buffer, length));
    }
    DWORD length = GetProfileStringA("windows", "sDecimal", "none", buffer, sizeof buffer);
    EXPECT_EQ("none", std::string(buffer, length));
}

TEST(RegionalSettings, ReadingDerivedKeysWritesNothing)
{
    requireLocale("ja_JP.UTF-8");
    vkstest::ScopedDriveC drive;
    ScopedRegionalLocale locale("ja_JP.UTF-8");
    EXPECT_EQ("yyyy/MM/dd", intlString("sShortDate"));
    EXPECT_FALSE(std::filesystem::exists(drive.host("WINDOWS\\win.ini")));
}

TEST(RegionalPictures, ShortDatesFromStrftimeFormats)
{
    const struct {
        const char *format, *picture, *separator;
        int order;
    } rows[] = {
        {"%d.%m.%Y", "dd.MM.yyyy", ".", 1},
        {"%m/%d/%y", "MM/dd/yy", "/", 0},
        {"%D", "MM/dd/yy", "/", 0},
        {"%F", "yyyy-MM-dd", "-", 2},
        {"%-d.%-m.%Y", "d.M.yyyy", ".", 1},
        {"%e/%m/%Y", "d/MM/yyyy", "/", 1},
        {"%Y. %m. %d.", "yyyy. MM. dd", ". ", 2},
        {"%Y\xe5\xb9\xb4%m\xe6\x9c\x88%d\xe6\x97\xa5", "yyyy/MM/dd", "/", 2},
        {"%d de %m de %Y", "dd/MM/yyyy", "/", 1},
        {"%Y%m%d", "yyyyMMdd", "", 2},
        {"%Ey/%m/%d", "yy/MM/dd", "/", 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.format);
        auto picture = shortDatePicture(row.format);
        EXPECT_EQ(row.picture, picture.picture);
        EXPECT_EQ(row.separator, picture.separator);
        EXPECT_EQ(row.order, picture.order);
    }
}

TEST(RegionalPictures, ShortTimesFromStrftimeFormats)
{
    const struct {
        const char *format, *picture, *separator;
        bool hours24, twoDigitHours, designatorFirst;
    } rows[] = {
        {"%H:%M:%S", "HH:mm:ss", ":", true, true, false},
        {"%T", "HH:mm:ss", ":", true, true, false},
        {"%r", "hh:mm:ss tt", ":", false, true, false},
        {"%l:%M:%S %p", "h:mm:ss tt", ":", false, false, false},
        {"%k.%M", "H.mm", ".", true, false, false},
        {"%p %I:%M:%S", "tt hh:mm:ss", ":", false, true, true},
        {"%H\xe6\x99\x82%M\xe5\x88\x86%S\xe7\xa7\x92", "HH:mm:ss", ":", true, true, false},
        {"%p%I\xe6\x99\x82%M\xe5\x88\x86%S\xe7\xa7\x92", "tt hh:mm:ss", ":", false, true, true},
        // A letter between the numbers is a word too.
        {"%Hh%M", "HH:mm", ":", true, true, false},
        {"%I.%M %p", "hh.mm tt", ".", false, true, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.format);
        auto picture = shortTimePicture(row.format, "%I:%M:%S %p");
        EXPECT_EQ(row.picture, picture.picture);
        EXPECT_EQ(row.separator, picture.separator);
        EXPECT_EQ(row.hours24, picture.hours24);
        EXPECT_EQ(row.twoDigitHours, picture.twoDigitHours);
        EXPECT_EQ(row.designatorFirst, picture.designatorFirst);
    }
}

TEST(RegionalPictures, LongDatesLeaveTheTimeAndZoneOut)
{
    const struct {
        const char *format, *picture;
    } rows[] = {
        {"%a %-d. %b %H:%M:%S %Z %Y", "ddd d. MMM yyyy"},
        {"%a %b %e %r %Z %Y", "ddd MMM d yyyy"},
        {"%A, %B %d, %Y", "dddd, MMMM dd, yyyy"},
        {"%d de %B de %Y %T", "dd 'de' MMMM 'de' yyyy"},
        {"%Y\xe5\xb9\xb4 %b %e\xe6\x97\xa5 %A %H:%M:%S %Z",
         "yyyy\xe5\xb9\xb4 MMM d\xe6\x97\xa5 dddd"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.format);
        EXPECT_EQ(row.picture, longDatePicture(row.format));
    }
}
