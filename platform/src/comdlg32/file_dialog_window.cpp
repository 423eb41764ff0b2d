// The explorer-style file dialog's windows and what its buttons do.
#include "comdlg32/file_dialog_window.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "comdlg32/file_dialog_folder.h"
#include "kernel32/no_destructor.h"
#include "kernel32/paths.h"
#include "user32/dialog_template.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

constexpr int kWidth = 420;
constexpr int kStandardHeight = 270;
constexpr int kButtonWidth = 80;
constexpr int kLineHeight = 24;
constexpr int kLookInLabel = 0x0440;  // stc1
constexpr int kFolderBox = 0x0471;    // cmb2: a static showing the folder here
constexpr std::size_t kMaxFilters = 64;

// The record's file name field, read no further than its size.
std::string boundedText(const char *text, DWORD size)
{
    return text ? std::string(text, strnlen(text, size)) : std::string();
}

class RunningDialogs {
public:
    void add(HWND dialog, FileDialogRun *run)
    {
        std::lock_guard guard(lock_);
        runs_[dialog] = run;
    }
    void remove(HWND dialog)
    {
        std::lock_guard guard(lock_);
        runs_.erase(dialog);
    }
    FileDialogRun *find(HWND dialog)
    {
        std::lock_guard guard(lock_);
        const auto found = runs_.find(dialog);
        return found == runs_.end() ? nullptr : found->second;
    }

private:
    std::mutex lock_;
    std::unordered_map<HWND, FileDialogRun *> runs_;
};

RunningDialogs &runningDialogs()
{
    static NoDestructor<RunningDialogs> dialogs;
    return *dialogs;
}

struct Filter {
    std::string description;
    std::string patterns = "*.*";
};

// The pair nFilterIndex names (from 1; the first for 0 or an index past the end).
Filter chosenFilter(const OPENFILENAMEA &record)
{
    Filter chosen;
    const char *next = record.lpstrFilter;
    for (std::size_t index = 1; next && *next && index <= kMaxFilters; ++index) {
        const char *patterns = next + std::strlen(next) + 1;
        if (!*patterns)
            break;
        if (index == 1 || index == record.nFilterIndex)
            chosen = {next, patterns};
        next = patterns + std::strlen(patterns) + 1;
    }
    return chosen;
}

std::string dialogText(HWND dialog, int id)
{
    char text[MAX_PATH + 1] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

LRESULT notifyHook(HWND dialog, FileDialogRun &run, UINT code)
{
    if (!run.hook)
        return 0;
    OFNOTIFYA notify{};
    notify.hdr.hwndFrom = dialog;
    notify.hdr.code = code;
    notify.lpOFN = run.record;
    notify.pszFile = run.record->lpstrFile;
    return SendMessageA(run.hook, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

void showFolder(HWND dialog, FileDialogRun &run)
{
    std::string listing;
    for (const std::string &entry : folderListing(run.folder, splitPatterns(run.patterns)))
        listing += (listing.empty() ? "" : "\n") + entry;
    SetDlgItemTextA(dialog, kFolderBox, run.folder.c_str());
    SetDlgItemTextA(dialog, lst1, listing.c_str());
}

void openFolder(HWND dialog, FileDialogRun &run, const std::string &folder)
{
    run.folder = folder;
    showFolder(dialog, run);
    notifyHook(dialog, run, CDN_FOLDERCHANGE);
}

bool confirm(HWND dialog, const std::string &text)
{
    return MessageBoxA(dialog, text.c_str(), nullptr, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void refuse(HWND dialog, const std::string &text)
{
    MessageBoxA(dialog, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// The checks the flags ask for; false when the user is told why the name is not taken, or
// declines.
bool acceptable(HWND dialog, const FileDialogRun &run, const std::string &path)
{
    const DWORD flags = run.record->Flags;
    const DosEntry entry = dosEntryKind(path);
    if ((flags & OFN_PATHMUSTEXIST) && dosEntryKind(dosFolderOf(path)) != DosEntry::folder) {
        refuse(dialog, path + "\nThe path does not exist.\nCheck the path and try again.");
        return false;
    }
    if (!run.save && entry != DosEntry::file) {
        if (flags & OFN_FILEMUSTEXIST) {
            refuse(dialog, path + "\nThe file cannot be found.\nCheck the name and try again.");
            return false;
        }
        if (flags & OFN_CREATEPROMPT)
            return confirm(dialog, path + "\nThe file does not exist.\nDo you want to create it?");
    }
    if (run.save && entry == DosEntry::file && (flags & OFN_OVERWRITEPROMPT))
        return confirm(dialog, path + " already exists.\nDo you want to replace it?");
    return true;
}

bool hasInvalidCharacters(const std::string &name)
{
    return name.find_first_of("<>|\"") != std::string::npos;
}

void copyCut(char *buffer, DWORD size, const std::string &text)
{
    if (!buffer || !size)
        return;
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// Fills the record; false when lpstrFile cannot hold the path, its first two bytes then
// giving the size it needs.
bool writeAnswer(FileDialogRun &run, const std::string &path, bool readOnly)
{
    OPENFILENAMEA &record = *run.record;
    if (path.size() + 1 > record.nMaxFile) {
        const WORD needed = static_cast<WORD>(std::min<std::size_t>(path.size() + 1, 0xFFFF));
        if (record.nMaxFile >= sizeof needed)
            std::memcpy(record.lpstrFile, &needed, sizeof needed);
        run.error = FNERR_BUFFERTOOSMALL;
        return false;
    }
    copyCut(record.lpstrFile, record.nMaxFile, path);
    record.nFileOffset = static_cast<WORD>(dosFileNameOffset(path));
    record.nFileExtension = static_cast<WORD>(fileExtensionOffset(path));
    copyCut(record.lpstrFileTitle, record.nMaxFileTitle, path.substr(record.nFileOffset));
    record.Flags = readOnly ? record.Flags | OFN_READONLY : record.Flags & ~OFN_READONLY;
    return true;
}

std::string withDefaultExtension(const FileDialogRun &run, const std::string &path)
{
    const char *extension = run.record->lpstrDefExt;
    if (!extension || !*extension || fileExtensionOffset(path) ||
        path.find('.', dosFileNameOffset(path)) != std::string::npos)
        return path;
    return path + "." + extension;
}

void pressOk(HWND dialog, FileDialogRun &run)
{
    const std::string name = dialogText(dialog, edt1);
    if (name.empty())
        return;
    if (hasWildcard(name)) {
        run.patterns = name;
        showFolder(dialog, run);
        return;
    }
    if (!(run.record->Flags & OFN_NOVALIDATE) && hasInvalidCharacters(name)) {
        refuse(dialog, name + "\nThe file name is not valid.");
        return;
    }
    const std::string typed = joinDosPath(run.folder, name);
    if (dosEntryKind(typed) == DosEntry::folder) {
        SetDlgItemTextA(dialog, edt1, "");
        openFolder(dialog, run, typed);
        return;
    }
    const std::string path = withDefaultExtension(run, typed);
    if (!acceptable(dialog, run, path))
        return;
    if (!writeAnswer(run, path, run.readOnly)) {
        EndDialog(dialog, FALSE);
        return;
    }
    // A hook that answers CDN_FILEOK with nonzero keeps the dialog open.
    if (notifyHook(dialog, run, CDN_FILEOK))
        return;
    EndDialog(dialog, TRUE);
}

// CDM_*: the size the text needs with its NUL, the text cut to the caller's buffer.
LRESULT answerText(const std::string &text, WPARAM size, LPARAM buffer)
{
    copyCut(reinterpret_cast<char *>(buffer), static_cast<DWORD>(size), text);
    return static_cast<LRESULT>(text.size() + 1);
}

INT_PTR CALLBACK fileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<INT_PTR>(FALSE, [&]() -> INT_PTR {
        FileDialogRun *run = runningDialogs().find(dialog);
        if (!run)
            return FALSE;
        switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDOK:
                pressOk(dialog, *run);
                return TRUE;
            case IDCANCEL:
                EndDialog(dialog, FALSE);
                return TRUE;
            case pshHelp:
                notifyHook(dialog, *run, CDN_HELP);
                return TRUE;
            case chx1:
                if (HIWORD(wParam) == BN_CLICKED)
                    run->readOnly = !run->readOnly;
                return TRUE;
            default:
                return FALSE;
            }
        case CDM_GETSPEC:
            return answerText(dialogText(dialog, edt1), wParam, lParam);
        case CDM_GETFILEPATH:
            return answerText(joinDosPath(run->folder, dialogText(dialog, edt1)), wParam, lParam);
        case CDM_GETFOLDERPATH:
            return answerText(run->folder, wParam, lParam);
        default:
            return FALSE;
        }
    });
}

// The hook dialog's procedure: the caller's hook, when there is one.
INT_PTR CALLBACK hookDialogProc(HWND hook, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<INT_PTR>(FALSE, [&]() -> INT_PTR {
        FileDialogRun *run = runningDialogs().find(GetParent(hook));
        if (!run || !(run->record->Flags & OFN_ENABLEHOOK) || !run->record->lpfnHook)
            return FALSE;
        return static_cast<INT_PTR>(run->record->lpfnHook(hook, message, wParam, lParam));
    });
}

// The dialog's templates have no font: a unit is two pixels either way.
DialogItem control(const char *className, const char *text, DWORD style, int x, int y, int width,
                   int height, int id)
{
    DialogItem item;
    item.className = className;
    item.text = text;
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = static_cast<short>(x / 2);
    item.y = static_cast<short>(y / 2);
    item.cx = static_cast<short>(width / 2);
    item.cy = static_cast<short>(height / 2);
    item.id = static_cast<DWORD>(id);
    return item;
}

// The main dialog, as the system keeps it as a template: hidden until shown, its standard
// controls in tab order.
std::vector<BYTE> fileDialogTemplate(const FileDialogRun &run, const Filter &filter)
{
    const OPENFILENAMEA &record = *run.record;
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.caption = record.lpstrTitle ? record.lpstrTitle : run.save ? "Save As" : "Open";
    dialog.cx = kWidth / 2;
    dialog.cy = kStandardHeight / 2;
    const int buttonX = kWidth - kButtonWidth - 10;
    const int fieldWidth = buttonX - 106;
    dialog.items = {
        control("Static", "Look &in:", 0, 8, 10, 80, 16, kLookInLabel),
        control("Static", "", SS_NOPREFIX, 96, 10, fieldWidth, 16, kFolderBox),
        control("Static", "", SS_NOPREFIX, 8, 34, kWidth - 16, 140, lst1),
        control("Static", "File &name:", 0, 8, 184, 80, 16, stc3),
        control("Edit", "", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, 96, 182, fieldWidth, 22,
                edt1),
        control("Button", run.save ? "&Save" : "&Open", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                buttonX, 182, kButtonWidth, kLineHeight, IDOK),
        control("Static", "Files of &type:", 0, 8, 212, 80, 16, stc2),
        control("Static", filter.description.c_str(), SS_NOPREFIX, 96, 212, fieldWidth, 16,
                cmb1),
        control("Button", "Cancel", WS_TABSTOP | WS_GROUP, buttonX, 210, kButtonWidth,
                kLineHeight, IDCANCEL),
    };
    if (!(record.Flags & OFN_HIDEREADONLY))
        dialog.items.push_back(control("Button", "Open as &read-only",
                                       WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 96, 240,
                                       fieldWidth, 18, chx1));
    if (record.Flags & OFN_SHOWHELP)
        dialog.items.push_back(control("Button", "&Help", WS_TABSTOP | WS_GROUP, buttonX, 238,
                                       kButtonWidth, kLineHeight, pshHelp));
    return writeDialogTemplate(dialog);
}

// Sizes the window so that its client area is width x height.
void setClientSize(HWND dialog, int width, int height)
{
    RECT window{};
    RECT client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    SetWindowPos(dialog, nullptr, 0, 0,
                 width + (window.right - window.left) - client.right,
                 height + (window.bottom - window.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
}

// A hook without a template of its own gets an empty child dialog as wide as the main one.
HWND emptyHookDialog(HWND dialog, const OPENFILENAMEA &record)
{
    DialogTemplate hook;
    hook.style = WS_CHILD | DS_CONTROL;
    hook.cx = kWidth / 2;
    const std::vector<BYTE> bytes = writeDialogTemplate(hook);
    return CreateDialogIndirectParamA(record.hInstance,
                                      reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), dialog,
                                      hookDialogProc, reinterpret_cast<LPARAM>(&record));
}

HWND createHookDialog(HWND dialog, FileDialogRun &run)
{
    OPENFILENAMEA &record = *run.record;
    const LPARAM param = reinterpret_cast<LPARAM>(&record);
    if (record.Flags & OFN_ENABLETEMPLATEHANDLE) {
        if (!record.hInstance) {
            run.error = CDERR_NOHINSTANCE;
            return nullptr;
        }
        return CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(record.hInstance),
                                          dialog, hookDialogProc, param);
    }
    if (record.Flags & OFN_ENABLETEMPLATE) {
        if (!record.hInstance) {
            run.error = CDERR_NOHINSTANCE;
            return nullptr;
        }
        if (!record.lpTemplateName ||
            !FindResourceA(record.hInstance, record.lpTemplateName, RT_DIALOG)) {
            run.error = CDERR_FINDRESFAILURE;
            return nullptr;
        }
        return CreateDialogParamA(record.hInstance, record.lpTemplateName, dialog, hookDialogProc,
                                  param);
    }
    return emptyHookDialog(dialog, record);
}

bool wantsHookDialog(const OPENFILENAMEA &record)
{
    return record.Flags & (OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLETEMPLATEHANDLE);
}

// The hook dialog goes below the standard controls, and the main dialog grows to hold it.
void placeHookDialog(HWND dialog, HWND hook)
{
    RECT rect{};
    GetWindowRect(hook, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(hook, nullptr, 0, kStandardHeight, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    setClientSize(dialog, std::max(kWidth, width), kStandardHeight + height);
}

// A host path ("/srv/data") is taken by its DOS name, as every path the platform is given.
std::string dosFolderNamed(const std::string &given)
{
    return given[0] == '/' ? dosPathOf(given) : joinDosPath("C:\\", given);
}

void startFolder(FileDialogRun &run, std::string &initialName)
{
    const OPENFILENAMEA &record = *run.record;
    const std::string file = boundedText(record.lpstrFile, record.nMaxFile);
    const std::size_t offset = dosFileNameOffset(file);
    initialName = file.substr(offset);
    if (record.lpstrInitialDir && *record.lpstrInitialDir)
        run.folder = dosFolderNamed(record.lpstrInitialDir);
    else if (offset)
        run.folder = dosFolderOf(joinDosPath("C:\\", file));
    if (run.folder.empty() || dosEntryKind(run.folder) != DosEntry::folder)
        run.folder = "C:\\";
}

POINT centredOn(HWND owner, int width, int height)
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner)
        GetWindowRect(owner, &area);
    return {area.left + ((area.right - area.left) - width) / 2,
            area.top + ((area.bottom - area.top) - height) / 2};
}

}  // namespace

HWND createFileDialog(FileDialogRun &run)
{
    OPENFILENAMEA &record = *run.record;
    std::string initialName;
    startFolder(run, initialName);
    const Filter filter = chosenFilter(record);
    run.patterns = filter.patterns;
    run.readOnly = record.Flags & OFN_READONLY;
    const std::vector<BYTE> bytes = fileDialogTemplate(run, filter);
    const HWND dialog = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), record.hwndOwner,
        fileDialogProc, 0);
    if (!dialog) {
        run.error = CDERR_DIALOGFAILURE;
        return nullptr;
    }
    runningDialogs().add(dialog, &run);
    const POINT origin = centredOn(record.hwndOwner, kWidth, kStandardHeight);
    SetWindowPos(dialog, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    setClientSize(dialog, kWidth, kStandardHeight);
    SetDlgItemTextA(dialog, edt1, initialName.c_str());
    showFolder(dialog, run);
    if (wantsHookDialog(record)) {
        run.hook = createHookDialog(dialog, run);
        if (!run.hook) {
            if (!run.error)
                run.error = CDERR_DIALOGFAILURE;
            DestroyWindow(dialog);
            forgetFileDialog(dialog);
            return nullptr;
        }
        placeHookDialog(dialog, run.hook);
    }
    return dialog;
}

void showFileDialog(HWND dialog, FileDialogRun &run)
{
    if (run.hook)
        ShowWindow(run.hook, SW_SHOW);
    notifyHook(dialog, run, CDN_INITDONE);
    notifyHook(dialog, run, CDN_FOLDERCHANGE);
    ShowWindow(dialog, SW_SHOWNORMAL);
}

void typeFileName(HWND dialog, const char *name)
{
    SetDlgItemTextA(dialog, edt1, name);
}

void forgetFileDialog(HWND dialog)
{
    runningDialogs().remove(dialog);
}

}  // namespace vks::detail
