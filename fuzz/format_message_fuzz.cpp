// Fuzzes FormatMessageA on a message text with an argument array: inserts, their printf forms,
// the escapes and the line width. Every argument is a pointer to a short text, valid for any
// insert form; formats that take a width or precision from the arguments are left out, since a
// pointer read as a width would ask for gigabytes. Besides crashes and sanitizer reports, it
// stops on a broken promise: output past the caller's buffer, or a count that is not the length
// of the text delivered.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"

#include "windows.h"

namespace {

using fuzzsupport::require;

// Inserts run from %1 to %99, and a printf form may take the next two as well.
constexpr size_t kArguments = 101;
constexpr size_t kGuard = 32;

alignas(8) char gTexts[8][24];

void checkFixedBuffer(DWORD flags, const std::string &message, const DWORD_PTR *arguments,
                      DWORD size)
{
    std::vector<char> buffer(size + kGuard, '\x5a');
    SetLastError(0xdeadbeef);
    DWORD count = FormatMessageA(flags, message.c_str(), 0, 0, buffer.data(), size,
                                 reinterpret_cast<va_list *>(const_cast<DWORD_PTR *>(arguments)));
    for (size_t i = size; i < buffer.size(); ++i)
        require(buffer[i] == '\x5a');
    // An empty result also counts 0, so a count of 0 says nothing more.
    if (count == 0)
        return;
    require(count < size && buffer[count] == '\0' && std::strlen(buffer.data()) == count);
}

void checkAllocated(DWORD flags, const std::string &message, const DWORD_PTR *arguments)
{
    char *text = nullptr;
    DWORD count = FormatMessageA(flags | FORMAT_MESSAGE_ALLOCATE_BUFFER, message.c_str(), 0, 0,
                                 reinterpret_cast<LPSTR>(&text), 0,
                                 reinterpret_cast<va_list *>(const_cast<DWORD_PTR *>(arguments)));
    if (count)
        require(text && std::strlen(text) == count);
    LocalFree(text);
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
    DWORD width = input.ConsumeIntegralInRange<DWORD>(0, FORMAT_MESSAGE_MAX_WIDTH_MASK);
    bool ignoreInserts = input.ConsumeBool();
    DWORD bufferSize = input.ConsumeIntegralInRange<DWORD>(0, 600);
    std::string message = input.ConsumeRemainingBytesAsString();
    message.resize(std::strlen(message.c_str()));
    if (message.find('*') != std::string::npos)
        return 0;

    DWORD_PTR arguments[kArguments];
    for (size_t i = 0; i < kArguments; ++i)
        arguments[i] = reinterpret_cast<DWORD_PTR>(gTexts[i % 8]);
    DWORD flags = FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | width |
                  (ignoreInserts ? FORMAT_MESSAGE_IGNORE_INSERTS : 0);
    checkFixedBuffer(flags, message, arguments, bufferSize);
    checkAllocated(flags, message, arguments);
    return 0;
}
