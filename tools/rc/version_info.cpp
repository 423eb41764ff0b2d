#include "version_info.h"

#include "byte_writer.h"
#include "compiler_limits.h"

namespace vksrc {

namespace {

struct FixedInfo {
    std::uint32_t fileVersion[2] = {0, 0};
    std::uint32_t productVersion[2] = {0, 0};
    std::uint32_t flagsMask = 0, flags = 0, os = 0, type = 0, subtype = 0;
};

struct Node {
    std::u16string key;
    bool isText = true;        // a BLOCK counts as text, as Windows' compiler writes it
    std::u16string text;       // a text value, without its NUL
    std::vector<std::uint16_t> words;  // a binary value
    bool hasValue = false;
    std::vector<Node> children;
};

// FILEVERSION 1,2,3,4: the high words hold 1 and 3, the low ones 2 and 4.
void readVersion(ScriptReader &in, std::uint32_t (&version)[2], const std::string &what)
{
    std::uint16_t parts[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        parts[i] = in.word(what);
        if (i == 3 || !in.takeMark(","))
            break;
    }
    version[0] = static_cast<std::uint32_t>(parts[0]) << 16 | parts[1];
    version[1] = static_cast<std::uint32_t>(parts[2]) << 16 | parts[3];
}

FixedInfo readFixedInfo(ScriptReader &in, ResourceOptions &options)
{
    FixedInfo info;
    for (;;) {
        if (in.takeKeyword("FILEVERSION"))
            readVersion(in, info.fileVersion, "FILEVERSION");
        else if (in.takeKeyword("PRODUCTVERSION"))
            readVersion(in, info.productVersion, "PRODUCTVERSION");
        else if (in.takeKeyword("FILEFLAGSMASK"))
            info.flagsMask = in.number("FILEFLAGSMASK");
        else if (in.takeKeyword("FILEFLAGS"))
            info.flags = in.number("FILEFLAGS");
        else if (in.takeKeyword("FILEOS"))
            info.os = in.number("FILEOS");
        else if (in.takeKeyword("FILETYPE"))
            info.type = in.number("FILETYPE");
        else if (in.takeKeyword("FILESUBTYPE"))
            info.subtype = in.number("FILESUBTYPE");
        else if (!takeResourceOption(in, options))
            return info;
    }
}

std::vector<Node> readBlock(ScriptReader &in, const Location &where, int depth)
{
    if (depth > limits::kNestingDepth)
        throw ScriptError(where, "blocks nest deeper than " + std::to_string(limits::kNestingDepth) +
                                     " levels");
    in.expectBegin("a VERSIONINFO block");
    std::vector<Node> nodes;
    while (!in.takeBlockEnd()) {
        if (in.atEnd())
            throw ScriptError(where, "the block's BEGIN has no END");
        Node node;
        const Location nodeWhere = in.peek().where;
        if (in.takeKeyword("BLOCK")) {
            node.key = in.plainText("the block's name");
            node.children = readBlock(in, nodeWhere, depth + 1);
        } else if (in.takeKeyword("VALUE")) {
            node.key = in.plainText("the value's name");
            node.hasValue = true;
            in.expectComma("the value");
            if (in.atText()) {
                // A value is a C string: it ends at its first NUL.
                node.text = in.text("the value");
                node.text = node.text.substr(0, node.text.find(u'\0'));
            } else {
                node.isText = false;
                do
                    node.words.push_back(in.word("the value"));
                while (in.takeMark(","));
            }
        } else {
            in.fail("expected BLOCK, VALUE or END");
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

void writeNode(const Node &node, ByteWriter &out, const Location &where)
{
    out.alignTo4();
    const std::size_t start = out.size();
    out.word(0);  // wLength, set below
    const bool text = node.isText;
    const std::size_t valueLength = !node.hasValue ? 0 : text ? node.text.size() + 1 : node.words.size() * 2;
    out.word(static_cast<std::uint16_t>(valueLength));
    out.word(text ? 1 : 0);
    out.text(node.key);
    out.alignTo4();
    if (node.hasValue) {
        if (text)
            out.text(node.text);
        else
            for (std::uint16_t word : node.words)
                out.word(word);
    }
    for (const Node &child : node.children)
        writeNode(child, out, where);
    const std::size_t length = out.size() - start;
    if (length > 0xFFFF)
        throw ScriptError(where, "a VERSIONINFO block is longer than 65535 bytes");
    out.patchWord(start, static_cast<std::uint16_t>(length));
}

}  // namespace

std::vector<std::uint8_t> readVersionInfo(ScriptReader &in, const Location &where,
                                          ResourceOptions &options)
{
    in.skipMemoryOptions();
    const FixedInfo info = readFixedInfo(in, options);
    const std::vector<Node> children = readBlock(in, where, 0);
    ByteWriter out;
    out.word(0);   // wLength, set below
    out.word(52);  // wValueLength: VS_FIXEDFILEINFO
    out.word(0);   // wType: binary
    out.text(u"VS_VERSION_INFO");
    out.alignTo4();
    for (std::uint32_t value : {0xFEEF04BDu, 0x00010000u, info.fileVersion[0], info.fileVersion[1],
                                info.productVersion[0], info.productVersion[1], info.flagsMask,
                                info.flags, info.os, info.type, info.subtype, 0u, 0u})
        out.dword(value);
    for (const Node &child : children)
        writeNode(child, out, where);
    if (out.size() > 0xFFFF)
        throw ScriptError(where, "a VERSIONINFO is longer than 65535 bytes");
    out.patchWord(0, static_cast<std::uint16_t>(out.size()));
    return out.take();
}

}  // namespace vksrc
