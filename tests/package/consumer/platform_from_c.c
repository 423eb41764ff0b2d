/* The platform headers compile as C99. */
#include <windows.h>
#include <vkshost.h>

int platformFromC(void)
{
    SYSTEMTIME st;
    FILETIME ft;
    st.wYear = 2002;
    return (int)sizeof(ft) + (int)st.wYear;
}
