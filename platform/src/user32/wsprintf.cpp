// wvsprintfA and wsprintfA: the Win32 format language, without floating point.
#include <cstdarg>
#include <cstring>
#include <string>

#include "vksboundary.h"
#include "kernel32/wide_text.h"
#include "windows.h"

namespace vks::detail {
namespace {

// The output buffer is taken to hold 1024 bytes: 1023 characters and the NUL.
constexpr size_t kOutputLimit = 1024;

// Appends to the caller's buffer and silently drops whatever does not fit.
class BoundedOutput {
public:
    explicit BoundedOutput(char *buffer) : buffer_(buffer) {}

    void put(char c)
    {
        if (length_ < kOutputLimit - 1)
            buffer_[length_++] = c;
    }
    void put(const char *text, size_t count)
    {
        for (size_t i = 0; i < count; ++i)
            put(text[i]);
    }
    void put(const std::string &text) { put(text.data(), text.size()); }
    void repeat(char c, size_t count)
    {
        for (size_t i = 0; i < count; ++i)
            put(c);
    }
    bool full() const { return length_ == kOutputLimit - 1; }

    int finish()
    {
        buffer_[length_] = '\0';
        return static_cast<int>(length_);
    }

private:
    char *buffer_;
    size_t length_ = 0;
};

enum class SizePrefix { None, Short, Wide, Int32, Int64, Pointer };

struct Conversion {
    bool leftAlign = false;
    bool hexPrefix = false;
    bool zeroPad = false;
    size_t width = 0;
    size_t precision = 0;  // 0: none given, or ".0"
    SizePrefix size = SizePrefix::None;
    char type = '\0';  // '\0': not a conversion this language knows
};

// Widths beyond the output limit cannot change the output.
size_t parseNumber(const char *&p)
{
    size_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value < kOutputLimit)
            value = value * 10 + static_cast<size_t>(*p - '0');
    return value;
}

SizePrefix parseSizePrefix(const char *&p)
{
    switch (*p) {
    case 'h':
        ++p;
        return SizePrefix::Short;
    case 'l':
    case 'w':
        ++p;
        return SizePrefix::Wide;
    case 'I':
        if (p[1] == '6' && p[2] == '4') {
            p += 3;
            return SizePrefix::Int64;
        }
        if (p[1] == '3' && p[2] == '2') {
            p += 3;
            return SizePrefix::Int32;
        }
        ++p;
        return SizePrefix::Pointer;
    default:
        return SizePrefix::None;
    }
}

// Parses what follows a '%'. An unknown type letter is left in place, so that it is printed as
// text and only the '%' and what came before the letter are dropped.
const char *parseConversion(const char *p, Conversion &conversion)
{
    if (*p == '-') {
        conversion.leftAlign = true;
        ++p;
    }
    if (*p == '#') {
        conversion.hexPrefix = true;
        ++p;
    }
    if (*p == '0') {
        conversion.zeroPad = true;
        ++p;
    }
    conversion.width = parseNumber(p);
    if (*p == '.') {
        ++p;
        conversion.precision = parseNumber(p);
    }
    conversion.size = parseSizePrefix(p);
    if (*p && std::strchr("diuxXcCsSp", *p))
        conversion.type = *p++;
    return p;
}

// Lays out one converted field within its width. `zeroFillAfter` bytes of `text` (a sign or a
// hex prefix) come before any zero padding.
void putField(BoundedOutput &out, const Conversion &conversion, const std::string &text,
              size_t zeroFillAfter = 0)
{
    const size_t padding = conversion.width > text.size() ? conversion.width - text.size() : 0;
    if (conversion.leftAlign) {
        out.put(text);
        out.repeat(' ', padding);
    } else if (conversion.zeroPad) {
        out.put(text.data(), zeroFillAfter);
        out.repeat('0', padding);
        out.put(text.data() + zeroFillAfter, text.size() - zeroFillAfter);
    } else {
        out.repeat(' ', padding);
        out.put(text);
    }
}

bool readsWideText(const Conversion &conversion)
{
    if (conversion.size == SizePrefix::Short)
        return false;
    return conversion.size == SizePrefix::Wide || conversion.type == 'C' ||
           conversion.type == 'S';
}

void putInteger(BoundedOutput &out, const Conversion &conversion, va_list *args)
{
    const bool isSigned = conversion.type == 'd' || conversion.type == 'i';
    unsigned long long magnitude;
    bool negative = false;
    if (conversion.size == SizePrefix::Int64 || conversion.size == SizePrefix::Pointer) {
        const long long value = conversion.size == SizePrefix::Int64
                                    ? va_arg(*args, long long)
                                    : static_cast<long long>(va_arg(*args, INT_PTR));
        negative = isSigned && value < 0;
        magnitude = static_cast<unsigned long long>(value);
    } else {
        // `l` and `h` change nothing: integers are 32 bits.
        const int value = va_arg(*args, int);
        negative = isSigned && value < 0;
        magnitude = isSigned ? static_cast<unsigned long long>(static_cast<long long>(value))
                             : static_cast<unsigned int>(value);
    }
    if (negative)
        magnitude = 0 - magnitude;

    const bool hex = conversion.type == 'x' || conversion.type == 'X';
    const char *digitSet = conversion.type == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), digitSet[magnitude % (hex ? 16 : 10)]);
        magnitude /= hex ? 16 : 10;
    } while (magnitude != 0);

    std::string lead = negative ? "-" : "";
    // As on Windows, the sign counts towards the precision: %.5d of -42 gives -0042.
    if (conversion.precision > lead.size() + digits.size())
        digits.insert(0, conversion.precision - lead.size() - digits.size(), '0');
    if (hex && conversion.hexPrefix)
        lead += conversion.type == 'X' ? "0X" : "0x";
    putField(out, conversion, lead + digits, lead.size());
}

void putPointer(BoundedOutput &out, va_list *args)
{
    auto value = reinterpret_cast<UINT_PTR>(va_arg(*args, void *));
    char digits[2 * sizeof(void *)];
    for (size_t i = sizeof digits; i-- > 0; value >>= 4)
        digits[i] = "0123456789ABCDEF"[value & 0xF];
    out.put(digits, sizeof digits);
}

void putCharacter(BoundedOutput &out, const Conversion &conversion, va_list *args)
{
    const int value = va_arg(*args, int);
    std::string text;
    if (readsWideText(conversion)) {
        const WCHAR unit = static_cast<WCHAR>(value);
        if (unit != 0)
            text = ansiFromUtf16(&unit, 1);
    } else if (static_cast<char>(value) != '\0') {
        text = static_cast<char>(value);
    }
    // Windows skips a zero character rather than storing a NUL.
    putField(out, Conversion{conversion.leftAlign, false, false, conversion.width}, text);
}

// Like strnlen; a precision of 0 means no limit.
size_t boundedLength(const char *text, size_t precision)
{
    size_t length = 0;
    while ((precision == 0 || length < precision) && text[length] != 0)
        ++length;
    return length;
}

// A precision counts bytes of the converted text, as on Windows, so it may end a double-byte
// character after its lead byte. Every unit gives at least one byte: one unit more than the
// precision is enough to read, and keeps a surrogate pair at the cut whole.
std::string wideText(const WCHAR *text, size_t precision)
{
    const size_t units = utf16Length(text, precision == 0 ? static_cast<size_t>(-1) : precision + 1);
    std::string ansi = ansiFromUtf16(text, units);
    if (precision != 0 && ansi.size() > precision)
        ansi.resize(precision);
    return ansi;
}

void putString(BoundedOutput &out, const Conversion &conversion, va_list *args)
{
    const Conversion field{conversion.leftAlign, false, false, conversion.width};
    static const char kNull[] = "(null)";
    if (readsWideText(conversion)) {
        const WCHAR *text = va_arg(*args, const WCHAR *);
        if (text) {
            putField(out, field, wideText(text, conversion.precision));
            return;
        }
        putField(out, field, std::string(kNull, boundedLength(kNull, conversion.precision)));
        return;
    }
    const char *text = va_arg(*args, const char *);
    if (!text)
        text = kNull;
    putField(out, field, std::string(text, boundedLength(text, conversion.precision)));
}

void putConversion(BoundedOutput &out, const Conversion &conversion, va_list *args)
{
    switch (conversion.type) {
    case 'c':
    case 'C':
        putCharacter(out, conversion, args);
        break;
    case 's':
    case 'S':
        putString(out, conversion, args);
        break;
    case 'p':
        putPointer(out, args);
        break;
    default:
        putInteger(out, conversion, args);
        break;
    }
}

int formatInto(char *buffer, const char *format, va_list *args)
{
    BoundedOutput out(buffer);
    const char *p = format;
    while (*p && !out.full()) {
        if (*p != '%') {
            out.put(*p++);
            continue;
        }
        ++p;
        if (*p == '%') {
            out.put(*p++);
            continue;
        }
        Conversion conversion;
        p = parseConversion(p, conversion);
        if (conversion.type != '\0')
            putConversion(out, conversion, args);
    }
    return out.finish();
}

}  // namespace
}  // namespace vks::detail

int WINAPI wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!lpOut)
            return 0;
        if (!lpFmt) {
            lpOut[0] = '\0';
            return 0;
        }
        // The list is walked through a pointer, which an array-typed va_list cannot be passed as.
        va_list args;
        va_copy(args, arglist);
        const int length = vks::detail::formatInto(lpOut, lpFmt, &args);
        va_end(args);
        return length;
    });
}

int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...)
{
    // The argument list cannot enter a closure; wvsprintfA holds the boundary.
    va_list args;
    va_start(args, lpFmt);
    const int length = wvsprintfA(lpOut, lpFmt, args);
    va_end(args);
    return length;
}
