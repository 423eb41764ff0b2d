// Internal: an INI file parsed into lines, sections and keys, over its raw bytes.
//
// Parsing rules:
// - Lines end at LF; a CR before the LF belongs to the line ending. A UTF-8 byte order mark at
//   the start of the file is skipped.
// - For parsing, a line's text ends at its first NUL byte; the bytes after it are kept in
//   `bytes()` but never match a name or form part of a value.
// - "[name]" (blanks allowed around the line and the name) starts a section; the name runs to
//   the line's last ']'. A line starting with '[' but without ']' is an ordinary line.
// - A line whose first non-blank character is ';' is a comment. Any other line holding '=' with
//   a non-empty name before it is a key; every other line is kept but is no key.
// - Lines before the first section header belong to no section and are never read.
// - Duplicate sections and keys stay in the document; lookups return the first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vks::detail {

struct IniLine {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    size_t begin = 0;      // first byte of the line
    size_t end = 0;        // one past the last byte before the line ending
    size_t next = 0;       // first byte of the next line
    std::string_view name;   // section or key name, blanks removed
    std::string_view value;  // key value as read: blanks and one pair of quotes removed
    size_t valueBegin = 0;   // key: where the written value starts (after '=' and its blanks)
};

struct IniSection {
    size_t header = 0;          // index of the header line
    size_t end = 0;             // index one past the section's last line
    std::vector<size_t> keys;   // indexes of its key lines, in file order
};

class IniDocument {
public:
    explicit IniDocument(std::string bytes);
    IniDocument(const IniDocument &) = delete;
    IniDocument &operator=(const IniDocument &) = delete;

    const std::string &bytes() const { return bytes_; }
    const std::vector<IniLine> &lines() const { return lines_; }
    const std::vector<IniSection> &sections() const { return sections_; }

    // The first section named `name` (case-insensitive, blanks around it ignored), or null.
    const IniSection *findSection(std::string_view name) const;
    // The first key line named `name` in `section`, or null.
    const IniLine *findKey(const IniSection &section, std::string_view name) const;
    std::string_view sectionName(const IniSection &section) const;

    // The file's own line ending: that of its first line, CRLF when it has none.
    std::string_view lineEnding() const;

private:
    void parse();
    IniLine parseLine(size_t begin, size_t end, size_t next) const;

    std::string bytes_;
    std::vector<IniLine> lines_;
    std::vector<IniSection> sections_;
};

}  // namespace vks::detail
