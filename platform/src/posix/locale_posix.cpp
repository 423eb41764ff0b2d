#if !defined(__unix__)
#error "locale_posix.cpp reads the host's POSIX locales; build it only on a POSIX host"
#endif

#include "posix/locale_posix.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <langinfo.h>
#include <locale.h>

#include "posix/iconv_posix.h"

namespace vks::detail::posix {

namespace {

std::string localeFromEnvironment(const char *categoryVariable)
{
    for (const char *variable : {"LC_ALL", categoryVariable, "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

// One locale object per category, released with the query.
class LocaleHandle {
public:
    LocaleHandle(int mask, const std::string &name)
        : handle_(newlocale(mask, name.c_str(), static_cast<locale_t>(nullptr)))
    {
    }
    ~LocaleHandle()
    {
        if (handle_)
            freelocale(handle_);
    }
    LocaleHandle(const LocaleHandle &) = delete;
    LocaleHandle &operator=(const LocaleHandle &) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    std::string text(nl_item item) const { return toUtf8(nl_langinfo_l(item, handle_)); }
    int number(nl_item item) const
    {
        // Numeric items are single bytes; CHAR_MAX means "not specified".
        int value = static_cast<unsigned char>(*nl_langinfo_l(item, handle_));
        return value == CHAR_MAX ? -1 : value;
    }

private:
    std::string toUtf8(const char *text) const
    {
        std::string_view charset = nl_langinfo_l(CODESET, handle_);
        std::string out;
        if (charset == "UTF-8" || charset == "ANSI_X3.4-1968")
            return text;
        auto byteLength = [](std::string_view) -> std::size_t { return 1; };
        std::string codeset(charset);
        return convert(codeset.c_str(), "UTF-8", text, byteLength, '?', out) ? out : text;
    }

    locale_t handle_;
};

}  // namespace

RegionalLocaleNames environmentLocaleNames()
{
    return {localeFromEnvironment("LC_TIME"), localeFromEnvironment("LC_NUMERIC"),
            localeFromEnvironment("LC_MONETARY")};
}

LocaleFacts queryLocaleFacts(const RegionalLocaleNames &names)
{
    LocaleFacts facts;
    if (LocaleHandle time(LC_TIME_MASK, names.time); time) {
        facts.hasTime = true;
        facts.dateFormat = time.text(D_FMT);
        facts.timeFormat = time.text(T_FMT);
        facts.timeFormat12 = time.text(T_FMT_AMPM);
        facts.longDateFormat = time.text(_DATE_FMT);
        facts.am = time.text(AM_STR);
        facts.pm = time.text(PM_STR);
    }
    if (LocaleHandle numeric(LC_NUMERIC_MASK, names.numeric); numeric) {
        facts.hasNumeric = true;
        facts.decimalPoint = numeric.text(RADIXCHAR);
        facts.thousandsSeparator = numeric.text(THOUSEP);
    }
    if (LocaleHandle monetary(LC_MONETARY_MASK, names.monetary); monetary) {
        facts.hasMonetary = true;
        facts.currencySymbol = monetary.text(CURRENCY_SYMBOL);
        facts.internationalCurrency = monetary.text(INT_CURR_SYMBOL);
        facts.monetaryDecimalPoint = monetary.text(MON_DECIMAL_POINT);
        facts.monetaryThousandsSeparator = monetary.text(MON_THOUSANDS_SEP);
        facts.fractionDigits = monetary.number(FRAC_DIGITS);
        facts.symbolPrecedesPositive = monetary.number(P_CS_PRECEDES);
        facts.spaceSeparatesPositive = monetary.number(P_SEP_BY_SPACE);
        facts.symbolPrecedesNegative = monetary.number(N_CS_PRECEDES);
        facts.spaceSeparatesNegative = monetary.number(N_SEP_BY_SPACE);
        facts.negativeSignPosition = monetary.number(N_SIGN_POSN);
    }
    return facts;
}

}  // namespace vks::detail::posix
