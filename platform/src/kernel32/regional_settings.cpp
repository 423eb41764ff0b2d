#include "kernel32/regional_settings.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include "kernel32/codepage.h"
#include "kernel32/ini_text.h"
#include "kernel32/paths.h"
#include "posix/locale_posix.h"
#include "kernel32/regional_pictures.h"
#include "vksboundary.h"
#include "vkshost.h"

namespace vks::detail {

namespace {

using posix::LocaleFacts;
using posix::RegionalLocaleNames;

bool isPortableLocale(std::string_view name)
{
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// Text in the ANSI code page, or false when a character has no place in it.
bool toAnsiExactly(std::string_view utf8, std::string &ansi)
{
    ansi = utf8ToAnsi(utf8);
    auto marks = [](std::string_view text) {
        return std::count(text.begin(), text.end(), '?');
    };
    return marks(ansi) == marks(utf8);
}

// Separators of numbers: a blank the code page lacks (the no-break and narrow no-break spaces
// that French uses) becomes a plain blank rather than '?'.
std::string separatorText(std::string_view utf8)
{
    std::string ansi;
    if (toAnsiExactly(utf8, ansi))
        return ansi;
    for (std::string_view blank : {"\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89", "\xE2\x80\x87"})
        if (utf8 == blank)
            return " ";
    return ansi;
}

// The currency symbol, or its international code ("EUR") when the code page cannot show it.
std::string currencyText(const LocaleFacts &facts)
{
    std::string ansi;
    if (!facts.currencySymbol.empty() && toAnsiExactly(facts.currencySymbol, ansi))
        return ansi;
    std::string_view code = facts.internationalCurrency;
    while (!code.empty() && code.back() == ' ')
        code.remove_suffix(1);
    return std::string(code);
}

// Windows' positive currency forms: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
int positiveCurrencyForm(const LocaleFacts &facts)
{
    bool spaced = facts.spaceSeparatesPositive > 0;
    return facts.symbolPrecedesPositive != 0 ? (spaced ? 2 : 0) : (spaced ? 3 : 1);
}

// Windows' negative currency forms 0 to 15, from where POSIX puts the sign and the symbol.
int negativeCurrencyForm(const LocaleFacts &facts)
{
    bool before = facts.symbolPrecedesNegative != 0;
    bool spaced = facts.spaceSeparatesNegative > 0;
    struct Forms { int before, beforeSpaced, after, afterSpaced; };
    static constexpr Forms kBySignPosition[] = {
        {0, 14, 4, 15},   // (1) in parentheses
        {1, 9, 5, 8},     // sign before the amount and symbol
        {3, 11, 7, 10},   // sign after them
        {1, 9, 6, 13},    // sign just before the symbol
        {2, 12, 7, 10},   // sign just after the symbol
    };
    int position = facts.negativeSignPosition;
    const Forms &forms = kBySignPosition[position >= 0 && position <= 4 ? position : 1];
    return before ? (spaced ? forms.beforeSpaced : forms.before)
                  : (spaced ? forms.afterSpaced : forms.after);
}

void addTimeKeys(const LocaleFacts &facts, RegionalKeys &keys)
{
    ShortPicture date = shortDatePicture(facts.dateFormat);
    ShortPicture time = shortTimePicture(facts.timeFormat, facts.timeFormat12);
    ShortPicture twelveHour = shortTimePicture(facts.timeFormat12, facts.timeFormat12);
    keys.emplace_back("sShortDate", utf8ToAnsi(date.picture));
    keys.emplace_back("sLongDate", utf8ToAnsi(longDatePicture(facts.longDateFormat)));
    keys.emplace_back("sDate", utf8ToAnsi(date.separator));
    keys.emplace_back("iDate", std::to_string(date.order));
    keys.emplace_back("sTime", utf8ToAnsi(time.separator));
    keys.emplace_back("sTimeFormat", utf8ToAnsi(time.picture));
    keys.emplace_back("iTime", time.hours24 ? "1" : "0");
    keys.emplace_back("iTLZero", time.twoDigitHours ? "1" : "0");
    keys.emplace_back("iTimePrefix", twelveHour.designatorFirst ? "1" : "0");
    keys.emplace_back("s1159", utf8ToAnsi(facts.am));
    keys.emplace_back("s2359", utf8ToAnsi(facts.pm));
}

void addNumberKeys(const LocaleFacts &facts, RegionalKeys &keys)
{
    std::string decimal = separatorText(facts.decimalPoint);
    keys.emplace_back("sDecimal", decimal);
    keys.emplace_back("sThousand", separatorText(facts.thousandsSeparator));
    // POSIX keeps no digit count and always writes the leading zero: Windows' 2 and 1.
    keys.emplace_back("iDigits", "2");
    keys.emplace_back("iLZero", "1");
    // Windows separates list items with ';' where the comma is the decimal point.
    keys.emplace_back("sList", decimal == "," ? ";" : ",");
}

void addCurrencyKeys(const LocaleFacts &facts, RegionalKeys &keys)
{
    keys.emplace_back("sCurrency", currencyText(facts));
    keys.emplace_back("iCurrDigits",
                      std::to_string(facts.fractionDigits >= 0 ? facts.fractionDigits : 2));
    keys.emplace_back("iCurrency", std::to_string(positiveCurrencyForm(facts)));
    keys.emplace_back("iNegCurr", std::to_string(negativeCurrencyForm(facts)));
    keys.emplace_back("sMonDecimalSep", separatorText(facts.monetaryDecimalPoint));
    keys.emplace_back("sMonThousandSep", separatorText(facts.monetaryThousandsSeparator));
}

RegionalKeys deriveKeys(const RegionalLocaleNames &names)
{
    LocaleFacts facts = posix::queryLocaleFacts(names);
    RegionalKeys keys;
    if (facts.hasTime && !isPortableLocale(names.time))
        addTimeKeys(facts, keys);
    if (facts.hasNumeric && !isPortableLocale(names.numeric))
        addNumberKeys(facts, keys);
    if (facts.hasMonetary && !isPortableLocale(names.monetary))
        addCurrencyKeys(facts, keys);
    return keys;
}

struct RegionalState {
    std::mutex lock;
    std::optional<std::string> fixedLocale;
    RegionalLocaleNames names;
    UINT codePage = 0;
    std::shared_ptr<const RegionalKeys> keys;
};

RegionalState &state()
{
    static RegionalState *instance = new RegionalState;  // outlives every static reader
    return *instance;
}

}  // namespace

std::shared_ptr<const RegionalKeys> regionalIntlKeys()
{
    RegionalState &s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    RegionalLocaleNames names = s.fixedLocale
                                    ? RegionalLocaleNames{*s.fixedLocale, *s.fixedLocale,
                                                          *s.fixedLocale}
                                    : posix::environmentLocaleNames();
    UINT codePage = ansiCodePage();
    if (!s.keys || !(names == s.names) || codePage != s.codePage) {
        s.keys = std::make_shared<const RegionalKeys>(deriveKeys(names));
        s.names = std::move(names);
        s.codePage = codePage;
    }
    return s.keys;
}

bool isRegionalSection(const char *section, std::string_view hostPath)
{
    if (!section || !iniNamesEqual(section, "intl"))
        return false;
    size_t slash = hostPath.rfind('/');
    if (!iniNamesEqual(hostPath.substr(slash + 1), "win.ini"))
        return false;
    std::string windows;
    DWORD error = 0;
    return resolveDosPath(windowsDirectory(), windows, error) &&
           hostPath.substr(0, slash) == windows;
}

bool regionalIntlValue(std::string_view key, std::string &value)
{
    for (const auto &[name, text] : *regionalIntlKeys())
        if (iniNamesEqual(name, key)) {
            value = text;
            return true;
        }
    return false;
}

}  // namespace vks::detail

void VksHostSetRegionalLocale(const char *localeOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        auto &s = vks::detail::state();
        std::lock_guard<std::mutex> guard(s.lock);
        s.fixedLocale = localeOrNull ? std::optional<std::string>(localeOrNull) : std::nullopt;
        s.keys.reset();
    });
}
