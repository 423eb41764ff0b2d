// The text preferences: plain (TutProfilePreferenceString) and scrambled
// (TutProfilePreferenceEncrypt). Both are the generic preference of a CString.
#pragma once

#include "afx.h"

#include "settings/preference_value.h"

extern template class AFX_EXT_CLASS TutProfilePreference<TutProfileIOString, CString>;
extern template class AFX_EXT_CLASS TutProfilePreference<TutProfileIOEncrypt, CString>;

// Constructors as the generic preference's: a parent (may be null), then the definition; a
// missing default is the empty text.
class AFX_EXT_CLASS TutProfilePreferenceString
    : public TutProfilePreference<TutProfileIOString, CString> {
public:
    using TutProfilePreference::TutProfilePreference;
    TutProfilePreferenceString() = default;
    TutProfilePreferenceString(TutProfilePreferenceString const &other) = default;
    ~TutProfilePreferenceString() override;

    TutProfilePreferenceString &operator=(CString const &value);
    TutProfilePreferenceString &operator=(TutProfilePreferenceString const &other);

    // The held text, read from the key on first use.
    operator char const *() const;
};

// The text is stored scrambled; up to 255 characters come back whole.
class AFX_EXT_CLASS TutProfilePreferenceEncrypt
    : public TutProfilePreference<TutProfileIOEncrypt, CString> {
public:
    using TutProfilePreference::TutProfilePreference;
    TutProfilePreferenceEncrypt() = default;
    TutProfilePreferenceEncrypt(TutProfilePreferenceEncrypt const &other) = default;
    ~TutProfilePreferenceEncrypt() override;

    TutProfilePreferenceEncrypt &operator=(CString const &value);
    TutProfilePreferenceEncrypt &operator=(TutProfilePreferenceEncrypt const &other);

    // The held text, read from the key on first use.
    operator char const *() const;
};
