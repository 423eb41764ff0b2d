// Compiled resources: each a type, a name and a language with its bytes, as a module carries it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics.h"

namespace vksrc {

// A resource's type or name, a window class, a menu: a number or a text (sz_Or_Ord).
struct ResourceId {
    bool isNumber = false;
    std::uint16_t number = 0;
    std::u16string text;

    static ResourceId of(std::uint16_t number) { return {true, number, {}}; }
    static ResourceId named(std::u16string text) { return {false, 0, std::move(text)}; }
    bool empty() const { return !isNumber && text.empty(); }
    bool operator==(const ResourceId &) const = default;
    // "100" or "NAME", for messages.
    std::string describe() const;
};

namespace type {
constexpr std::uint16_t kIcon = 3, kBitmap = 2, kMenu = 4, kDialog = 5, kString = 6,
                        kGroupIcon = 14, kVersion = 16;
}  // namespace type

// US English, the language of a resource whose script names none, as Windows' compiler has it.
constexpr std::uint16_t kDefaultLanguage = 0x0409;

struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = kDefaultLanguage;
    std::uint16_t memoryFlags = 0x1030;  // moveable, pure, discardable: no meaning on Win32
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    std::vector<std::uint8_t> data;
    Location where;  // the statement that made it
};

// A type's name for messages: "DIALOG", "STRINGTABLE", ... or its number.
std::string typeName(const ResourceId &type);

}  // namespace vksrc
