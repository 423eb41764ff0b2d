#include "dialog_statement.h"

#include <string_view>

namespace vksrc {

namespace {

constexpr std::uint32_t kChildVisible = 0x40000000 | 0x10000000;  // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kDialogDefault = 0x80000000 | 0x00800000 | 0x00080000;  // popup, border, menu
constexpr std::uint32_t kCaption = 0x00C00000;                                  // WS_CAPTION
constexpr std::uint32_t kSetFont = 0x40;                                        // DS_SETFONT
constexpr std::uint32_t kGroup = 0x00020000, kTabStop = 0x00010000, kBorder = 0x00800000;

enum class TextKind { Text, None, IconName };

struct ControlKind {
    std::string_view word;
    std::uint16_t classOrdinal;  // Button 0x80, Edit 0x81, Static 0x82, ListBox 0x83, ...
    std::uint32_t defaults;      // besides WS_CHILD | WS_VISIBLE, when the statement gives no style
    std::uint32_t base;          // what a style the statement gives is added to
    TextKind text;
};

// Windows' defaults for each control statement; a style given replaces WS_GROUP or WS_TABSTOP
// where they are only defaults, as windres has it. PUSHBOX is BS_PUSHBOX (0x0A), as Windows'
// compiler writes it; GNU windres writes 0x0C there.
constexpr ControlKind kControls[] = {
    {"LTEXT", 0x82, 0x0 | kGroup, 0x0, TextKind::Text},
    {"CTEXT", 0x82, 0x1 | kGroup, 0x1, TextKind::Text},
    {"RTEXT", 0x82, 0x2 | kGroup, 0x2, TextKind::Text},
    {"PUSHBUTTON", 0x80, 0x0 | kTabStop, 0x0 | kTabStop, TextKind::Text},
    {"DEFPUSHBUTTON", 0x80, 0x1 | kTabStop, 0x1 | kTabStop, TextKind::Text},
    {"PUSHBOX", 0x80, 0xA | kTabStop, 0xA, TextKind::Text},
    {"GROUPBOX", 0x80, 0x7, 0x7, TextKind::Text},
    {"CHECKBOX", 0x80, 0x2 | kTabStop, 0x2 | kTabStop, TextKind::Text},
    {"AUTOCHECKBOX", 0x80, 0x3 | kTabStop, 0x3 | kTabStop, TextKind::Text},
    {"STATE3", 0x80, 0x5 | kTabStop, 0x5, TextKind::Text},
    {"AUTO3STATE", 0x80, 0x6 | kTabStop, 0x6, TextKind::Text},
    {"RADIOBUTTON", 0x80, 0x4 | kTabStop, 0x4, TextKind::Text},
    {"AUTORADIOBUTTON", 0x80, 0x9 | kTabStop, 0x9, TextKind::Text},
    {"EDITTEXT", 0x81, kBorder | kTabStop, kBorder | kTabStop, TextKind::None},
    {"LISTBOX", 0x83, 0x1 | kBorder, 0x1 | kBorder, TextKind::None},
    {"COMBOBOX", 0x85, 0x0 | kTabStop, 0x0, TextKind::None},
    {"SCROLLBAR", 0x84, 0x0, 0x0, TextKind::None},
    {"ICON", 0x82, 0x3, 0x3, TextKind::IconName},
};

class DialogReader {
public:
    DialogReader(ScriptReader &in, bool extended, ResourceOptions &options)
        : in_(in), extended_(extended), options_(options)
    {
    }

    DialogTemplate run(const Location &where)
    {
        DialogTemplate d;
        d.extended = extended_;
        d.where = where;
        in_.skipMemoryOptions();
        rectangle(d.x, d.y, d.cx, d.cy);
        if (extended_ && in_.takeMark(","))
            d.helpId = in_.number("the help identifier");
        statements(d);
        in_.expectBegin("a dialog");
        while (!in_.takeBlockEnd()) {
            if (in_.atEnd())
                throw ScriptError(where, "the dialog's BEGIN has no END");
            d.controls.push_back(control());
        }
        return d;
    }

private:
    void rectangle(std::int16_t &x, std::int16_t &y, std::int16_t &cx, std::int16_t &cy)
    {
        x = in_.coordinate("x");
        in_.expectComma("y");
        y = in_.coordinate("y");
        in_.expectComma("the width");
        cx = in_.coordinate("the width");
        in_.expectComma("the height");
        cy = in_.coordinate("the height");
    }

    // The statements between the dimensions and BEGIN, in their order, as windres takes them:
    // CAPTION and FONT add their bits where they stand; the first STYLE replaces the default
    // style but keeps those bits, and later STYLE statements change the style so far.
    void statements(DialogTemplate &d)
    {
        std::uint32_t style = kDialogDefault;
        std::uint32_t added = 0;
        bool styled = false;
        for (;;) {
            if (in_.takeKeyword("STYLE")) {
                const StyleExpression expression = in_.style("STYLE");
                style = expression.applyTo(styled ? style : added);
                styled = true;
            } else if (in_.takeKeyword("EXSTYLE")) {
                d.exStyle = in_.number("EXSTYLE");
            } else if (in_.takeKeyword("CAPTION")) {
                d.caption = in_.plainText("the caption");
                added |= kCaption;
                style |= kCaption;
            } else if (in_.takeKeyword("FONT")) {
                font(d);
                added |= kSetFont;
                style |= kSetFont;
            } else if (in_.takeKeyword("CLASS")) {
                d.windowClass = dialogClass();
            } else if (in_.takeKeyword("MENU")) {
                d.menu = in_.resourceName("the menu");
            } else if (!takeResourceOption(in_, options_)) {
                break;
            }
        }
        d.style = style;
    }

    void font(DialogTemplate &d)
    {
        d.hasFont = true;
        d.font.pointSize = in_.word("the font size");
        in_.expectComma("the typeface");
        d.font.typeface = in_.plainText("the typeface");
        // The classic template has no room for these; they are read and left out there.
        if (in_.takeMark(",")) {
            d.font.weight = in_.word("the font weight");
            if (in_.takeMark(",")) {
                d.font.italic = byteValue("the italic flag");
                if (in_.takeMark(","))
                    d.font.charset = byteValue("the character set");
            }
        }
    }

    std::uint8_t byteValue(const std::string &what)
    {
        const Location where = in_.peek().where;
        const std::uint32_t value = in_.number(what);
        if (value > 0xFF)
            throw ScriptError(where, what + " is beyond 8 bits");
        return static_cast<std::uint8_t>(value);
    }

    // A dialog's own window class keeps its letters as written.
    ResourceId dialogClass()
    {
        if (in_.atText())
            return ResourceId::named(in_.plainText("the class"));
        return in_.windowClass("the class");
    }

    // A control's text: a text in quotes, or a resource number.
    ResourceId controlText()
    {
        if (in_.atText())
            return ResourceId::named(in_.plainText("a control's text"));
        return ResourceId::of(in_.word("a control's text"));
    }

    // [, style [, extended style [, help identifier]]]: `defaults` without a style, the style
    // added to `base` with one.
    void tail(DialogControl &c, std::uint32_t defaults, std::uint32_t base, bool withStyle)
    {
        c.style = defaults;
        if (withStyle && in_.takeMark(","))
            c.style = in_.style("the control's style").applyTo(base);
        if (!in_.takeMark(","))
            return;
        c.exStyle = in_.number("the extended style");
        if (!in_.takeMark(","))
            return;
        if (!extended_)
            in_.fail("a DIALOG's control has no help identifier (DIALOGEX has)");
        c.helpId = in_.number("the help identifier");
    }

    DialogControl control()
    {
        DialogControl c;
        c.where = in_.peek().where;
        if (in_.takeKeyword("CONTROL")) {
            c.text = controlText();
            in_.expectComma("the identifier");
            c.id = in_.number("the identifier");
            in_.expectComma("the class");
            c.windowClass = in_.windowClass("the class");
            in_.expectComma("the style");
            const StyleExpression style = in_.style("the control's style");
            in_.expectComma("x");
            rectangle(c.x, c.y, c.cx, c.cy);
            const std::uint32_t given = style.applyTo(kChildVisible);
            tail(c, given, given, false);
            return c;
        }
        for (const ControlKind &kind : kControls) {
            if (!in_.takeKeyword(kind.word))
                continue;
            c.windowClass = ResourceId::of(kind.classOrdinal);
            if (kind.text == TextKind::Text)
                c.text = controlText();
            else if (kind.text == TextKind::IconName)
                c.text = in_.resourceName("the icon");
            if (kind.text != TextKind::None)
                in_.expectComma("the identifier");
            c.id = in_.number("the identifier");
            in_.expectComma("x");
            if (kind.text == TextKind::IconName) {
                iconPlace(c);
            } else {
                rectangle(c.x, c.y, c.cx, c.cy);
            }
            tail(c, kChildVisible | kind.defaults, kChildVisible | kind.base, true);
            return c;
        }
        if (in_.peek().kind == Token::Kind::Name)
            in_.fail("'" + in_.peek().spelling + "' is no control statement");
        in_.fail("expected a control statement or END");
    }

    // ICON: x, y [, width, height]. The icon sizes itself: the width and height are written 0.
    void iconPlace(DialogControl &c)
    {
        c.x = in_.coordinate("x");
        in_.expectComma("y");
        c.y = in_.coordinate("y");
        if (in_.takeMark(",")) {
            in_.coordinate("the width");
            in_.expectComma("the height");
            in_.coordinate("the height");
        }
    }

    ScriptReader &in_;
    bool extended_;
    ResourceOptions &options_;
};

}  // namespace

DialogTemplate readDialog(ScriptReader &in, bool extended, const Location &where,
                          ResourceOptions &options)
{
    return DialogReader(in, extended, options).run(where);
}

}  // namespace vksrc
