// MulDiv: scaling through a 64-bit product, as dialog units and font sizes need.
#include <climits>
#include <cstdint>

#include "vksboundary.h"
#include "windows.h"

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    return vks::atWin32Boundary<int>(-1, [&]() -> int {
        if (nDenominator == 0)
            return -1;
        const std::int64_t product = static_cast<std::int64_t>(nNumber) * nNumerator;
        const std::int64_t half = (nDenominator < 0 ? -static_cast<std::int64_t>(nDenominator)
                                                    : nDenominator) / 2;
        // Rounds half away from zero, whatever the signs.
        const bool negative = (product < 0) != (nDenominator < 0);
        const std::int64_t magnitude = (product < 0 ? -product : product) + half;
        const std::int64_t divisor = nDenominator < 0 ? -static_cast<std::int64_t>(nDenominator)
                                                      : nDenominator;
        const std::int64_t result = (negative ? -1 : 1) * (magnitude / divisor);
        return result < INT_MIN || result > INT_MAX ? -1 : static_cast<int>(result);
    });
}
