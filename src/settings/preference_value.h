// TutProfilePreference: a preference of one typed value, kept in memory and written back.
#pragma once

#include "afx.h"

#include "settings/preference_base.h"
#include "settings/profile.h"
#include "settings/profile_value.h"

// The value is read from its key once, on first use, and handed out from memory afterwards: a
// change of the file is not seen again. An assignment writes at once under auto-save and
// otherwise marks the preference dirty for its owner's save(). Nothing is read at construction;
// the flags start clear, except that joining an auto-saving parent switches auto-save on.
// The members are defined out of the class, so that the instances the library builds are
// exported whole on both builds (a DLL exports no inline member), and the class itself is not
// marked, so that a user's own instance is the user's.
template <class IO, class T>
class TutProfilePreference : public TutPreferenceBase {
public:
    using Value = TutProfileValue<IO, T>;

    // No parent, empty profile, section and key names, and a value-initialised default.
    TutProfilePreference();
    TutProfilePreference(TutPreferenceBase *parent, Value const &definition);
    TutProfilePreference(TutPreferenceBase *parent, TutProfileKey const &key,
                         T const &defaultValue = T{});
    TutProfilePreference(TutPreferenceBase *parent, TutProfileSection const &section,
                         char const *keyName, T const &defaultValue = T{});
    TutProfilePreference(TutPreferenceBase *parent, TutProfile const &profile,
                         char const *sectionName, char const *keyName,
                         T const &defaultValue = T{});
    // Joins `other`'s parent, with `other`'s flags, definition and held value.
    TutProfilePreference(TutProfilePreference const &other) = default;
    ~TutProfilePreference() override = default;

    // Takes `other`'s value (reading it first when `other` holds none yet) and assigns it; the
    // key, the default and the place in the tree stay this preference's own.
    TutProfilePreference &operator=(TutProfilePreference const &other);
    TutProfilePreference &operator=(T const &value);

    // The held value; the first call reads it from the key (the default when the key is
    // missing), later calls do not touch the file.
    T const &value() const;

    Value const &definition() const;

    // Writes the held value when it is dirty or an override is installed, then clears the dirty
    // bit and saves the children. A preference that holds no value yet, neither read nor
    // assigned, writes nothing: its key still holds what the file had, and writing the empty
    // held value would lose it.
    void save() override;

protected:
    // Children are not saved by an assignment; under auto-save the dirty bit stays as it was.
    TutProfilePreference &assign(T const &value);

private:
    Value m_definition;
    mutable T m_value{};
};

template <class IO, class T>
TutProfilePreference<IO, T>::TutProfilePreference() : m_definition(TutProfileKey(), T{})
{
}

template <class IO, class T>
TutProfilePreference<IO, T>::TutProfilePreference(TutPreferenceBase *parent,
                                                  Value const &definition)
    : TutPreferenceBase(parent), m_definition(definition)
{
}

template <class IO, class T>
TutProfilePreference<IO, T>::TutProfilePreference(TutPreferenceBase *parent,
                                                  TutProfileKey const &key,
                                                  T const &defaultValue)
    : TutPreferenceBase(parent), m_definition(key, defaultValue)
{
}

template <class IO, class T>
TutProfilePreference<IO, T>::TutProfilePreference(TutPreferenceBase *parent,
                                                  TutProfileSection const &section,
                                                  char const *keyName, T const &defaultValue)
    : TutPreferenceBase(parent), m_definition(section, keyName, defaultValue)
{
}

template <class IO, class T>
TutProfilePreference<IO, T>::TutProfilePreference(TutPreferenceBase *parent,
                                                  TutProfile const &profile,
                                                  char const *sectionName, char const *keyName,
                                                  T const &defaultValue)
    : TutPreferenceBase(parent), m_definition(profile, sectionName, keyName, defaultValue)
{
}

template <class IO, class T>
TutProfilePreference<IO, T> &
TutProfilePreference<IO, T>::operator=(TutProfilePreference const &other)
{
    return assign(other.value());
}

template <class IO, class T>
TutProfilePreference<IO, T> &TutProfilePreference<IO, T>::operator=(T const &value)
{
    return assign(value);
}

template <class IO, class T>
T const &TutProfilePreference<IO, T>::value() const
{
    if (!isValidValue()) {
        m_value = m_definition.read();
        markValidValue();
    }
    return m_value;
}

template <class IO, class T>
typename TutProfilePreference<IO, T>::Value const &TutProfilePreference<IO, T>::definition() const
{
    return m_definition;
}

template <class IO, class T>
void TutProfilePreference<IO, T>::save()
{
    if (isValidValue() && isDirty())
        m_definition.write(m_value);
    TutPreferenceBase::save();
}

template <class IO, class T>
TutProfilePreference<IO, T> &TutProfilePreference<IO, T>::assign(T const &value)
{
    m_value = value;
    markValidValue();
    if (isAutoSaveEnabled())
        m_definition.write(m_value);
    else
        setDirty();
    return *this;
}

// The integer forms of a window's placement.
extern template class AFX_EXT_CLASS TutProfilePreference<TutProfileIOInt, int>;
extern template class AFX_EXT_CLASS TutProfilePreference<TutProfileIOLong, long>;
