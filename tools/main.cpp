// vksutil: the command-line tool over the library, for administrators and developers.
#include <cstdio>
#include <cstring>

#include <vksutil/vksutil.h>

namespace {

int printUsage(FILE *out)
{
    std::fputs("usage: vksutil --version\n", out);
    return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vksutil %s\n", utLibraryVersion());
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return printUsage(stdout);
    return printUsage(stderr);
}
