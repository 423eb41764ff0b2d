#include "emit_source.h"

#include <cctype>
#include <cstdio>

#include "dialog_binary.h"

namespace vksrc {

namespace {

std::string byteList(const std::vector<std::uint8_t> &bytes)
{
    std::string out;
    char item[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(item, sizeof item, "0x%02x,", bytes[i]);
        out += (i % 12 == 0 ? "\n    " : " ") + std::string(item);
    }
    return out;
}

// The name as C++ passes it to the resource calls: MAKEINTRESOURCEA(n) or a string literal.
std::string nameArgument(const NameOrNumber &name)
{
    if (name.isNumber)
        return "MAKEINTRESOURCEA(" + std::to_string(name.number) + ")";
    std::string literal = "\"";
    for (char c : name.text) {
        char escaped[8];
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ||
            static_cast<unsigned char>(c) >= 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned char>(c));
            literal += escaped;
        } else {
            literal += c;
        }
    }
    return literal + "\"";
}

// A symbol named after the resource's type and name (names compared without case, as
// FindResourceA compares them), defined once in every module that carries the resource.
std::string claimSymbol(const char *type, const NameOrNumber &name)
{
    std::string symbol = std::string("vks_resource_") + type + "_";
    if (name.isNumber)
        return symbol + std::to_string(name.number);
    symbol += "name_";
    char hex[4];
    for (char c : name.text) {
        const auto byte = static_cast<unsigned char>(c);
        std::snprintf(hex, sizeof hex, "%02x", byte < 0x80 ? std::toupper(byte) : byte);
        symbol += hex;
    }
    return symbol;
}

// Two scripts of one module that carry the same resource fail to link, naming it, as Windows'
// linker refuses duplicate resources; without this the later registration silently wins.
std::string resourceClaims(const std::vector<DialogTemplate> &dialogs,
                           const std::vector<BitmapResource> &bitmaps)
{
    std::string out = "\n// The resources this script gives its module (see vksrc).\n";
    for (const DialogTemplate &dialog : dialogs)
        out += "extern const char " + claimSymbol("dialog", dialog.name) + " = 0;\n";
    for (const BitmapResource &bitmap : bitmaps)
        out += "extern const char " + claimSymbol("bitmap", bitmap.name) + " = 0;\n";
    return out;
}

}  // namespace

std::string moduleSource(const std::vector<DialogTemplate> &dialogs, const std::string &scriptName)
{
    return moduleSource(dialogs, {}, scriptName);
}

std::string moduleSource(const std::vector<DialogTemplate> &dialogs,
                         const std::vector<BitmapResource> &bitmaps, const std::string &scriptName)
{
    std::string out = "// Compiled by vksrc from " + scriptName + ": do not edit.\n"
                      "#include \"vksresource.h\"\n#include \"windows.h\"\n\nnamespace {\n";
    for (size_t i = 0; i < dialogs.size(); ++i)
        out += "\nconst unsigned char kDialog" + std::to_string(i) + "[] = {" +
               byteList(dialogBytes(dialogs[i])) + "\n};\n";
    for (size_t i = 0; i < bitmaps.size(); ++i)
        out += "\nconst unsigned char kBitmap" + std::to_string(i) + "[] = {" +
               byteList(bitmaps[i].bytes) + "\n};\n";
    out += "\nstruct Registration {\n    Registration()\n    {\n";
    for (size_t i = 0; i < dialogs.size(); ++i)
        out += "        VksRegisterResource(this, RT_DIALOG, " + nameArgument(dialogs[i].name) +
               ", kDialog" + std::to_string(i) + ", sizeof kDialog" + std::to_string(i) + ");\n";
    for (size_t i = 0; i < bitmaps.size(); ++i)
        out += "        VksRegisterResource(this, RT_BITMAP, " + nameArgument(bitmaps[i].name) +
               ", kBitmap" + std::to_string(i) + ", sizeof kBitmap" + std::to_string(i) + ");\n";
    out += "    }\n    ~Registration() { VksUnregisterResources(this); }\n} registration;\n\n"
           "}  // namespace\n";
    return out + resourceClaims(dialogs, bitmaps);
}

}  // namespace vksrc
