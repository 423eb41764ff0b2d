// Reading the binary dialog templates: DLGTEMPLATEEX (DIALOGEX) and the classic DLGTEMPLATE
// (DIALOG), each a header, the optional font, then DWORD-aligned items.
#include "user32/dialog_template.h"

#include <cstdint>

#include "kernel32/wide_text.h"

namespace vks::detail {

namespace {

class Reader {
public:
    Reader(const unsigned char *bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool ok() const { return ok_; }

    WORD word()
    {
        if (!ok_ || size_ - at_ < 2) {
            ok_ = false;
            return 0;
        }
        const WORD value = static_cast<WORD>(bytes_[at_] | (bytes_[at_ + 1] << 8));
        at_ += 2;
        return value;
    }
    DWORD dword()
    {
        const DWORD low = word();
        return low | (static_cast<DWORD>(word()) << 16);
    }
    short coordinate() { return static_cast<short>(word()); }
    BYTE byte()
    {
        if (!ok_ || at_ >= size_) {
            ok_ = false;
            return 0;
        }
        return bytes_[at_++];
    }
    // Items start on a DWORD boundary from the template's start.
    void alignTo4()
    {
        while (ok_ && at_ % 4)
            byte();
    }

    // A NUL-terminated UTF-16 text, in the ANSI code page.
    std::string text()
    {
        std::u16string units;
        for (WORD unit = word(); ok_ && unit; unit = word())
            units.push_back(static_cast<char16_t>(unit));
        return ansiFromUtf16(reinterpret_cast<const WCHAR *>(units.data()), units.size());
    }
    // sz_Or_Ord: nothing, 0xFFFF and a number, or a text. The number is kept in `number`.
    std::string textOrNumber(WORD &number)
    {
        number = 0;
        const WORD first = peekWord();
        if (first == 0xFFFF) {
            word();
            number = word();
            return {};
        }
        return text();
    }

private:
    WORD peekWord()
    {
        const std::size_t at = at_;
        const WORD value = word();
        at_ = at;
        return value;
    }

    const unsigned char *bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::string predefinedClass(WORD number)
{
    const std::size_t index = number - kFirstPredefinedClass;
    return number >= kFirstPredefinedClass && index < std::size(kPredefinedClasses)
               ? std::string(kPredefinedClasses[index])
               : std::string();
}

// The extended header: help identifier, extended style and style, then what both layouts share.
void readExtendedHeader(Reader &in, DialogTemplate &dialog)
{
    dialog.helpId = in.dword();
    dialog.exStyle = in.dword();
    dialog.style = in.dword();
}

// The classic header: style first, then extended style.
void readClassicHeader(Reader &in, DialogTemplate &dialog)
{
    dialog.style = in.dword();
    dialog.exStyle = in.dword();
}

void readSharedHeader(Reader &in, DialogTemplate &dialog, WORD &count, bool extended)
{
    count = in.word();
    dialog.x = in.coordinate();
    dialog.y = in.coordinate();
    dialog.cx = in.coordinate();
    dialog.cy = in.coordinate();
    WORD number = 0;
    in.textOrNumber(number);  // the menu: dialogs here have none
    dialog.className = in.textOrNumber(number);
    dialog.caption = in.text();
    // DS_SETFONT (DS_SHELLFONT includes it) says the font follows; the classic layout has only
    // its size and typeface.
    if (dialog.style & DS_SETFONT) {
        dialog.hasFont = true;
        dialog.pointSize = in.word();
        if (extended) {
            dialog.weight = in.word();
            dialog.italic = in.byte();
            dialog.charSet = in.byte();
        }
        dialog.typeface = in.text();
    }
}

DialogItem readItem(Reader &in, bool extended)
{
    DialogItem item;
    in.alignTo4();
    if (extended) {
        item.helpId = in.dword();
        item.exStyle = in.dword();
        item.style = in.dword();
    } else {
        item.style = in.dword();
        item.exStyle = in.dword();
    }
    item.x = in.coordinate();
    item.y = in.coordinate();
    item.cx = in.coordinate();
    item.cy = in.coordinate();
    // The classic item's identifier is a WORD; -1 (IDC_STATIC) stays -1 as Windows widens it.
    item.id = extended ? in.dword() : static_cast<DWORD>(static_cast<short>(in.word()));
    WORD number = 0;
    item.className = in.textOrNumber(number);
    if (number)
        item.className = predefinedClass(number);
    WORD textNumber = 0;
    item.text = in.textOrNumber(textNumber);
    const WORD extra = in.word();
    for (WORD i = 0; i < extra; ++i)
        in.byte();  // creation data goes to no control here
    return item;
}

}  // namespace

std::optional<DialogTemplate> readDialogTemplate(const void *bytes, std::size_t size)
{
    if (!bytes)
        return std::nullopt;
    Reader in(static_cast<const unsigned char *>(bytes), size);
    // dlgVer 1 and the signature 0xFFFF mark the extended layout; anything else starts a
    // classic template's style.
    const bool extended = in.word() == 1 && in.word() == 0xFFFF;
    if (!extended)
        in = Reader(static_cast<const unsigned char *>(bytes), size);
    DialogTemplate dialog;
    WORD count = 0;
    if (extended)
        readExtendedHeader(in, dialog);
    else
        readClassicHeader(in, dialog);
    readSharedHeader(in, dialog, count, extended);
    for (WORD i = 0; i < count && in.ok(); ++i)
        dialog.items.push_back(readItem(in, extended));
    if (!in.ok())
        return std::nullopt;
    return dialog;
}

}  // namespace vks::detail
