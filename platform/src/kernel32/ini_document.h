// Internal: an INI file parsed into lines, sections and keys, over its raw bytes.
//
// Parsing rules:
// - Lines end at CR LF, LF or CR alone. A UTF-8 byte order mark at the start of the file is
//   skipped; a file with a UTF-16 mark (either byte order) is parsed as its text in the ANSI
//   code page, and edits are made to its own UTF-16 bytes.
// - For parsing, a line's text ends at its first NUL byte; the bytes after it are kept in
//   `bytes()` but never match a name or form part of a value.
// - "[name]" (blanks allowed around the line and the name) starts a section; the name runs to
//   the line's last ']'. A line starting with '[' but without ']' is an ordinary line.
// - Any line holding '=' is a key named by the text before it, which may be empty ("=value").
//   A key whose name starts with ';' is a comment: it is found when asked for by that name but
//   is never listed. A line without '=' is kept but is no key.
// - Lines before the first section header belong to no section and are never read; "[]" is a
//   section named "".
// - Duplicate sections and keys stay in the document; lookups return the first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kernel32/ini_encoding.h"

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
    bool comment = false;    // key: its name starts with ';', so it is never listed
};

struct IniSection {
    size_t header = 0;          // index of the header line
    size_t end = 0;             // index one past the section's last line
    std::vector<size_t> keys;   // indexes of its key lines, comments included, in file order
};

class IniDocument {
public:
    explicit IniDocument(std::string fileBytes);
    IniDocument(const IniDocument &) = delete;
    IniDocument &operator=(const IniDocument &) = delete;

    // The text that was parsed, in the ANSI code page; every offset of a line refers to it.
    const std::string &bytes() const { return bytes_; }
    // The file's own bytes: the text itself, unless the file is UTF-16.
    const std::string &fileBytes() const { return encoding_ == IniEncoding::Ansi ? bytes_ : file_; }
    IniEncoding encoding() const { return encoding_; }
    // The file offset of the character at `textOffset` of the text (its size: the file's end).
    size_t fileOffset(size_t textOffset) const;
    // ANSI text in the file's own encoding.
    std::string encoded(std::string_view text) const;
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

    IniEncoding encoding_ = IniEncoding::Ansi;
    std::string file_;                // a UTF-16 file's bytes
    std::vector<size_t> fileOffsets_;  // a UTF-16 file: text offset to file offset
    std::string bytes_;
    std::vector<IniLine> lines_;
    std::vector<IniSection> sections_;
};

}  // namespace vks::detail
