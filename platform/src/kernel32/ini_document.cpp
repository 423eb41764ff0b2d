// Parsing of INI files into lines and sections.
#include "kernel32/ini_document.h"

#include <utility>

#include "kernel32/ini_text.h"

namespace vks::detail {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The line's text for parsing: up to its first NUL byte.
std::string_view parsedText(std::string_view line)
{
    size_t nul = line.find('\0');
    return nul == std::string_view::npos ? line : line.substr(0, nul);
}

// Where the line starting at `pos` ends: its first CR or LF, or the end of the text.
size_t lineEndFrom(const std::string &text, size_t pos)
{
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n')
        ++pos;
    return pos;
}

}  // namespace

IniDocument::IniDocument(std::string fileBytes) : encoding_(detectIniEncoding(fileBytes))
{
    if (encoding_ == IniEncoding::Ansi) {
        bytes_ = std::move(fileBytes);
    } else {
        file_ = std::move(fileBytes);
        bytes_ = decodeUtf16(file_, encoding_, fileOffsets_);
    }
    parse();
}

size_t IniDocument::fileOffset(size_t textOffset) const
{
    return encoding_ == IniEncoding::Ansi ? textOffset : fileOffsets_[textOffset];
}

std::string IniDocument::encoded(std::string_view text) const
{
    return encoding_ == IniEncoding::Ansi ? std::string(text) : encodeUtf16(text, encoding_);
}

void IniDocument::parse()
{
    size_t pos = bytes_.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0 ? kUtf8Bom.size() : 0;
    while (pos < bytes_.size()) {
        size_t end = lineEndFrom(bytes_, pos);
        size_t next = end;
        if (end < bytes_.size())
            next += bytes_.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines_.push_back(parseLine(pos, end, next));
        pos = next;
    }

    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == IniLine::Kind::Section) {
            if (!sections_.empty())
                sections_.back().end = i;
            sections_.push_back({i, lines_.size(), {}});
        } else if (lines_[i].kind == IniLine::Kind::Key && !sections_.empty()) {
            sections_.back().keys.push_back(i);
        }
    }
}

IniLine IniDocument::parseLine(size_t begin, size_t end, size_t next) const
{
    IniLine line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    std::string_view text = parsedText(std::string_view(bytes_).substr(begin, end - begin));
    std::string_view content = trimIniBlanks(text);
    if (content.empty())
        return line;
    if (content.front() == '[') {
        size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            line.name = trimIniBlanks(content.substr(1, close - 1));
            return line;
        }
    }
    size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return line;
    std::string_view name = trimIniBlanks(text.substr(0, equals));
    std::string_view rawValue = text.substr(equals + 1);
    line.kind = IniLine::Kind::Key;
    line.name = name;
    line.comment = !name.empty() && name.front() == ';';
    line.value = unquoteIniValue(rawValue);
    size_t blanks = 0;
    while (blanks < rawValue.size() && isIniBlank(rawValue[blanks]))
        ++blanks;
    // Blanks between '=' and the value stay when the key is rewritten, unless they end the line.
    line.valueBegin = begin + equals + 1 + (blanks < rawValue.size() ? blanks : 0);
    return line;
}

const IniSection *IniDocument::findSection(std::string_view name) const
{
    name = trimIniBlanks(name);
    for (const IniSection &section : sections_)
        if (iniNamesEqual(lines_[section.header].name, name))
            return &section;
    return nullptr;
}

const IniLine *IniDocument::findKey(const IniSection &section, std::string_view name) const
{
    name = trimIniBlanks(name);
    for (size_t index : section.keys)
        if (iniNamesEqual(lines_[index].name, name))
            return &lines_[index];
    return nullptr;
}

std::string_view IniDocument::sectionName(const IniSection &section) const
{
    return lines_[section.header].name;
}

std::string_view IniDocument::lineEnding() const
{
    for (const IniLine &line : lines_)
        if (line.next > line.end)
            return line.next - line.end == 2 ? "\r\n" : bytes_[line.end] == '\r' ? "\r" : "\n";
    return "\r\n";
}

}  // namespace vks::detail
