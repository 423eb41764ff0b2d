// Dialog templates: DIALOGEX laid out as DLGTEMPLATEEX, DIALOG as DLGTEMPLATE, each control
// statement with Windows' default styles.
#include "script_fixture.h"

namespace {

using rctest::compile;
using rctest::Layout;
using rctest::only;

constexpr std::uint16_t kDialog = 5;

TEST(DialogStatement, LaysOutADialogExWithEveryStatementAsWindowsDocuments)
{
    const std::string script =
        "#include \"ids.h\"\n"
        "#define IDC_NAME 1001\n"
        "IDD_SAMPLE DIALOGEX 10, 20, 200, 100, 77\n"
        "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
        "EXSTYLE WS_EX_CONTEXTHELP\n"
        "CAPTION \"$ProductName$ \"\"Range\"\"\"\n"
        "MENU 7\n"
        "CLASS \"MyDialogClass\"\n"
        "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n"
        "BEGIN\n"
        "    LTEXT \"&Name:\", IDC_STATIC, 7, 9, 40, 8\n"
        "    EDITTEXT IDC_NAME, 50, 7, 100, 14, ES_AUTOHSCROLL | NOT WS_BORDER, WS_EX_CLIENTEDGE\n"
        "    CONTROL \"\", IDC_SPIN, \"msctls_updown32\", UDS_ARROWKEYS | UDS_SETBUDDYINT, 150, 7, 10, 14\n"
        "    CONTROL \"Check\", 1003, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 50, 50, 10, 0, 42\n"
        "    CONTROL 5, 1004, STATIC, SS_ICON, 1, 2, 0, 0\n"
        "END\n";
    const auto resources = compile(script, {{"ids.h", "#pragma once\n#define IDD_SAMPLE 100\n"
                                                      "#define IDC_SPIN (IDC_BASE + 2)\n"
                                                      "#define IDC_BASE 1000\nint not_a_define;\n"}});
    Layout expected;
    expected.words({1, 0xFFFF})                  // dlgVer, signature
        .dword(77)                               // helpID
        .dword(0x400)                            // exStyle
        .dword(0x80C800C0)                       // style
        .word(5)                                 // cDlgItems
        .words({10, 20, 200, 100})               // x, y, cx, cy
        .words({0xFFFF, 7})                      // menu
        .text(u"MyDialogClass")                  // windowClass, as written
        .text(u"$ProductName$ \"Range\"")        // title
        .words({8, 400}).byte(0).byte(1)         // pointsize, weight, italic, charset
        .text(u"MS Shell Dlg");                  // typeface
    // Each item: helpID, exStyle, style, x, y, cx, cy, id, class, title, extraCount.
    expected.align().dword(0).dword(0).dword(0x50020000).words({7, 9, 40, 8})
        .dword(0xFFFFFFFF).words({0xFFFF, 0x82}).text(u"&Name:").word(0);
    expected.align().dword(0).dword(0x200).dword(0x50010080).words({50, 7, 100, 14})
        .dword(1001).words({0xFFFF, 0x81}).text(u"").word(0);
    expected.align().dword(0).dword(0).dword(0x50000022).words({150, 7, 10, 14})
        .dword(1002).text(u"msctls_updown32").text(u"").word(0);
    expected.align().dword(42).dword(0).dword(0x50010003).words({7, 50, 50, 10})
        .dword(1003).words({0xFFFF, 0x80}).text(u"Check").word(0);
    expected.align().dword(0).dword(0).dword(0x50000003).words({1, 2, 0, 0})
        .dword(1004).words({0xFFFF, 0x82}).words({0xFFFF, 5}).word(0);

    ASSERT_EQ(1u, resources.size());
    EXPECT_EQ(expected.bytes, resources[0].data);
    EXPECT_EQ(vksrc::ResourceId::of(100), resources[0].name);
    EXPECT_EQ(0x0409, resources[0].language);
}

TEST(DialogStatement, LaysOutAClassicDialogAsDlgTemplate)
{
    const auto resources = compile(
        "2 DIALOG 1, 2, 30, 40\n"
        "STYLE WS_POPUP | DS_MODALFRAME\n"
        "EXSTYLE WS_EX_TOOLWINDOW\n"
        "CAPTION \"Cap\"\n"
        "MENU \"mymenu\"\n"
        "CLASS 300\n"
        "FONT 8, \"MS Shell Dlg\"\n"
        "BEGIN\n"
        "  LTEXT \"a\", 1, 0, 0, 1, 1\n"
        "  CONTROL \"b\", 2, \"button\", BS_AUTOCHECKBOX, 1, 2, 3, 4, WS_EX_CLIENTEDGE\n"
        "END\n");
    Layout expected;
    expected.dword(0x80C000C0).dword(0x80).word(2).words({1, 2, 30, 40})
        .text(u"MYMENU").words({0xFFFF, 300}).text(u"Cap").word(8).text(u"MS Shell Dlg");
    expected.align().dword(0x50020000).dword(0).words({0, 0, 1, 1}).word(1)
        .words({0xFFFF, 0x82}).text(u"a").word(0);
    expected.align().dword(0x50000003).dword(0x200).words({1, 2, 3, 4}).word(2)
        .words({0xFFFF, 0x80}).text(u"b").word(0);
    EXPECT_EQ(expected.bytes, only(resources, kDialog));
}

// The style of each control statement with nothing added, and its class (0x80 Button, 0x81
// Edit, 0x82 Static, 0x83 ListBox, 0x84 ScrollBar, 0x85 ComboBox).
TEST(DialogStatement, ControlStatementsTakeWindowsDefaults)
{
    const struct {
        const char *statement;
        std::uint32_t style;
        std::uint16_t classOrdinal;
    } rows[] = {
        {"LTEXT \"t\", 1, 0, 0, 1, 1", 0x50020000, 0x82},
        {"CTEXT \"t\", 1, 0, 0, 1, 1", 0x50020001, 0x82},
        {"RTEXT \"t\", 1, 0, 0, 1, 1", 0x50020002, 0x82},
        {"PUSHBUTTON \"t\", 1, 0, 0, 1, 1", 0x50010000, 0x80},
        {"DEFPUSHBUTTON \"t\", 1, 0, 0, 1, 1", 0x50010001, 0x80},
        {"PUSHBOX \"t\", 1, 0, 0, 1, 1", 0x5001000A, 0x80},
        {"GROUPBOX \"t\", 1, 0, 0, 1, 1", 0x50000007, 0x80},
        {"CHECKBOX \"t\", 1, 0, 0, 1, 1", 0x50010002, 0x80},
        {"AUTOCHECKBOX \"t\", 1, 0, 0, 1, 1", 0x50010003, 0x80},
        {"STATE3 \"t\", 1, 0, 0, 1, 1", 0x50010005, 0x80},
        {"AUTO3STATE \"t\", 1, 0, 0, 1, 1", 0x50010006, 0x80},
        {"RADIOBUTTON \"t\", 1, 0, 0, 1, 1", 0x50010004, 0x80},
        {"AUTORADIOBUTTON \"t\", 1, 0, 0, 1, 1", 0x50010009, 0x80},
        {"EDITTEXT 1, 0, 0, 1, 1", 0x50810000, 0x81},
        {"LISTBOX 1, 0, 0, 1, 1", 0x50800001, 0x83},
        {"COMBOBOX 1, 0, 0, 1, 1", 0x50010000, 0x85},
        {"SCROLLBAR 1, 0, 0, 1, 1", 0x50000000, 0x84},
        {"ICON \"app\", 1, 0, 0", 0x50000003, 0x82},
        {"CONTROL \"t\", 1, \"ComboBox\", CBS_DROPDOWNLIST, 0, 0, 1, 1", 0x50000003, 0x85},
        {"CONTROL \"t\", 1, \"scrollbar\", NOT WS_VISIBLE | SBS_VERT, 0, 0, 1, 1", 0x40000001, 0x84},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.statement);
        const auto bytes = only(compile(std::string("1 DIALOGEX 0, 0, 9, 9\nBEGIN\n") +
                                        row.statement + "\nEND\n"),
                                kDialog);
        // The dialog's fixed part is 26 bytes and three empty texts, so the item starts at 32.
        ASSERT_GE(bytes.size(), 56u);
        Layout style, klass;
        style.dword(row.style);
        klass.words({0xFFFF, row.classOrdinal});
        EXPECT_EQ(style.bytes, std::vector<std::uint8_t>(bytes.begin() + 40, bytes.begin() + 44));
        EXPECT_EQ(klass.bytes, std::vector<std::uint8_t>(bytes.begin() + 56, bytes.begin() + 60));
    }
}

// With a style given, WS_GROUP and WS_TABSTOP stay only where they are more than a default.
TEST(DialogStatement, ControlStatementsGivenAStyleKeepTheirType)
{
    const struct {
        const char *statement;
        std::uint32_t style;
    } rows[] = {
        {"LTEXT \"t\", 1, 0, 0, 1, 1, SS_NOPREFIX", 0x50000080},
        {"PUSHBUTTON \"t\", 1, 0, 0, 1, 1, 0", 0x50010000},
        {"PUSHBOX \"t\", 1, 0, 0, 1, 1, 0", 0x5000000A},
        {"AUTOCHECKBOX \"t\", 1, 0, 0, 1, 1, 0", 0x50010003},
        {"AUTO3STATE \"t\", 1, 0, 0, 1, 1, 0", 0x50000006},
        {"RADIOBUTTON \"t\", 1, 0, 0, 1, 1, WS_GROUP", 0x50020004},
        {"EDITTEXT 1, 0, 0, 1, 1, ES_NUMBER", 0x50812000},
        {"LISTBOX 1, 0, 0, 1, 1, LBS_SORT", 0x50800003},
        {"COMBOBOX 1, 0, 0, 1, 1, CBS_DROPDOWN", 0x50000002},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.statement);
        const auto bytes = only(compile(std::string("1 DIALOGEX 0, 0, 9, 9\nBEGIN\n") +
                                        row.statement + "\nEND\n"),
                                kDialog);
        Layout style;
        style.dword(row.style);
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(style.bytes, std::vector<std::uint8_t>(bytes.begin() + 40, bytes.begin() + 44));
    }
}

TEST(DialogStatement, StylesFollowTheStatementsInTheirOrder)
{
    const struct {
        const char *name;
        const char *statements;
        std::uint32_t style;
    } rows[] = {
        {"no STYLE: popup, border, system menu", "", 0x80880000},
        {"CAPTION adds the caption", "CAPTION \"T\"\n", 0x80C80000},
        {"an empty CAPTION adds it too", "CAPTION \"\"\n", 0x80C80000},
        {"FONT adds DS_SETFONT", "FONT 9, \"Tahoma\"\n", 0x80880040},
        {"STYLE starts from nothing", "STYLE WS_CHILD\n", 0x40000000},
        {"a CAPTION before STYLE still counts", "CAPTION \"T\"\nSTYLE WS_POPUP\n", 0x80C00000},
        {"a second STYLE adds to the first", "STYLE WS_POPUP\nSTYLE DS_CENTER\n", 0x80000800},
        {"NOT clears what comes before it", "STYLE WS_POPUP | WS_BORDER | NOT WS_BORDER\n", 0x80000000},
        {"what follows NOT sets again", "STYLE NOT WS_BORDER | WS_BORDER\n", 0x00800000},
        {"CAPTION after STYLE adds its bit", "STYLE WS_POPUP | NOT WS_CAPTION\nCAPTION \"T\"\n", 0x80C00000},
        {"a later STYLE changes CAPTION's bits", "CAPTION \"T\"\nSTYLE WS_POPUP\nSTYLE NOT WS_BORDER\n", 0x80400000},
        {"FONT's bit stays through STYLE", "FONT 8, \"X\"\nSTYLE WS_POPUP\nSTYLE 1\n", 0x80000041},
        {"parentheses, arithmetic", "STYLE (WS_POPUP + WS_VISIBLE) | 0x10 * 4\n", 0x90000040},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto bytes = only(compile(std::string("Named DIALOGEX 0, 0, 10, 10\n") +
                                        row.statements + "BEGIN\nEND\n"),
                                kDialog);
        Layout style;
        style.dword(row.style);
        ASSERT_GE(bytes.size(), 16u);
        EXPECT_EQ(style.bytes, std::vector<std::uint8_t>(bytes.begin() + 12, bytes.begin() + 16));
    }
}

TEST(DialogStatement, KeepsAControlsStyleExpressionInOrder)
{
    const struct {
        const char *style;
        std::uint32_t expected;
    } rows[] = {
        {"NOT WS_BORDER | WS_BORDER", 0x50810000},
        {"WS_BORDER | NOT WS_BORDER", 0x50010000},
        {"NOT WS_TABSTOP | ES_NUMBER", 0x50802000},
        {"NOT (WS_TABSTOP | WS_BORDER)", 0x50000000},
        {"ES_NUMBER | NOT WS_TABSTOP | 0x4", 0x50802004},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.style);
        const auto bytes = only(compile(std::string("1 DIALOGEX 0, 0, 9, 9\nBEGIN\nEDITTEXT 1, 0, 0, 1, 1, ") +
                                        row.style + "\nEND\n"),
                                kDialog);
        Layout style;
        style.dword(row.expected);
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(style.bytes, std::vector<std::uint8_t>(bytes.begin() + 40, bytes.begin() + 44));
    }
}

TEST(DialogStatement, NamesResourcesInCapitalsAndKeepsClassesAsWritten)
{
    const auto resources = compile(
        "Named_Dialog DIALOGEX 0, 0, 9, 9\nBEGIN\n"
        "  CONTROL \"\", 1, \"SysListView32\", 0, 0, 0, 1, 1\n"
        "  CONTROL \"\", 2, \"EDIT\", 0, 0, 0, 1, 1\nEND\n"
        "\"two words\" DIALOG 0, 0, 9, 9\nBEGIN\nEND\n");
    ASSERT_EQ(2u, resources.size());
    EXPECT_EQ(vksrc::ResourceId::named(u"NAMED_DIALOG"), resources[0].name);
    EXPECT_EQ(vksrc::ResourceId::named(u"TWO WORDS"), resources[1].name);
    Layout classes;
    classes.text(u"SysListView32");
    const auto &bytes = resources[0].data;
    ASSERT_GE(bytes.size(), 56u + classes.bytes.size());
    EXPECT_EQ(classes.bytes, std::vector<std::uint8_t>(bytes.begin() + 56,
                                                       bytes.begin() + 56 + static_cast<long>(classes.bytes.size())));
}

}  // namespace
