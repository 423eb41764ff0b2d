// HexDump and indent: formatting helpers for any stream.
#include "log/debug.h"

#include <iomanip>

namespace {

constexpr unsigned int kBytesPerLine = 16;

}  // namespace

void HexDump(std::ostream &out, unsigned char const *bytes, unsigned int count)
{
    out << std::hex << std::setfill('0');
    if (!bytes)
        count = 0;
    for (unsigned int i = 0; i < count; ++i) {
        if (i % kBytesPerLine == 0)
            out << "\t buf[" << std::setw(4) << i << "] = ";
        out << std::setw(2) << static_cast<unsigned int>(bytes[i]) << ' ';
        if (i % kBytesPerLine == kBytesPerLine - 1)
            out << std::endl;
    }
    if (count % kBytesPerLine != 0)
        out << std::endl;
    out << std::dec;
}

TutIndent indent(int levels)
{
    return TutIndent{levels};
}

std::ostream &operator<<(std::ostream &out, TutIndent const &manipulator)
{
    for (int level = 0; level < manipulator.levels; ++level)
        out << "    ";
    return out;
}
