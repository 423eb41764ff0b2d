// Fuzzes the expansion of the product placeholders in a display text, with a product name that
// may itself hold placeholders, double-byte characters or a lone lead byte. Besides crashes,
// hangs and sanitizer reports, it stops on a broken promise: a found flag that disagrees with the
// text, a changed text without a token, or a lone token not replaced by the name.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"

#include <vksutil/vksutil.h>

#include "product_host.h"

namespace {

using fuzzsupport::cString;
using fuzzsupport::require;

bool holdsToken(const std::string &text)
{
    return text.find("$ProductName$") != std::string::npos ||
           text.find("$CompanyName$") != std::string::npos;
}

// Whether the name is plain ASCII, so that no double-byte character can hide a token's bytes.
bool isAscii(const std::string &text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // The name is set in UTF-8 and the stand-in keeps it in the ANSI code page.
    std::string name = cString(input.ConsumeRandomLengthString(40));
    std::string text = cString(input.ConsumeRemainingBytesAsString());
    if (!ProductSetName(name.c_str()))
        return 0;

    CString productName;
    utProductName(productName);
    const std::string expandedName = static_cast<const char *>(productName);
    TutString display(text.c_str());
    const int found = display.expandEmbeddedMacros();
    const std::string result = static_cast<const char *>(display);

    require(found == 0 || found == 1);
    if (!isAscii(text) || !isAscii(expandedName))
        return 0;
    require(found == (holdsToken(text) ? 1 : 0));
    if (!found)
        require(result == text);
    // One token and no other '$' in the text or the name: the result is plain to predict.
    // With more, a token may form across an inserted name and stay, since the search goes on
    // after the inserted text.
    const std::string productToken = "$ProductName$";
    const size_t token = text.find(productToken);
    if (token != std::string::npos && std::count(text.begin(), text.end(), '$') == 2 &&
        expandedName.find('$') == std::string::npos)
        require(result == text.substr(0, token) + expandedName +
                              text.substr(token + productToken.size()));
    return 0;
}
