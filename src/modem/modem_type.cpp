#include "modem/modem_type.h"

#include <string>

#include "modem/modem_profiles.h"
#include "settings/profile.h"
#include "settings/profile_decimal.h"
#include "settings/profile_key.h"

namespace {

constexpr long kUnsetBaud = 9600;
constexpr unsigned int kUnsetTimeout = 15;

bool isSetting(int type)
{
    return type > TutModemType::TYPE_NAME && type < TutModemType::stringTypeCount;
}

}  // namespace

const char TutModemType::UseProtocolString[] = " V.42";

const char *const TutModemType::iniKeyString[stringTypeCount] = {
    nullptr,
    "Init",
    "DefaultBaud",
    "OKString",
    "ErrorString",
    "BusyString",
    "NoAnswer",
    "NoDialTone",
    "NoCarrier",
    "Connect",
    "Ringing",
    "Dial",
    "DialSuffix",
    "Reset",
    "AutoAnswer",
    "Hangup",
    "ResponseTimeout",
    "OKStringNum",
    "ErrorStringNum",
    "NoCarrierNum",
};

const char *const TutModemType::defaultModemString[stringTypeCount] = {
    "",
    "^M~AT&F^M~ATE0M1Q0V1X3&C1&D2^M",
    "9600",
    "OK",
    "ERROR",
    "BUSY",
    "NO ANSWER",
    "NO DIALTONE",
    "NO CARRIER",
    "CONNECT[ #][/$]",
    "RINGING",
    "ATD",
    "^M",
    "~ATZ^M~~",
    "ATS0=#^M",
    "~~~+++~~~ATS0=0H^M",
    "15",
    "0",
    "4",
    "3",
};

TutModemType::TutModemType() = default;

TutModemType::TutModemType(char const *modemType)
{
    m_strSlots[TYPE_NAME] = modemType;
    TutModemType::readProfile();
}

TutModemType::~TutModemType() = default;

TutString TutModemType::modemType() const
{
    return m_strSlots[TYPE_NAME];
}

void TutModemType::modemType(char const *modemType)
{
    m_strSlots[TYPE_NAME] = modemType;
}

TutString TutModemType::string(STRING_TYPE type) const
{
    if (type < TYPE_NAME || type >= stringTypeCount)
        return TutString();
    if (vks::detail::isModemNotSet(m_strSlots[type]))
        return TutString(defaultModemString[type]);
    return m_strSlots[type];
}

void TutModemType::string(char const *text, STRING_TYPE type)
{
    if (type == TYPE_NAME) {
        m_strSlots[TYPE_NAME] = text;
        readProfile();
    } else if (isSetting(type)) {
        m_strSlots[type] = text;
    }
}

long TutModemType::defaultBaud() const
{
    if (vks::detail::isModemNotSet(m_strSlots[DEFAULT_BAUD]))
        return kUnsetBaud;
    return vks::detail::decimalToLong(m_strSlots[DEFAULT_BAUD]);
}

void TutModemType::defaultBaud(long baud)
{
    m_strSlots[DEFAULT_BAUD] = std::to_string(static_cast<LONG>(baud)).c_str();
}

unsigned int TutModemType::responseTimeout() const
{
    if (vks::detail::isModemNotSet(m_strSlots[RESPONSE_TIMEOUT]))
        return kUnsetTimeout;
    return static_cast<unsigned int>(vks::detail::decimalToLong(m_strSlots[RESPONSE_TIMEOUT]));
}

void TutModemType::responseTimeout(unsigned int timeout)
{
    m_strSlots[RESPONSE_TIMEOUT] = std::to_string(static_cast<INT>(timeout)).c_str();
}

// All default-profile values are read before the user profile is asked for any.
void TutModemType::readProfile()
{
    const TutString name = m_strSlots[TYPE_NAME];
    CString defaults[stringTypeCount];
    for (int type = TYPE_NAME + 1; type < stringTypeCount; ++type)
        defaults[type] = vks::detail::readModemSetting(TutProfile::defaultModems(), name,
                                                       iniKeyString[type],
                                                       vks::detail::kModemNotSet);
    for (int type = TYPE_NAME + 1; type < stringTypeCount; ++type)
        m_strSlots[type] = vks::detail::readModemSetting(TutProfile::userModems(), name,
                                                         iniKeyString[type], defaults[type]);
}

void TutModemType::writeProfile()
{
    const TutString name = m_strSlots[TYPE_NAME];
    if (!vks::detail::isStorableModemName(name))
        return;
    for (int type = TYPE_NAME + 1; type < stringTypeCount; ++type) {
        if (vks::detail::isModemNotSet(m_strSlots[type]))
            continue;
        TutProfileKey(TutProfile::userModems(), name, iniKeyString[type]).write(m_strSlots[type]);
    }
}
