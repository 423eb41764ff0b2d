// What the common controls' library does as it loads, as its attach does on Windows: it
// registers its window classes (process-wide, as every class is here), and the pictures of its
// controls and of its image lists' images in window snapshots.
#include "comctl32/common_controls.h"

#include "commctrl.h"

namespace vks::detail {

namespace {

struct CommonControl {
    const char *className;
    WNDPROC proc;
    ControlPicture picture;
};

constexpr CommonControl kCommonControls[] = {
    {UPDOWN_CLASSA, upDownProc, drawUpDown},
    {PROGRESS_CLASSA, progressProc, drawProgress},
    {WC_TABCONTROLA, tabControlProc, drawTabControl},
};

bool attach()
{
    for (const CommonControl &control : kCommonControls) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = control.proc;
        // Each control's state lives on the heap, its address in its window's extra bytes.
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.lpszClassName = control.className;
        RegisterClassA(&wc);
        addControlPicture(control.className, control.picture);
    }
    setDrawnImagePicture(drawImageListImage);
    return true;
}

const bool attached = attach();

}  // namespace

}  // namespace vks::detail
