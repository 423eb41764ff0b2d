// Lead bytes and the run-time's multibyte string functions, over the ANSI code page.
#include <algorithm>
#include <cstring>
#include <utility>

#include "mbctype.h"
#include "mbstring.h"
#include "vksboundary.h"
#include "windows.h"

namespace vks::detail {
namespace {

struct ByteRange {
    unsigned char first;
    unsigned char last;
};

// The byte classes of one double-byte code page; every other code page has no lead bytes.
struct DoubleByteCodePage {
    UINT codePage;
    ByteRange lead[2];
    ByteRange trail[3];
    ByteRange extraSingle;  // printable single bytes above ASCII
};

constexpr ByteRange kNone{1, 0};

constexpr DoubleByteCodePage kDoubleByteCodePages[] = {
    {932, {{0x81, 0x9F}, {0xE0, 0xFC}}, {{0x40, 0x7E}, {0x80, 0xFC}, kNone}, {0xA1, 0xDF}},
    {936, {{0x81, 0xFE}, kNone}, {{0x40, 0x7E}, {0x80, 0xFE}, kNone}, kNone},
    {949, {{0x81, 0xFE}, kNone}, {{0x41, 0x5A}, {0x61, 0x7A}, {0x81, 0xFE}}, kNone},
    {950, {{0x81, 0xFE}, kNone}, {{0x40, 0x7E}, {0xA1, 0xFE}, kNone}, kNone},
};

bool inRange(ByteRange range, unsigned char byte)
{
    return byte >= range.first && byte <= range.last;
}

template <size_t N>
bool inAnyRange(const ByteRange (&ranges)[N], unsigned char byte)
{
    for (ByteRange range : ranges)
        if (inRange(range, byte))
            return true;
    return false;
}

// How the current code page classifies bytes; a null table means a single-byte code page.
class ByteClasses {
public:
    explicit ByteClasses(UINT codePage) : table_(findTable(codePage)) {}

    bool isLead(unsigned char byte) const { return table_ && inAnyRange(table_->lead, byte); }
    bool isTrail(unsigned char byte) const { return table_ && inAnyRange(table_->trail, byte); }

    // Printable single-byte characters. A single-byte code page has no lead bytes, so every
    // byte that is not a control character is a character of its own.
    bool isPrintableSingle(unsigned char byte) const
    {
        if (byte >= 0x20 && byte <= 0x7E)
            return true;
        if (!table_)
            return byte >= 0x80;
        return inRange(table_->extraSingle, byte);
    }

    // The bytes of the character at `text`: 2 for a lead byte followed by a trail byte, else 1
    // (a lone lead byte at the end, or one followed by a byte that cannot be a trail byte,
    // stands alone). Never called on the terminating NUL.
    size_t charLength(const unsigned char *text) const
    {
        return isLead(text[0]) && isTrail(text[1]) ? 2 : 1;
    }

    // The character at `text` as one value: lead << 8 | trail for a double-byte character.
    unsigned int charValue(const unsigned char *text) const
    {
        return charLength(text) == 2 ? (text[0] << 8 | text[1]) : text[0];
    }

private:
    static const DoubleByteCodePage *findTable(UINT codePage)
    {
        for (const DoubleByteCodePage &table : kDoubleByteCodePages)
            if (table.codePage == codePage)
                return &table;
        return nullptr;
    }

    const DoubleByteCodePage *table_;
};

ByteClasses currentByteClasses()
{
    return ByteClasses(GetACP());
}

// Each run-time classification of one byte, given the type of the byte before it.
int byteTypeAfter(const ByteClasses &classes, int previousType, unsigned char byte)
{
    if (previousType == _MBC_LEAD)
        return classes.isTrail(byte) ? _MBC_TRAIL : _MBC_ILLEGAL;
    if (classes.isLead(byte))
        return _MBC_LEAD;
    return classes.isPrintableSingle(byte) ? _MBC_SINGLE : _MBC_ILLEGAL;
}

// The character value used by comparison; a lead byte right before the NUL ends the text.
unsigned int comparisonValue(const ByteClasses &classes, const unsigned char *text)
{
    if (classes.isLead(text[0]) && text[1] == '\0')
        return 0;
    return classes.charValue(text);
}

}  // namespace
}  // namespace vks::detail

using vks::detail::ByteClasses;
using vks::detail::currentByteClasses;

BOOL WINAPI IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (CodePage == CP_ACP)
            CodePage = GetACP();
        return ByteClasses(CodePage).isLead(TestChar) ? TRUE : FALSE;
    });
}

BOOL WINAPI IsDBCSLeadByte(BYTE TestChar)
{
    return IsDBCSLeadByteEx(GetACP(), TestChar);
}

int _mbsbtype(const unsigned char *str, size_t count)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!str)
            return _MBC_ILLEGAL;
        const ByteClasses classes = currentByteClasses();
        int type = _MBC_ILLEGAL;
        for (size_t i = 0; i <= count; ++i) {
            // Like the Microsoft run-time, not Wine: a NUL at or before the byte asked for is illegal.
            if (str[i] == '\0')
                return _MBC_ILLEGAL;
            type = vks::detail::byteTypeAfter(classes, type, str[i]);
        }
        return type;
    });
}

int _mbscmp(const unsigned char *a, const unsigned char *b)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!a || !b)
            return _NLSCMPERROR;
        const ByteClasses classes = currentByteClasses();
        for (;;) {
            const unsigned int left = vks::detail::comparisonValue(classes, a);
            const unsigned int right = vks::detail::comparisonValue(classes, b);
            if (left != right)
                return left < right ? -1 : 1;
            if (left == 0)
                return 0;
            const size_t step = classes.charLength(a);
            a += step;
            b += step;
        }
    });
}

unsigned char *_mbschr(const unsigned char *str, unsigned int c)
{
    return vks::atWin32Boundary<unsigned char *>(nullptr, [&]() -> unsigned char * {
        if (!str)
            return nullptr;
        const ByteClasses classes = currentByteClasses();
        for (; *str; str += classes.charLength(str))
            if (classes.charValue(str) == c)
                return const_cast<unsigned char *>(str);
        return c == 0 ? const_cast<unsigned char *>(str) : nullptr;
    });
}

unsigned char *_mbsrchr(const unsigned char *str, unsigned int c)
{
    return vks::atWin32Boundary<unsigned char *>(nullptr, [&]() -> unsigned char * {
        if (!str)
            return nullptr;
        const ByteClasses classes = currentByteClasses();
        const unsigned char *last = nullptr;
        for (; *str; str += classes.charLength(str))
            if (classes.charValue(str) == c)
                last = str;
        return const_cast<unsigned char *>(c == 0 ? str : last);
    });
}

unsigned char *_mbsstr(const unsigned char *str, const unsigned char *sub)
{
    return vks::atWin32Boundary<unsigned char *>(nullptr, [&]() -> unsigned char * {
        if (!str || !sub)
            return nullptr;
        const size_t subLength = std::strlen(reinterpret_cast<const char *>(sub));
        if (subLength == 0)
            return const_cast<unsigned char *>(str);
        const ByteClasses classes = currentByteClasses();
        for (; *str; str += classes.charLength(str))
            if (std::strncmp(reinterpret_cast<const char *>(str), reinterpret_cast<const char *>(sub),
                             subLength) == 0)
                return const_cast<unsigned char *>(str);
        return nullptr;
    });
}

unsigned char *_mbsrev(unsigned char *str)
{
    return vks::atWin32Boundary<unsigned char *>(nullptr, [&]() -> unsigned char * {
        if (!str)
            return nullptr;
        const ByteClasses classes = currentByteClasses();
        // Swap each pair first, so that reversing all the bytes puts it back in order.
        unsigned char *end = str;
        while (*end) {
            const size_t length = classes.charLength(end);
            if (length == 2)
                std::swap(end[0], end[1]);
            end += length;
        }
        std::reverse(str, end);
        return str;
    });
}
