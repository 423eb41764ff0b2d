// Internal: an INI file parsed into sections and keys, over its raw bytes.
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
//
// The document keeps one copy of the text and, besides it, only an index of where sections and
// keys begin, found by their names without regard to case: 6 to 12 bytes per key line and 14 to
// 20 per section. Everything else is read from the text when asked for. The index is made at the
// first lookup that needs it; an edit finds its lines by reading the text, since it copies the
// text anyway, so a file written again and again is never indexed in between.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kernel32/ini_encoding.h"
#include "kernel32/ini_index.h"

namespace vks::detail {

// The largest text a document holds; larger files are refused before they are read.
constexpr std::size_t kMaxIniTextBytes = IniIndex::kMaxOffset;

// A key line as read.
struct IniKey {
    std::string_view name;      // blanks removed
    std::string_view rawValue;  // the value with the blanks around it removed, quotes kept
    std::string_view value;     // as read: blanks and one pair of quotes removed
    std::size_t begin = 0;      // first byte of the line
    std::size_t end = 0;        // one past the last byte before the line ending
    std::size_t next = 0;       // first byte of the next line
    std::size_t valueBegin = 0; // where the written value starts (after '=' and its blanks)
    bool comment = false;       // its name starts with ';', so it is never listed
};

// A section: its header line and the lines up to the next header.
struct IniSection {
    std::size_t index = 0;        // its place among the file's sections
    std::string_view name;        // blanks removed
    std::size_t headerBegin = 0;  // first byte of the header line
    std::size_t headerEnd = 0;    // one past the header's last byte before its line ending
    std::size_t bodyBegin = 0;    // first byte of the line after the header
    std::size_t bodyEnd = 0;      // one past its last line: the next header, or the text's end
};

class IniDocument {
public:
    // Throws std::length_error when the text is larger than kMaxIniTextBytes.
    explicit IniDocument(std::string fileBytes);
    IniDocument(const IniDocument &) = delete;
    IniDocument &operator=(const IniDocument &) = delete;

    // The text that was parsed, in the ANSI code page; every offset refers to it.
    const std::string &bytes() const { return bytes_; }
    // The file's own bytes: the text itself, unless the file is UTF-16.
    const std::string &fileBytes() const { return encoding_ == IniEncoding::Ansi ? bytes_ : file_; }
    IniEncoding encoding() const { return encoding_; }
    // The file offsets of ascending text offsets (the text's size: the file's end).
    std::vector<std::size_t> fileOffsets(const std::vector<std::size_t> &textOffsets) const;
    // ANSI text in the file's own encoding.
    std::string encoded(std::string_view text) const;

    std::size_t sectionCount() const { return index().sections.size(); }
    IniSection section(std::size_t index) const;
    // The first section named `name` (case-insensitive, blanks around it ignored).
    std::optional<IniSection> findSection(std::string_view name) const;
    // The first key line named `name` in `section`.
    std::optional<IniKey> findKey(const IniSection &section, std::string_view name) const;

    // The same found by reading the text from the top instead of through the index, and every
    // section of a name: for edits.
    std::optional<IniSection> scanForSection(std::string_view name) const;
    std::optional<IniKey> scanForKey(const IniSection &section, std::string_view name) const;
    std::vector<IniSection> sectionsNamed(std::string_view name) const;
    // Every key line of `section`, comments included, in file order.
    std::vector<IniKey> keys(const IniSection &section) const;
    // Whether `section` holds a key that is no comment (an empty name counts).
    bool hasKeys(const IniSection &section) const;

    // The names a key list shows, each followed by a NUL: keys of the section in file order,
    // without comments and empty names (which would end the list early). Kept for the next call
    // while the kept lists take little room beside the text; otherwise made in `scratch`.
    std::string_view keyList(const IniSection &section, std::string &scratch) const;
    // The section names, each followed by a NUL, in file order; kept as the key lists are.
    std::string_view sectionList(std::string &scratch) const;

    // The file's own line ending: that of its first line, CRLF when it has none.
    std::string_view lineEnding() const;

    // The memory the document holds: text, index (once made) and kept lists.
    std::size_t heapBytes() const;

private:
    struct SectionSpan {
        std::uint32_t headerBegin;
        std::uint32_t bodyEnd;
    };
    struct Index {
        std::vector<SectionSpan> sections;
        IniIndex sectionNames;  // section ordinals
        IniIndex keyNames;      // key line offsets
    };

    const Index &index() const;
    void buildIndex(Index &index) const;
    template <class Visit>
    void forEachSection(Visit visit) const;
    IniSection sectionAt(std::size_t ordinal, std::size_t headerBegin, std::size_t bodyEnd) const;
    std::optional<IniKey> keyAt(std::size_t begin) const;
    std::string_view sectionNameAt(std::size_t headerBegin) const;
    static std::uint64_t keyHash(std::size_t sectionIndex, std::string_view name);
    std::uint64_t keyHashAt(const Index &index, std::size_t offset) const;
    bool mayKeep(std::size_t bytes) const;

    IniEncoding encoding_ = IniEncoding::Ansi;
    std::string file_;  // a UTF-16 file's bytes
    std::string bytes_;
    std::size_t start_ = 0;  // after a UTF-8 byte order mark
    char lineEnding_ = 0;    // 0: CRLF, else the lone '\r' or '\n' of the first line

    mutable std::once_flag indexed_;
    mutable std::atomic<bool> indexReady_{false};
    mutable Index index_;

    // Lists made for a caller, kept while they take little room beside the text.
    mutable std::mutex listsMutex_;
    mutable std::unordered_map<std::size_t, std::string> keyLists_;
    mutable std::string sectionList_;
    mutable bool sectionListKept_ = false;
    mutable std::size_t keptListBytes_ = 0;
};

}  // namespace vks::detail
