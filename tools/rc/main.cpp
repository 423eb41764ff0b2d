// vksrc: compiles the dialog templates and bitmaps of a resource script into a C++ source that registers
// them as RT_DIALOG resources of the module it is built into.
//   vksrc SCRIPT.rc -o OUTPUT.cpp
// A fault of the script is reported as "SCRIPT:LINE: error: REASON" and fails with exit code 1.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "bitmap_file.h"
#include "dialog_parser.h"
#include "emit_source.h"

namespace {

std::optional<std::string> readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeIfChanged(const std::filesystem::path &path, const std::string &text)
{
    if (readFile(path) == text)
        return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

// A BITMAP statement's file, named relative to the script, as resource bytes.
std::vector<std::uint8_t> bitmapBytes(const std::filesystem::path &script,
                                      const vksrc::BitmapStatement &statement)
{
    std::optional<std::string> file = readFile(script.parent_path() / statement.file);
    if (!file)
        throw vksrc::ScriptError(statement.line, "cannot read the bitmap '" + statement.file + "'");
    std::string reason;
    auto bytes = vksrc::bitmapResourceBytes(*file, reason);
    if (!bytes)
        throw vksrc::ScriptError(statement.line, "the bitmap '" + statement.file + "' " + reason);
    return *bytes;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || std::string(argv[2]) != "-o") {
        std::cerr << "usage: vksrc SCRIPT.rc -o OUTPUT.cpp\n";
        return 2;
    }
    std::filesystem::path script = argv[1];
    std::optional<std::string> text = readFile(script);
    if (!text) {
        std::cerr << script.string() << ": error: cannot read the script\n";
        return 1;
    }
    auto readInclude = [&](const std::string &name) {
        return readFile(script.parent_path() / name);
    };
    try {
        vksrc::ScriptResources resources = vksrc::parseScript(*text, readInclude);
        std::vector<vksrc::BitmapResource> bitmaps;
        for (const vksrc::BitmapStatement &statement : resources.bitmaps)
            bitmaps.push_back({statement.name, bitmapBytes(script, statement)});
        if (!writeIfChanged(argv[3], vksrc::moduleSource(resources.dialogs, bitmaps,
                                                         script.filename().string()))) {
            std::cerr << argv[3] << ": error: cannot write the output\n";
            return 1;
        }
    } catch (const vksrc::ScriptError &error) {
        std::cerr << script.string() << ":" << error.line() << ": error: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
