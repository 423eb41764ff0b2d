// GetOpenFileNameA, GetSaveFileNameA and CommDlgExtendedError: the modal run of the file dialog
// and the host's answerer.
#include "comdlg32/file_dialog_window.h"
#include "kernel32/host_hook.h"
#include "kernel32/no_destructor.h"
#include "user32/dialog_modal.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

using namespace vks::detail;

namespace {

using Answerer = HostHook<int(HWND, const char *, char *, UINT)>;

Answerer &answerer()
{
    static NoDestructor<Answerer> answerer;
    return *answerer;
}

DWORD &lastDialogError()
{
    thread_local DWORD error = 0;
    return error;
}

void askAnswerer(HWND dialog, const FileDialogRun &run)
{
    char name[MAX_PATH + 1] = {};
    const std::optional<int> answer =
        answerer().call(dialog, run.folder.c_str(), name, UINT{sizeof name});
    if (!answer)
        return;
    const int pressed = *answer;
    name[MAX_PATH] = '\0';
    if (!IsWindow(dialog))
        return;
    if (pressed == IDOK)
        typeFileName(dialog, name);
    if (pressed == IDOK || pressed == IDCANCEL)
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(pressed, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, pressed)));
}

DWORD recordError(const OPENFILENAMEA *record)
{
    if (!record || record->lStructSize != sizeof(OPENFILENAMEA))
        return CDERR_STRUCTSIZE;
    if (!record->lpstrFile || !record->nMaxFile)
        return CDERR_INITIALIZATION;
    if (record->hwndOwner && !IsWindow(record->hwndOwner))
        return CDERR_DIALOGFAILURE;
    return 0;
}

BOOL runFileDialog(OPENFILENAMEA *record, bool save)
{
    lastDialogError() = recordError(record);
    if (lastDialogError())
        return FALSE;
    FileDialogRun run;
    run.record = record;
    run.save = save;
    HWND dialog = nullptr;
    const INT_PTR result = runModalWindow(
        {record->hwndOwner}, [&] { return dialog = createFileDialog(run); },
        [&](HWND shown) {
            showFileDialog(shown, run);
            askAnswerer(shown, run);
        });
    if (dialog)
        forgetFileDialog(dialog);
    lastDialogError() = run.error;
    return result == TRUE && !run.error;
}

}  // namespace

void VksHostSetFileDialogAnswerer(int (*answer)(HWND dialog, const char *folder, char *fileName,
                                                UINT fileNameSize, void *context),
                                  void *context)
{
    vks::atWin32BoundaryVoid([&] { answerer().set(answer, context); });
}

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL { return runFileDialog(lpofn, false); });
}

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL { return runFileDialog(lpofn, true); });
}

DWORD WINAPI CommDlgExtendedError(void)
{
    return vks::atWin32Boundary<DWORD>(0, [] { return lastDialogError(); });
}
