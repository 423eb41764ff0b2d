#include <cstdio>

#include <vksutil/vksutil.h>
#include <windows.h>
#include <vkshost.h>

extern "C" int platformFromC(void);

int main()
{
    std::printf("vksutil %s\n", utLibraryVersion());
    return sizeof(DWORD) == 4 && sizeof(LONG) == 4 ? 0 : 1;
}
