// The help log's lines and where they go.
#include "user32/help_log.h"

#include <cstdio>

#include "posix/data_folder_posix.h"
#include "posix/fs_posix.h"
#include "posix/shared_append_posix.h"

namespace vks::detail {

namespace {

std::string printed(const char *format, auto... values)
{
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Quoted, with control characters and quotes escaped, so that a request stays one line.
std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f || c == '"' || c == '\\')
            out += printed("\\x%02X", static_cast<unsigned>(c));
        else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string commandName(UINT command)
{
    switch (command) {
    case HELP_CONTEXT:
        return "HELP_CONTEXT";
    case HELP_QUIT:
        return "HELP_QUIT";
    case HELP_CONTEXTMENU:
        return "HELP_CONTEXTMENU";
    case HELP_WM_HELP:
        return "HELP_WM_HELP";
    default:
        return printed("command %u", command);
    }
}

// "x.hlp>smarthlp" names the file x.hlp and its secondary window "smarthlp".
void splitFile(const std::string &given, std::string &file, std::string &window)
{
    const std::size_t mark = given.find('>');
    file = given.substr(0, mark);
    window = mark == std::string::npos ? std::string{} : given.substr(mark + 1);
}

// The map's pairs up to its ending pair (identifier 0), at most kMaxLoggedMapPairs of them.
std::string mapText(const DWORD *map)
{
    if (!map)
        return "none";
    std::string text;
    std::size_t pair = 0;
    for (; pair < kMaxLoggedMapPairs && map[2 * pair] != 0; ++pair) {
        if (pair)
            text += ',';
        text += printed("%u:%d", map[2 * pair], static_cast<int>(map[2 * pair + 1]));
    }
    if (pair == kMaxLoggedMapPairs && map[2 * pair] != 0)
        text += ",...";
    return text.empty() ? "empty" : text;
}

bool makeFolders(const std::string &folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        const DWORD made = posix::makeDirectory(part);
        if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

}  // namespace

std::string helpLogLine(const SYSTEMTIME &now, HWND owner, const char *file, UINT command,
                        ULONG_PTR data)
{
    std::string given = file ? file : "", name, window;
    splitFile(given, name, window);
    std::string line = printed("%04u-%02u-%02u %02u:%02u:%02u ", now.wYear, now.wMonth, now.wDay,
                               now.wHour, now.wMinute, now.wSecond);
    line += commandName(command) + " file=" + quoted(name);
    if (!window.empty())
        line += " window=" + quoted(window);
    switch (command) {
    case HELP_CONTEXT:
        line += printed(" topic=%lu", static_cast<unsigned long>(data));
        break;
    case HELP_QUIT:
        break;
    case HELP_CONTEXTMENU:
    case HELP_WM_HELP:
        // The viewer's view of context help: the control, found by its identifier, in the map.
        line += printed(" control=%d", GetDlgCtrlID(owner));
        line += " map=" + mapText(reinterpret_cast<const DWORD *>(data));
        break;
    default:
        line += printed(" data=%#lx", static_cast<unsigned long>(data));
        break;
    }
    return line + printed(" owner=%p", static_cast<void *>(owner));
}

BOOL appendToHelpLog(const std::string &line)
{
    const std::string folder = posix::dataFolder();
    if (folder.empty() || !makeFolders(folder)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    DWORD error = ERROR_SUCCESS;
    if (!appendWhole(folder + "/help.log", line + "\n", error)) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

}  // namespace vks::detail
