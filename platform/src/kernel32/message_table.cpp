// Message tables: registered per module and language, looked up by identifier.
#include "kernel32/message_table.h"

#include <map>
#include <mutex>

#include "kernel32/module.h"
#include "kernel32/resource_table.h"
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

// The table as its RT_MESSAGETABLE resource lays it out: a count of blocks, each a run of
// consecutive identifiers {low, high, offset of its entries}, then the entries, each a length
// (with its 4-byte header, rounded up to 4), the flag 1 (UTF-16) and the text with its NUL.
std::vector<unsigned char> tableBytes(const Messages &messages)
{
    std::vector<std::pair<DWORD, DWORD>> runs;
    for (const auto &[id, text] : messages) {
        if (!runs.empty() && runs.back().second + 1 == id)
            runs.back().second = id;
        else
            runs.emplace_back(id, id);
    }
    std::vector<unsigned char> header, entries;
    auto put = [](std::vector<unsigned char> &out, DWORD value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    const std::size_t entriesStart = 4 + 12 * runs.size();
    put(header, static_cast<DWORD>(runs.size()), 4);
    auto message = messages.begin();
    for (const auto &[low, high] : runs) {
        put(header, low, 4);
        put(header, high, 4);
        put(header, static_cast<DWORD>(entriesStart + entries.size()), 4);
        for (DWORD id = low; id <= high && message != messages.end(); ++id, ++message) {
            const std::string &utf8 = message->second;
            std::vector<unsigned char> text;
            for (std::size_t at = 0; at < utf8.size();) {
                const auto lead = static_cast<unsigned char>(utf8[at]);
                const std::size_t extra = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
                char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
                for (std::size_t i = 1; i <= extra && at + i < utf8.size(); ++i)
                    code = (code << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
                at += extra + 1;
                if (code >= 0x10000) {
                    code -= 0x10000;
                    put(text, 0xD800 + (code >> 10), 2);
                    put(text, 0xDC00 + (code & 0x3FF), 2);
                } else {
                    put(text, code, 2);
                }
            }
            put(text, 0, 2);
            while ((text.size() + 4) % 4)
                text.push_back(0);
            put(entries, static_cast<DWORD>(text.size() + 4), 2);
            put(entries, 1, 2);
            entries.insert(entries.end(), text.begin(), text.end());
        }
    }
    header.insert(header.end(), entries.begin(), entries.end());
    return header;
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
        putResource(module, ResourceId{11, {}}, ResourceId{1, {}}, languageId, tableBytes(messages),
                    ResourceOrigin::MessageTable);
        return TRUE;
    });
}

BOOL VksUnregisterMessageTables(const void *addressInModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        MessageTables &tables = messageTables();
        std::lock_guard lock(tables.mutex);
        removeResources(module, ResourceOrigin::MessageTable);
        return module && tables.modules.erase(module) ? TRUE : FALSE;
    });
}
