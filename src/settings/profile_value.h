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
template <class IO, class T>
class TutProfileValue : public TutProfileValueBase {
public:
    TutProfileValue(TutProfileKey const &key, T const &defaultValue)
        : TutProfileValueBase(key), m_defaultValue(defaultValue)
    {
    }
    TutProfileValue(TutProfileSection const &section, char const *keyName, T const &defaultValue)
        : TutProfileValueBase(section, keyName), m_defaultValue(defaultValue)
    {
    }
    TutProfileValue(TutProfile const &profile, char const *sectionName, char const *keyName,
                    T const &defaultValue)
        : TutProfileValueBase(profile, sectionName, keyName), m_defaultValue(defaultValue)
    {
    }
    TutProfileValue(TutProfileValue const &other) = default;
    TutProfileValue &operator=(TutProfileValue const &other) = default;

    // The stored value, or the default when the key (or its section or file) is missing.
    T read() const
    {
        T value{};
        m_io.read(key(), value, m_defaultValue);
        return value;
    }
    void write(T const &value) const { m_io.write(key(), value); }

    T const &defaultValue() const { return m_defaultValue; }

private:
    IO m_io;
    T m_defaultValue;
};

// The instances the library itself uses are built once, in the library.
extern template class TutProfileValue<TutProfileIOString, CString>;
extern template class TutProfileValue<TutProfileIOEncrypt, CString>;
extern template class TutProfileValue<TutProfileIOBool, int>;
extern template class TutProfileValue<TutProfileIODate, TutDate>;
extern template class TutProfileValue<TutProfileIOInt, int>;
extern template class TutProfileValue<TutProfileIOLong, long>;
