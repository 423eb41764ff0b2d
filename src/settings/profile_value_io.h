// The policies that bind a value type to the key operation that stores it: each is stateless
// and forwards one read and one write to TutProfileKey, so the stored texts are the key's.
#pragma once

#include "afx.h"

#include "settings/profile_key.h"
#include "time/date.h"

// Text, stored as it stands (cut to 32767 characters).
class AFX_EXT_CLASS TutProfileIOString {
public:
    void read(TutProfileKey const &key, CString &value, CString const &defaultValue) const;
    void write(TutProfileKey const &key, CString const &value) const;
};

// Text stored scrambled; up to 255 characters come back whole.
class AFX_EXT_CLASS TutProfileIOEncrypt {
public:
    void read(TutProfileKey const &key, CString &value, CString const &defaultValue) const;
    void write(TutProfileKey const &key, CString const &value) const;
};

// TRUE or FALSE, stored as "Yes" or "No".
class AFX_EXT_CLASS TutProfileIOBool {
public:
    void read(TutProfileKey const &key, int &value, int defaultValue) const;
    void write(TutProfileKey const &key, int value) const;
};

// A moment to the second, stored as six decimal fields.
class AFX_EXT_CLASS TutProfileIODate {
public:
    void read(TutProfileKey const &key, TutDate &value, TutDate const &defaultValue) const;
    void write(TutProfileKey const &key, TutDate const &value) const;
};

// A 32-bit integer, stored as signed decimal.
class AFX_EXT_CLASS TutProfileIOInt {
public:
    void read(TutProfileKey const &key, int &value, int defaultValue) const;
    void write(TutProfileKey const &key, int value) const;
};

// A long, stored as the signed decimal of its 32-bit pattern.
class AFX_EXT_CLASS TutProfileIOLong {
public:
    void read(TutProfileKey const &key, long &value, long defaultValue) const;
    void write(TutProfileKey const &key, long value) const;
};
