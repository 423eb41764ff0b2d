#include "settings/profile_key.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "settings/profile_decimal.h"
#include "settings/profile_road.h"

namespace {

// Text values are cut to this many characters on the way in; one fewer comes back, since the
// read is given this as its buffer size.
constexpr DWORD kMaxText = 32767;
// Decimal texts of integers are read into this much room.
constexpr DWORD kNumberText = 528;

// Copies `text` (null: empty) into `buffer`, cut to `limit` characters, and terminates it.
void copyCut(char *buffer, char const *text, std::size_t limit)
{
    const std::size_t length = text ? std::min(std::strlen(text), limit) : 0;
    if (length)
        std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

}  // namespace

TutProfileKey::TutProfileKey() = default;

TutProfileKey::TutProfileKey(TutProfileSection const &section, char const *name)
    : m_section(section), m_strName(name ? name : "")
{
}

TutProfileKey::TutProfileKey(TutProfile const &profile, char const *section, char const *name)
    : m_section(profile, section), m_strName(name ? name : "")
{
}

TutProfileKey::TutProfileKey(TutProfileKey const &other) = default;

TutProfileKey &TutProfileKey::operator=(TutProfileKey const &other) = default;

TutProfileKey::~TutProfileKey() = default;

TutProfileSection &TutProfileKey::section()
{
    return m_section;
}

TutProfileSection const &TutProfileKey::section() const
{
    return m_section;
}

void TutProfileKey::section(TutProfileSection const &section)
{
    m_section = section;
}

char const *TutProfileKey::name() const
{
    return m_strName;
}

void TutProfileKey::name(char const *name)
{
    m_strName = name ? name : "";
}

DWORD TutProfileKey::getString(char const *defaultText, char *buffer, DWORD size) const
{
    buffer[0] = '\0';
    return vks::detail::profileGetString(m_section.name(), name(), defaultText, buffer, size,
                                         m_section.profile().name());
}

void TutProfileKey::putString(char const *text) const
{
    vks::detail::profileWriteString(m_section.name(), name(), text, m_section.profile().name());
}

// "X" first; a stored "X" is then told from an absent key by a second read with "Y".
int TutProfileKey::exists() const
{
    char text[kNumberText];
    getString("X", text, kNumberText - 1);
    if (std::strcmp(text, "X") != 0)
        return TRUE;
    getString("Y", text, kNumberText - 1);
    return std::strcmp(text, "Y") != 0 ? TRUE : FALSE;
}

void TutProfileKey::remove() const
{
    putString(nullptr);
}

int TutProfileKey::getInt(int defaultValue) const
{
    return static_cast<int>(vks::detail::profileGetInt(m_section.name(), name(), defaultValue,
                                                       m_section.profile().name()));
}

long TutProfileKey::getLong(long defaultValue) const
{
    const std::string defaultText = std::to_string(static_cast<LONG>(defaultValue));
    char text[kNumberText];
    getString(defaultText.c_str(), text, kNumberText - 1);
    return vks::detail::decimalToLong(text);
}

__int64 TutProfileKey::getInt64(__int64 defaultValue) const
{
    const std::string defaultText = std::to_string(defaultValue);
    char text[kNumberText];
    getString(defaultText.c_str(), text, kNumberText - 1);
    return vks::detail::decimalToInt64(text);
}

void TutProfileKey::putInt(int value) const
{
    putString(std::to_string(value).c_str());
}

void TutProfileKey::putLong(long value) const
{
    putString(std::to_string(static_cast<LONG>(value)).c_str());
}

void TutProfileKey::putInt64(__int64 value) const
{
    putString(std::to_string(value).c_str());
}

void TutProfileKey::read(char &value, char defaultValue) const
{
    value = static_cast<char>(getInt(defaultValue));
}

void TutProfileKey::read(unsigned char &value, unsigned char defaultValue) const
{
    value = static_cast<unsigned char>(getInt(defaultValue));
}

void TutProfileKey::read(short &value, short defaultValue) const
{
    value = static_cast<short>(getInt(defaultValue));
}

void TutProfileKey::read(unsigned short &value, unsigned short defaultValue) const
{
    value = static_cast<unsigned short>(getInt(defaultValue));
}

void TutProfileKey::read(int &value, int defaultValue) const
{
    value = getInt(defaultValue);
}

void TutProfileKey::read(unsigned int &value, unsigned int defaultValue) const
{
    value = static_cast<unsigned int>(getInt(static_cast<int>(defaultValue)));
}

void TutProfileKey::read(long &value, long defaultValue) const
{
    value = getLong(defaultValue);
}

// Through DWORD so that the 32-bit pattern comes back, not its sign extension to the host's long.
void TutProfileKey::read(unsigned long &value, unsigned long defaultValue) const
{
    const long stored = getLong(static_cast<LONG>(static_cast<DWORD>(defaultValue)));
    value = static_cast<DWORD>(stored);
}

void TutProfileKey::read(__int64 &value, __int64 defaultValue) const
{
    value = getInt64(defaultValue);
}

void TutProfileKey::read(unsigned __int64 &value, unsigned __int64 defaultValue) const
{
    value = static_cast<unsigned __int64>(getInt64(static_cast<__int64>(defaultValue)));
}

void TutProfileKey::read(CString &value, char const *defaultValue) const
{
    char defaultText[kMaxText + 1];
    copyCut(defaultText, defaultValue, kMaxText);
    char text[kMaxText + 1];
    getString(defaultText, text, kMaxText);
    text[kMaxText] = '\0';
    value = text;
}

void TutProfileKey::write(char value) const
{
    putInt(value);
}

void TutProfileKey::write(unsigned char value) const
{
    putInt(value);
}

void TutProfileKey::write(short value) const
{
    putInt(value);
}

void TutProfileKey::write(unsigned short value) const
{
    putInt(value);
}

void TutProfileKey::write(int value) const
{
    putInt(value);
}

void TutProfileKey::write(unsigned int value) const
{
    putInt(static_cast<int>(value));
}

void TutProfileKey::write(long value) const
{
    putLong(value);
}

void TutProfileKey::write(unsigned long value) const
{
    putLong(static_cast<LONG>(static_cast<DWORD>(value)));
}

void TutProfileKey::write(__int64 value) const
{
    putInt64(value);
}

void TutProfileKey::write(unsigned __int64 value) const
{
    putInt64(static_cast<__int64>(value));
}

void TutProfileKey::write(char const *text) const
{
    if (!text) {
        putString(nullptr);
        return;
    }
    char cut[kMaxText + 1];
    copyCut(cut, text, kMaxText);
    putString(cut);
}

void TutProfileKey::Cleanup() {}
