// The library as loaded: its tables registered and its run-time classes handed to its own
// extension module by the attach, whatever order its sources were linked in.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mq/manager.h"
#include "ui/cut_help.h"
#include "util/exceptions.h"
#include "util/startup.h"
#include "windows.h"

namespace {

// The run-time classes the library's chain entry shares with the framework.
std::vector<const CRuntimeClass *> classesHandedToTheLibrary()
{
    std::vector<const CRuntimeClass *> classes;
    for (CDynLinkLibrary *entry : AfxGetModuleState()->GetLibraries()) {
        if (entry->m_hModule != utLibraryInstance())
            continue;
        for (const CRuntimeClass *c = entry->m_pFirstSharedClass; c; c = c->m_pNextClass)
            classes.push_back(c);
        break;
    }
    return classes;
}

TEST(LibraryLoad, HandsEveryRunTimeClassToTheLibrarysOwnModule)
{
    const std::vector<const CRuntimeClass *> handed = classesHandedToTheLibrary();
    // By name: the message manager is the library's inside, which it does not export.
    const char *const rows[] = {"CGeneralException", "CInvalidParamException", "CTaskException",
                                "CCMException", "CutHelp", "TmqManager"};
    for (const char *name : rows) {
        SCOPED_TRACE(name);
        EXPECT_NE(handed.end(), std::find_if(handed.begin(), handed.end(), [&](auto *c) {
                      return std::string(c->m_lpszClassName) == name;
                  }));
    }
}

TEST(LibraryLoad, RegistersTheStringAndMessageTables)
{
    char text[64] = {};
    EXPECT_GT(LoadStringA(utLibraryInstance(), 8293, text, sizeof text), 0);

    char *message = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        utLibraryInstance(), 0x40000064, MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL),
        reinterpret_cast<LPSTR>(&message), 0, nullptr);
    ASSERT_NE(nullptr, message);
    EXPECT_EQ("The %1 service was installed.\r\n", std::string(message, length));
    LocalFree(message);
}

}  // namespace
