// The names the compiler knows agree with the platform's headers: each is defined there with
// the same value (read through the compiler's own preprocessor, as a script that includes
// <windows.h> reads it), and each style name the headers define is one the compiler knows.
#include <fstream>
#include <sstream>

#include "names.h"
#include "script_fixture.h"

namespace {

std::string headerText(const std::string &name)
{
    std::ifstream in(std::string(VKS_PLATFORM_INCLUDE) + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PredefinedNames, AreDefinedInThePlatformHeadersWithTheSameValues)
{
    const auto names = vksrc::predefinedNames();
    // One control per name: its extended style is the header's value, its identifier 0 when the
    // headers lack the name.
    std::string script = "#include <windows.h>\n#include <commctrl.h>\n#include <winres.h>\n"
                         "1 DIALOGEX 0, 0, 1, 1\nBEGIN\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name(names[i].name);
        script += "#ifdef " + name + "\n  CONTROL \"\", " + std::to_string(i + 1) +
                  ", \"x\", 0, 0, 0, 0, 0, " + name + "\n#else\n  CONTROL \"\", 0, \"x\", 0, 0, 0, 0, 0\n#endif\n";
    }
    script += "END\n";
    vksrc::CompileOptions options;
    options.includeFolders = {VKS_PLATFORM_INCLUDE, VKS_PLATFORM_PORTABLE};
    vksrc::DiskFiles disk;
    // The script itself lives in memory; the headers come from the disk.
    class Files : public vksrc::FileAccess {
    public:
        Files(std::string script, vksrc::DiskFiles &disk) : script_(std::move(script)), disk_(disk) {}
        bool exists(const std::string &path) override { return path == "names.rc" || disk_.exists(path); }
        std::optional<std::string> read(const std::string &path, Kind kind, std::string &reason) override
        {
            return path == "names.rc" ? std::optional<std::string>(script_) : disk_.read(path, kind, reason);
        }

    private:
        std::string script_;
        vksrc::DiskFiles &disk_;
    } files(script, disk);
    const auto resources = vksrc::compileScript("names.rc", options, files).resources;
    ASSERT_EQ(1u, resources.size());
    const std::vector<std::uint8_t> &bytes = resources[0].data;
    std::size_t at = 32;  // the first item: the header and three empty texts
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(std::string(names[i].name));
        at = (at + 3) & ~std::size_t{3};
        ASSERT_LE(at + 32, bytes.size());
        auto dword = [&](std::size_t where) {
            return static_cast<std::uint32_t>(bytes[where] | bytes[where + 1] << 8 |
                                              bytes[where + 2] << 16 | static_cast<std::uint32_t>(bytes[where + 3]) << 24);
        };
        const std::uint32_t exStyle = dword(at + 4);
        const std::uint32_t id = dword(at + 20);
        EXPECT_NE(0u, id) << "not defined in the platform's headers";
        EXPECT_EQ(names[i].value, exStyle) << "a different value in the headers";
        at += 24 + 4 + 2 + 2;  // fixed fields, class "x", empty text, no creation data
    }
}

TEST(PredefinedNames, HoldEveryStyleTheHeadersDefine)
{
    const char *prefixes[] = {"WS_", "DS_", "ES_", "SS_", "BS_", "LBS_", "CBS_", "SBS_", "UDS_", "PBS_", "MFT_", "MFS_"};
    int found = 0;
    for (const char *header : {"winuser.h", "commctrl.h"}) {
        std::istringstream lines(headerText(header));
        std::string line;
        while (std::getline(lines, line)) {
            if (line.rfind("#define ", 0) != 0)
                continue;
            const std::string name = line.substr(8, line.find_first_of(" (", 8) - 8);
            for (const char *prefix : prefixes) {
                if (name.rfind(prefix, 0) == 0) {
                    ++found;
                    EXPECT_TRUE(vksrc::predefinedValue(name).has_value())
                        << header << " defines " << name << ", which the compiler does not know";
                }
            }
        }
    }
    EXPECT_LT(0, found) << "no style names read from " << VKS_PLATFORM_INCLUDE;
}

}  // namespace
