// Internal: what the host's POSIX locales say about dates, times, numbers and money.
#pragma once

#include <string>

namespace vks::detail::posix {

// The locale names in effect for the three categories, in the order the C library looks them
// up (LC_ALL, then the category's own variable, then LANG); "C" when none is set.
struct RegionalLocaleNames {
    std::string time;
    std::string numeric;
    std::string monetary;
    bool operator==(const RegionalLocaleNames &) const = default;
};
RegionalLocaleNames environmentLocaleNames();

// The facts of the three locales, every text in UTF-8 and every format in strftime's notation.
// A category whose locale does not exist on this host is marked absent, as the C library would
// fall back to "C" for it.
struct LocaleFacts {
    bool hasTime = false, hasNumeric = false, hasMonetary = false;
    std::string dateFormat;        // D_FMT: "%d.%m.%Y"
    std::string timeFormat;        // T_FMT: "%H:%M:%S"
    std::string timeFormat12;      // T_FMT_AMPM: "%I:%M:%S %p"
    std::string longDateFormat;    // the date(1) form, time and zone included
    std::string am, pm;
    std::string decimalPoint, thousandsSeparator;
    std::string currencySymbol, internationalCurrency;
    std::string monetaryDecimalPoint, monetaryThousandsSeparator;
    int fractionDigits = 2;        // of money; -1 when the locale leaves it open
    int symbolPrecedesPositive = 1, spaceSeparatesPositive = 0;
    int symbolPrecedesNegative = 1, spaceSeparatesNegative = 0, negativeSignPosition = 1;
};

LocaleFacts queryLocaleFacts(const RegionalLocaleNames &names);

}  // namespace vks::detail::posix
