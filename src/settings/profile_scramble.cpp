#include "settings/profile_scramble.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vks::detail {

namespace {

// Large enough for the longest text with its prefix and padding, and zero past the end of any
// stored form that is decoded, so a decoded text is always terminated.
using ScrambleBuffer = std::array<BYTE, 528>;

constexpr std::size_t kMinStored = 8;
constexpr std::size_t kMaxStored = 516;

void swapPass(ScrambleBuffer &b, std::size_t n)
{
    for (std::size_t i = 1, j = n - 2; i < j; i += 2, j -= 2)
        std::swap(b[i], b[j]);
}

// Its own inverse: a swapped pair still differs in its lowest bit.
void parityPass(ScrambleBuffer &b, std::size_t n)
{
    for (std::size_t i = 0, j = n - 1; i < j; ++i, --j)
        if ((b[i] ^ b[j]) & 1)
            std::swap(b[i], b[j]);
}

void chain(ScrambleBuffer &b, std::size_t n)
{
    for (std::size_t i = 1; i < n; ++i)
        b[i] = static_cast<BYTE>(b[i - 1] ^ b[i] ^ (i & 0xff) ^ (n & 0xff));
    b[0] = static_cast<BYTE>(b[n - 1] ^ b[0] ^ (n & 0xff));
}

void unchain(ScrambleBuffer &b, std::size_t n)
{
    b[0] = static_cast<BYTE>(b[n - 1] ^ b[0] ^ (n & 0xff));
    for (std::size_t i = n - 1; i >= 1; --i)
        b[i] = static_cast<BYTE>(b[i - 1] ^ b[i] ^ (i & 0xff) ^ (n & 0xff));
}

void appendByte(std::string &out, BYTE b)
{
    out += static_cast<char>('6' + 16 * ((b >> 2) & 3) + (b & 3));
    out += static_cast<char>('1' + 16 * (b >> 6) + ((b >> 4) & 3));
}

BYTE decodePair(char first, char second)
{
    const unsigned c1 = static_cast<BYTE>(first - '6');
    const unsigned c2 = static_cast<BYTE>(second - '1');
    return static_cast<BYTE>(((((c2 >> 4) * 4 + (c2 & 15)) * 4 + (c1 >> 4)) * 4 + (c1 & 15)));
}

}  // namespace

std::string scrambleText(std::string_view text, DWORD ticks)
{
    const std::size_t length = std::min(text.size(), kScrambleMaxText);
    ScrambleBuffer b{};
    b[0] = LOBYTE(ticks);
    b[1] = HIBYTE(ticks);
    std::memcpy(&b[2], text.data(), length);
    // The text with one or two zero bytes after it, so the count is even.
    const std::size_t n = (length + 4) & ~std::size_t{1};

    swapPass(b, n);
    chain(b, n);
    parityPass(b, n);

    std::string stored;
    stored.reserve(2 * n);
    for (std::size_t k = 0; k < n; ++k)
        appendByte(stored, b[k]);
    return stored;
}

std::optional<std::string> unscrambleText(std::string_view stored)
{
    const std::size_t count = stored.size();
    if (count < kMinStored || count > kMaxStored || count % 4 != 0)
        return std::nullopt;

    ScrambleBuffer b{};
    const std::size_t m = count / 2;
    for (std::size_t k = 0; k < m; ++k)
        b[k] = decodePair(stored[2 * k], stored[2 * k + 1]);

    parityPass(b, m);
    unchain(b, m);
    swapPass(b, m);

    const auto textBegin = b.begin() + 2;
    const auto textEnd = std::find(textBegin, b.begin() + m, BYTE{0});
    return std::string(textBegin, textEnd);
}

}  // namespace vks::detail
