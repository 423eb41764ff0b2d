// TutModemType and TutDefaultModemType: the command and response texts and the numeric settings
// of one modem type, as the two modem profiles give them.
#pragma once

#include "afx.h"

#include "util/tutstring.h"

// Slot 0 holds the modem type's name, slots 1 to 19 its settings, each under its own key in the
// section named after the type. Every value is kept as text, as the profile holds it. Reading
// gives each slot the user modem profile's value when that profile has the key, else the default
// modem profile's, else the not-set marker "<0>", which callers never see: string() and the
// numeric readers answer the built-in default instead. A key present with an empty value is set
// (empty); a value that is literally "<0>" counts as not set. Objects are snapshots of the files.
class AFX_EXT_CLASS TutModemType {
public:
    // Slot numbers, with the key and the built-in default of each:
    enum STRING_TYPE {
        TYPE_NAME = 0,           // (no key) the modem type's name
        INIT_STRING = 1,         // "Init"             "^M~AT&F^M~ATE0M1Q0V1X3&C1&D2^M"
        DEFAULT_BAUD = 2,        // "DefaultBaud"      "9600"
        OK_STRING = 3,           // "OKString"         "OK"
        ERROR_STRING = 4,        // "ErrorString"      "ERROR"
        BUSY_STRING = 5,         // "BusyString"       "BUSY"
        NO_ANSWER_STRING = 6,    // "NoAnswer"         "NO ANSWER"
        NO_DIALTONE_STRING = 7,  // "NoDialTone"       "NO DIALTONE"
        NO_CARRIER_STRING = 8,   // "NoCarrier"        "NO CARRIER"
        CONNECT_STRING = 9,      // "Connect"          "CONNECT[ #][/$]"
        RINGING_STRING = 10,     // "Ringing"          "RINGING"
        DIAL_STRING = 11,        // "Dial"             "ATD"
        DIAL_SUFFIX = 12,        // "DialSuffix"       "^M"
        RESET_STRING = 13,       // "Reset"            "~ATZ^M~~"
        AUTO_ANSWER_STRING = 14, // "AutoAnswer"       "ATS0=#^M"
        HANGUP_STRING = 15,      // "Hangup"           "~~~+++~~~ATS0=0H^M"
        RESPONSE_TIMEOUT = 16,   // "ResponseTimeout"  "15"
        OK_NUMBER = 17,          // "OKStringNum"      "0"
        ERROR_NUMBER = 18,       // "ErrorStringNum"   "4"
        NO_CARRIER_NUMBER = 19,  // "NoCarrierNum"     "3"
    };
    static constexpr int stringTypeCount = 20;

    // " V.42", with its leading blank.
    static const char UseProtocolString[];

    // Every slot empty (not the not-set marker): string() gives "" and defaultBaud() 0.
    TutModemType();
    // Names the type and reads it from both profiles.
    explicit TutModemType(char const *modemType);
    TutModemType(TutModemType const &other) = default;
    TutModemType &operator=(TutModemType const &other) = default;
    virtual ~TutModemType();

    TutString modemType() const;
    // Renames the object without reading anything.
    void modemType(char const *modemType);

    // The slot's text, or the row's built-in default when the slot holds the not-set marker. A
    // type outside 0 to 19 gives "".
    TutString string(STRING_TYPE type) const;
    // For 1 to 19, replaces that slot's text. For TYPE_NAME, names the type and calls the
    // virtual readProfile, so the object then describes the named type. A type outside 0 to 19
    // changes nothing.
    void string(char const *text, STRING_TYPE type);

    // The "DefaultBaud" text as atol reads it (blanks skipped, an optional sign, the digits up
    // to the first other character, 0 when there are none; 32 bits), or 9600 when not set.
    long defaultBaud() const;
    // Stores the value as decimal text (of its low 32 bits, as the reader takes them).
    void defaultBaud(long baud);
    // The "ResponseTimeout" text as atoi reads it, as unsigned, or 15 when not set.
    unsigned int responseTimeout() const;
    // Stores the value as signed decimal text (4294967295 as "-1").
    void responseTimeout(unsigned int timeout);

    // Fills slots 1 to 19 from the user modem profile over the default modem profile.
    virtual void readProfile();
    // Writes slots 1 to 19 that are set into the type's section of the user modem profile,
    // values that came from the default profile included; slots holding the not-set marker are
    // skipped and their keys left as they are. Nothing is written for a name that
    // TutModemList::add refuses, since it could not come back as the same section.
    virtual void writeProfile();

protected:
    // Indexed by STRING_TYPE; entry 0 is null (the name has no key).
    static const char *const iniKeyString[stringTypeCount];
    static const char *const defaultModemString[stringTypeCount];

private:
    TutString m_strSlots[stringTypeCount];
};

// The same, read from the default modem profile alone; it is never written.
class AFX_EXT_CLASS TutDefaultModemType : public TutModemType {
public:
    explicit TutDefaultModemType(char const *modemType);
    TutDefaultModemType(TutDefaultModemType const &other) = default;
    TutDefaultModemType &operator=(TutDefaultModemType const &other) = default;

    // Fills slots 1 to 19 from the default modem profile.
    void readProfile() override;

private:
    // The default modem profile ships with the product and is never written.
    void writeProfile() override;
};
