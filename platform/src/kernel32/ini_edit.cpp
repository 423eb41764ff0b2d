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
    const std::string &bytes = doc.fileBytes();
    std::string out;
    out.reserve(bytes.size() + 64);
    size_t pos = 0;
    for (const Splice &splice : splices) {
        size_t begin = doc.fileOffset(splice.begin);
        out.append(bytes, pos, begin - pos);
        out += doc.encoded(splice.text);
        pos = doc.fileOffset(splice.end);
    }
    out.append(bytes, pos, std::string::npos);
    return out;
}

// The line after which a new key of `section` goes: its last key that is no comment, else its
// header.
size_t lastKeyLine(const IniDocument &doc, const IniSection &section)
{
    for (auto it = section.keys.rbegin(); it != section.keys.rend(); ++it)
        if (!doc.lines()[*it].comment)
            return *it;
    return section.header;
}

// Text inserted after `line`: a line without an ending (the file's last) gets one first.
Splice insertAfter(const IniDocument &doc, const IniLine &line, std::string text)
{
    if (line.next == line.end)
        text.insert(0, doc.lineEnding());
    return {line.next, line.next, std::move(text)};
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

Splice rewriteValue(const IniLine &line, std::string_view value)
{
    return {line.valueBegin, line.end, std::string(value)};
}

Splice removeLines(const IniDocument &doc, size_t first, size_t last)
{
    return {doc.lines()[first].begin, doc.lines()[last].next, {}};
}

}  // namespace

std::optional<std::string> setIniValue(const IniDocument &doc, std::string_view section,
                                       std::string_view key, std::string_view value)
{
    const IniSection *found = doc.findSection(section);
    if (!found)
        return applySplices(doc, {appendSection(doc, section, key, value)});
    if (const IniLine *line = doc.findKey(*found, key)) {
        std::string_view written(doc.bytes().data() + line->valueBegin, line->end - line->valueBegin);
        if (written == value)
            return std::nullopt;
        return applySplices(doc, {rewriteValue(*line, value)});
    }
    size_t after = lastKeyLine(doc, *found);
    return applySplices(doc,
                        {insertAfter(doc, doc.lines()[after], keyLine(doc, key, value))});
}

std::optional<std::string> removeIniKey(const IniDocument &doc, std::string_view section,
                                        std::string_view key)
{
    const IniSection *found = doc.findSection(section);
    if (!found)
        return std::nullopt;
    std::vector<Splice> splices;
    for (size_t index : found->keys)
        if (iniNamesEqual(doc.lines()[index].name, trimIniBlanks(key)))
            splices.push_back(removeLines(doc, index, index));
    if (splices.empty())
        return std::nullopt;
    return applySplices(doc, std::move(splices));
}

std::optional<std::string> removeIniSection(const IniDocument &doc, std::string_view section)
{
    std::vector<Splice> splices;
    for (const IniSection &candidate : doc.sections())
        if (iniNamesEqual(doc.sectionName(candidate), trimIniBlanks(section)))
            splices.push_back(removeLines(doc, candidate.header, candidate.end - 1));
    if (splices.empty())
        return std::nullopt;
    return applySplices(doc, std::move(splices));
}

}  // namespace vks::detail
