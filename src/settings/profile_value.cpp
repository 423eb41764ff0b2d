#include "settings/profile_value.h"

TutProfileValueBase::TutProfileValueBase(TutProfileKey const &key) : m_key(key) {}

TutProfileValueBase::TutProfileValueBase(TutProfileSection const &section, char const *keyName)
    : m_key(section, keyName)
{
}

TutProfileValueBase::TutProfileValueBase(TutProfile const &profile, char const *sectionName,
                                         char const *keyName)
    : m_key(profile, sectionName, keyName)
{
}

TutProfileValueBase::TutProfileValueBase(TutProfileValueBase const &other) = default;

TutProfileValueBase &TutProfileValueBase::operator=(TutProfileValueBase const &other) = default;

TutProfileValueBase::~TutProfileValueBase() = default;

TutProfileKey &TutProfileValueBase::key()
{
    return m_key;
}

TutProfileKey const &TutProfileValueBase::key() const
{
    return m_key;
}

void TutProfileValueBase::key(TutProfileKey const &key)
{
    m_key = key;
}

template class TutProfileValue<TutProfileIOString, CString>;
template class TutProfileValue<TutProfileIOEncrypt, CString>;
template class TutProfileValue<TutProfileIOBool, int>;
template class TutProfileValue<TutProfileIODate, TutDate>;
template class TutProfileValue<TutProfileIOInt, int>;
template class TutProfileValue<TutProfileIOLong, long>;
