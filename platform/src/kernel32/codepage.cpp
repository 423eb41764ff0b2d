// The ANSI code page: a process-wide setting, 932 unless the host chooses another.
#include "kernel32/codepage.h"

#include <atomic>
#include <cstdlib>
#include <mutex>

#include "posix/environment_posix.h"
#include "posix/iconv_posix.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "vkstext.h"

namespace vks::detail {

namespace {

constexpr UINT kDefaultCodePage = 932;

const char *charsetOf(UINT codePage)
{
    switch (codePage) {
    case 437: return "CP437";
    case 850: return "CP850";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

bool isSupported(UINT codePage)
{
    const char *charset = charsetOf(codePage);
    return charset && posix::canConvert("UTF-8", charset) && posix::canConvert(charset, "UTF-8");
}

UINT startupCodePage()
{
    std::string env = posix::environmentVariable("VKS_CODEPAGE");
    if (env.empty())
        return kDefaultCodePage;
    char *end = nullptr;
    unsigned long value = std::strtoul(env.c_str(), &end, 10);
    if (*end != '\0' || value > 65535 || !isSupported(static_cast<UINT>(value)))
        return kDefaultCodePage;
    return static_cast<UINT>(value);
}

std::atomic<UINT> &currentCodePage()
{
    static std::atomic<UINT> codePage{startupCodePage()};
    return codePage;
}

std::size_t utf8SequenceLength(std::string_view text)
{
    unsigned char lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    if (length > text.size())
        return text.size();
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return i;
    return length;
}

std::size_t ansiCharacterLength(std::string_view text)
{
    return text.size() >= 2 && isLeadByte(CP_ACP, static_cast<unsigned char>(text[0])) ? 2 : 1;
}

}  // namespace

UINT ansiCodePage()
{
    return currentCodePage().load();
}

const char *charsetOfCodePage(UINT codePage)
{
    return charsetOf(codePage == CP_ACP ? ansiCodePage() : codePage);
}

bool isLeadByte(UINT codePage, unsigned char byte)
{
    // One table of lead bytes serves the whole platform: the multibyte run-time's.
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

std::string utf8ToAnsi(std::string_view utf8, char replacement)
{
    std::string out;
    if (!posix::convert("UTF-8", charsetOf(ansiCodePage()), utf8, utf8SequenceLength, replacement,
                        out))
        return std::string(utf8);
    return out;
}

std::string ansiToUtf8(std::string_view ansi)
{
    std::string out;
    if (!posix::convert(charsetOf(ansiCodePage()), "UTF-8", ansi, ansiCharacterLength, '?', out))
        return std::string(ansi);
    return out;
}

std::size_t wholeCharacterPrefix(std::string_view ansi, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < ansi.size()) {
        std::size_t next = end + ansiCharacterLength(ansi.substr(end));
        if (next > maxBytes)
            break;
        end = next;
    }
    return end;
}

namespace {

// The Win32 contract of the public converters: the size with the NUL, or the size needed.
int copyConverted(const char *from, const std::string &converted, char *to, int size)
{
    if (!from || size < 0 || (size > 0 && !to)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int needed = static_cast<int>(converted.size()) + 1;
    if (size == 0)
        return needed;
    if (size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    converted.copy(to, converted.size());
    to[converted.size()] = '\0';
    return needed;
}

}  // namespace

}  // namespace vks::detail

UINT WINAPI GetACP(void)
{
    return vks::atWin32Boundary<UINT>(0, [&]() -> UINT {
        return vks::detail::ansiCodePage();
    });
}

BOOL VksHostSetCodePage(UINT codePage)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!vks::detail::isSupported(codePage))
            return FALSE;
        vks::detail::currentCodePage().store(codePage);
        return TRUE;
    });
}

int VksUtf8ToAnsi(const char *utf8, char *ansi, int size)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        std::string converted = utf8 ? vks::detail::utf8ToAnsi(utf8) : std::string();
        return vks::detail::copyConverted(utf8, converted, ansi, size);
    });
}

int VksAnsiToUtf8(const char *ansi, char *utf8, int size)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        std::string converted = ansi ? vks::detail::ansiToUtf8(ansi) : std::string();
        return vks::detail::copyConverted(ansi, converted, utf8, size);
    });
}

int VksUtf8ToAnsiStrict(const char *utf8, char *ansi, int size)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        // No character of a code page converts to NUL, so a NUL in the result marks a
        // replacement.
        std::string converted = utf8 ? vks::detail::utf8ToAnsi(utf8, '\0') : std::string();
        if (converted.find('\0') != std::string::npos) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return 0;
        }
        return vks::detail::copyConverted(utf8, converted, ansi, size);
    });
}
