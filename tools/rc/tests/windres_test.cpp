// The compiler against GNU windres (mingw-w64): every script of the source tree and a table of
// small scripts, one for each statement, compiled by both and compared resource by resource,
// byte for byte.
//
// Where windres departs from Windows' own compiler, the comparison first puts windres's bytes
// into Windows' form, and says so here:
//  a control's predefined class ("Button", "EDIT", ...) Windows writes as its atom (0x80 ...),
//  windres as a text; other class names Windows keeps as written, windres in capitals.
// Other differences stay out of the table and are tested on their own: windres writes PUSHBOX
// wrongly (the style 0x0C for BS_PUSHBOX's 0x0A, and the text of the control before it), a MENUEX
// that uses nothing of the extended form as a classic MENU, takes an icon group's planes and bit
// count from the .ico directory rather than the image, decodes no code page in L"" texts, and
// reads a double-byte character whose second byte is '\' as an escape.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "compiler.h"
#include "names.h"
#include "res_file.h"
#include "unicode_text.h"

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string &text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeAll(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// A temporary folder for one comparison, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        path_ = fs::temp_directory_path() / ("vksrc-windres-" + std::to_string(std::random_device{}()));
        fs::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

// windres's resources of `script`, or nothing with `said` holding its complaint. Its C
// preprocessor gets Windows' names from mingw-w64's own headers, as vksrc knows them itself.
std::optional<std::vector<vksrc::Resource>> windres(const fs::path &script,
                                                    const std::vector<std::string> &folders,
                                                    const fs::path &scratch, std::string &said)
{
    const fs::path output = scratch / "windres.res";
    const fs::path log = scratch / "windres.log";
    std::string command = quoted(VKS_WINDRES) + " --preprocessor=" + quoted(VKS_WINDRES_CPP);
    for (const char *arg : {"-E", "-xc", "-DRC_INVOKED", "-include", "winres.h", "-include", "commctrl.h"})
        command += " --preprocessor-arg=" + std::string(arg);
    command += " -I " + quoted(script.parent_path().string());
    for (const std::string &folder : folders)
        command += " -I " + quoted(folder);
    command += " -i " + quoted(script.string()) + " -O res -o " + quoted(output.string()) + " > " +
               quoted(log.string()) + " 2>&1";
    if (std::system(command.c_str()) != 0) {
        said = readAll(log);
        return std::nullopt;
    }
    return vksrc::readResFile(readAll(output));
}

// A dialog template read and written again in Windows' form: a predefined class as its atom,
// any other class name in capitals, so that windres's capitals compare equal. Items are laid
// out afresh, as their padding moves.
class TemplateRewriter {
public:
    explicit TemplateRewriter(const std::vector<std::uint8_t> &in) : in_(in) {}

    std::vector<std::uint8_t> run()
    {
        const bool extended = in_.size() >= 4 && word(0) == 1 && word(2) == 0xFFFF;
        const std::size_t styleAt = extended ? 12 : 0;
        const std::uint32_t style = word(styleAt) | static_cast<std::uint32_t>(word(styleAt + 2)) << 16;
        copy(extended ? 16 : 8);
        const std::uint16_t count = word(at_);
        copy(10);  // count, x, y, cx, cy
        copyId();  // menu
        windowClass();
        copyText();  // caption
        if (style & 0x40) {  // DS_SETFONT
            copy(extended ? 6 : 2);
            copyText();
        }
        for (std::uint16_t i = 0; i < count && at_ < in_.size(); ++i) {
            at_ = (at_ + 3) & ~std::size_t{3};
            while (out_.size() % 4)
                out_.push_back(0);
            copy(extended ? 24 : 18);
            windowClass();
            copyId();  // text
            const std::uint16_t extra = word(at_);
            copy(2u + extra);
        }
        return out_;
    }

private:
    std::uint16_t word(std::size_t at) const
    {
        return at + 1 < in_.size() ? static_cast<std::uint16_t>(in_[at] | in_[at + 1] << 8) : 0;
    }
    void copy(std::size_t count)
    {
        for (std::size_t i = 0; i < count && at_ < in_.size(); ++i)
            out_.push_back(in_[at_++]);
    }
    std::u16string text()
    {
        std::u16string units;
        while (at_ + 1 < in_.size() && word(at_) != 0) {
            units.push_back(static_cast<char16_t>(word(at_)));
            at_ += 2;
        }
        at_ += 2;
        return units;
    }
    void putText(const std::u16string &units)
    {
        for (char16_t unit : units) {
            out_.push_back(static_cast<std::uint8_t>(unit));
            out_.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        out_.insert(out_.end(), {0, 0});
    }
    void copyText() { putText(text()); }
    void copyId()
    {
        if (word(at_) == 0xFFFF)
            copy(4);
        else
            copyText();
    }
    void windowClass()
    {
        if (word(at_) == 0xFFFF) {
            copy(4);
            return;
        }
        std::string upper;
        for (char c : vksrc::utf8(text()))
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (const auto atom = vksrc::predefinedClassOrdinal(upper))
            out_.insert(out_.end(), {0xFF, 0xFF, static_cast<std::uint8_t>(*atom), 0});
        else
            putText(vksrc::utf16(upper));
    }

    const std::vector<std::uint8_t> &in_;
    std::size_t at_ = 0;
    std::vector<std::uint8_t> out_;
};

std::string describe(const vksrc::Resource &resource)
{
    char language[8];
    std::snprintf(language, sizeof language, "%04x", resource.language);
    return vksrc::typeName(resource.type) + " " + resource.name.describe() + " (language " +
           language + ")";
}

// Compiles `script` with both and reports each resource that differs.
void compareWithWindres(const fs::path &script, const std::vector<std::string> &folders = {})
{
    ASSERT_TRUE(std::string(VKS_WINDRES).size() && std::string(VKS_WINDRES_CPP).size())
        << "GNU windres and the mingw-w64 C compiler are needed (Debian: binutils-mingw-w64-x86-64, "
           "gcc-mingw-w64-x86-64-posix)";
    ScratchFolder scratch;
    std::string said;
    const auto theirs = windres(script, folders, scratch.path(), said);
    ASSERT_TRUE(theirs.has_value()) << "windres refused " << script << ":\n" << said;
    vksrc::DiskFiles files;
    std::vector<std::string> searched = {script.parent_path().string()};
    searched.insert(searched.end(), folders.begin(), folders.end());
    const vksrc::Compilation ours = vksrc::compileScript(script.string(), {searched, {}}, files);
    ASSERT_EQ(theirs->size(), ours.resources.size()) << "resources made";
    for (std::size_t i = 0; i < ours.resources.size(); ++i) {
        vksrc::Resource mine = ours.resources[i];
        auto match = std::find_if(theirs->begin(), theirs->end(), [&](const vksrc::Resource &r) {
            return r.type == mine.type && r.name == mine.name && r.language == mine.language;
        });
        ASSERT_NE(theirs->end(), match) << "windres has no " << describe(mine);
        std::vector<std::uint8_t> windresBytes = match->data;
        if (mine.type == vksrc::ResourceId::of(5)) {
            windresBytes = TemplateRewriter(windresBytes).run();
            mine.data = TemplateRewriter(mine.data).run();
        }
        const auto differ = std::mismatch(windresBytes.begin(), windresBytes.end(), mine.data.begin(),
                                          mine.data.end());
        EXPECT_TRUE(differ.first == windresBytes.end() && differ.second == mine.data.end())
            << describe(mine) << " differs at byte " << (differ.first - windresBytes.begin()) << " of "
            << windresBytes.size() << " (windres) and " << mine.data.size() << " (vksrc)";
    }
}

// Small files the table's scripts name: a 24-bit and an 8-bit bitmap, an icon of two images.
void writeDataFiles(const fs::path &folder)
{
    auto le = [](std::string &out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>(value >> (8 * i));
    };
    auto bmp = [&](int width, int height, int bits, int colours) {
        std::string dib;
        le(dib, 40, 4), le(dib, width, 4), le(dib, height, 4), le(dib, 1, 2), le(dib, bits, 2);
        le(dib, 0, 4), le(dib, 0, 4), le(dib, 2835, 4), le(dib, 2835, 4), le(dib, colours, 4), le(dib, 0, 4);
        for (int i = 0; i < colours; ++i)
            le(dib, 0x00102030u * static_cast<unsigned>(i + 1), 4);
        const int stride = (width * bits + 31) / 32 * 4;
        for (int i = 0; i < stride * height; ++i)
            dib += static_cast<char>(i * 7);
        std::string file = "BM";
        le(file, static_cast<std::uint32_t>(14 + dib.size()), 4), le(file, 0, 4);
        le(file, static_cast<std::uint32_t>(14 + 40 + 4 * colours), 4);
        return file + dib;
    };
    writeAll(folder / "rgb.bmp", bmp(5, 3, 24, 0));
    writeAll(folder / "palette.bmp", bmp(6, 2, 8, 3));
    std::string icon;
    std::vector<std::string> images;
    for (const auto &[size, bits] : {std::pair{16, 32}, std::pair{32, 4}}) {
        std::string image;
        const int colours = bits <= 8 ? 1 << bits : 0;
        le(image, 40, 4), le(image, size, 4), le(image, size * 2, 4), le(image, 1, 2), le(image, bits, 2);
        for (int i = 0; i < 6; ++i)
            le(image, 0, 4);
        image += std::string(static_cast<std::size_t>(4 * colours), '\x22');
        image += std::string(static_cast<std::size_t>((size * bits + 31) / 32 * 4 * size), '\x5a');
        image += std::string(static_cast<std::size_t>((size + 31) / 32 * 4 * size), '\0');
        images.push_back(image);
    }
    le(icon, 0, 2), le(icon, 1, 2), le(icon, 2, 2);
    std::uint32_t offset = 6 + 16 * 2;
    const int sizes[] = {16, 32}, bitCounts[] = {32, 4};
    for (int i = 0; i < 2; ++i) {
        icon += static_cast<char>(sizes[i]);
        icon += static_cast<char>(sizes[i]);
        icon += static_cast<char>(bitCounts[i] == 4 ? 16 : 0);
        icon += '\0';
        le(icon, 1, 2), le(icon, static_cast<std::uint32_t>(bitCounts[i]), 2);
        le(icon, static_cast<std::uint32_t>(images[static_cast<std::size_t>(i)].size()), 4), le(icon, offset, 4);
        offset += static_cast<std::uint32_t>(images[static_cast<std::size_t>(i)].size());
    }
    for (const std::string &image : images)
        icon += image;
    writeAll(folder / "two.ico", icon);
    writeAll(folder / "ids.h", "#define IDD_MAIN 100\n#define IDC_FIRST 1000\n#define IDC(n) (IDC_FIRST + (n))\n"
                               "#define ID_MENU_BASE 0x9000\n");
}

TEST(SameBytesAsWindres, EveryScriptOfTheTree)
{
    int compared = 0;
    for (auto it = fs::recursive_directory_iterator(VKS_SOURCE_DIR); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name.rfind("build", 0) == 0 || name == ".git")) {
            it.disable_recursion_pending();
            continue;
        }
        // The compiler's own fault scripts are refused by design.
        if (it->path().extension() != ".rc" || it->path().string().find("/tools/rc/tests/") != std::string::npos)
            continue;
        SCOPED_TRACE(it->path().string());
        // Scripts include headers of the folders their module's target names, as the build does.
        compareWithWindres(it->path(), {std::string(VKS_SOURCE_DIR) + "/tools"});
        ++compared;
    }
    EXPECT_LT(0, compared) << "no script found under " << VKS_SOURCE_DIR;
}

TEST(SameBytesAsWindres, EachStatement)
{
    const struct {
        const char *name;
        const char *script;
    } rows[] = {
        {"DIALOGEX with every optional statement and control",
         "#include \"ids.h\"\n"
         "IDD_MAIN DIALOGEX DISCARDABLE 10, 20, 240, 160, 55\n"
         "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
         "EXSTYLE WS_EX_CONTEXTHELP | WS_EX_TOOLWINDOW\n"
         "CAPTION \"All \"\"controls\"\"\"\n"
         "MENU 7\n"
         "CLASS \"MyDialogClass\"\n"
         "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
         "FONT 9, \"Tahoma\", 700, 1, 0x80\n"
         "BEGIN\n"
         "  LTEXT \"&Left\", IDC_STATIC, 1, 2, 30, 8\n"
         "  CTEXT \"Centre\", IDC(1), 1, 12, 30, 8, SS_NOPREFIX\n"
         "  RTEXT \"Right\", IDC(2), 1, 22, 30, 8, SS_SUNKEN, WS_EX_STATICEDGE, 42\n"
         "  EDITTEXT IDC(3), 40, 2, 60, 12, ES_AUTOHSCROLL | NOT WS_BORDER, WS_EX_CLIENTEDGE\n"
         "  PUSHBUTTON \"Push\", IDC(4), 40, 20, 40, 14\n"
         "  DEFPUSHBUTTON \"OK\", IDOK, 40, 40, 40, 14\n"
         "  GROUPBOX \"Group\", IDC(6), 100, 2, 80, 60\n"
         "  CHECKBOX \"Check\", IDC(7), 104, 12, 60, 10\n"
         "  AUTOCHECKBOX \"Auto\", IDC(8), 104, 22, 60, 10\n"
         "  STATE3 \"Three\", IDC(9), 104, 32, 60, 10\n"
         "  AUTO3STATE \"Auto three\", IDC(10), 104, 42, 60, 10\n"
         "  RADIOBUTTON \"Radio\", IDC(11), 104, 52, 60, 10, WS_GROUP\n"
         "  AUTORADIOBUTTON \"Auto radio\", IDC(12), 104, 62, 60, 10\n"
         "  LISTBOX IDC(13), 1, 80, 60, 40, LBS_SORT | WS_VSCROLL\n"
         "  COMBOBOX IDC(14), 70, 80, 60, 40, CBS_DROPDOWNLIST | WS_VSCROLL\n"
         "  SCROLLBAR IDC(15), 140, 80, 60, 10, SBS_HORZ\n"
         "  ICON \"app\", IDC(16), 200, 2\n"
         "  ICON 5, IDC(17), 200, 30, 20, 20\n"
         "  CONTROL \"\", IDC(18), \"msctls_updown32\", UDS_ARROWKEYS | UDS_SETBUDDYINT, 1, 130, 10, 14\n"
         "  CONTROL \"Custom\", IDC(19), \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 130, 50, 10, 0, 77\n"
         "END\n"},
        {"DIALOG, the classic template",
         "2 DIALOG 1, 2, 130, 40\n"
         "STYLE WS_POPUP | DS_MODALFRAME | DS_CENTER\n"
         "EXSTYLE WS_EX_TOOLWINDOW\n"
         "CAPTION \"Classic\"\n"
         "MENU \"mainmenu\"\n"
         "CLASS 300\n"
         "FONT 8, \"MS Shell Dlg\"\n"
         "BEGIN\n"
         "  LTEXT \"Label\", -1, 2, 2, 40, 8\n"
         "  EDITTEXT 10, 50, 2, 70, 12\n"
         "  CONTROL \"Flag\", 11, \"Button\", BS_AUTOCHECKBOX, 2, 20, 60, 10, WS_EX_CLIENTEDGE\n"
         "  DEFPUSHBUTTON \"OK\", IDOK, 70, 20, 50, 14\n"
         "END\n"},
        {"styles: defaults, STYLE twice, NOT in order",
         "3 DIALOGEX 0, 0, 100, 100\nCAPTION \"\"\nSTYLE WS_POPUP\nSTYLE WS_BORDER | NOT WS_BORDER | DS_CENTER\n"
         "BEGIN\n  EDITTEXT 1, 0, 0, 9, 9, NOT WS_TABSTOP | ES_NUMBER\n"
         "  EDITTEXT 2, 0, 0, 9, 9, NOT (WS_TABSTOP | WS_BORDER)\n"
         "  CONTROL \"x\", 3, \"Edit\", NOT WS_VISIBLE, 0, 0, 9, 9\nEND\n"
         "4 DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n"},
        {"STRINGTABLE: escapes, joined texts, languages, ids as expressions",
         "#pragma code_page(65001)\n#include \"ids.h\"\n"
         "STRINGTABLE DISCARDABLE\nBEGIN\n"
         "  1 \"plain\"\n  2, \"tab\\there\"\"quoted\"\"\"\n  3 \"two\" \" joined\"\n"
         "  4 L\"wide\\x263A\"\n  5 \"\\101\\102\\0z\"\n  6 \"caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac\"\n"
         "  IDC(2) \"from a macro\"\n  (10 - 2 * 3) + 0x20 \"arithmetic\"\n  35 \"\"\nEND\n"
         "LANGUAGE LANG_JAPANESE, SUBLANG_DEFAULT\nSTRINGTABLE\nBEGIN\n  1 \"jp\"\nEND\n"},
        {"text in code page 932",
         "#pragma code_page(932)\nSTRINGTABLE\nBEGIN\n  1 \"\x93\xfa\x96\x7b\x8c\xea\"\nEND\n"},
        {"MENU with every option",
         "#include \"ids.h\"\n"
         "mainmenu MENU\nBEGIN\n"
         "  POPUP \"&File\"\n  BEGIN\n"
         "    MENUITEM \"&Open\\tCtrl+O\", ID_MENU_BASE + 1\n    MENUITEM SEPARATOR\n"
         "    MENUITEM \"E&xit\", ID_MENU_BASE + 2, GRAYED, CHECKED\n"
         "    POPUP \"Sub\", HELP\n    BEGIN\n      MENUITEM \"x\\ay\", 3, MENUBARBREAK\n    END\n"
         "  END\n"
         "  MENUITEM \"&Help\", 4, HELP, INACTIVE, MENUBREAK\nEND\n"},
        {"MENUEX with types, states and help identifiers",
         "11 MENUEX\nBEGIN\n"
         "  POPUP \"&File\", 200, MFT_STRING, MFS_ENABLED, 55\n  BEGIN\n"
         "    MENUITEM \"&Open\", 201\n    MENUITEM \"\", 0, MFT_SEPARATOR\n"
         "    MENUITEM \"Ch\", 202, MFT_RADIOCHECK, MFS_CHECKED\n"
         "    POPUP \"More\", 210, 0, MFS_GRAYED, 56\n    BEGIN\n      MENUITEM \"Deep\", 211\n    END\n"
         "  END\n  MENUITEM \"Last\", 203, MFT_RIGHTJUSTIFY\nEND\n"},
        {"BITMAP, 24 bits and with a palette", "5 BITMAP \"rgb.bmp\"\nlogo BITMAP \"palette.bmp\"\n"},
        {"ICON", "APP ICON \"two.ico\"\n7 ICON DISCARDABLE \"two.ico\"\n"},
        {"VERSIONINFO",
         "1 VERSIONINFO\nFILEVERSION 1,2,3,4\nPRODUCTVERSION 1,2\nFILEFLAGSMASK VS_FFI_FILEFLAGSMASK\n"
         "FILEFLAGS VS_FF_PRERELEASE\nFILEOS VOS_NT_WINDOWS32\nFILETYPE VFT_DLL\nFILESUBTYPE VFT2_UNKNOWN\n"
         "BEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"040904b0\"\n    BEGIN\n"
         "      VALUE \"CompanyName\", \"Acme\"\n      VALUE \"FileVersion\", \"1.2.3.4\\0\"\n"
         "      VALUE \"Empty\", \"\"\n      VALUE \"Joined\", \"a\" \"b\"\n    END\n  END\n"
         "  BLOCK \"VarFileInfo\"\n  BEGIN\n    VALUE \"Translation\", 0x409, 1200, 0x411, 932\n  END\nEND\n"},
        {"preprocessor: conditions, macros, #undef",
         "#include \"ids.h\"\n#define TWICE(x) ((x) * 2)\n#define NAME \"cond\"\n"
         "#if defined(IDD_MAIN) && IDD_MAIN > 50\n#define PICK 1\n#elif 1\n#define PICK 2\n#else\n#define PICK 3\n#endif\n"
         "#ifndef PICK\n#error no pick\n#endif\n#undef NAME\n#ifdef NAME\n#error NAME stayed\n#endif\n"
         "STRINGTABLE\nBEGIN\n  TWICE(PICK) \"picked\" /* a comment */\n  // a line comment\n  7 \"seven\"\nEND\n"},
    };
    ScratchFolder data;
    writeDataFiles(data.path());
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path script = data.path() / "table.rc";
        writeAll(script, row.script);
        compareWithWindres(script);
    }
}

}  // namespace
