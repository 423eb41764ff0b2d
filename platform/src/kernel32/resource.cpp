// The resource registry: what each module carries, found as Windows finds it.
#include "kernel32/resource_table.h"

#include <map>
#include <mutex>
#include <unordered_set>

#include "kernel32/codepage.h"
#include "kernel32/message_table.h"
#include "kernel32/module.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

// One resource in one language; its address is its HRSRC.
struct Entry {
    std::vector<unsigned char> owned;
    const unsigned char *bytes = nullptr;
    std::size_t size = 0;
    unsigned origins = 0;
};

using Languages = std::map<WORD, Entry>;
using Names = std::map<ResourceId, Languages>;
using Types = std::map<ResourceId, Names>;

struct Registry {
    std::mutex mutex;
    std::map<HMODULE, Types> modules;
    std::unordered_set<const Entry *> live;
};

// Never destroyed: modules unregister from their own static destructors, which may run after
// this library's at exit.
Registry &registry()
{
    static Registry *instance = new Registry;
    return *instance;
}

HMODULE moduleOrProgram(HMODULE module)
{
    return module ? module : programModule();
}

Entry &place(Registry &reg, HMODULE module, const ResourceId &type, const ResourceId &name,
             WORD language)
{
    Entry &entry = reg.modules[module][type][name][language];
    reg.live.insert(&entry);
    return entry;
}

// The languages to try, as FindResource tries them: each of the search order, then its
// primary language with the neutral sublanguage; any language last.
const Entry *chooseLanguage(const Languages &languages, const std::vector<LANGID> &order)
{
    for (LANGID language : order) {
        for (LANGID wanted : {language, static_cast<LANGID>(MAKELANGID(PRIMARYLANGID(language), SUBLANG_NEUTRAL))}) {
            auto found = languages.find(wanted);
            if (found != languages.end())
                return &found->second;
        }
    }
    return languages.empty() ? nullptr : &languages.begin()->second;
}

}  // namespace

bool toResourceId(LPCSTR given, ResourceId &id)
{
    if (!given)
        return false;
    if (IS_INTRESOURCE(given)) {
        id.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(given));
        return id.number != 0;
    }
    std::string text(given);
    if (text.size() > 1 && text.size() <= 6 && text[0] == '#' &&
        text.find_first_not_of("0123456789", 1) == std::string::npos) {
        const unsigned long number = std::stoul(text.substr(1));
        if (number > 0 && number <= 0xFFFF) {
            id.number = static_cast<WORD>(number);
            return true;
        }
    }
    text = ansiToUtf8(text);
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    id.text = std::move(text);
    return !id.text.empty();
}

void putResource(HMODULE module, const ResourceId &type, const ResourceId &name, WORD language,
                 std::vector<unsigned char> bytes, ResourceOrigin origin)
{
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    Entry &entry = place(reg, module, type, name, language);
    entry.owned = std::move(bytes);
    entry.bytes = entry.owned.data();
    entry.size = entry.owned.size();
    entry.origins |= static_cast<unsigned>(origin);
}

void putResourceView(HMODULE module, const ResourceId &type, const ResourceId &name,
                     WORD language, const unsigned char *bytes, std::size_t size,
                     ResourceOrigin origin)
{
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    Entry &entry = place(reg, module, type, name, language);
    entry.owned.clear();
    entry.bytes = bytes;
    entry.size = size;
    entry.origins |= static_cast<unsigned>(origin);
}

void changeResource(HMODULE module, const ResourceId &type, const ResourceId &name,
                    WORD language, const ResourceChange &change, ResourceOrigin origin)
{
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    Entry &entry = place(reg, module, type, name, language);
    std::vector<unsigned char> bytes = change(entry.bytes, entry.size);
    entry.owned = std::move(bytes);
    entry.bytes = entry.owned.data();
    entry.size = entry.owned.size();
    entry.origins |= static_cast<unsigned>(origin);
}

bool removeResources(HMODULE module, ResourceOrigin origin)
{
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    auto types = reg.modules.find(module);
    if (!module || types == reg.modules.end())
        return false;
    bool removed = false;
    const unsigned bit = static_cast<unsigned>(origin);
    for (auto type = types->second.begin(); type != types->second.end();) {
        for (auto name = type->second.begin(); name != type->second.end();) {
            for (auto language = name->second.begin(); language != name->second.end();) {
                Entry &entry = language->second;
                if (entry.origins & bit) {
                    removed = true;
                    entry.origins &= ~bit;
                }
                if (entry.origins == 0) {
                    reg.live.erase(&entry);
                    language = name->second.erase(language);
                } else {
                    ++language;
                }
            }
            name = name->second.empty() ? type->second.erase(name) : std::next(name);
        }
        type = type->second.empty() ? types->second.erase(type) : std::next(type);
    }
    if (types->second.empty())
        reg.modules.erase(types);
    return removed;
}

HRSRC findResource(HMODULE module, const ResourceId &type, const ResourceId &name, DWORD &error)
{
    const std::vector<LANGID> order = languageSearchOrder(0);
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    auto types = reg.modules.find(moduleOrProgram(module));
    if (types == reg.modules.end()) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    auto names = types->second.find(type);
    if (names == types->second.end()) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    auto languages = names->second.find(name);
    const Entry *entry = languages == names->second.end() ? nullptr
                                                          : chooseLanguage(languages->second, order);
    if (!entry) {
        error = ERROR_RESOURCE_NAME_NOT_FOUND;
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<Entry *>(entry));
}

bool resourceBytes(HRSRC resource, const unsigned char *&bytes, std::size_t &size)
{
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    const auto *entry = reinterpret_cast<const Entry *>(resource);
    if (!resource || !reg.live.count(entry))
        return false;
    bytes = entry->bytes;
    size = entry->size;
    return true;
}

}  // namespace vks::detail

using namespace vks::detail;

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType)
{
    return vks::atWin32Boundary<HRSRC>(nullptr, [&]() -> HRSRC {
        ResourceId type, name;
        DWORD error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        HRSRC found = nullptr;
        // A null or empty name is no resource's: the search tells a missing type from it.
        if (toResourceId(lpType, type)) {
            if (!toResourceId(lpName, name))
                name = ResourceId{};
            found = findResource(hModule, type, name, error);
        }
        if (!found)
            SetLastError(error);
        return found;
    });
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo)
{
    return vks::atWin32Boundary<HGLOBAL>(nullptr, [&]() -> HGLOBAL {
        const unsigned char *bytes = nullptr;
        std::size_t size = 0;
        if (!resourceBytes(hResInfo, bytes, size)) {
            SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
            return nullptr;
        }
        // The bytes stay where they are while the module keeps them registered, as a loaded
        // module's resources stay mapped.
        return reinterpret_cast<HGLOBAL>(const_cast<unsigned char *>(bytes));
    });
}

LPVOID WINAPI LockResource(HGLOBAL hResData)
{
    return vks::atWin32Boundary<LPVOID>(nullptr, [&]() -> LPVOID {
        return hResData;
    });
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC hResInfo)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        const unsigned char *bytes = nullptr;
        std::size_t size = 0;
        if (!resourceBytes(hResInfo, bytes, size)) {
            SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
            return 0;
        }
        return static_cast<DWORD>(size);
    });
}

BOOL WINAPI FreeResource(HGLOBAL)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        // Resources live as long as their module; Win32 keeps this call only for old programs.
        return FALSE;
    });
}
