// Writing the binary DLGTEMPLATEEX layout from a template's fields, as a resource compiler would.
#include <string_view>

#include "kernel32/wide_text.h"
#include "user32/dialog_template.h"

namespace vks::detail {

namespace {

class Writer {
public:
    void word(WORD value)
    {
        bytes_.push_back(static_cast<BYTE>(value & 0xFF));
        bytes_.push_back(static_cast<BYTE>(value >> 8));
    }
    void dword(DWORD value)
    {
        word(static_cast<WORD>(value & 0xFFFF));
        word(static_cast<WORD>(value >> 16));
    }
    void coordinate(short value) { word(static_cast<WORD>(value)); }
    // A NUL-terminated UTF-16 text from the ANSI code page.
    void text(const std::string &ansi)
    {
        for (char16_t unit : utf16FromAnsi(ansi))
            word(unit);
        word(0);
    }
    // Items start on a DWORD boundary from the template's start.
    void alignTo4()
    {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }
    std::vector<BYTE> take() { return std::move(bytes_); }

private:
    std::vector<BYTE> bytes_;
};

constexpr WORD kNormalWeight = 400;

// The number a template gives a predefined control class; 0 for any other class.
WORD predefinedClassNumber(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kPredefinedClasses); ++i)
        if (name == kPredefinedClasses[i])
            return static_cast<WORD>(kFirstPredefinedClass + i);
    return 0;
}

void writeHeader(Writer &out, const DialogTemplate &dialog)
{
    out.word(1);
    out.word(0xFFFF);
    out.dword(dialog.helpId);
    out.dword(dialog.exStyle);
    out.dword(dialog.hasFont ? dialog.style | DS_SETFONT : dialog.style & ~DWORD{DS_SETFONT});
    out.word(static_cast<WORD>(dialog.items.size()));
    out.coordinate(dialog.x);
    out.coordinate(dialog.y);
    out.coordinate(dialog.cx);
    out.coordinate(dialog.cy);
    out.word(0);  // no menu
    out.text(dialog.className);
    out.text(dialog.caption);
    if (dialog.hasFont) {
        out.word(dialog.pointSize);
        out.word(kNormalWeight);
        out.word(0);  // not italic, the default character set
        out.text(dialog.typeface);
    }
}

void writeItem(Writer &out, const DialogItem &item)
{
    out.alignTo4();
    out.dword(item.helpId);
    out.dword(item.exStyle);
    out.dword(item.style);
    out.coordinate(item.x);
    out.coordinate(item.y);
    out.coordinate(item.cx);
    out.coordinate(item.cy);
    out.dword(item.id);
    if (const WORD number = predefinedClassNumber(item.className)) {
        out.word(0xFFFF);
        out.word(number);
    } else {
        out.text(item.className);
    }
    out.text(item.text);
    out.word(0);  // no creation data
}

}  // namespace

std::vector<BYTE> writeDialogTemplate(const DialogTemplate &dialog)
{
    Writer out;
    writeHeader(out, dialog);
    for (const DialogItem &item : dialog.items)
        writeItem(out, item);
    return out.take();
}

}  // namespace vks::detail
