// Parsing of INI files into sections and keys, and the lookups by name.
#include "kernel32/ini_document.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "kernel32/ini_text.h"

namespace vks::detail {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Lists are kept for the next call while all of them together take at most this much beside
// the text, or an eighth of the text when that is more.
constexpr std::size_t kKeptListFloor = 64 * 1024;

// The line's text for parsing: up to its first NUL byte.
std::string_view parsedText(std::string_view line)
{
    const void *nul = std::memchr(line.data(), '\0', line.size());
    return nul ? line.substr(0, static_cast<const char *>(nul) - line.data()) : line;
}

// Where the line starting at `pos` ends: its first CR or LF, or the end of the text.
std::size_t lineEndFrom(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return text.size();
    const char *begin = text.data() + pos;
    std::size_t length = text.size() - pos;
    // memchr scans many bytes a step; the CR usually ends the line, so it goes first.
    if (const void *cr = std::memchr(begin, '\r', length))
        length = static_cast<std::size_t>(static_cast<const char *>(cr) - begin);
    if (const void *lf = std::memchr(begin, '\n', length))
        length = static_cast<std::size_t>(static_cast<const char *>(lf) - begin);
    return pos + length;
}

// Where the line after the one ending at `end` starts.
std::size_t nextLineFrom(std::string_view text, std::size_t end)
{
    if (end >= text.size())
        return end;
    return text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
}

// What one line is, as the parsing rules above say.
struct LineParse {
    enum class Kind { Other, Section, Key } kind = Kind::Other;
    std::string_view name;
    std::size_t equals = 0;  // a key: the offset of its '=' within the line
};

LineParse parseLine(std::string_view line)
{
    LineParse parsed;
    std::string_view text = parsedText(line);
    std::string_view content = trimIniBlanks(text);
    if (content.empty())
        return parsed;
    if (content.front() == '[') {
        std::size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            parsed.kind = LineParse::Kind::Section;
            parsed.name = trimIniBlanks(content.substr(1, close - 1));
            return parsed;
        }
    }
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.kind = LineParse::Kind::Key;
    parsed.name = trimIniBlanks(text.substr(0, equals));
    parsed.equals = equals;
    return parsed;
}

// Calls `visit(begin, end, next)` for each line of `text` from `pos` to `stop`.
template <class Visit>
void forEachLine(std::string_view text, std::size_t pos, std::size_t stop, Visit visit)
{
    while (pos < stop) {
        std::size_t end = lineEndFrom(text, pos);
        std::size_t next = nextLineFrom(text, end);
        visit(pos, end, next);
        pos = next;
    }
}

std::string_view lineAt(std::string_view text, std::size_t begin)
{
    return text.substr(begin, lineEndFrom(text, begin) - begin);
}

}  // namespace

IniDocument::IniDocument(std::string fileBytes) : encoding_(detectIniEncoding(fileBytes))
{
    if (encoding_ == IniEncoding::Ansi) {
        bytes_ = std::move(fileBytes);
    } else {
        file_ = std::move(fileBytes);
        bytes_ = decodeUtf16(file_, encoding_);
    }
    if (bytes_.size() > kMaxIniTextBytes)
        throw std::length_error("INI file too large");
    parse();
}

std::vector<std::size_t> IniDocument::fileOffsets(const std::vector<std::size_t> &textOffsets) const
{
    if (encoding_ == IniEncoding::Ansi)
        return textOffsets;
    return utf16FileOffsets(file_, encoding_, textOffsets);
}

std::string IniDocument::encoded(std::string_view text) const
{
    return encoding_ == IniEncoding::Ansi ? std::string(text) : encodeUtf16(text, encoding_);
}

std::uint64_t IniDocument::keyHash(std::size_t sectionIndex, std::string_view name)
{
    std::uint64_t hash = iniNameHash(name) ^ (sectionIndex * 0x9E3779B97F4A7C15ull);
    hash ^= hash >> 31;
    return hash * 0xbf58476d1ce4e5b9ull;
}

void IniDocument::parse()
{
    start_ = std::string_view(bytes_).substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    const std::string_view text(bytes_);

    // A first pass counts, so that the index is made once at its final size.
    std::size_t sectionCount = 0;
    std::size_t keyCount = 0;
    bool endingFound = false;
    forEachLine(text, start_, text.size(), [&](std::size_t begin, std::size_t end,
                                               std::size_t next) {
        if (!endingFound && next > end) {
            endingFound = true;
            lineEnding_ = next - end == 2 ? 0 : text[end];
        }
        LineParse parsed = parseLine(text.substr(begin, end - begin));
        if (parsed.kind == LineParse::Kind::Section)
            ++sectionCount;
        else if (parsed.kind == LineParse::Kind::Key && sectionCount > 0)
            ++keyCount;
    });

    sections_.reserve(sectionCount);
    sectionIndex_ = IniIndex(sectionCount);
    keyIndex_ = IniIndex(keyCount);
    forEachLine(text, start_, text.size(), [&](std::size_t begin, std::size_t end, std::size_t) {
        LineParse parsed = parseLine(text.substr(begin, end - begin));
        const auto offset = static_cast<std::uint32_t>(begin);
        if (parsed.kind == LineParse::Kind::Section) {
            if (!sections_.empty())
                sections_.back().bodyEnd = offset;
            sectionIndex_.insert(iniNameHash(parsed.name),
                                 static_cast<std::uint32_t>(sections_.size()));
            sections_.push_back({offset, static_cast<std::uint32_t>(text.size())});
        } else if (parsed.kind == LineParse::Kind::Key && !sections_.empty()) {
            keyIndex_.insert(keyHash(sections_.size() - 1, parsed.name), offset);
        }
    });
}

std::string_view IniDocument::sectionNameAt(std::size_t headerBegin) const
{
    return parseLine(lineAt(bytes_, headerBegin)).name;
}

IniSection IniDocument::section(std::size_t index) const
{
    const SectionSpan &span = sections_[index];
    IniSection section;
    section.index = index;
    section.headerBegin = span.headerBegin;
    section.headerEnd = lineEndFrom(bytes_, span.headerBegin);
    section.bodyBegin = nextLineFrom(bytes_, section.headerEnd);
    section.bodyEnd = span.bodyEnd;
    section.name = parseLine(std::string_view(bytes_).substr(
                                 span.headerBegin, section.headerEnd - span.headerBegin))
                       .name;
    return section;
}

std::optional<IniSection> IniDocument::findSection(std::string_view name) const
{
    name = trimIniBlanks(name);
    std::optional<IniSection> found;
    sectionIndex_.find(iniNameHash(name), [&](std::size_t ordinal) {
        IniSection candidate = section(ordinal);
        if (!iniNamesEqual(candidate.name, name))
            return false;
        found = candidate;
        return true;
    });
    return found;
}

std::vector<IniSection> IniDocument::sectionsNamed(std::string_view name) const
{
    name = trimIniBlanks(name);
    std::vector<IniSection> found;
    sectionIndex_.forEachCandidate(iniNameHash(name), [&](std::size_t ordinal) {
        if (iniNamesEqual(sectionNameAt(sections_[ordinal].headerBegin), name))
            found.push_back(section(ordinal));
    });
    return found;
}

std::optional<IniKey> IniDocument::keyAt(std::size_t begin) const
{
    const std::string_view text(bytes_);
    std::size_t end = lineEndFrom(text, begin);
    std::string_view line = text.substr(begin, end - begin);
    LineParse parsed = parseLine(line);
    if (parsed.kind != LineParse::Kind::Key)
        return std::nullopt;
    IniKey key;
    key.name = parsed.name;
    key.begin = begin;
    key.end = end;
    key.next = nextLineFrom(text, end);
    key.comment = !parsed.name.empty() && parsed.name.front() == ';';
    std::string_view rawValue = parsedText(line).substr(parsed.equals + 1);
    key.rawValue = trimIniBlanks(rawValue);
    key.value = unquoteIniValue(rawValue);
    std::size_t blanks = 0;
    while (blanks < rawValue.size() && isIniBlank(rawValue[blanks]))
        ++blanks;
    // Blanks between '=' and the value stay when the key is rewritten, unless they end the line.
    key.valueBegin = begin + parsed.equals + 1 + (blanks < rawValue.size() ? blanks : 0);
    return key;
}

std::optional<IniKey> IniDocument::findKey(const IniSection &section, std::string_view name) const
{
    name = trimIniBlanks(name);
    std::optional<IniKey> found;
    keyIndex_.find(keyHash(section.index, name), [&](std::size_t offset) {
        if (offset <= section.headerBegin || offset >= section.bodyEnd)
            return false;
        std::optional<IniKey> candidate = keyAt(offset);
        if (!candidate || !iniNamesEqual(candidate->name, name))
            return false;
        found = candidate;
        return true;
    });
    return found;
}

std::vector<IniKey> IniDocument::keys(const IniSection &section) const
{
    std::vector<IniKey> keys;
    forEachLine(bytes_, section.bodyBegin, section.bodyEnd,
                [&](std::size_t begin, std::size_t, std::size_t) {
                    if (std::optional<IniKey> key = keyAt(begin))
                        keys.push_back(*key);
                });
    return keys;
}

bool IniDocument::hasKeys(const IniSection &section) const
{
    bool found = false;
    std::size_t pos = section.bodyBegin;
    while (!found && pos < section.bodyEnd) {
        std::size_t end = lineEndFrom(bytes_, pos);
        LineParse parsed = parseLine(std::string_view(bytes_).substr(pos, end - pos));
        found = parsed.kind == LineParse::Kind::Key &&
                (parsed.name.empty() || parsed.name.front() != ';');
        pos = nextLineFrom(bytes_, end);
    }
    return found;
}

bool IniDocument::mayKeep(std::size_t bytes) const
{
    // The caller holds listsMutex_. A list that would take too much room is made again at the
    // next call instead.
    const std::size_t budget = std::max(kKeptListFloor, bytes_.size() / 8);
    if (keptListBytes_ + bytes > budget)
        return false;
    keptListBytes_ += bytes;
    return true;
}

std::string_view IniDocument::keyList(const IniSection &section, std::string &scratch) const
{
    std::lock_guard<std::mutex> guard(listsMutex_);
    auto kept = keyLists_.find(section.index);
    if (kept != keyLists_.end())
        return kept->second;
    std::string list;
    forEachLine(bytes_, section.bodyBegin, section.bodyEnd,
                [&](std::size_t begin, std::size_t end, std::size_t) {
                    LineParse parsed = parseLine(std::string_view(bytes_).substr(begin, end - begin));
                    if (parsed.kind == LineParse::Kind::Key && !parsed.name.empty() &&
                        parsed.name.front() != ';') {
                        list += parsed.name;
                        list += '\0';
                    }
                });
    // A kept list also costs its entry in the map.
    if (!mayKeep(list.size() + 64)) {
        scratch = std::move(list);
        return scratch;
    }
    return keyLists_.emplace(section.index, std::move(list)).first->second;
}

std::string_view IniDocument::sectionList(std::string &scratch) const
{
    std::lock_guard<std::mutex> guard(listsMutex_);
    if (sectionListKept_)
        return sectionList_;
    std::string list;
    for (const SectionSpan &span : sections_) {
        list += sectionNameAt(span.headerBegin);
        list += '\0';
    }
    if (!mayKeep(list.size())) {
        scratch = std::move(list);
        return scratch;
    }
    sectionList_ = std::move(list);
    sectionListKept_ = true;
    return sectionList_;
}

std::string_view IniDocument::lineEnding() const
{
    switch (lineEnding_) {
    case '\r':
        return "\r";
    case '\n':
        return "\n";
    default:
        return "\r\n";
    }
}

std::size_t IniDocument::heapBytes() const
{
    std::lock_guard<std::mutex> guard(listsMutex_);
    return bytes_.capacity() + file_.capacity() + sections_.capacity() * sizeof(SectionSpan) +
           sectionIndex_.bytes() + keyIndex_.bytes() + keptListBytes_;
}

}  // namespace vks::detail
