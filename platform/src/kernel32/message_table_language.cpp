// The user's, the system's and the thread's languages.
#include <atomic>
#include <string>
#include <string_view>

#include "posix/environment_posix.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

namespace {

struct LocaleLanguage {
    std::string_view code;  // "de" or "de_AT"
    WORD language;
};

// The languages the product ships texts in and their regional variants; the first row of a
// language is its default for a region not listed.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"de_CH", MAKELANGID(LANG_GERMAN, 0x02)},   {"de_AT", MAKELANGID(LANG_GERMAN, 0x03)},
    {"de", MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT)},
    {"en_GB", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)},
    {"en_AU", MAKELANGID(LANG_ENGLISH, 0x03)},  {"en_CA", MAKELANGID(LANG_ENGLISH, 0x04)},
    {"en", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
    {"es_MX", MAKELANGID(LANG_SPANISH, 0x02)},  {"es", MAKELANGID(LANG_SPANISH, 0x03)},
    {"fr_BE", MAKELANGID(LANG_FRENCH, 0x02)},   {"fr_CA", MAKELANGID(LANG_FRENCH, 0x03)},
    {"fr_CH", MAKELANGID(LANG_FRENCH, 0x04)},   {"fr", MAKELANGID(LANG_FRENCH, SUBLANG_DEFAULT)},
    {"it_CH", MAKELANGID(LANG_ITALIAN, 0x02)},  {"it", MAKELANGID(LANG_ITALIAN, SUBLANG_DEFAULT)},
    {"ja", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)},
};

constexpr WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr int kFromHost = -1;

std::atomic<int> &fixedUserLanguage()
{
    static std::atomic<int> fixed{kFromHost};
    return fixed;
}

// "de_DE.UTF-8@euro" → "de_DE".
std::string_view languageAndRegion(std::string_view locale)
{
    return locale.substr(0, locale.find_first_of(".@"));
}

WORD languageOfLocale(std::string_view locale)
{
    std::string_view wanted = languageAndRegion(locale);
    for (const LocaleLanguage &entry : kLocaleLanguages) {
        bool regional = entry.code.size() > 2;
        if (regional ? wanted == entry.code
                     : wanted.substr(0, wanted.find('_')) == entry.code)
            return entry.language;
    }
    return kUsEnglish;
}

// The host's message locale, looked up in the order the C library uses.
std::string hostLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::string value = vks::detail::posix::environmentVariable(variable);
        if (!value.empty())
            return value;
    }
    return {};
}

}  // namespace

LANGID WINAPI GetUserDefaultLangID(void)
{
    return vks::atWin32Boundary<LANGID>(0, [&]() -> LANGID {
        int fixed = fixedUserLanguage().load();
        return fixed != kFromHost ? static_cast<LANGID>(fixed) : languageOfLocale(hostLocale());
    });
}

LANGID WINAPI GetSystemDefaultLangID(void)
{
    return vks::atWin32Boundary<LANGID>(0, [&]() -> LANGID {
        // The system this platform stands for was installed in US English.
        return kUsEnglish;
    });
}

LCID WINAPI GetThreadLocale(void)
{
    return vks::atWin32Boundary<LCID>(0, [&]() -> LCID {
        return MAKELCID(GetUserDefaultLangID(), SORT_DEFAULT);
    });
}

void VksHostSetUserLanguage(const WORD *langIdOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        fixedUserLanguage().store(langIdOrNull ? *langIdOrNull : kFromHost);
    });
}
