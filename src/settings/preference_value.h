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
template <class IO, class T>
class AFX_EXT_CLASS TutProfilePreference : public TutPreferenceBase {
public:
    using Value = TutProfileValue<IO, T>;

    // No parent, empty profile, section and key names, and a value-initialised default.
    TutProfilePreference() : m_definition(TutProfileKey(), T{}) {}
    TutProfilePreference(TutPreferenceBase *parent, Value const &definition)
        : TutPreferenceBase(parent), m_definition(definition)
    {
    }
    TutProfilePreference(TutPreferenceBase *parent, TutProfileKey const &key,
                         T const &defaultValue = T{})
        : TutPreferenceBase(parent), m_definition(key, defaultValue)
    {
    }
    TutProfilePreference(TutPreferenceBase *parent, TutProfileSection const &section,
                         char const *keyName, T const &defaultValue = T{})
        : TutPreferenceBase(parent), m_definition(section, keyName, defaultValue)
    {
    }
    TutProfilePreference(TutPreferenceBase *parent, TutProfile const &profile,
                         char const *sectionName, char const *keyName,
                         T const &defaultValue = T{})
        : TutPreferenceBase(parent), m_definition(profile, sectionName, keyName, defaultValue)
    {
    }
    // Joins `other`'s parent, with `other`'s flags, definition and held value.
    TutProfilePreference(TutProfilePreference const &other) = default;
    ~TutProfilePreference() override = default;

    // Takes `other`'s value (reading it first when `other` holds none yet) and assigns it; the
    // key, the default and the place in the tree stay this preference's own.
    TutProfilePreference &operator=(TutProfilePreference const &other)
    {
        return assign(other.value());
    }
    TutProfilePreference &operator=(T const &value) { return assign(value); }

    // The held value; the first call reads it from the key (the default when the key is
    // missing), later calls do not touch the file.
    T const &value() const
    {
        if (!isValidValue()) {
            m_value = m_definition.read();
            markValidValue();
        }
        return m_value;
    }

    Value const &definition() const { return m_definition; }

    // Writes the held value when it is dirty or an override is installed, then clears the dirty
    // bit and saves the children. A preference that holds no value yet, neither read nor
    // assigned, writes nothing: its key still holds what the file had, and writing the empty
    // held value would lose it.
    void save() override
    {
        if (isValidValue() && isDirty())
            m_definition.write(m_value);
        TutPreferenceBase::save();
    }

protected:
    // Children are not saved by an assignment; under auto-save the dirty bit stays as it was.
    TutProfilePreference &assign(T const &value)
    {
        m_value = value;
        markValidValue();
        if (isAutoSaveEnabled())
            m_definition.write(m_value);
        else
            setDirty();
        return *this;
    }

private:
    Value m_definition;
    mutable T m_value{};
};

// The integer forms of a window's placement.
extern template class AFX_EXT_CLASS TutProfilePreference<TutProfileIOInt, int>;
extern template class AFX_EXT_CLASS TutProfilePreference<TutProfileIOLong, long>;
