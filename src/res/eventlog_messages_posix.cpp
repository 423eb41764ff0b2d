// Hands the library's event-log message table to the platform: FormatMessageA then finds it in
// this module and gives its texts in the ANSI code page.
#include <iterator>

#include "windows.h"
#include "res/tables.h"
#include "vksresource.h"

namespace {

#define VKS_MESSAGE_TABLE(name, language) const VksMessageResource k##name[] = {
#define VKS_MESSAGE(id, text) {id, text},
#define VKS_MESSAGE_TABLE_END };
#include "res/eventlog_messages.inc"
#undef VKS_MESSAGE_TABLE
#undef VKS_MESSAGE
#undef VKS_MESSAGE_TABLE_END

struct LanguageTable {
    WORD language;
    const VksMessageResource *messages;
    size_t count;
};

#define VKS_MESSAGE_TABLE(name, language) \
    {MAKELANGID(language, SUBLANG_NEUTRAL), k##name, std::size(k##name)},
#define VKS_MESSAGE(id, text)
#define VKS_MESSAGE_TABLE_END
const LanguageTable kTables[] = {
#include "res/eventlog_messages.inc"
};
#undef VKS_MESSAGE_TABLE
#undef VKS_MESSAGE
#undef VKS_MESSAGE_TABLE_END

}  // namespace

// The address of kEnglish names this module.
void vks::res::registerMessageTables()
{
    for (const LanguageTable &table : kTables)
        VksRegisterMessageTable(kEnglish, table.language, table.messages, table.count);
}

void vks::res::unregisterMessageTables()
{
    VksUnregisterMessageTables(kEnglish);
}
