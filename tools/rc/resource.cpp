#include "resource.h"

#include "unicode_text.h"

namespace vksrc {

std::string ResourceId::describe() const
{
    return isNumber ? std::to_string(number) : utf8(text);
}

std::string typeName(const ResourceId &type)
{
    if (!type.isNumber)
        return utf8(type.text);
    switch (type.number) {
    case type::kIcon: return "ICON image";
    case type::kBitmap: return "BITMAP";
    case type::kMenu: return "MENU";
    case type::kDialog: return "DIALOG";
    case type::kString: return "STRINGTABLE block";
    case type::kGroupIcon: return "ICON";
    case type::kVersion: return "VERSIONINFO";
    default: return "type " + std::to_string(type.number);
    }
}

}  // namespace vksrc
