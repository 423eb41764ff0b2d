#include "modem/modem_speed.h"

#include "modem/modem_profiles.h"
#include "settings/profile.h"
#include "settings/profile_decimal.h"

namespace {

constexpr char kBaudKey[] = "DefaultBaud";
constexpr long kUnsetBaud = 2400;

}  // namespace

TutModemSpeed::TutModemSpeed(char const *modemType)
{
    const TutString name(modemType);
    const CString fromDefaults = vks::detail::readModemSetting(
        TutProfile::defaultModems(), name, kBaudKey, vks::detail::kModemNotSet);
    m_strBaud = vks::detail::readModemSetting(TutProfile::userModems(), name, kBaudKey,
                                              fromDefaults);
}

long TutModemSpeed::defaultBaud() const
{
    if (vks::detail::isModemNotSet(m_strBaud))
        return kUnsetBaud;
    return vks::detail::decimalToLong(m_strBaud);
}
