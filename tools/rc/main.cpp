// vksrc: compiles a resource script into the resources of the module it is built into.
//   vksrc [-I DIR]... [-D NAME[=VALUE]]... SCRIPT.rc -o OUTPUT.cpp [--depfile FILE]
// writes OUTPUT.cpp, which registers the resources when the module loads, and beside it
// OUTPUT.res, their image, which the source takes in whole; `-o OUTPUT.res` writes the image
// alone, as other resource compilers write it. A fault of the script is reported as
// "FILE:LINE: error: REASON" and exits with 1, leaving no output behind; a wrong command line
// exits with 2.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "compiler.h"
#include "emit_source.h"
#include "res_file.h"

namespace fs = std::filesystem;

namespace {

const char kUsage[] =
    "usage: vksrc [-I DIR]... [-D NAME[=VALUE]]... SCRIPT.rc -o OUTPUT.cpp|OUTPUT.res "
    "[--depfile FILE]\n";

struct CommandLine {
    vksrc::CompileOptions options;
    std::string script;
    std::string output;
    std::string depfile;
};

std::optional<CommandLine> parseCommandLine(int argc, char **argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const std::string &flag) -> std::optional<std::string> {
            if (arg == flag)
                return i + 1 < argc ? std::optional<std::string>(argv[++i]) : std::nullopt;
            return arg.substr(flag.size());
        };
        std::optional<std::string> given;
        if (arg.rfind("-I", 0) == 0 && (given = value("-I"))) {
            line.options.includeFolders.push_back(*given);
        } else if (arg.rfind("-D", 0) == 0 && (given = value("-D"))) {
            const std::size_t equals = given->find('=');
            line.options.defines.emplace_back(given->substr(0, equals),
                                              equals == std::string::npos ? "1" : given->substr(equals + 1));
        } else if (arg == "-o" && i + 1 < argc) {
            line.output = argv[++i];
        } else if (arg == "--depfile" && i + 1 < argc) {
            line.depfile = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && line.script.empty()) {
            line.script = arg;
        } else {
            return std::nullopt;
        }
    }
    if (line.script.empty() || line.output.empty())
        return std::nullopt;
    return line;
}

std::optional<std::string> readBack(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Leaves a file that already holds `bytes` untouched, so that the build does not redo its users.
bool writeIfChanged(const fs::path &path, const std::string &bytes)
{
    if (readBack(path) == bytes)
        return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

// Make's form: "target: dependency ..." with blanks in names escaped.
std::string depfileText(const std::string &target, const std::vector<std::string> &files)
{
    auto escaped = [](const std::string &name) {
        std::string out;
        for (char c : name) {
            if (c == ' ' || c == '#' || c == '\\')
                out += '\\';
            if (c == '$')
                out += '$';
            out += c;
        }
        return out;
    };
    std::string text = escaped(target) + ":";
    for (const std::string &file : files)
        text += " \\\n  " + escaped(fs::absolute(file).lexically_normal().string());
    return text + "\n";
}

}  // namespace

int main(int argc, char **argv)
{
    const std::optional<CommandLine> line = parseCommandLine(argc, argv);
    if (!line) {
        std::cerr << kUsage;
        return 2;
    }
    const fs::path output = fs::absolute(line->output);
    const bool imageOnly = output.extension() == ".res";
    const fs::path image = imageOnly ? output : fs::path(output).replace_extension(".res");
    std::vector<fs::path> written = {output, image};
    if (!line->depfile.empty())
        written.push_back(line->depfile);
    auto removeOutputs = [&]() {
        std::error_code ignored;
        for (const fs::path &path : written)
            fs::remove(path, ignored);
    };
    try {
        std::error_code ignored;
        fs::create_directories(output.parent_path(), ignored);
        vksrc::DiskFiles files;
        const vksrc::Compilation compilation = vksrc::compileScript(line->script, line->options, files);
        const std::vector<std::uint8_t> bytes = vksrc::resFile(compilation.resources);
        bool ok = writeIfChanged(image, std::string(bytes.begin(), bytes.end()));
        if (ok && !imageOnly)
            ok = writeIfChanged(output, vksrc::moduleSource(compilation.resources, bytes, image.string(),
                                                            fs::path(line->script).filename().string()));
        if (ok && !line->depfile.empty())
            ok = writeIfChanged(line->depfile, depfileText(output.string(), compilation.files));
        if (!ok) {
            removeOutputs();
            std::cerr << output.string() << ": error: cannot write the output\n";
            return 1;
        }
    } catch (const vksrc::ScriptError &error) {
        removeOutputs();
        const std::string &file = error.where().fileName();
        std::cerr << (file.empty() ? line->script : file);
        if (error.line() > 0)
            std::cerr << ":" << error.line();
        std::cerr << ": error: " << error.what() << "\n";
        return 1;
    } catch (const std::bad_alloc &) {
        removeOutputs();
        std::cerr << line->script << ": error: out of memory\n";
        return 1;
    }
    return 0;
}
