// Fuzzes the file filter's pattern compiler and name test. Besides crashes and sanitizer
// reports, it stops on a broken promise: a compiled form that does not end in the end-of-pattern
// marker, an empty pattern held after a non-empty text, a user text not kept as given, a name
// accepted differently in another letter case, or "*" refusing a name.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"

#include <vksutil/vksutil.h>

namespace {

using fuzzsupport::cString;
using fuzzsupport::require;

bool isAsciiText(const std::string &text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string upper(std::string text)
{
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    std::string name = cString(input.ConsumeRandomLengthString(64));
    std::string pattern = cString(input.ConsumeRemainingBytesAsString());

    const TutFileFilter filter(pattern.c_str(), 1, TutDate(), TutDate(), 1, 1);
    const std::string compiled = filter.string();
    require(filter.userString() == pattern);
    if (!compiled.empty())
        require(compiled.back() == '"');
    require(filter.isOn() == static_cast<int>(compiled.size()));
    int accepted = filter.match(name.c_str());
    require(accepted == 0 || accepted == 1);
    // Single-byte letters compare without regard to case.
    if (isAsciiText(name))
        require(filter.match(upper(name).c_str()) == accepted);

    const TutFileFilter everything("*", 1, TutDate(), TutDate(), 1, 1);
    require(everything.match(name.c_str()) == 1);
    return 0;
}
