// Fuzzes wvsprintfA with any format text. Every argument is a pointer to a short text, which is
// a valid argument for each conversion (a string, a character, an integer of 32 or 64 bits), so
// any fault found lies in the formatter. Besides crashes and sanitizer reports, it stops on a
// broken promise: output past the 1024-byte buffer, a result that is not the length of the
// text written, or a text that is not ended by its NUL.
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"

#include "windows.h"

namespace {

using fuzzsupport::require;

constexpr size_t kBufferSize = 1024;
constexpr size_t kGuard = 64;
constexpr int kArguments = 16;

// Ends in several NULs so that a wide-string conversion ends too.
alignas(8) char gTexts[kArguments][24];

int formatWithArguments(char *out, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    int written = wvsprintfA(out, format, arguments);
    va_end(arguments);
    return written;
}

int formatAll(char *out, const char *format)
{
    char(*t)[24] = gTexts;
    return formatWithArguments(out, format, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8],
                               t[9], t[10], t[11], t[12], t[13], t[14], t[15]);
}

// Each conversion takes at most one argument, so a format with at most as many '%' as there
// are arguments never reads past them.
std::string withFewConversions(std::string format)
{
    format.resize(std::strlen(format.c_str()));
    int percents = 0;
    for (size_t i = 0; i < format.size(); ++i)
        if (format[i] == '%' && ++percents > kArguments)
            return format.substr(0, i);
    return format;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    for (auto &text : gTexts) {
        std::memset(text, 0, sizeof text);
        std::string chosen = input.ConsumeRandomLengthString(sizeof text - 4);
        std::memcpy(text, chosen.data(), std::min(chosen.size(), sizeof text - 4));
    }
    std::string format = withFewConversions(input.ConsumeRemainingBytesAsString());

    static char out[kBufferSize + kGuard];
    std::memset(out, 0x5a, sizeof out);
    int written = formatAll(out, format.c_str());
    require(written >= 0 && static_cast<size_t>(written) < kBufferSize);
    require(out[written] == '\0');
    for (size_t i = kBufferSize; i < sizeof out; ++i)
        require(out[i] == 0x5a);
    return 0;
}
