// Line edits of INI files.
#include "kernel32/ini_edit.h"

#include <algorithm>
#include <vector>

#include "kernel32/ini_text.h"

namespace vks::detail {

namespace {

// Bytes [begin, end) of the file replaced by `text`.
struct Splice {
    size_t begin;
    size_t end;
    std::string text;
};

// The file's new bytes. Splices are given in the parsed text and made to the file's own bytes,
// so that a UTF-16 file keeps every character of the lines an edit does not touch.
std::string applySplices(const IniDocument &doc, std::vector<Splice> splices)
{
    std::stable_sort(splices.begin(), splices.end(),
                     [](const Splice &a, const Splice &b) { return a.begin < b.begin; });
    std::vector<size_t> textOffsets;
    for (const Splice &splice : splices) {
        textOffsets.push_back(splice.begin);
        textOffsets.push_back(splice.end);
    }
    std::vector<size_t> fileOffsets = doc.fileOffsets(textOffsets);
    const std::string &bytes = doc.fileBytes();
    std::string out;
    out.reserve(bytes.size() + 64);
    size_t pos = 0;
    for (size_t i = 0; i < splices.size(); ++i) {
        size_t begin = fileOffsets[2 * i];
        out.append(bytes, pos, begin - pos);
        out += doc.encoded(splices[i].text);
        pos = fileOffsets[2 * i + 1];
    }
    out.append(bytes, pos, std::string::npos);
    return out;
}

// Where a new key of `section` goes: after its last key that is no comment, else after its
// header. A line without an ending (the file's last) gets one first.
Splice insertKeyLine(const IniDocument &doc, const IniSection &section, std::string text)
{
    size_t end = section.headerEnd;
    size_t next = section.bodyBegin;
    std::vector<IniKey> keys = doc.keys(section);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        if (!it->comment) {
            end = it->end;
            next = it->next;
            break;
        }
    if (next == end)
        text.insert(0, doc.lineEnding());
    return {next, next, std::move(text)};
}

std::string keyLine(const IniDocument &doc, std::string_view key, std::string_view value)
{
    std::string text(trimIniBlanks(key));
    text += '=';
    text += value;
    text += doc.lineEnding();
    return text;
}

Splice appendSection(const IniDocument &doc, std::string_view section, std::string_view key,
                     std::string_view value)
{
    const std::string &bytes = doc.bytes();
    std::string text;
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
        text += doc.lineEnding();
    text += '[';
    text += trimIniBlanks(section);
    text += ']';
    text += doc.lineEnding();
    text += keyLine(doc, key, value);
    return {bytes.size(), bytes.size(), std::move(text)};
}

}  // namespace

std::optional<std::string> setIniValue(const IniDocument &doc, std::string_view section,
                                       std::string_view key, std::string_view value)
{
    std::optional<IniSection> found = doc.scanForSection(section);
    if (!found)
        return applySplices(doc, {appendSection(doc, section, key, value)});
    if (std::optional<IniKey> line = doc.scanForKey(*found, key)) {
        std::string_view written(doc.bytes().data() + line->valueBegin,
                                 line->end - line->valueBegin);
        if (written == value)
            return std::nullopt;
        return applySplices(doc, {{line->valueBegin, line->end, std::string(value)}});
    }
    return applySplices(doc, {insertKeyLine(doc, *found, keyLine(doc, key, value))});
}

std::optional<std::string> removeIniKey(const IniDocument &doc, std::string_view section,
                                        std::string_view key)
{
    std::optional<IniSection> found = doc.scanForSection(section);
    if (!found)
        return std::nullopt;
    std::vector<Splice> splices;
    for (const IniKey &line : doc.keys(*found))
        if (iniNamesEqual(line.name, trimIniBlanks(key)))
            splices.push_back({line.begin, line.next, {}});
    if (splices.empty())
        return std::nullopt;
    return applySplices(doc, std::move(splices));
}

std::optional<std::string> removeIniSection(const IniDocument &doc, std::string_view section)
{
    std::vector<Splice> splices;
    for (const IniSection &named : doc.sectionsNamed(section))
        splices.push_back({named.headerBegin, named.bodyEnd, {}});
    if (splices.empty())
        return std::nullopt;
    return applySplices(doc, std::move(splices));
}

}  // namespace vks::detail
