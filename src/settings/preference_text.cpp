#include "settings/preference_text.h"

template class TutProfilePreference<TutProfileIOString, CString>;
template class TutProfilePreference<TutProfileIOEncrypt, CString>;

TutProfilePreferenceString::~TutProfilePreferenceString() = default;

TutProfilePreferenceString &TutProfilePreferenceString::operator=(CString const &value)
{
    assign(value);
    return *this;
}

TutProfilePreferenceString &
TutProfilePreferenceString::operator=(TutProfilePreferenceString const &other)
{
    assign(other.value());
    return *this;
}

TutProfilePreferenceString::operator char const *() const
{
    return value();
}

TutProfilePreferenceEncrypt::~TutProfilePreferenceEncrypt() = default;

TutProfilePreferenceEncrypt &TutProfilePreferenceEncrypt::operator=(CString const &value)
{
    assign(value);
    return *this;
}

TutProfilePreferenceEncrypt &
TutProfilePreferenceEncrypt::operator=(TutProfilePreferenceEncrypt const &other)
{
    assign(other.value());
    return *this;
}

TutProfilePreferenceEncrypt::operator char const *() const
{
    return value();
}
