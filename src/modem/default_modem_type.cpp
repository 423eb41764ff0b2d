#include "modem/modem_type.h"

#include "modem/modem_profiles.h"
#include "settings/profile.h"

TutDefaultModemType::TutDefaultModemType(char const *modemType)
{
    TutModemType::modemType(modemType);
    TutDefaultModemType::readProfile();
}

void TutDefaultModemType::readProfile()
{
    const TutString name = modemType();
    for (int type = TYPE_NAME + 1; type < stringTypeCount; ++type) {
        const CString value = vks::detail::readModemSetting(
            TutProfile::defaultModems(), name, iniKeyString[type], vks::detail::kModemNotSet);
        string(value, static_cast<STRING_TYPE>(type));
    }
}

void TutDefaultModemType::writeProfile()
{
}
