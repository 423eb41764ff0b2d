// Message tables: registration per language, the language FormatMessageA picks, the user's
// language from the host, and the code page of the text handed out.
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kernel32/module.h"
#include "vkshost.h"
#include "vksresource.h"
#include "vkstest.h"
#include "windows.h"

namespace {

constexpr DWORD kGreeting = 0x40000001;
constexpr DWORD kEnglishOnly = 0x40000002;

const VksMessageResource kEnglish[] = {
    {kGreeting, "Hello %1\r\n"},
    {kEnglishOnly, "Only in English\r\n"},
};
const VksMessageResource kGerman[] = {{kGreeting, "Grüß dich, %1\r\n"}};
const VksMessageResource kJapaneseJapan[] = {{kGreeting, "こんにちは %1\r\n"}};

// The program's own message table: English and German for every region, Japanese for Japan.
const bool kTablesRegistered =
    VksRegisterMessageTable(kEnglish, MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL), kEnglish, 2) &&
    VksRegisterMessageTable(kEnglish, MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL), kGerman, 1) &&
    VksRegisterMessageTable(kEnglish, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), kJapaneseJapan, 1);

// Fixes the user's language for the test's lifetime.
class ScopedUserLanguage {
public:
    explicit ScopedUserLanguage(WORD language) { VksHostSetUserLanguage(&language); }
    ~ScopedUserLanguage() { VksHostSetUserLanguage(nullptr); }
};

// Sets one environment variable for the test's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const char *value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str()); }

private:
    std::string name_;
    std::optional<std::string> old_;
};

// The program's message `id` in `language`, with "Ann" as %1; "" with the error when it fails.
std::string message(DWORD id, DWORD language, DWORD &error)
{
    DWORD_PTR arguments[] = {reinterpret_cast<DWORD_PTR>("Ann")};
    char buffer[128];
    SetLastError(0xdeadbeef);
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, nullptr, id,
                                  language, buffer, sizeof buffer,
                                  reinterpret_cast<va_list *>(arguments));
    error = length ? 0 : GetLastError();
    return std::string(buffer, length);
}

TEST(MessageTable, PicksTheLanguageInTheWindowsOrder)
{
    ASSERT_TRUE(kTablesRegistered);
    vkstest::ScopedCodePage westernEurope(1252);
    const struct {
        const char *name;
        WORD userLanguage;
        DWORD requested;
        DWORD id;
        const char *expected;
        DWORD error;
    } rows[] = {
        {"user German: the neutral German table", 0x0407, 0, kGreeting, "Gr\xFC\xDF" " dich, Ann\r\n", 0},
        {"user Swiss German: the same table", 0x0807, 0, kGreeting, "Gr\xFC\xDF" " dich, Ann\r\n", 0},
        {"user French: no table, so US English", 0x040C, 0, kGreeting, "Hello Ann\r\n", 0},
        {"the language's table lacks the id", 0x0407, 0, kEnglishOnly, "", ERROR_MR_MID_NOT_FOUND},
        {"asked for Austrian German", 0x0409, 0x0C07, kGreeting, "Gr\xFC\xDF" " dich, Ann\r\n", 0},
        {"asked for UK English", 0x0407, 0x0809, kEnglishOnly, "Only in English\r\n", 0},
        {"asked for French: only that language", 0x0409, 0x040C, kGreeting, "", ERROR_RESOURCE_LANG_NOT_FOUND},
        {"asked for neutral Japanese: the table is Japan's only", 0x0409, 0x0011, kGreeting, "",
         ERROR_RESOURCE_LANG_NOT_FOUND},
        {"unknown id", 0x0409, 0, 0x40000099, "", ERROR_MR_MID_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScopedUserLanguage user(row.userLanguage);
        DWORD error = 0;
        EXPECT_EQ(row.expected, message(row.id, row.requested, error));
        EXPECT_EQ(row.error, error);
    }
}

// The table is also the module's RT_MESSAGETABLE resource 1, laid out as Windows lays it out:
// a count of blocks, each {low, high, offset of its entries}, then the entries, each a length
// with its 4-byte header rounded up to 4, the flag 1 (UTF-16) and the text with its NUL.
TEST(MessageTable, IsTheModulesMessageTableResource)
{
    ASSERT_TRUE(kTablesRegistered);
    HRSRC found = nullptr;
    {
        ScopedUserLanguage germanUser(MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT));
        found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_MESSAGETABLE);
    }
    ASSERT_NE(nullptr, found);
    const auto *bytes = static_cast<const unsigned char *>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(nullptr, bytes);
    const std::vector<unsigned char> table(bytes, bytes + SizeofResource(nullptr, found));
    std::vector<unsigned char> expected = {1, 0, 0, 0,                  // one block
                                           1, 0, 0, 0x40, 1, 0, 0, 0x40,  // 0x40000001 to 0x40000001
                                           16, 0, 0, 0,                 // its entries at 16
                                           36, 0, 1, 0};                // 4 + 15 units + the NUL
    for (char16_t unit : std::u16string(u"Grüß dich, %1\r\n")) {
        expected.push_back(static_cast<unsigned char>(unit));
        expected.push_back(static_cast<unsigned char>(unit >> 8));
    }
    expected.insert(expected.end(), {0, 0});  // the NUL, already at a multiple of 4
    EXPECT_EQ(expected, table);
}

TEST(MessageTable, TextComesInTheAnsiCodePage)
{
    vkstest::ScopedCodePage japanese(932);
    ScopedUserLanguage user(0x0411);
    DWORD error = 0;
    EXPECT_EQ("\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd Ann\r\n", message(kGreeting, 0, error));
}

TEST(MessageTable, ModuleWithoutATableAndUnregistering)
{
    // The C++ run-time's module carries no table. (The platform is linked into this test
    // program, whose module has the program's own.)
    HMODULE runtime = vks::detail::moduleContaining(reinterpret_cast<void *>(&std::set_terminate));
    ASSERT_NE(GetModuleHandleA(nullptr), runtime);
    char buffer[32];
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, runtime,
                                 kGreeting, 0, buffer, sizeof buffer, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  runtime, ERROR_NOT_SUPPORTED, 0, buffer, sizeof buffer, nullptr);
    EXPECT_EQ("The request is not supported.\r\n", std::string(buffer, length))
        << "the system's text when the module has none";
    EXPECT_FALSE(VksRegisterMessageTable(nullptr, 0x0009, kEnglish, 1));
    EXPECT_FALSE(VksRegisterMessageTable(kEnglish, 0x0009, nullptr, 1));
    EXPECT_FALSE(VksUnregisterMessageTables(buffer)) << "a stack address is in no module";
}

TEST(UserLanguage, ComesFromTheHostLocale)
{
    const struct {
        const char *name;
        const char *lcAll;
        const char *lang;
        WORD expected;
    } rows[] = {
        {"German in Germany", nullptr, "de_DE.UTF-8", 0x0407},
        {"French in Canada", nullptr, "fr_CA", 0x0C0C},
        {"Japanese", nullptr, "ja_JP.eucJP", 0x0411},
        {"a region not listed takes the default", nullptr, "it_SM.UTF-8", 0x0410},
        {"LC_ALL comes first", "es_ES.UTF-8", "de_DE.UTF-8", 0x0C0A},
        {"C locale", nullptr, "C", 0x0409},
        {"a language without texts", nullptr, "nl_NL.UTF-8", 0x0409},
        {"nothing set", nullptr, nullptr, 0x0409},
    };
    VksHostSetUserLanguage(nullptr);
    ScopedEnv messages("LC_MESSAGES", nullptr);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScopedEnv all("LC_ALL", row.lcAll);
        ScopedEnv lang("LANG", row.lang);
        EXPECT_EQ(row.expected, GetUserDefaultLangID());
        EXPECT_EQ(static_cast<LCID>(row.expected), GetThreadLocale());
    }
    EXPECT_EQ(0x0409, GetSystemDefaultLangID());
}

}  // namespace
