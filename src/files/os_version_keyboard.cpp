// isNEC: whether the keyboard is made by NEC, asked once.
#include "files/os_version.h"

namespace {

// -1 until the keyboard has been asked.
int g_nIsNEC = -1;

// Japanese keyboards give their maker in the high byte of the subtype; NEC is 0x0D.
constexpr int kFirstNecSubtype = 0x0D01;
constexpr int kLastNecSubtype = 0x0D0F;

}  // namespace

int isNEC()
{
    if (g_nIsNEC != -1)
        return g_nIsNEC;
    const int subtype = GetKeyboardType(1);
    g_nIsNEC = subtype >= kFirstNecSubtype && subtype <= kLastNecSubtype ? 1 : 0;
    return g_nIsNEC;
}
