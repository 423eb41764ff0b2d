// TutProfileValue: one key bound to a value type, a default and the policy that stores the type.
#pragma once

#include "afx.h"

#include "settings/profile_key.h"
#include "settings/profile_value_io.h"
#include "time/date.h"

// The key that a typed value lives in; built only as part of a TutProfileValue.
class AFX_EXT_CLASS TutProfileValueBase {
public:
    TutProfileValueBase(TutProfileValueBase const &other);
    TutProfileValueBase &operator=(TutProfileValueBase const &other);
    ~TutProfileValueBase();

    TutProfileKey &key();
    TutProfileKey const &key() const;
    void key(TutProfileKey const &key);

protected:
    TutProfileValueBase(TutProfileKey const &key);
    TutProfileValueBase(TutProfileSection const &section, char const *keyName);
    TutProfileValueBase(TutProfile const &profile, char const *sectionName, char const *keyName);

private:
    TutProfileKey m_key;
};

// A definition, not a cache: every read() goes to the file, so two reads with a change of the
// file between them differ. A missing key reads as the default; writes never report failure.
// `IO` is one of the TutProfileIO policies and `T` the type it stores.
// The members are defined out of the class, so that the instances the library builds are
// exported whole on both builds (a DLL exports no inline member), and the class itself is not
// marked, so that a user's own instance is the user's.
template <class IO, class T>
class TutProfileValue : public TutProfileValueBase {
public:
    TutProfileValue(TutProfileKey const &key, T const &defaultValue);
    TutProfileValue(TutProfileSection const &section, char const *keyName, T const &defaultValue);
    TutProfileValue(TutProfile const &profile, char const *sectionName, char const *keyName,
                    T const &defaultValue);
    TutProfileValue(TutProfileValue const &other) = default;
    TutProfileValue &operator=(TutProfileValue const &other) = default;

    // The stored value, or the default when the key (or its section or file) is missing.
    T read() const;
    void write(T const &value) const;

    T const &defaultValue() const;

private:
    IO m_io;
    T m_defaultValue;
};

template <class IO, class T>
TutProfileValue<IO, T>::TutProfileValue(TutProfileKey const &key, T const &defaultValue)
    : TutProfileValueBase(key), m_defaultValue(defaultValue)
{
}

template <class IO, class T>
TutProfileValue<IO, T>::TutProfileValue(TutProfileSection const &section, char const *keyName,
                                        T const &defaultValue)
    : TutProfileValueBase(section, keyName), m_defaultValue(defaultValue)
{
}

template <class IO, class T>
TutProfileValue<IO, T>::TutProfileValue(TutProfile const &profile, char const *sectionName,
                                        char const *keyName, T const &defaultValue)
    : TutProfileValueBase(profile, sectionName, keyName), m_defaultValue(defaultValue)
{
}

template <class IO, class T>
T TutProfileValue<IO, T>::read() const
{
    T value{};
    m_io.read(key(), value, m_defaultValue);
    return value;
}

template <class IO, class T>
void TutProfileValue<IO, T>::write(T const &value) const
{
    m_io.write(key(), value);
}

template <class IO, class T>
T const &TutProfileValue<IO, T>::defaultValue() const
{
    return m_defaultValue;
}

// The instances the library itself uses are built once, in the library.
extern template class AFX_EXT_CLASS TutProfileValue<TutProfileIOString, CString>;
extern template class AFX_EXT_CLASS TutProfileValue<TutProfileIOEncrypt, CString>;
extern template class AFX_EXT_CLASS TutProfileValue<TutProfileIOBool, int>;
extern template class AFX_EXT_CLASS TutProfileValue<TutProfileIODate, TutDate>;
extern template class AFX_EXT_CLASS TutProfileValue<TutProfileIOInt, int>;
extern template class AFX_EXT_CLASS TutProfileValue<TutProfileIOLong, long>;
