// Internal: the registry's keys and values in memory, and the text they are kept in on disk.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "windows.h"

namespace vks::detail {

// A name folded for comparison: ASCII letters in upper case, double-byte characters untouched.
std::string foldedName(std::string_view name);

struct RegistryValue {
    std::string name;  // as first set
    DWORD type = REG_NONE;
    std::string data;  // the bytes as set
    std::string line;  // its line in the file, without the line end
};

// A key with its subkeys and values. Values keep the order they were first set in, which is
// the order of the file; an index by folded name finds each without a walk through the others.
class RegistryKey {
public:
    std::string name;  // as created
    std::map<std::string, RegistryKey> subkeys;  // by folded name

    RegistryKey *subkey(std::string_view name);
    const RegistryKey *subkey(std::string_view name) const;
    const std::vector<RegistryValue> &values() const { return values_; }
    const RegistryValue *value(std::string_view name) const;
    // Sets or replaces a value, keeping its place and the case of its first name. False when
    // the value already held that type and data. `line` is the value's line as read from the
    // file, kept for a new value so that writing the file again need not spell it anew.
    bool setValue(std::string_view name, DWORD type, std::string data, std::string_view line = {});
    bool removeValue(std::string_view name);
    // Makes room for `more` values to come, as a parser that has counted them ahead knows.
    void reserveValues(size_t more);

private:
    std::vector<RegistryValue> values_;
    std::unordered_map<std::string, size_t> valueIndex_;  // folded name to place in values_
};

// The key names of a path below a root, or false for a path Windows rejects (an empty
// component, a leading backslash). A trailing backslash is allowed.
bool splitKeyPath(std::string_view path, std::vector<std::string> &names);

// The whole registry: one tree per predefined root, by the root's name ("HKEY_LOCAL_MACHINE").
class RegistryTree {
public:
    RegistryKey &root(const std::string &rootName);
    const RegistryKey *find(const std::string &rootName,
                            const std::vector<std::string> &path) const;
    RegistryKey *find(const std::string &rootName, const std::vector<std::string> &path);
    // The key at `path`, created with its missing parents; `path` is replaced by the stored
    // names so that handles keep the case the keys were created with. `created` tells whether
    // any key was missing.
    RegistryKey &create(const std::string &rootName, std::vector<std::string> &path,
                        bool &created);
    // Removes the leaf of `path` (which must exist).
    void remove(const std::string &rootName, const std::vector<std::string> &path);

    // The text form: "[ROOT\\key\\sub]" lines, each followed by its values as
    // "name"=type:data lines (see registry_tree.cpp). Lines that do not parse are skipped.
    static RegistryTree parse(std::string_view text);
    // `sizeHint`: about how long the text will be (the file's size before a change).
    std::string text(size_t sizeHint = 0) const;

private:
    // What a predefined key that holds nothing yet reads as.
    static const RegistryKey &emptyRoot();

    std::map<std::string, RegistryKey> roots_;
};

}  // namespace vks::detail
