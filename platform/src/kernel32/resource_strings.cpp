// String tables: blocks of 16 counted UTF-16 strings.
#include "kernel32/resource_strings.h"

#include <array>
#include <vector>

#include "kernel32/module.h"
#include "kernel32/resource_table.h"
#include "windows.h"

namespace vks::detail {

namespace {

constexpr UINT kStringsPerBlock = 16;
constexpr UINT kLargestId = 0xFFFF;
const ResourceId kStringType{6, {}};  // RT_STRING

using Block = std::array<std::u16string, kStringsPerBlock>;

ResourceId blockOf(UINT id)
{
    return ResourceId{static_cast<WORD>(id / kStringsPerBlock + 1), {}};
}

// The block's strings; a block cut short gives what it holds.
Block decodeBlock(const unsigned char *bytes, std::size_t size)
{
    Block block;
    std::size_t at = 0;
    for (std::u16string &text : block) {
        if (size - at < 2)
            break;
        const std::size_t length = static_cast<std::size_t>(bytes[at] | bytes[at + 1] << 8);
        at += 2;
        if ((size - at) / 2 < length)
            break;
        for (std::size_t i = 0; i < length; ++i, at += 2)
            text.push_back(static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8));
    }
    return block;
}

std::vector<unsigned char> encodeBlock(const Block &block)
{
    std::vector<unsigned char> bytes;
    auto word = [&](unsigned value) {
        bytes.push_back(static_cast<unsigned char>(value));
        bytes.push_back(static_cast<unsigned char>(value >> 8));
    };
    for (const std::u16string &text : block) {
        word(static_cast<unsigned>(text.size()));
        for (char16_t unit : text)
            word(unit);
    }
    return bytes;
}

// Malformed UTF-8 becomes U+FFFD a sequence, as Windows converts it: never a swallowed character
// or a NUL.
std::u16string utf16Of(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::u16string out(static_cast<std::size_t>(units > 0 ? units : 0), u'\0');
    if (units > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, reinterpret_cast<WCHAR *>(out.data()),
                            units);
    return out;
}

std::string utf8Of(const std::u16string &units)
{
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t code = units[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF)
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (code >= 0xD800 && code <= 0xDFFF)
            code = 0xFFFD;
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        static const unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(kLead[extra] | (code >> (6 * extra)));
        for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
            out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
    }
    return out;
}

}  // namespace

void setStringEntry(HMODULE module, UINT id, std::string_view utf8)
{
    const std::u16string text = utf16Of(utf8);
    changeResource(module, kStringType, blockOf(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                   [&](const unsigned char *bytes, std::size_t size) {
                       Block block = decodeBlock(bytes, size);
                       block[id % kStringsPerBlock] = text;
                       return encodeBlock(block);
                   },
                   ResourceOrigin::StringTable);
}

bool findString(HMODULE module, UINT id, std::string &utf8, DWORD &error)
{
    if (id > kLargestId) {
        // No block holds it; the search still tells a module without strings.
        findResource(module, kStringType, ResourceId{}, error);
        return false;
    }
    const HRSRC found = findResource(module, kStringType, blockOf(id), error);
    if (!found)
        return false;
    error = ERROR_SUCCESS;
    const unsigned char *bytes = nullptr;
    std::size_t size = 0;
    if (!resourceBytes(found, bytes, size))
        return false;
    const std::u16string text = decodeBlock(bytes, size)[id % kStringsPerBlock];
    if (text.empty())
        return false;
    utf8 = utf8Of(text);
    return true;
}

}  // namespace vks::detail
