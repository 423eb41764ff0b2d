#include "dialog_binary.h"

#include "script_lexer.h"

namespace vksrc {

namespace {

class Writer {
public:
    explicit Writer(int line) : line_(line) {}

    void word(std::uint16_t value)
    {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void dword(std::uint32_t value)
    {
        word(static_cast<std::uint16_t>(value));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void byte(std::uint8_t value) { bytes_.push_back(value); }
    void alignTo4()
    {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }

    // A NUL-terminated UTF-16 text.
    void text(const std::string &utf8)
    {
        for (size_t at = 0; at < utf8.size();) {
            std::uint32_t code = decode(utf8, at);
            if (code > 0xFFFF) {
                code -= 0x10000;
                word(static_cast<std::uint16_t>(0xD800 + (code >> 10)));
                word(static_cast<std::uint16_t>(0xDC00 + (code & 0x3FF)));
            } else {
                word(static_cast<std::uint16_t>(code));
            }
        }
        word(0);
    }

    // sz_Or_Ord: 0 for none, 0xFFFF and the number, or the text.
    void nameOrNumber(const NameOrNumber &value)
    {
        if (value.isNumber) {
            word(0xFFFF);
            word(value.number);
        } else {
            text(value.text);
        }
    }

    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::uint32_t decode(const std::string &utf8, size_t &at) const
    {
        auto byteAt = [&](size_t i) { return static_cast<std::uint8_t>(utf8[i]); };
        std::uint8_t lead = byteAt(at);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2
                  : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || at + static_cast<size_t>(extra) >= utf8.size())
            throw ScriptError(line_, "a text is not valid UTF-8");
        std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int i = 1; i <= extra; ++i) {
            std::uint8_t next = byteAt(at + static_cast<size_t>(i));
            if ((next & 0xC0) != 0x80)
                throw ScriptError(line_, "a text is not valid UTF-8");
            code = (code << 6) | (next & 0x3F);
        }
        at += static_cast<size_t>(extra) + 1;
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw ScriptError(line_, "a text is not valid UTF-8");
        return code;
    }

    int line_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::vector<std::uint8_t> dialogBytes(const DialogTemplate &dialog)
{
    if (dialog.controls.size() > 0xFFFF)
        throw ScriptError(dialog.line, "a dialog holds at most 65535 controls");
    Writer out(dialog.line);
    out.word(1);       // dlgVer
    out.word(0xFFFF);  // signature of the extended template
    out.dword(dialog.helpId);
    out.dword(dialog.exStyle);
    out.dword(dialog.style);
    out.word(static_cast<std::uint16_t>(dialog.controls.size()));
    for (std::int16_t value : {dialog.x, dialog.y, dialog.cx, dialog.cy})
        out.word(static_cast<std::uint16_t>(value));
    out.nameOrNumber(dialog.menu);
    out.nameOrNumber(dialog.windowClass);
    out.text(dialog.caption);
    if (dialog.hasFont) {
        out.word(dialog.font.pointSize);
        out.word(dialog.font.weight);
        out.byte(dialog.font.italic);
        out.byte(dialog.font.charset);
        out.text(dialog.font.typeface);
    }
    for (const DialogControl &control : dialog.controls) {
        out.alignTo4();
        out.dword(control.helpId);
        out.dword(control.exStyle);
        out.dword(control.style);
        for (std::int16_t value : {control.x, control.y, control.cx, control.cy})
            out.word(static_cast<std::uint16_t>(value));
        out.dword(control.id);
        out.nameOrNumber(control.windowClass);
        out.nameOrNumber(control.text);
        out.word(0);  // no creation data
    }
    return out.take();
}

}  // namespace vksrc
