#include "menu_statement.h"

#include <string_view>

#include "byte_writer.h"
#include "compiler_limits.h"

namespace vksrc {

namespace {

// The options of a MENU item, as flags of the classic layout (MF_GRAYED, MF_CHECKED, ...).
struct ItemOption {
    std::string_view word;
    std::uint16_t flag;
};

constexpr ItemOption kOptions[] = {{"GRAYED", 0x1},       {"INACTIVE", 0x2}, {"CHECKED", 0x8},
                                   {"MENUBARBREAK", 0x20}, {"MENUBREAK", 0x40}, {"HELP", 0x4000}};

constexpr std::uint16_t kPopup = 0x10, kLast = 0x80;       // MF_POPUP, MF_END
constexpr std::uint16_t kExPopup = 0x01, kExLast = 0x80;   // the extended layout's own
constexpr std::uint32_t kSeparatorType = 0x800;            // MFT_SEPARATOR

struct Item {
    bool popup = false;
    std::u16string text;
    std::uint32_t id = 0;
    std::uint16_t flags = 0;  // classic options
    std::uint32_t type = 0, state = 0, helpId = 0;  // extended fields
    std::vector<Item> children;
};

class MenuReader {
public:
    MenuReader(ScriptReader &in, bool extended) : in_(in), extended_(extended) {}

    std::vector<Item> block(const Location &where, int depth)
    {
        if (depth > limits::kNestingDepth)
            throw ScriptError(where, "menus nest deeper than " + std::to_string(limits::kNestingDepth) +
                                         " levels");
        in_.expectBegin("a menu");
        std::vector<Item> items;
        while (!in_.takeBlockEnd()) {
            if (in_.atEnd())
                throw ScriptError(where, "the menu's BEGIN has no END");
            items.push_back(item(depth));
        }
        // A menu without items cannot be told from the items that follow it in the layout.
        if (items.empty())
            throw ScriptError(where, depth == 0 ? "a menu needs at least one item"
                                                : "a POPUP needs at least one item");
        return items;
    }

private:
    Item item(int depth)
    {
        Item item;
        const Location where = in_.peek().where;
        if (in_.takeKeyword("POPUP")) {
            item.popup = true;
            item.text = in_.plainText("the POPUP's text");
            if (extended_)
                extendedFields(item, true);
            else
                options(item);
            item.children = block(where, depth + 1);
            return item;
        }
        if (!in_.takeKeyword("MENUITEM")) {
            if (in_.peek().kind == Token::Kind::Name)
                in_.fail("'" + in_.peek().spelling + "' is no menu statement");
            in_.fail("expected MENUITEM, POPUP or END");
        }
        if (in_.takeKeyword("SEPARATOR")) {
            item.type = kSeparatorType;
            return item;
        }
        item.text = in_.plainText("the item's text");
        if (extended_) {
            extendedFields(item, false);
            return item;
        }
        in_.expectComma("the item's identifier");
        item.id = in_.word("the item's identifier");
        options(item);
        return item;
    }

    // Options after a comma, each separated by a comma or a blank.
    void options(Item &item)
    {
        if (!in_.takeMark(","))
            return;
        bool found = true;
        while (found) {
            found = false;
            for (const ItemOption &option : kOptions) {
                if (in_.takeKeyword(option.word)) {
                    item.flags |= option.flag;
                    found = true;
                }
            }
            if (found)
                in_.takeMark(",");
        }
        if (item.flags == 0)
            in_.fail("expected CHECKED, GRAYED, HELP, INACTIVE, MENUBARBREAK or MENUBREAK");
    }

    // [, id [, type [, state [, help identifier (POPUP only)]]]]
    void extendedFields(Item &item, bool popup)
    {
        if (!in_.takeMark(","))
            return;
        item.id = in_.number("the item's identifier");
        if (!in_.takeMark(","))
            return;
        item.type = in_.number("the item's type");
        if (!in_.takeMark(","))
            return;
        item.state = in_.number("the item's state");
        if (!popup || !in_.takeMark(","))
            return;
        item.helpId = in_.number("the help identifier");
    }

    ScriptReader &in_;
    bool extended_;
};

void writeClassic(const std::vector<Item> &items, ByteWriter &out)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item &item = items[i];
        const std::uint16_t last = i + 1 == items.size() ? kLast : 0;
        if (item.popup) {
            out.word(item.flags | kPopup | last);
            out.text(item.text);
            writeClassic(item.children, out);
        } else {
            out.word(item.flags | last);
            out.word(static_cast<std::uint16_t>(item.id));
            out.text(item.text);
        }
    }
}

// Each item starts on a 4-byte boundary; the resource ends with the last text, unpadded, as
// windres writes it.
void writeExtended(const std::vector<Item> &items, ByteWriter &out)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item &item = items[i];
        out.alignTo4();
        out.dword(item.type);
        out.dword(item.state);
        out.dword(item.id);
        out.word((item.popup ? kExPopup : 0) | (i + 1 == items.size() ? kExLast : 0));
        out.text(item.text);
        if (item.popup) {
            out.alignTo4();
            out.dword(item.helpId);
            writeExtended(item.children, out);
        }
    }
}

}  // namespace

std::vector<std::uint8_t> readMenu(ScriptReader &in, bool extended, const Location &where,
                                   ResourceOptions &options)
{
    in.skipMemoryOptions();
    while (takeResourceOption(in, options)) {
    }
    MenuReader reader(in, extended);
    const std::vector<Item> items = reader.block(where, 0);
    ByteWriter out;
    if (extended) {
        out.word(1);  // wVersion
        out.word(4);  // wOffset: the items follow the help identifier
        out.dword(0);  // dwHelpId
        writeExtended(items, out);
    } else {
        out.word(0);  // versionNumber
        out.word(0);  // offset
        writeClassic(items, out);
    }
    return out.take();
}

}  // namespace vksrc
