// The resource-script compiler: dialog templates read from scripts and laid out as Windows
// documents DLGTEMPLATEEX and DLGITEMTEMPLATEEX, and the faults it reports with their lines.
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bitmap_file.h"
#include "dialog_binary.h"
#include "dialog_parser.h"
#include "emit_source.h"

namespace {

using vksrc::DialogTemplate;
using vksrc::ScriptError;

// Bytes written field by field in the documented order, to compare with the compiler's.
class Layout {
public:
    Layout &word(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Layout &dword(std::uint32_t v) { return word(static_cast<std::uint16_t>(v)).word(static_cast<std::uint16_t>(v >> 16)); }
    Layout &words(std::initializer_list<std::uint16_t> values)
    {
        for (std::uint16_t v : values)
            word(v);
        return *this;
    }
    // ASCII text as UTF-16 with its NUL.
    Layout &text(const char *ascii)
    {
        for (; *ascii; ++ascii)
            word(static_cast<std::uint8_t>(*ascii));
        return word(0);
    }
    Layout &byte(std::uint8_t v)
    {
        bytes.push_back(v);
        return *this;
    }
    Layout &align()
    {
        while (bytes.size() % 4)
            bytes.push_back(0);
        return *this;
    }
    std::vector<std::uint8_t> bytes;
};

std::vector<DialogTemplate> parse(const std::string &script,
                                  const std::map<std::string, std::string> &headers = {})
{
    return vksrc::parseDialogs(script, [&](const std::string &name) -> std::optional<std::string> {
        auto found = headers.find(name);
        if (found == headers.end())
            return std::nullopt;
        return found->second;
    });
}

}  // namespace

TEST(ResourceCompiler, LaysOutATemplateWithEveryStatementAsWindowsDocuments)
{
    const std::string script =
        "#include \"ids.h\"\n"
        "#pragma code_page(65001)\n"
        "#define IDC_NAME 1001\n"
        "// A dialog with every statement the compiler takes.\n"
        "IDD_SAMPLE DIALOGEX 10, 20, 200, 100, 77\n"
        "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
        "EXSTYLE WS_EX_CONTEXTHELP\n"
        "CAPTION \"$ProductName$ \"\"Range\"\"\"\n"
        "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n"
        "BEGIN\n"
        "    LTEXT \"&Name:\", IDC_STATIC, 7, 9, 40, 8\n"
        "    EDITTEXT IDC_NAME, 50, 7, 100, 14, ES_AUTOHSCROLL | NOT WS_BORDER, WS_EX_CLIENTEDGE\n"
        "    GROUPBOX \"Days\", -1, 7, 30, 186, 40\n"
        "    CONTROL \"\", IDC_SPIN, \"msctls_updown32\", UDS_ARROWKEYS | UDS_SETBUDDYINT, 150, 7, 10, 14\n"
        "    CONTROL \"Check\", 1003, BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 50, 50, 10, 0, 42\n"
        "    DEFPUSHBUTTON \"OK\", IDOK, 90, 80, 50, 14\n"
        "    PUSHBUTTON \"Cancel\", IDCANCEL, 143, 80, 50, 14, WS_DISABLED\n"
        "END\n";
    auto dialogs = parse(script, {{"ids.h", "#pragma once\n#define IDD_SAMPLE 100\n"
                                            "#define IDC_SPIN (IDC_BASE + 2)\n"
                                            "#define IDC_BASE 1000\nint not_a_define;\n"}});
    ASSERT_EQ(1u, dialogs.size());

    Layout expected;
    expected.words({1, 0xFFFF})                  // dlgVer, signature
        .dword(77)                               // helpID
        .dword(0x400)                            // exStyle
        .dword(0x80C800C0)                       // style
        .word(7)                                 // cDlgItems
        .words({10, 20, 200, 100})               // x, y, cx, cy
        .word(0)                                 // menu: none
        .word(0)                                 // windowClass: the dialog class
        .text("$ProductName$ \"Range\"")         // title
        .words({8, 400}).byte(0).byte(1)         // pointsize, weight, italic, charset
        .text("MS Shell Dlg");                   // typeface
    // Each item: helpID, exStyle, style, x, y, cx, cy, id, class, title, extraCount.
    expected.align().dword(0).dword(0).dword(0x50020000).words({7, 9, 40, 8})
        .dword(0xFFFFFFFF).words({0xFFFF, 0x82}).text("&Name:").word(0);
    expected.align().dword(0).dword(0x200).dword(0x50010080).words({50, 7, 100, 14})
        .dword(1001).words({0xFFFF, 0x81}).text("").word(0);
    expected.align().dword(0).dword(0).dword(0x50000007).words({7, 30, 186, 40})
        .dword(0xFFFFFFFF).words({0xFFFF, 0x80}).text("Days").word(0);
    expected.align().dword(0).dword(0).dword(0x50000022).words({150, 7, 10, 14})
        .dword(1002).text("msctls_updown32").text("").word(0);
    expected.align().dword(42).dword(0).dword(0x50010003).words({7, 50, 50, 10})
        .dword(1003).words({0xFFFF, 0x80}).text("Check").word(0);
    expected.align().dword(0).dword(0).dword(0x50010001).words({90, 80, 50, 14})
        .dword(1).words({0xFFFF, 0x80}).text("OK").word(0);
    expected.align().dword(0).dword(0).dword(0x58010000).words({143, 80, 50, 14})
        .dword(2).words({0xFFFF, 0x80}).text("Cancel").word(0);

    EXPECT_EQ(expected.bytes, vksrc::dialogBytes(dialogs[0]));
    EXPECT_TRUE(dialogs[0].name.isNumber);
    EXPECT_EQ(100, dialogs[0].name.number);
}

TEST(ResourceCompiler, DialogStylesFollowTheStatementsGiven)
{
    const struct {
        const char *name;
        const char *statements;
        std::uint32_t style;
    } rows[] = {
        {"no STYLE: popup, border, system menu", "", 0x80880000},
        {"CAPTION adds the caption", "CAPTION \"T\"\n", 0x80C80000},
        {"FONT adds DS_SETFONT", "FONT 9, \"Tahoma\"\n", 0x80880040},
        {"STYLE replaces the default", "STYLE WS_CHILD\n", 0x40000000},
        {"STYLE with a caption", "STYLE WS_POPUP\nCAPTION \"T\"\n", 0x80C00000},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto dialogs = parse(std::string("Named DIALOGEX 0, 0, 10, 10\n") + row.statements +
                             "BEGIN\nEND\n");
        ASSERT_EQ(1u, dialogs.size());
        EXPECT_EQ(row.style, dialogs[0].style);
        EXPECT_FALSE(dialogs[0].name.isNumber);
        EXPECT_EQ("NAMED", dialogs[0].name.text) << "names are kept in capitals";
    }
}

TEST(ResourceCompiler, TextsBecomeUtf16WithSurrogatePairs)
{
    auto dialogs = parse("1 DIALOGEX 0, 0, 10, 10\nCAPTION \"\xe6\x97\xa5\xf0\x9f\x98\x80\"\n"
                         "BEGIN\nEND\n");
    ASSERT_EQ(1u, dialogs.size());
    Layout title;
    title.words({0x65E5, 0xD83D, 0xDE00, 0});
    std::vector<std::uint8_t> bytes = vksrc::dialogBytes(dialogs[0]);
    // The title follows the 26 bytes of fixed fields, the menu and the class.
    ASSERT_GE(bytes.size(), 30 + title.bytes.size());
    EXPECT_EQ(title.bytes, std::vector<std::uint8_t>(bytes.begin() + 30,
                                                     bytes.begin() + 30 + 8));
}

TEST(ResourceCompiler, ReportsTheLineAndReasonOfAFault)
{
    const struct {
        const char *script;
        int line;
        const char *reason;
    } rows[] = {
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\nEND\n", 1,
         "resource type 'DIALOG' is not supported: only DIALOGEX is"},
        {"1 DIALOGEX 0, 0, 1\nBEGIN\nEND\n", 2, "expected ',' before the height"},
        {"1 DIALOGEX 0, 0, 1, 1\nSTYLE WS_BOGUS\nBEGIN\nEND\n", 2, "unknown name 'WS_BOGUS'"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  LISTBOX 1, 0, 0, 1, 1\nEND\n", 3,
         "control statement 'LISTBOX' is not supported"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  LTEXT \"open, 1, 0, 0, 1, 1\nEND\n", 3,
         "a text is not closed on its line"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  LTEXT \"x\", 1, 0, 0, 40000, 1\nEND\n", 3,
         "the width is beyond 16 bits"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  PUSHBUTTON \"x\", 1, 0, 0, 1, 1\n", 1,
         "the dialog's BEGIN has no END"},
        {"#include \"missing.h\"\n", 1, "cannot read the included file 'missing.h'"},
        {"#ifdef X\n", 1, "directive #ifdef is not supported"},
        {"1 DIALOGEX 0, 0, 1, 1\n/* never closed\nBEGIN\n", 2, "a comment is not closed"},
        {"0 DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n", 1,
         "a resource number must lie between 1 and 65535"},
        {"1 DIALOGEX 0, 0, 1, 1\nCAPTION \"\xff\"\nBEGIN\nEND\n", 1, "a text is not valid UTF-8"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.script);
        try {
            for (const auto &dialog : parse(row.script))
                vksrc::dialogBytes(dialog);
            ADD_FAILURE() << "no fault reported";
        } catch (const ScriptError &error) {
            EXPECT_EQ(row.line, error.line());
            EXPECT_STREQ(row.reason, error.what());
        }
    }
}

TEST(ResourceCompiler, ReadsBitmapStatementsBesideDialogs)
{
    const char *script = "#define IDB_STRIP 120\n"
                         "IDB_STRIP BITMAP \"art/strip.bmp\"\n"
                         "1 DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n"
                         "logo bitmap \"logo.bmp\"\n";
    vksrc::ScriptResources resources =
        vksrc::parseScript(script, [](const std::string &) { return std::nullopt; });
    ASSERT_EQ(1u, resources.dialogs.size());
    ASSERT_EQ(2u, resources.bitmaps.size());
    EXPECT_TRUE(resources.bitmaps[0].name.isNumber);
    EXPECT_EQ(120, resources.bitmaps[0].name.number);
    EXPECT_EQ("art/strip.bmp", resources.bitmaps[0].file);
    EXPECT_EQ("LOGO", resources.bitmaps[1].name.text);
    EXPECT_EQ(6, resources.bitmaps[1].line);
}

TEST(ResourceCompiler, CarriesABmpWithoutItsFileHeader)
{
    // A 14-byte file header, then a 40-byte DIB header whose first field is its size.
    std::string file = "BM" + std::string(12, '\0');
    std::string dib(40, '\0');
    dib[0] = 40;
    dib += "pixels";
    std::string reason;
    auto bytes = vksrc::bitmapResourceBytes(file + dib, reason);
    ASSERT_TRUE(bytes.has_value()) << reason;
    EXPECT_EQ(std::vector<std::uint8_t>(dib.begin(), dib.end()), *bytes);

    const struct {
        const char *name;
        std::string file;
    } bad[] = {
        {"no signature", "XX" + std::string(12, '\0') + dib},
        {"too short", "BM" + std::string(20, '\0')},
        {"header larger than the file", "BM" + std::string(12, '\0') + "\xff" + std::string(39, '\0')},
    };
    for (const auto &row : bad) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(vksrc::bitmapResourceBytes(row.file, reason).has_value());
    }
}

// Two scripts of one module carrying the same resource must fail to link, as Windows' linker
// refuses duplicate resources: each generated source defines one symbol per resource, named
// after its type and its name (names folded to upper case, as FindResourceA compares them).
TEST(ResourceCompiler, ClaimsEachResourceWithASymbolThatDuplicatesCannotShare)
{
    const std::vector<DialogTemplate> dialogs = parse(
        "300 DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n"
        "About DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n");
    const std::string source = vksrc::moduleSource(dialogs, "test.rc");
    EXPECT_NE(std::string::npos, source.find("extern const char vks_resource_dialog_300 = 0;"));
    // "ABOUT" in hex: a script that spells it "about" claims the same symbol.
    EXPECT_NE(std::string::npos,
              source.find("extern const char vks_resource_dialog_name_41424f5554 = 0;"));
}
