// The registry's tree and its text form.
//
// The file is plain text, one line per key and per value:
//   [HKEY_LOCAL_MACHINE\System\Setup]
//   "Name"=sz:"text with \\ and \" escaped, control bytes as \x0d"
//   @=dword:00000007                      (@ is the key's default value)
//   "Blob"=binary:hex:01 02 ff
// A string form stands for the text followed by one NUL; data that is not such a text is
// written in hex after its type, so every value reads back byte for byte.
#include "advapi32/registry_tree.h"

#include <cstdio>

#include "kernel32/codepage.h"

namespace vks::detail {

namespace {

struct TypeName {
    DWORD type;
    const char *name;
};

constexpr TypeName kTypeNames[] = {
    {REG_NONE, "none"},       {REG_SZ, "sz"},       {REG_EXPAND_SZ, "expand_sz"},
    {REG_BINARY, "binary"},   {REG_DWORD, "dword"}, {REG_MULTI_SZ, "multi_sz"},
};

std::string typeText(DWORD type)
{
    for (const TypeName &entry : kTypeNames)
        if (entry.type == type)
            return std::string(entry.name);
    return "type(" + std::to_string(type) + ")";
}

bool typeFromText(std::string_view text, DWORD &type)
{
    for (const TypeName &entry : kTypeNames)
        if (text == entry.name) {
            type = entry.type;
            return true;
        }
    unsigned long long number = 0;
    if (text.size() < 7 || text.substr(0, 5) != "type(" || text.back() != ')')
        return false;
    for (char c : text.substr(5, text.size() - 6)) {
        if (c < '0' || c > '9' || number > 0xFFFFFFFFull / 10)
            return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    if (number > 0xFFFFFFFFull)
        return false;
    type = static_cast<DWORD>(number);
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string hexByte(unsigned char byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02x", byte);
    return text;
}

// The bytes a quoted text writes as escapes: control bytes, the quote and the backslash.
struct EscapeTable {
    bool escaped[256] = {};
    constexpr EscapeTable()
    {
        for (int byte = 0; byte < 0x20; ++byte)
            escaped[byte] = true;
        escaped[0x7F] = escaped[static_cast<unsigned char>('"')] =
            escaped[static_cast<unsigned char>('\\')] = true;
    }
};
constexpr EscapeTable kEscapes;

bool needsEscape(char c)
{
    return kEscapes.escaped[static_cast<unsigned char>(c)];
}

// Appends `text` in quotes, runs of plain bytes at once.
void appendQuoted(std::string &out, std::string_view text)
{
    out += '"';
    for (size_t start = 0; start < text.size();) {
        size_t end = start;
        while (end < text.size() && !needsEscape(text[end]))
            ++end;
        out.append(text, start, end - start);
        if (end == text.size())
            break;
        char c = text[end];
        if (c == '\\' || c == '"')
            out += {'\\', c};
        else
            out.append("\\x").append(hexByte(static_cast<unsigned char>(c)));
        start = end + 1;
    }
    out += '"';
}

// Reads a quoted text at the start of `in` and advances past it.
bool unquote(std::string_view &in, std::string &text)
{
    if (in.empty() || in.front() != '"')
        return false;
    text.clear();
    for (size_t i = 1; i < in.size(); ++i) {
        size_t plain = in.find_first_of("\"\\", i);
        if (plain == std::string_view::npos)
            return false;
        text.append(in.substr(i, plain - i));
        i = plain;
        if (in[i] == '"') {
            in.remove_prefix(i + 1);
            return true;
        }
        if (++i >= in.size())
            return false;
        if (in[i] == 'x') {
            if (i + 2 >= in.size() || hexDigit(in[i + 1]) < 0 || hexDigit(in[i + 2]) < 0)
                return false;
            text += static_cast<char>(hexDigit(in[i + 1]) * 16 + hexDigit(in[i + 2]));
            i += 2;
        } else {
            text += in[i];
        }
    }
    return false;
}

std::string hexBytes(std::string_view data)
{
    std::string out = "hex:";
    for (size_t i = 0; i < data.size(); ++i) {
        if (i)
            out += ' ';
        out += hexByte(static_cast<unsigned char>(data[i]));
    }
    return out;
}

bool parseHexBytes(std::string_view text, std::string &data)
{
    data.clear();
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || hexDigit(text[i]) < 0 || hexDigit(text[i + 1]) < 0)
            return false;
        data += static_cast<char>(hexDigit(text[i]) * 16 + hexDigit(text[i + 1]));
        i += 2;
    }
    return true;
}

bool isPlainText(std::string_view data)
{
    return !data.empty() && data.back() == '\0' &&
           data.find('\0') == data.size() - 1;
}

void appendData(std::string &out, DWORD type, std::string_view data)
{
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && isPlainText(data)) {
        appendQuoted(out, data.substr(0, data.size() - 1));
        return;
    }
    if (type == REG_DWORD && data.size() == 4) {
        DWORD number = 0;
        for (int i = 3; i >= 0; --i)
            number = number << 8 | static_cast<unsigned char>(data[static_cast<size_t>(i)]);
        char text[9];
        std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(number));
        out += text;
        return;
    }
    out += hexBytes(data);
}

bool dataFromText(DWORD type, std::string_view text, std::string &data)
{
    if (text.substr(0, 4) == "hex:")
        return parseHexBytes(text.substr(4), data);
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && !text.empty() && text.front() == '"') {
        if (!unquote(text, data) || !text.empty())
            return false;
        data += '\0';
        return true;
    }
    if (type != REG_DWORD || text.size() != 8)
        return false;
    DWORD number = 0;
    for (char c : text) {
        if (hexDigit(c) < 0)
            return false;
        number = number << 4 | static_cast<DWORD>(hexDigit(c));
    }
    data.clear();
    for (int i = 0; i < 4; ++i)
        data += static_cast<char>((number >> (8 * i)) & 0xFF);
    return true;
}

// Key names never hold a backslash; '%' and control bytes are written as %HH.
std::string keyNameText(std::string_view name)
{
    std::string out;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += hexByte(byte);
        } else {
            out += c;
        }
    }
    return out;
}

std::string keyNameFromText(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string valueLine(const std::string &name, DWORD type, std::string_view data)
{
    std::string line;
    if (name.empty())
        line += '@';
    else
        appendQuoted(line, name);
    line.append("=").append(typeText(type)).append(":");
    appendData(line, type, data);
    return line;
}

void writeKey(const RegistryKey &key, const std::string &path, std::string &out)
{
    // A key that holds only subkeys is implied by their lines.
    if (!key.values().empty() || key.subkeys.empty())
        out.append("[").append(path).append("]\r\n");
    for (const RegistryValue &value : key.values())
        out.append(value.line).append("\r\n");
    for (const auto &[folded, subkey] : key.subkeys)
        writeKey(subkey, std::string(path).append("\\").append(keyNameText(subkey.name)), out);
}

bool parseValueLine(std::string_view line, RegistryKey &key)
{
    const std::string_view whole = line;
    std::string name;
    if (!line.empty() && line.front() == '@')
        line.remove_prefix(1);
    else if (!unquote(line, name))
        return false;
    size_t colon = line.find(':');
    if (line.empty() || line.front() != '=' || colon == std::string_view::npos)
        return false;
    DWORD type = REG_NONE;
    std::string data;
    if (!typeFromText(line.substr(1, colon - 1), type) ||
        !dataFromText(type, line.substr(colon + 1), data))
        return false;
    key.setValue(name, type, std::move(data), whole);
    return true;
}

// At most how many value lines follow, up to the next key line.
size_t linesBeforeNextKey(std::string_view text)
{
    size_t lines = 0;
    for (size_t start = 0; start < text.size() && text[start] != '['; ++lines) {
        size_t end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    return lines;
}

}  // namespace

std::string foldedName(std::string_view name)
{
    std::string folded(name);
    for (size_t i = 0; i < folded.size(); ++i) {
        auto byte = static_cast<unsigned char>(folded[i]);
        // Lead bytes of every double-byte code page lie above 0x80.
        if (byte >= 0x80 && isLeadByte(CP_ACP, byte) && i + 1 < folded.size())
            ++i;
        else if (byte >= 'a' && byte <= 'z')
            folded[i] = static_cast<char>(byte - 'a' + 'A');
    }
    return folded;
}

RegistryKey *RegistryKey::subkey(std::string_view name)
{
    auto found = subkeys.find(foldedName(name));
    return found == subkeys.end() ? nullptr : &found->second;
}

const RegistryKey *RegistryKey::subkey(std::string_view name) const
{
    auto found = subkeys.find(foldedName(name));
    return found == subkeys.end() ? nullptr : &found->second;
}

const RegistryValue *RegistryKey::value(std::string_view name) const
{
    auto found = valueIndex_.find(foldedName(name));
    return found == valueIndex_.end() ? nullptr : &values_[found->second];
}

bool RegistryKey::setValue(std::string_view name, DWORD type, std::string data,
                           std::string_view line)
{
    auto [place, added] = valueIndex_.try_emplace(foldedName(name), values_.size());
    if (added) {
        RegistryValue &entry = values_.emplace_back();
        entry.name = name;
        entry.type = type;
        entry.line = line.empty() ? valueLine(entry.name, type, data) : std::string(line);
        entry.data = std::move(data);
        return true;
    }
    RegistryValue &entry = values_[place->second];
    if (entry.type == type && entry.data == data)
        return false;
    entry.type = type;
    entry.line = valueLine(entry.name, type, data);
    entry.data = std::move(data);
    return true;
}

void RegistryKey::reserveValues(size_t more)
{
    values_.reserve(values_.size() + more);
    valueIndex_.reserve(values_.size() + more);
}

bool RegistryKey::removeValue(std::string_view name)
{
    auto found = valueIndex_.find(foldedName(name));
    if (found == valueIndex_.end())
        return false;
    const size_t place = found->second;
    valueIndex_.erase(found);
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(place));
    for (auto &[folded, index] : valueIndex_)
        if (index > place)
            --index;
    return true;
}

bool splitKeyPath(std::string_view path, std::vector<std::string> &names)
{
    names.clear();
    if (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    if (path.empty())
        return true;
    for (size_t start = 0;;) {
        size_t end = path.find('\\', start);
        std::string_view name = path.substr(start, end - start);
        if (name.empty())
            return false;
        names.emplace_back(name);
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

RegistryKey &RegistryTree::root(const std::string &rootName)
{
    RegistryKey &key = roots_[rootName];
    key.name = rootName;
    return key;
}

const RegistryKey *RegistryTree::find(const std::string &rootName,
                                      const std::vector<std::string> &path) const
{
    auto root = roots_.find(rootName);
    const RegistryKey *key = root == roots_.end() ? nullptr : &root->second;
    for (size_t i = 0; key && i < path.size(); ++i)
        key = key->subkey(path[i]);
    if (!key && path.empty())
        key = &emptyRoot();
    return key;
}

RegistryKey *RegistryTree::find(const std::string &rootName, const std::vector<std::string> &path)
{
    RegistryKey *key = &root(rootName);
    for (size_t i = 0; key && i < path.size(); ++i)
        key = key->subkey(path[i]);
    return key;
}

RegistryKey &RegistryTree::create(const std::string &rootName, std::vector<std::string> &path,
                                  bool &created)
{
    created = false;
    RegistryKey *key = &root(rootName);
    for (std::string &name : path) {
        RegistryKey &child = key->subkeys[foldedName(name)];
        if (child.name.empty()) {
            child.name = name;
            created = true;
        }
        name = child.name;
        key = &child;
    }
    return *key;
}

void RegistryTree::remove(const std::string &rootName, const std::vector<std::string> &path)
{
    std::vector<std::string> parentPath(path.begin(), path.end() - 1);
    if (RegistryKey *parent = find(rootName, parentPath))
        parent->subkeys.erase(foldedName(path.back()));
}

const RegistryKey &RegistryTree::emptyRoot()
{
    static const RegistryKey empty;
    return empty;
}

RegistryTree RegistryTree::parse(std::string_view text)
{
    RegistryTree tree;
    RegistryKey *current = nullptr;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() != '[') {
            if (current)
                parseValueLine(line, *current);
            continue;
        }
        current = nullptr;
        size_t close = line.rfind(']');
        std::vector<std::string> names;
        if (close == std::string_view::npos || !splitKeyPath(line.substr(1, close - 1), names) ||
            names.empty())
            continue;
        std::string rootName = foldedName(names.front());
        names.erase(names.begin());
        for (std::string &name : names)
            name = keyNameFromText(name);
        bool created = false;
        current = &tree.create(rootName, names, created);
        current->reserveValues(linesBeforeNextKey(text));
    }
    return tree;
}

std::string RegistryTree::text(size_t sizeHint) const
{
    std::string out;
    out.reserve(sizeHint + sizeHint / 8);
    out += "; The registry of this drive: [key] lines, each followed by its values.\r\n";
    for (const auto &[name, key] : roots_)
        if (!key.values().empty() || !key.subkeys.empty())
            writeKey(key, name, out);
    return out;
}

}  // namespace vks::detail
