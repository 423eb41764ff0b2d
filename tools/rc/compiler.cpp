#include "compiler.h"

#include <map>
#include <tuple>

#include "bitmap_file.h"
#include "compiler_limits.h"
#include "dialog_binary.h"
#include "dialog_statement.h"
#include "icon_file.h"
#include "menu_statement.h"
#include "preprocessor.h"
#include "script_reader.h"
#include "search_path.h"
#include "string_table.h"
#include "unicode_text.h"
#include "version_info.h"

namespace vksrc {

namespace {

constexpr std::uint16_t kIconMemoryFlags = 0x1010;  // moveable, discardable: as for images

class ScriptCompiler {
public:
    ScriptCompiler(ScriptReader &in, FileAccess &files, const SearchPath &searchPath,
                   Compilation &out, std::uintmax_t bytesRead)
        : in_(in), files_(files), searchPath_(searchPath), out_(out), bytesRead_(bytesRead)
    {
    }

    void run()
    {
        ResourceOptions defaults;
        while (!in_.atEnd()) {
            if (in_.takeKeyword("LANGUAGE")) {
                defaults.language = readLanguage(in_);
            } else if (in_.takeKeyword("STRINGTABLE")) {
                strings_.read(in_, ResourceOptions{defaults.language, 0, 0});
            } else {
                statement(defaults.language);
            }
        }
        for (Resource &block : strings_.blocks())
            add(std::move(block));
    }

private:
    void statement(std::uint16_t language)
    {
        const Location where = in_.peek().where;
        const ResourceId name = in_.resourceName("the resource's name");
        const Token &typeToken = in_.peek();
        if (typeToken.kind != Token::Kind::Name)
            in_.fail("expected a resource type after '" + name.describe() + "'");
        ResourceOptions options{language, 0, 0};
        Resource resource;
        resource.name = name;
        resource.where = where;
        if (in_.atKeyword("DIALOG") || in_.atKeyword("DIALOGEX")) {
            const bool extended = in_.atKeyword("DIALOGEX");
            in_.next();
            resource.type = ResourceId::of(type::kDialog);
            resource.data = dialogBytes(readDialog(in_, extended, where, options));
        } else if (in_.atKeyword("MENU") || in_.atKeyword("MENUEX")) {
            const bool extended = in_.atKeyword("MENUEX");
            in_.next();
            resource.type = ResourceId::of(type::kMenu);
            resource.data = readMenu(in_, extended, where, options);
        } else if (in_.takeKeyword("VERSIONINFO")) {
            resource.type = ResourceId::of(type::kVersion);
            resource.data = readVersionInfo(in_, where, options);
        } else if (in_.takeKeyword("BITMAP")) {
            resource.type = ResourceId::of(type::kBitmap);
            resource.data = bitmap();
        } else if (in_.takeKeyword("ICON")) {
            icon(resource, options);
            return;
        } else {
            in_.fail("resource type '" + typeToken.spelling + "' is not supported");
        }
        options.applyTo(resource);
        add(std::move(resource));
    }

    // The file a BITMAP or ICON statement names, beside the script first, and its bytes.
    std::string dataFile(const std::string &what, std::string &shownName)
    {
        in_.skipMemoryOptions();
        const Location where = in_.peek().where;
        shownName = utf8(in_.plainText("the " + what + "'s file"));
        if (shownName.empty())
            throw ScriptError(where, "the " + what + "'s file name is empty");
        const std::optional<std::string> path = searchPath_.find(shownName, where.fileName(), true);
        if (!path)
            throw ScriptError(where, "cannot find the " + what + " '" + shownName + "'");
        std::string reason;
        std::optional<std::string> bytes = files_.read(*path, FileAccess::Kind::Data, reason);
        if (!bytes)
            throw ScriptError(where, "the " + what + " '" + shownName + "' " + reason);
        bytesRead_ += bytes->size();
        if (bytesRead_ > limits::kTotalBytes)
            throw ScriptError(where, "the script and its files hold more than " +
                                         std::to_string(limits::kTotalBytes >> 20) + " MiB");
        out_.files.push_back(*path);
        return std::move(*bytes);
    }

    std::vector<std::uint8_t> bitmap()
    {
        const Location where = in_.peek().where;
        std::string name;
        const std::string file = dataFile("bitmap", name);
        std::string reason;
        std::optional<std::vector<std::uint8_t>> bytes = bitmapResourceBytes(file, reason);
        if (!bytes)
            throw ScriptError(where, "the bitmap '" + name + "' " + reason);
        return std::move(*bytes);
    }

    void icon(Resource &group, const ResourceOptions &options)
    {
        const Location where = in_.peek().where;
        std::string name;
        const std::string file = dataFile("icon", name);
        std::string reason;
        std::optional<IconImages> icon = iconResources(file, nextIconId_, reason);
        if (!icon)
            throw ScriptError(where, "the icon '" + name + "' " + reason);
        for (std::vector<std::uint8_t> &image : icon->images) {
            Resource resource;
            resource.type = ResourceId::of(type::kIcon);
            resource.name = ResourceId::of(nextIconId_++);
            resource.memoryFlags = kIconMemoryFlags;
            resource.where = group.where;
            resource.data = std::move(image);
            options.applyTo(resource);
            add(std::move(resource));
        }
        group.type = ResourceId::of(type::kGroupIcon);
        group.data = std::move(icon->group);
        options.applyTo(group);
        add(std::move(group));
    }

    void add(Resource resource)
    {
        const auto key = std::make_tuple(resource.type.isNumber, resource.type.number,
                                         resource.type.text, resource.name.isNumber,
                                         resource.name.number, resource.name.text, resource.language);
        auto [first, added] = seen_.emplace(key, resource.where);
        if (!added)
            throw ScriptError(resource.where, typeName(resource.type) + " " + resource.name.describe() +
                                                  " is defined twice (first at " +
                                                  first->second.fileName() + ":" +
                                                  std::to_string(first->second.line) + ")");
        out_.resources.push_back(std::move(resource));
    }

    ScriptReader &in_;
    FileAccess &files_;
    const SearchPath &searchPath_;
    Compilation &out_;
    std::uintmax_t bytesRead_;
    StringTables strings_;
    std::uint16_t nextIconId_ = 1;
    std::map<std::tuple<bool, std::uint16_t, std::u16string, bool, std::uint16_t, std::u16string,
                        std::uint16_t>,
             Location>
        seen_;
};

}  // namespace

Compilation compileScript(const std::string &path, const CompileOptions &options, FileAccess &files)
{
    Preprocessor preprocessor(files, PreprocessorOptions{options.includeFolders, options.defines});
    ScriptReader in(preprocessor.run(path));
    Compilation out;
    out.files = preprocessor.filesRead();
    const SearchPath searchPath(files, options.includeFolders);
    ScriptCompiler(in, files, searchPath, out, preprocessor.bytesRead()).run();
    return out;
}

}  // namespace vksrc
