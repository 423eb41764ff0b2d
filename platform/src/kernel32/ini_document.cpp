// Parsing of INI files into sections and keys, and the lookups by name.
#include "kernel32/ini_document.h"

#include <algorithm>
#include <bit>
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

// Where the line starting at `pos` ends: its first CR or LF, or the end of the text. Eight
// bytes a step: a byte equal to CR or LF leaves a zero in the word XORed with that byte, and
// the lowest zero byte is found exactly.
std::size_t lineEndFrom(std::string_view text, std::size_t pos)
{
    static_assert(std::endian::native == std::endian::little, "the lowest byte comes first");
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    const char *data = text.data();
    const std::size_t size = text.size();
    for (; pos + 8 <= size; pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + pos, sizeof word);
        const std::uint64_t cr = word ^ (kOnes * '\r');
        const std::uint64_t lf = word ^ (kOnes * '\n');
        const std::uint64_t zeros = (((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighs;
        if (zeros)
            return pos + static_cast<std::size_t>(std::countr_zero(zeros) / 8);
    }
    while (pos < size && data[pos] != '\r' && data[pos] != '\n')
        ++pos;
    return pos;
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

// parseLine for the bulk of a file: key lines, the most of them, without a second look.
LineParse classifyLine(std::string_view line)
{
    std::size_t first = 0;
    while (first < line.size() && isIniBlank(line[first]))
        ++first;
    if (first == line.size() || line[first] == '[')
        return parseLine(line);
    const void *equals = std::memchr(line.data(), '=', line.size());
    if (!equals)
        return {};
    const auto at = static_cast<std::size_t>(static_cast<const char *>(equals) - line.data());
    // A NUL before the '=' ends the text the line is read by: no key.
    if (std::memchr(line.data(), '\0', at))
        return {};
    return {LineParse::Kind::Key, trimIniBlanks(line.substr(0, at)), at};
}

// About how many lines `text` holds, to size the index before parsing.
std::size_t estimatedLines(std::string_view text)
{
    std::size_t lines = 0;
    for (char ending : {'\n', '\r'}) {
        for (const char *p = text.data(), *end = p + text.size();
             (p = static_cast<const char *>(std::memchr(p, ending, end - p))); ++p)
            ++lines;
        if (lines > 0)
            break;
    }
    return lines + 1;
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
    const std::string_view text(bytes_);
    start_ = text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    // The line ending of the first line that has one.
    const std::size_t end = lineEndFrom(text, start_);
    if (end < text.size())
        lineEnding_ = text.compare(end, 2, "\r\n") == 0 ? 0 : text[end];
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

const IniDocument::Index &IniDocument::index() const
{
    std::call_once(indexed_, [this] {
        buildIndex(index_);
        indexReady_.store(true, std::memory_order_release);
    });
    return index_;
}

void IniDocument::buildIndex(Index &index) const
{
    const std::string_view text(bytes_);
    const std::size_t lines = estimatedLines(text);
    index.keyNames = IniIndex(lines);
    index.sectionNames = IniIndex(lines / 8 + 8);
    std::vector<SectionSpan> &sections = index.sections;
    forEachLine(text, start_, text.size(), [&](std::size_t begin, std::size_t end, std::size_t) {
        LineParse parsed = classifyLine(text.substr(begin, end - begin));
        const auto offset = static_cast<std::uint32_t>(begin);
        if (parsed.kind == LineParse::Kind::Section) {
            if (!sections.empty())
                sections.back().bodyEnd = offset;
            if (index.sectionNames.full())
                index.sectionNames.resize(sections.size() * 2, [&](std::size_t ordinal) {
                    return iniNameHash(sectionNameAt(sections[ordinal].headerBegin));
                });
            index.sectionNames.insert(iniNameHash(parsed.name),
                                      static_cast<std::uint32_t>(sections.size()));
            sections.push_back({offset, static_cast<std::uint32_t>(text.size())});
        } else if (parsed.kind == LineParse::Kind::Key && !sections.empty()) {
            if (index.keyNames.full())
                index.keyNames.resize(lines * 2, [&](std::size_t at) {
                    return keyHashAt(index, at);
                });
            index.keyNames.insert(keyHash(sections.size() - 1, parsed.name), offset);
        }
    });
    // The line count overstates the keys of a file with many sections, blank lines or comments;
    // a large index is made again at its size rather than hold the room.
    constexpr std::size_t kLargeIndexBytes = 1 << 20;
    if (index.keyNames.oversized() && index.keyNames.bytes() >= kLargeIndexBytes)
        index.keyNames.resize(0, [&](std::size_t at) { return keyHashAt(index, at); });
    if (sections.capacity() > sections.size() + sections.size() / 4)
        sections.shrink_to_fit();
}

std::uint64_t IniDocument::keyHashAt(const Index &index, std::size_t offset) const
{
    // Its section: the last one whose header comes before it.
    std::size_t low = 0, high = index.sections.size();
    while (high - low > 1) {
        std::size_t middle = (low + high) / 2;
        (index.sections[middle].headerBegin <= offset ? low : high) = middle;
    }
    return keyHash(low, parseLine(lineAt(bytes_, offset)).name);
}

std::string_view IniDocument::sectionNameAt(std::size_t headerBegin) const
{
    return parseLine(lineAt(bytes_, headerBegin)).name;
}

IniSection IniDocument::sectionAt(std::size_t ordinal, std::size_t headerBegin,
                                  std::size_t bodyEnd) const
{
    IniSection section;
    section.index = ordinal;
    section.headerBegin = headerBegin;
    section.headerEnd = lineEndFrom(bytes_, headerBegin);
    section.bodyBegin = nextLineFrom(bytes_, section.headerEnd);
    section.bodyEnd = bodyEnd;
    section.name =
        parseLine(std::string_view(bytes_).substr(headerBegin, section.headerEnd - headerBegin))
            .name;
    return section;
}

IniSection IniDocument::section(std::size_t ordinal) const
{
    const SectionSpan &span = index().sections[ordinal];
    return sectionAt(ordinal, span.headerBegin, span.bodyEnd);
}

std::optional<IniSection> IniDocument::findSection(std::string_view name) const
{
    name = trimIniBlanks(name);
    std::optional<IniSection> found;
    index().sectionNames.find(iniNameHash(name), [&](std::size_t ordinal) {
        IniSection candidate = section(ordinal);
        if (!iniNamesEqual(candidate.name, name))
            return false;
        found = candidate;
        return true;
    });
    return found;
}

std::optional<IniKey> IniDocument::findKey(const IniSection &section, std::string_view name) const
{
    name = trimIniBlanks(name);
    std::optional<IniKey> found;
    index().keyNames.find(keyHash(section.index, name), [&](std::size_t offset) {
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

template <class Visit>
void IniDocument::forEachSection(Visit visit) const
{
    // Headers are found from one '[' to the next: a '[' with nothing but blanks before it on its
    // line may start one. Each section is known once the next header (or the end) shows where
    // it stops.
    const std::string_view text(bytes_);
    std::size_t ordinal = 0;
    std::optional<std::size_t> header;
    for (std::size_t pos = start_; pos < text.size();) {
        const void *bracket = std::memchr(text.data() + pos, '[', text.size() - pos);
        if (!bracket)
            break;
        const auto at = static_cast<std::size_t>(static_cast<const char *>(bracket) - text.data());
        pos = at + 1;
        std::size_t begin = at;
        while (begin > start_ && text[begin - 1] != '\r' && text[begin - 1] != '\n' &&
               isIniBlank(text[begin - 1]))
            --begin;
        if (begin > start_ && text[begin - 1] != '\r' && text[begin - 1] != '\n')
            continue;  // something else comes first on the line
        const std::size_t end = lineEndFrom(text, at);
        if (parseLine(text.substr(begin, end - begin)).kind != LineParse::Kind::Section)
            continue;
        if (header && !visit(sectionAt(ordinal++, *header, begin)))
            return;
        header = begin;
        pos = end;
    }
    if (header)
        visit(sectionAt(ordinal, *header, text.size()));
}

std::optional<IniSection> IniDocument::scanForSection(std::string_view name) const
{
    name = trimIniBlanks(name);
    std::optional<IniSection> found;
    forEachSection([&](const IniSection &section) {
        if (iniNamesEqual(section.name, name))
            found = section;
        return !found;
    });
    return found;
}

std::vector<IniSection> IniDocument::sectionsNamed(std::string_view name) const
{
    name = trimIniBlanks(name);
    std::vector<IniSection> found;
    forEachSection([&](const IniSection &section) {
        if (iniNamesEqual(section.name, name))
            found.push_back(section);
        return true;
    });
    return found;
}

std::optional<IniKey> IniDocument::scanForKey(const IniSection &section,
                                              std::string_view name) const
{
    name = trimIniBlanks(name);
    std::optional<IniKey> found;
    for (std::size_t pos = section.bodyBegin; !found && pos < section.bodyEnd;) {
        std::size_t end = lineEndFrom(bytes_, pos);
        LineParse parsed = classifyLine(std::string_view(bytes_).substr(pos, end - pos));
        if (parsed.kind == LineParse::Kind::Key && iniNamesEqual(parsed.name, name))
            found = keyAt(pos);
        pos = nextLineFrom(bytes_, end);
    }
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
        LineParse parsed = classifyLine(std::string_view(bytes_).substr(pos, end - pos));
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
                    LineParse parsed =
                        parseLine(std::string_view(bytes_).substr(begin, end - begin));
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
    for (const SectionSpan &span : index().sections) {
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
    std::size_t bytes = bytes_.capacity() + file_.capacity() + keptListBytes_;
    // The index counts once it is made; asking must not make it.
    if (indexReady_.load(std::memory_order_acquire))
        bytes += index_.sections.capacity() * sizeof(SectionSpan) + index_.sectionNames.bytes() +
                 index_.keyNames.bytes();
    return bytes;
}

}  // namespace vks::detail
