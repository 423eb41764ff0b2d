// The file dialog demo: GetOpenFileNameA on a folder, pictured by the host's answerer.
#include "demo_file_dialog.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "terminal.h"
#include "vkshost.h"
#include "vkspath.h"
#include "windows.h"
#include "commdlg.h"

namespace tool {

namespace {

struct Picture {
    std::string svgPath;
    std::string dosFolder;  // empty for a host folder
    std::string folderShown;
    bool written = false;
};

bool isDosPath(const std::string &path)
{
    return path.size() >= 2 && path[1] == ':';
}

bool sameFolder(const std::string &shown, std::string asked)
{
    while (asked.size() > 3 && (asked.back() == '\\' || asked.back() == '/'))
        asked.pop_back();
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::equal(shown.begin(), shown.end(), asked.begin(), asked.end(),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

// A DOS folder that is not there leaves the dialog on the drive's root: no picture then.
int pictureAndCancel(HWND dialog, const char *folder, char *, UINT, void *context)
{
    auto *picture = static_cast<Picture *>(context);
    picture->folderShown = folder;
    if (picture->dosFolder.empty() || sameFolder(folder, picture->dosFolder))
        picture->written = VksHostSnapshotWindow(dialog, picture->svgPath.c_str()) != FALSE;
    return IDCANCEL;
}

// The answerer is the process's; the demo sets it for its run only.
class ScopedAnswerer {
public:
    explicit ScopedAnswerer(Picture &picture)
    {
        VksHostSetFileDialogAnswerer(pictureAndCancel, &picture);
    }
    ~ScopedAnswerer() { VksHostSetFileDialogAnswerer(nullptr, nullptr); }
    ScopedAnswerer(const ScopedAnswerer &) = delete;
    ScopedAnswerer &operator=(const ScopedAnswerer &) = delete;
};

// Why `folder` (as the library takes it; `typed` as the user gave it) cannot be listed; empty
// when it can. A DOS path goes through the drive map.
std::string unreadable(const std::string &folder, const std::string &typed)
{
    std::string host = folder;
    if (isDosPath(folder)) {
        char path[4096];
        const DWORD length = VksHostPathOf(folder.c_str(), path, sizeof path);
        if (length == 0 || length >= sizeof path)
            return {};  // the dialog itself tells a folder that is not there
        host = path;
    }
    std::error_code error;
    std::filesystem::directory_iterator listing(host, error);
    if (!error || error == std::errc::no_such_file_or_directory)
        return {};
    return "cannot read the folder " + typed + ": " + error.message();
}

}  // namespace

bool pictureFileDialog(const std::string &folder, const std::string &svgPath,
                       std::string &reason)
{
    // A DOS path goes to the library in the code page; a host path as it is.
    std::string given = folder;
    if (isDosPath(folder) && !fromTerminal(folder, given)) {
        reason = "the folder " + folder + " has a character the code page cannot hold";
        return false;
    }
    if (!isDosPath(folder)) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
        if (error || !std::filesystem::is_directory(absolute, error)) {
            reason = "no such folder: " + folder;
            return false;
        }
        given = absolute.lexically_normal().string();
        if (given.size() > 1 && given.back() == '/')
            given.pop_back();
    }
    if (reason = unreadable(given, folder); !reason.empty())
        return false;
    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = given.c_str();
    ofn.lpstrFilter = "All files (*.*)\0*.*\0";
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    Picture picture;
    picture.svgPath = svgPath;
    if (isDosPath(folder))
        picture.dosFolder = given;
    {
        ScopedAnswerer answerer(picture);
        GetOpenFileNameA(&ofn);
    }
    if (picture.folderShown.empty()) {
        reason = "the file dialog could not be made";
        return false;
    }
    if (!picture.dosFolder.empty() && !sameFolder(picture.folderShown, given)) {
        reason = "no such folder: " + folder;
        return false;
    }
    if (!picture.written) {
        reason = "cannot write " + svgPath;
        return false;
    }
    return true;
}

}  // namespace tool
