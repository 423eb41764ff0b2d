// A program of the installed package: the library, and its own resources compiled from app.rc
// by the installed resource compiler; it shows its dialog and prints what it found.
#include <cstdio>
#include <string>

#include <vksutil/vksutil.h>
#include <windows.h>
#include <vkshost.h>

#include "app_ids.h"

extern "C" int platformFromC(void);

namespace {

INT_PTR CALLBACK helloProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

std::string dialogText(HWND dialog, int id)
{
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

}  // namespace

int main(int argc, char **argv)
{
    std::printf("vksutil %s\n", utLibraryVersion());
    if (sizeof(DWORD) != 4 || sizeof(LONG) != 4)
        return 1;

    HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_HELLO), nullptr, helloProc, 0);
    if (!dialog)
        return 2;
    ShowWindow(dialog, SW_SHOW);
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    std::printf("dialog: %s, shown %d, agree \"%s\", ok \"%s\"\n", caption,
                IsWindowVisible(dialog) ? 1 : 0, dialogText(dialog, IDC_AGREE).c_str(),
                dialogText(dialog, IDOK).c_str());
    // A picture of it, when asked for one.
    if (argc > 1 && !VksHostSnapshotWindow(dialog, argv[1]))
        return 3;
    DestroyWindow(dialog);

    char text[64] = "";
    LoadStringA(nullptr, IDS_GREETING, text, sizeof text);
    std::printf("strings: %s, ", text);
    LoadStringA(nullptr, IDS_FAREWELL, text, sizeof text);
    std::printf("%s\n", text);

    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_HELLO));
    BITMAP shape = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof shape, &shape))
        return 4;
    std::printf("bitmap: %dx%d\n", static_cast<int>(shape.bmWidth), static_cast<int>(shape.bmHeight));
    DeleteObject(bitmap);

    // The icon's group names its image, which LoadIconA reads.
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(IDI_APP), RT_GROUP_ICON);
    const auto *directory = static_cast<const unsigned char *>(LockResource(LoadResource(nullptr, group)));
    if (!directory || SizeofResource(nullptr, group) != 6 + 14)
        return 5;
    const int imageId = directory[18] | directory[19] << 8;
    HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(imageId), RT_ICON);
    const bool loaded = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP)) != nullptr;
    std::printf("icon: %dx%d, image %d of %u bytes, %s\n", directory[6], directory[7], imageId,
                static_cast<unsigned>(SizeofResource(nullptr, image)),
                loaded ? "loaded" : "not loaded");
    return platformFromC() > 0 ? 0 : 6;
}
