#include "string_table.h"

#include "byte_writer.h"

namespace vksrc {

void StringTables::read(ScriptReader &in, ResourceOptions options)
{
    const Location where = in.peek().where;
    in.skipMemoryOptions();
    while (takeResourceOption(in, options)) {
    }
    in.expectBegin("a STRINGTABLE");
    Table &table = tables_[options.language];
    if (table.strings.empty()) {
        table.options = options;
        table.where = where;
    }
    while (!in.takeBlockEnd()) {
        if (in.atEnd())
            throw ScriptError(where, "the STRINGTABLE's BEGIN has no END");
        const Location entryWhere = in.peek().where;
        const std::uint32_t id = in.number("a string's identifier");
        if (id > 0xFFFF)
            throw ScriptError(entryWhere, "a string's identifier is beyond 16 bits");
        in.takeMark(",");
        std::u16string text = in.text("the string");
        if (text.size() > 0xFFFF)
            throw ScriptError(entryWhere, "a string holds at most 65535 characters");
        auto [entry, added] = table.strings.emplace(static_cast<std::uint16_t>(id),
                                                     Entry{std::move(text), entryWhere});
        if (!added)
            throw ScriptError(entryWhere, "string " + std::to_string(id) + " is defined twice (first at " +
                                              entry->second.where.fileName() + ":" +
                                              std::to_string(entry->second.where.line) + ")");
    }
}

std::vector<Resource> StringTables::blocks() const
{
    std::vector<Resource> out;
    for (const auto &[language, table] : tables_) {
        for (auto it = table.strings.begin(); it != table.strings.end();) {
            const unsigned block = it->first / 16u;
            ByteWriter bytes;
            for (unsigned index = 0; index < 16; ++index) {
                auto found = table.strings.find(static_cast<std::uint16_t>(block * 16 + index));
                const std::u16string empty;
                const std::u16string &text = found == table.strings.end() ? empty : found->second.text;
                bytes.word(static_cast<std::uint16_t>(text.size()));
                for (char16_t unit : text)
                    bytes.word(unit);
            }
            Resource resource;
            resource.type = ResourceId::of(type::kString);
            resource.name = ResourceId::of(static_cast<std::uint16_t>(block + 1));
            table.options.applyTo(resource);
            resource.where = it->second.where;
            resource.data = bytes.take();
            out.push_back(std::move(resource));
            while (it != table.strings.end() && it->first / 16u == block)
                ++it;
        }
    }
    return out;
}

}  // namespace vksrc
