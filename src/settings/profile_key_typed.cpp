// The keys' boolean, enumeration and date values.
#include "settings/profile_key.h"

#include <cstdio>
#include <cstring>

#include "settings/profile_decimal.h"

namespace {

constexpr DWORD kWordText = 528;
constexpr DWORD kDateTextSize = 527;
constexpr int kDateFields = 6;

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void makeUpper(char *text)
{
    for (; *text; ++text)
        *text = asciiUpper(*text);
}

// Letters match without regard to case; the second byte of a double-byte character is compared
// as it stands, since it may look like a letter without being one.
bool equalNoCase(char const *a, char const *b)
{
    for (;;) {
        const BYTE first = static_cast<BYTE>(*a);
        if (first && a[1] && IsDBCSLeadByte(first)) {
            if (*b != *a || b[1] != a[1])
                return false;
            a += 2;
            b += 2;
            continue;
        }
        if (asciiUpper(*a) != asciiUpper(*b))
            return false;
        if (!first)
            return true;
        ++a;
        ++b;
    }
}

// "%d,%d,%d,%d,%d,%d": each field may have blanks and a sign before its digits; the commas
// must follow the digits directly. What follows the sixth field is not looked at.
bool scanDateFields(char const *text, int (&fields)[kDateFields])
{
    for (int index = 0; index < kDateFields; ++index) {
        if (index > 0) {
            if (*text != ',')
                return false;
            ++text;
        }
        const vks::detail::DecimalScan scan = vks::detail::scanDecimal(text);
        if (!scan.hasDigits)
            return false;
        fields[index] = static_cast<int>(static_cast<DWORD>(scan.bits));
        text = scan.end;
    }
    return true;
}

}  // namespace

void TutProfileKey::readBool(int &value, int defaultValue) const
{
    char text[kWordText];
    getString(defaultValue ? "Y" : "N", text, kWordText - 1);
    makeUpper(text);
    const bool isTrue = text[0] == 'Y' || text[0] == 'T' || text[0] == '1' ||
                        std::strcmp(text, "ON") == 0;
    value = isTrue ? TRUE : FALSE;
}

void TutProfileKey::writeBool(int value) const
{
    putString(value ? "Yes" : "No");
}

void TutProfileKey::readEnum(int &value, int defaultValue,
                             TutProfileEnumerationValue const *table) const
{
    value = defaultValue;
    if (!table)
        return;
    char text[kWordText];
    getString("", text, kWordText - 1);
    for (TutProfileEnumerationValue const *row = table; row->name; ++row) {
        if (equalNoCase(row->name, text)) {
            value = row->value;
            return;
        }
    }
}

void TutProfileKey::writeEnum(int value, TutProfileEnumerationValue const *table) const
{
    if (!table)
        return;
    for (TutProfileEnumerationValue const *row = table; row->name; ++row) {
        if (row->value == value) {
            putString(row->name);
            return;
        }
    }
}

void TutProfileKey::readDate(TutDate &value, TutDate const &defaultValue) const
{
    char text[kDateTextSize + 1];
    int fields[kDateFields] = {};
    if (getString("", text, kDateTextSize) == 0 || !scanDateFields(text, fields)) {
        value = defaultValue;
        return;
    }
    value = TutDate(static_cast<unsigned int>(fields[0]), static_cast<unsigned int>(fields[1]),
                    static_cast<unsigned int>(fields[2]), static_cast<unsigned int>(fields[3]),
                    static_cast<unsigned int>(fields[4]), static_cast<unsigned int>(fields[5]),
                    0);
}

void TutProfileKey::writeDate(TutDate const &value) const
{
    SYSTEMTIME fields;
    if (!value.GetSystemTime(fields))
        return;
    char text[kDateTextSize + 1];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d", fields.wYear, fields.wMonth,
                  fields.wDay, fields.wHour, fields.wMinute, fields.wSecond);
    putString(text);
}
