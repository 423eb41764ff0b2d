// Menus made from templates: LoadMenuIndirectA reads a MENU (MENUITEMTEMPLATE) or MENUEX
// (MENUEX_TEMPLATE_ITEM) template, LoadMenuA a module's RT_MENU resource.
#include <cstdint>
#include <vector>

#include "kernel32/wide_text.h"
#include "menu_access.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr WORD kEnd = 0x80;        // MF_END: the last item of its menu
constexpr WORD kExPopup = 0x01;    // the extended template's pop-up mark
constexpr int kDeepestMenu = 256;  // more is a damaged template, not a menu
// What a loaded item keeps of a template's flags, as type and as state.
constexpr UINT kTypeFlags = MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK | MFT_RADIOCHECK |
                            MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

class TemplateReader {
public:
    TemplateReader(const unsigned char *bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool ok() const { return ok_; }
    WORD word()
    {
        if (!ok_ || size_ - at_ < 2) {
            ok_ = false;
            return 0;
        }
        const auto value = static_cast<WORD>(bytes_[at_] | bytes_[at_ + 1] << 8);
        at_ += 2;
        return value;
    }
    DWORD dword()
    {
        const DWORD low = word();
        return low | static_cast<DWORD>(word()) << 16;
    }
    // A NUL-terminated UTF-16 text, in the ANSI code page.
    std::string text()
    {
        std::vector<WCHAR> units;
        for (WORD unit = word(); ok_ && unit; unit = word())
            units.push_back(unit);
        return ansiFromUtf16(units.data(), units.size());
    }
    void alignTo4()
    {
        while (ok_ && at_ % 4)
            at_ < size_ ? static_cast<void>(++at_) : static_cast<void>(ok_ = false);
    }
    void skip(std::size_t count)
    {
        if (size_ - at_ < count)
            ok_ = false;
        else
            at_ += count;
    }

private:
    const unsigned char *bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// Builds menus in the table as the template describes them, remembering each, so that a
// damaged template leaves nothing behind.
class MenuBuilder {
public:
    MenuBuilder(MenuTable &table, TemplateReader &in) : table_(table), in_(in) {}

    HMENU build(bool extended)
    {
        const HMENU menu = table_.add(false);
        made_.push_back(menu);
        if (extended ? !extendedItems(menu, 0) : !classicItems(menu, 0)) {
            for (HMENU made : made_)
                table_.erase(made);
            return nullptr;
        }
        return menu;
    }

private:
    // The table may move its menus as it grows, so each item looks its menu up afresh.
    void append(HMENU menu, MenuItem item)
    {
        Menu *target = table_.find(menu);
        insertItem({target, target->items.size()}, std::move(item));
    }

    HMENU submenu(int depth)
    {
        if (depth >= kDeepestMenu)
            return nullptr;
        const HMENU sub = table_.add(true);
        made_.push_back(sub);
        return sub;
    }

    bool classicItems(HMENU menu, int depth)
    {
        for (;;) {
            const WORD flags = in_.word();
            MenuItem item;
            item.type = flags & kTypeFlags;
            item.state = flags & kStateFlags & ~kEnd;
            if (flags & MF_POPUP) {
                item.text = in_.text();
                const HMENU sub = submenu(depth);
                if (!sub || !classicItems(sub, depth + 1))
                    return false;
                item.submenu = sub;
                item.id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub));
            } else {
                item.id = in_.word();
                item.text = in_.text();
            }
            if (!in_.ok() || (flags & (MF_BITMAP | MF_OWNERDRAW)))
                return false;
            item.hasText = !item.text.empty();
            append(menu, std::move(item));
            if (flags & kEnd)
                return true;
        }
    }

    bool extendedItems(HMENU menu, int depth)
    {
        for (;;) {
            MenuItem item;
            // Items start on a 4-byte boundary; the last text may end the resource unpadded.
            in_.alignTo4();
            const DWORD type = in_.dword();
            item.state = in_.dword() & kStateFlags;
            item.id = in_.dword();
            const WORD resInfo = in_.word();
            item.text = in_.text();
            if (!in_.ok() || (type & (MFT_BITMAP | MFT_OWNERDRAW)))
                return false;
            item.type = type & kTypeFlags;
            if (resInfo & kExPopup) {
                in_.alignTo4();
                in_.dword();  // the submenu's help identifier
                const HMENU sub = submenu(depth);
                if (!sub || !extendedItems(sub, depth + 1))
                    return false;
                item.submenu = sub;
            }
            item.hasText = !item.text.empty();
            append(menu, std::move(item));
            if (resInfo & kEnd)
                return true;
        }
    }

    MenuTable &table_;
    TemplateReader &in_;
    std::vector<HMENU> made_;
};

HMENU loadTemplate(const void *bytes, std::size_t size)
{
    if (!bytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    TemplateReader in(static_cast<const unsigned char *>(bytes), size);
    const WORD version = in.word();
    const WORD offset = in.word();
    if (!in.ok() || version > 1 || (version == 1 && offset < 4)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    in.skip(offset);  // MENU: 0; MENUEX: 4, the menu's help identifier and anything before the items
    MenuTable &table = menuTable();
    std::lock_guard guard(table.lock);
    MenuBuilder builder(table, in);
    const HMENU menu = builder.build(version == 1);
    if (!menu)
        SetLastError(ERROR_INVALID_PARAMETER);
    return menu;
}

}  // namespace

HMENU WINAPI LoadMenuIndirectA(const MENUTEMPLATEA *lpMenuTemplate)
{
    return vks::atWin32Boundary<HMENU>(nullptr, [&]() -> HMENU {
        // A template in memory carries no size: it is read up to its last item, as Windows does.
        return loadTemplate(lpMenuTemplate, SIZE_MAX);
    });
}

HMENU WINAPI LoadMenuA(HINSTANCE hInstance, LPCSTR lpMenuName)
{
    return vks::atWin32Boundary<HMENU>(nullptr, [&]() -> HMENU {
        const HRSRC found = FindResourceA(hInstance, lpMenuName, RT_MENU);
        if (!found)
            return nullptr;  // FindResourceA has said why
        const void *bytes = LockResource(LoadResource(hInstance, found));
        return loadTemplate(bytes, SizeofResource(hInstance, found));
    });
}
