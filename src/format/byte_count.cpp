#include "format/byte_count.h"

#include <cstdio>
#include <cstring>

#include "format/win_string.h"
#include "util/startup.h"

namespace {

// One range of counts: its string-table texts and the divisor of its printed value.
struct ByteRange {
    unsigned int formatId;
    unsigned int unitId;
    long double reciprocal;  // 0 for the plain count
};

constexpr ByteRange kPlain = {8294, 8293, 0.0L};
constexpr ByteRange kKilobytes = {8296, 8295, 1.0L / 1024.0L};
constexpr ByteRange kMegabytes = {8298, 8297, 1.0L / 1048576.0L};
constexpr ByteRange kGigabytes = {8300, 8299, 1.0L / 1073741824.0L};

// The thresholds are decimal although the divisors are powers of 1024.
ByteRange const &rangeOf(unsigned __int64 magnitude)
{
    if (magnitude < 10000)
        return kPlain;
    if (magnitude < 1000000)
        return kKilobytes;
    if (magnitude < 1000000000)
        return kMegabytes;
    return kGigabytes;
}

unsigned __int64 magnitudeOf(__int64 value)
{
    return value < 0 ? 0 - static_cast<unsigned __int64>(value) : value;
}

TutString libraryString(unsigned int id)
{
    TutString text;
    text.load(id, utLibraryInstance());
    return text;
}

// The number and the unit. The scaled value is computed in extended precision and rounded to
// a float before the run-time's "%.1f" prints it.
CString printedCount(ByteRange const &range, long double value)
{
    const TutString format = libraryString(range.formatId);
    char number[64];
    if (range.reciprocal == 0.0L) {
        std::snprintf(number, sizeof number, format, static_cast<long>(value));
    } else {
        const float scaled = static_cast<float>(value * range.reciprocal);
        std::snprintf(number, sizeof number, format, static_cast<double>(scaled));
    }
    CString text(number);
    text += libraryString(range.unitId);
    return text;
}

// Puts the whole thousands separator in after the first `at` characters.
CString withThousandSeparator(CString const &text, int at)
{
    return text.Left(at) + TutWinString::getThousandSeparator() + text.Mid(at);
}

// Replaces the first "." by the decimal separator, unless that is empty or "." itself.
void useDecimalSeparator(CString &text)
{
    const TutString separator = TutWinString::getDecimalSeparator();
    if (separator.isEmpty() || separator.at(0) == '.')
        return;
    const int point = text.Find('.');
    if (point >= 0)
        text.SetAt(point, separator.at(0));
}

}  // namespace

TutWinBytes::TutWinBytes(signed char value) { buildSignedString(value); }
TutWinBytes::TutWinBytes(short value) { buildSignedString(value); }
TutWinBytes::TutWinBytes(int value) { buildSignedString(value); }
TutWinBytes::TutWinBytes(long value) { buildSignedString(value); }
TutWinBytes::TutWinBytes(__int64 value) { buildSignedString(value); }
TutWinBytes::TutWinBytes(unsigned char value) { buildUnsignedString(value); }
TutWinBytes::TutWinBytes(unsigned short value) { buildUnsignedString(value); }
TutWinBytes::TutWinBytes(unsigned int value) { buildUnsignedString(value); }
TutWinBytes::TutWinBytes(unsigned long value) { buildUnsignedString(value); }
TutWinBytes::TutWinBytes(unsigned __int64 value) { buildUnsignedString(value); }

void TutWinBytes::buildUnsignedString(unsigned __int64 value)
{
    m_strText.empty();
    CString text = printedCount(rangeOf(value), static_cast<long double>(value));
    if (value >= 1000 && value <= 9999)
        text = withThousandSeparator(text, 1);
    else if (value >= 10000)
        useDecimalSeparator(text);
    m_strText = text;
}

void TutWinBytes::buildSignedString(__int64 value)
{
    m_strText.empty();
    const unsigned __int64 magnitude = magnitudeOf(value);
    CString text = printedCount(rangeOf(magnitude), static_cast<long double>(value));
    if (magnitude >= 1000 && magnitude <= 9999)
        text = withThousandSeparator(text, value < 0 ? 2 : 1);
    else if (magnitude >= 10000)
        useDecimalSeparator(text);
    m_strText = text;
}
