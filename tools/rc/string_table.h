// STRINGTABLE statements, gathered over the whole script and laid out as RT_STRING blocks:
// strings id / 16 * 16 to that + 15 form block id / 16 + 1, each a count and its UTF-16 units.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "resource.h"
#include "resource_options.h"
#include "script_reader.h"

namespace vksrc {

class StringTables {
public:
    // Reads one statement after its keyword, with `options` the script's language so far.
    void read(ScriptReader &in, ResourceOptions options);

    // One resource per language and block, in language then block order.
    std::vector<Resource> blocks() const;

private:
    struct Entry {
        std::u16string text;
        Location where;
    };
    struct Table {
        ResourceOptions options;
        Location where;
        std::map<std::uint16_t, Entry> strings;
    };
    std::map<std::uint16_t, Table> tables_;  // by language
};

}  // namespace vksrc
