// TutProfileKey: a handle that names one key of a section, with the typed reads and writes that
// fix how each kind of value is stored as text.
#pragma once

#include "afx.h"

#include "settings/profile_section.h"
#include "time/date.h"

// One row of a table that maps numbers to words. A table is an array of rows ended by a row
// whose `name` is null; the rows are only read.
struct TutProfileEnumerationValue {
    int value;
    char const *name;
};

// Stored texts (no quotes, escapes or type tags; the reader must know the type):
//   char, short              signed decimal ("-2")
//   unsigned char, short     decimal 0-255, 0-65535
//   int, unsigned int        signed decimal of the 32-bit pattern (4294967295u is "-1")
//   long, unsigned long      signed decimal of the 32-bit pattern: long is 32 bits in meaning
//                            even where the host's long is wider
//   __int64 and unsigned     signed decimal of the 64-bit pattern
//   text                     the text, cut to 32767 characters (32766 come back)
//   boolean                  "Yes" or "No"
//   enumeration              the table's word for the number
//   date                     "year,month,day,hour,minute,second" without leading zeros
//   scrambled text           8 to 520 characters from a 32-letter alphabet
// Reads never fail: a missing key (or file or section) gives the default, and every read
// assigns its `value`. Writes never report failure.
class AFX_EXT_CLASS TutProfileKey {
public:
    TutProfileKey();
    TutProfileKey(TutProfileSection const &section, char const *name);
    TutProfileKey(TutProfile const &profile, char const *section, char const *name);
    TutProfileKey(TutProfileKey const &other);
    TutProfileKey &operator=(TutProfileKey const &other);
    ~TutProfileKey();

    TutProfileSection &section();
    TutProfileSection const &section() const;
    void section(TutProfileSection const &section);

    char const *name() const;
    // Sets the key name (null: empty).
    void name(char const *name);

    // TRUE when the key is present, with any value, the empty one included.
    int exists() const;
    // Removes the key; the same as write(nullptr).
    void remove() const;

    // Integers: the smaller types are read as integers and cut to their width; long and the
    // 64-bit types are read as decimal text (white space skipped, an optional sign, digits up to
    // the first other character, none gives 0, a number too large for the width wraps as the
    // integer read does, so "4294967295" reads as the unsigned long 4294967295).
    void read(char &value, char defaultValue) const;
    void read(unsigned char &value, unsigned char defaultValue) const;
    void read(short &value, short defaultValue) const;
    void read(unsigned short &value, unsigned short defaultValue) const;
    void read(int &value, int defaultValue) const;
    void read(unsigned int &value, unsigned int defaultValue) const;
    void read(long &value, long defaultValue) const;
    void read(unsigned long &value, unsigned long defaultValue) const;
    void read(__int64 &value, __int64 defaultValue) const;
    void read(unsigned __int64 &value, unsigned __int64 defaultValue) const;
    // The stored text, at most 32766 characters. A null default counts as the empty text.
    void read(CString &value, char const *defaultValue) const;

    void write(char value) const;
    void write(unsigned char value) const;
    void write(short value) const;
    void write(unsigned short value) const;
    void write(int value) const;
    void write(unsigned int value) const;
    void write(long value) const;
    void write(unsigned long value) const;
    void write(__int64 value) const;
    void write(unsigned __int64 value) const;
    // The text cut to 32767 characters; null removes the key.
    void write(char const *text) const;

    // TRUE when the stored text, in upper case, starts with 'Y', 'T' or '1' or is "ON"; any
    // other present text, the empty one included, is FALSE whatever the default.
    void readBool(int &value, int defaultValue) const;
    // "Yes" for non-zero, "No" for zero.
    void writeBool(int value) const;

    // The number of the first row whose word equals the stored text without regard to case;
    // the default when no row does or the table is null.
    void readEnum(int &value, int defaultValue, TutProfileEnumerationValue const *table) const;
    // Writes the word of the first row holding `value`; with no such row (or no table) the
    // stored text is left as it was.
    void writeEnum(int value, TutProfileEnumerationValue const *table) const;

    // Six decimal fields; milliseconds come back as 0. A text that is not six fields reads as
    // the default.
    void readDate(TutDate &value, TutDate const &defaultValue) const;
    // Writes the date's calendar fields; a date without a calendar form (top bit set) is not
    // written, since no six fields could bring it back.
    void writeDate(TutDate const &value) const;

    // A text of up to 255 characters comes back whole; a stored form of a bad length (and so a
    // text of 256 characters or more) reads as the default.
    void readEncrypt(CString &value, char const *defaultValue) const;
    // Stores the text (cut to 256 characters) scrambled, prefixed by two bytes of the tick
    // count so that two writes of one text differ.
    void writeEncrypt(char const *text) const;

    // Nothing to free; called when the library unloads.
    static void Cleanup();

private:
    int getInt(int defaultValue) const;
    long getLong(long defaultValue) const;
    __int64 getInt64(__int64 defaultValue) const;
    void putInt(int value) const;
    void putLong(long value) const;
    void putInt64(__int64 value) const;

    DWORD getString(char const *defaultText, char *buffer, DWORD size) const;
    void putString(char const *text) const;

    TutProfileSection m_section;
    CString m_strName;
};
