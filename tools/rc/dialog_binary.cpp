#include "dialog_binary.h"

#include "byte_writer.h"

namespace vksrc {

namespace {

void writeExtended(const DialogTemplate &dialog, ByteWriter &out)
{
    out.word(1);       // dlgVer
    out.word(0xFFFF);  // signature of the extended template
    out.dword(dialog.helpId);
    out.dword(dialog.exStyle);
    out.dword(dialog.style);
    out.word(static_cast<std::uint16_t>(dialog.controls.size()));
    for (std::int16_t value : {dialog.x, dialog.y, dialog.cx, dialog.cy})
        out.word(static_cast<std::uint16_t>(value));
    out.id(dialog.menu);
    out.id(dialog.windowClass);
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
        out.id(control.windowClass);
        out.id(control.text);
        out.word(0);  // no creation data
    }
}

void writeClassic(const DialogTemplate &dialog, ByteWriter &out)
{
    out.dword(dialog.style);
    out.dword(dialog.exStyle);
    out.word(static_cast<std::uint16_t>(dialog.controls.size()));
    for (std::int16_t value : {dialog.x, dialog.y, dialog.cx, dialog.cy})
        out.word(static_cast<std::uint16_t>(value));
    out.id(dialog.menu);
    out.id(dialog.windowClass);
    out.text(dialog.caption);
    if (dialog.hasFont) {
        out.word(dialog.font.pointSize);
        out.text(dialog.font.typeface);
    }
    for (const DialogControl &control : dialog.controls) {
        const auto id = static_cast<std::int32_t>(control.id);
        if (id < -32768 || id > 65535)
            throw ScriptError(control.where, "a DIALOG's control identifier is beyond 16 bits");
        out.alignTo4();
        out.dword(control.style);
        out.dword(control.exStyle);
        for (std::int16_t value : {control.x, control.y, control.cx, control.cy})
            out.word(static_cast<std::uint16_t>(value));
        out.word(static_cast<std::uint16_t>(control.id));
        out.id(control.windowClass);
        out.id(control.text);
        out.word(0);  // no creation data
    }
}

}  // namespace

std::vector<std::uint8_t> dialogBytes(const DialogTemplate &dialog)
{
    if (dialog.controls.size() > 0xFFFF)
        throw ScriptError(dialog.where, "a dialog holds at most 65535 controls");
    ByteWriter out;
    if (dialog.extended)
        writeExtended(dialog, out);
    else
        writeClassic(dialog, out);
    return out.take();
}

}  // namespace vksrc
