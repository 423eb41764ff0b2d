#include "emit_source.h"

#include <cstdio>

#include "unicode_text.h"

namespace vksrc {

namespace {

// FNV-1a: the source changes whenever the image does, so that a compiler cache that sees only
// the source never reuses an object made from another image.
std::uint64_t fingerprint(const std::vector<std::uint8_t> &bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 0x100000001b3u;
    return hash;
}

std::string hex(std::uint64_t value, int digits)
{
    char text[20];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}

// A name for a comment: printable ASCII only, no backslash that could join the next line.
std::string commentSafe(const std::string &text)
{
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte >= 0x20 && byte < 0x7F && c != '\\' ? c : '?';
    }
    return out;
}

// The path as an assembler string inside a C++ string literal: every byte but letters, digits
// and / . _ - + as an octal escape, whose backslash the C++ literal doubles.
std::string assemblerPath(const std::string &path)
{
    std::string out;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '.' || c == '_' || c == '-' ||
                           c == '+';
        if (plain) {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\\\%03o", byte);
            out += escaped;
        }
    }
    return out;
}

std::string typeWord(const ResourceId &type)
{
    if (!type.isNumber)
        return "type_name_" + [&] {
            std::string out;
            for (char c : utf8(type.text))
                out += hex(static_cast<unsigned char>(c), 2);
            return out;
        }();
    switch (type.number) {
    case type::kIcon: return "icon";
    case type::kBitmap: return "bitmap";
    case type::kMenu: return "menu";
    case type::kDialog: return "dialog";
    case type::kString: return "string";
    case type::kGroupIcon: return "group_icon";
    case type::kVersion: return "version";
    default: return "type" + std::to_string(type.number);
    }
}

// A symbol named after the resource's type, name and language (names compared without case, as
// FindResourceA compares them), defined once in every module that carries the resource.
std::string claimSymbol(const Resource &resource)
{
    std::string symbol = "vks_resource_" + typeWord(resource.type) + "_";
    if (resource.name.isNumber) {
        symbol += std::to_string(resource.name.number);
    } else {
        symbol += "name_";
        for (char c : utf8(resource.name.text)) {
            const auto byte = static_cast<unsigned char>(c);
            symbol += hex(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte, 2);
        }
    }
    return symbol + "_" + hex(resource.language, 4);
}

}  // namespace

std::string moduleSource(const std::vector<Resource> &resources,
                         const std::vector<std::uint8_t> &image, const std::string &imagePath,
                         const std::string &scriptName)
{
    const std::string print = hex(fingerprint(image), 16);
    const std::string label = "vks_resource_image_" + print;
    std::string out =
        "// Compiled by vksrc from " + commentSafe(scriptName) + ": do not edit.\n"
        "// The resources' image: " + std::to_string(image.size()) + " bytes, FNV-1a " + print + ".\n"
        "#include <cstddef>\n\n#include \"vksresource.h\"\n\n"
        "__asm__(\".pushsection .rodata\\n\"\n"
        "        \".balign 16\\n\"\n"
        "        \"" + label + ":\\n\"\n"
        "        \".incbin \\\"" + assemblerPath(imagePath) + "\\\"\\n\"\n"
        "        \".popsection\\n\");\n\n"
        "extern \"C\" const unsigned char " + label + "[] __attribute__((visibility(\"hidden\")));\n\n"
        "namespace {\n\n"
        "struct Registration {\n"
        "    Registration() { VksRegisterResourceImage(this, " + label + ", " +
        std::to_string(image.size()) + "); }\n"
        "    ~Registration() { VksUnregisterResources(this); }\n"
        "} registration;\n\n"
        "}  // namespace\n\n"
        "// The resources this script gives its module: a second script of the module with one of\n"
        "// them fails to link, as Windows' linker refuses a resource defined twice.\n";
    for (const Resource &resource : resources)
        out += "extern const char " + claimSymbol(resource) + " = 0;\n";
    return out;
}

}  // namespace vksrc
