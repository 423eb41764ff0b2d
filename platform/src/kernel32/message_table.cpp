// Message tables: registered per module and language, looked up by identifier.
#include "kernel32/message_table.h"

#include <map>
#include <mutex>

#include "kernel32/module.h"
#include "vksboundary.h"
#include "vksresource.h"

namespace vks::detail {

namespace {

using Messages = std::map<DWORD, std::string>;
using LanguageTables = std::map<LANGID, Messages>;

struct MessageTables {
    std::mutex mutex;
    std::map<HMODULE, LanguageTables> modules;
};

// Never destroyed: modules unregister from their own static destructors, which may run after
// this library's at exit.
MessageTables &messageTables()
{
    static MessageTables *instance = new MessageTables;
    return *instance;
}

const Messages *tableFor(const LanguageTables &tables, LANGID language)
{
    for (LANGID wanted : {language, static_cast<LANGID>(MAKELANGID(PRIMARYLANGID(language), SUBLANG_NEUTRAL))}) {
        auto found = tables.find(wanted);
        if (found != tables.end())
            return &found->second;
    }
    return nullptr;
}

const Messages *chooseTable(const LanguageTables &tables, LANGID language)
{
    for (LANGID candidate : languageSearchOrder(language))
        if (const Messages *table = tableFor(tables, candidate))
            return table;
    // Language 0 settles, last of all, for any language the module has.
    return language == 0 && !tables.empty() ? &tables.begin()->second : nullptr;
}

}  // namespace

std::vector<LANGID> languageSearchOrder(LANGID language)
{
    if (language != 0)
        return {language};
    return {MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), LANGIDFROMLCID(GetThreadLocale()),
            GetUserDefaultLangID(), GetSystemDefaultLangID(),
            MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)};
}

bool findMessage(HMODULE module, DWORD id, LANGID language, std::string &utf8, DWORD &error)
{
    MessageTables &tables = messageTables();
    std::lock_guard lock(tables.mutex);
    auto found = tables.modules.find(module ? module : programModule());
    if (found == tables.modules.end()) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return false;
    }
    const Messages *table = chooseTable(found->second, language);
    if (!table) {
        error = ERROR_RESOURCE_LANG_NOT_FOUND;
        return false;
    }
    auto message = table->find(id);
    if (message == table->end()) {
        error = ERROR_MR_MID_NOT_FOUND;
        return false;
    }
    utf8 = message->second;
    return true;
}

bool hasMessageTable(HMODULE module)
{
    MessageTables &tables = messageTables();
    std::lock_guard lock(tables.mutex);
    return tables.modules.count(module ? module : programModule()) > 0;
}

}  // namespace vks::detail

using namespace vks::detail;

BOOL VksRegisterMessageTable(const void *addressInModule, WORD languageId,
                             const VksMessageResource *entries, size_t count)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        if (!module || (!entries && count))
            return FALSE;
        MessageTables &tables = messageTables();
        std::lock_guard lock(tables.mutex);
        Messages &messages = tables.modules[module][languageId];
        for (size_t i = 0; i < count; ++i)
            messages[entries[i].id] = entries[i].utf8 ? entries[i].utf8 : "";
        return TRUE;
    });
}

BOOL VksUnregisterMessageTables(const void *addressInModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        MessageTables &tables = messageTables();
        std::lock_guard lock(tables.mutex);
        return module && tables.modules.erase(module) ? TRUE : FALSE;
    });
}
