// FormatMessageA: finds the message text and hands it to the insert expansion.
#include <cstdarg>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "kernel32/codepage.h"
#include "kernel32/format_message.h"
#include "kernel32/message_table.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

constexpr DWORD kSourceFlags =
    FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM;

// The system's texts, in US English, of every code this platform sets.
const std::map<DWORD, const char *> &systemMessages()
{
    static const std::map<DWORD, const char *> messages = {
        {ERROR_SUCCESS, "The operation completed successfully.\r\n"},
        {ERROR_INVALID_FUNCTION, "Incorrect function.\r\n"},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
        {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
        {ERROR_INVALID_HANDLE, "The handle is invalid.\r\n"},
        {ERROR_NOT_ENOUGH_MEMORY, "Not enough storage is available to process this command.\r\n"},
        {ERROR_INVALID_DATA, "The data is invalid.\r\n"},
        {ERROR_OUTOFMEMORY, "Not enough storage is available to complete this operation.\r\n"},
        {ERROR_INVALID_DRIVE, "The system cannot find the drive specified.\r\n"},
        {ERROR_NO_MORE_FILES, "There are no more files.\r\n"},
        {ERROR_WRITE_FAULT, "The system cannot write to the specified device.\r\n"},
        {ERROR_READ_FAULT, "The system cannot read from the specified device.\r\n"},
        {ERROR_SHARING_VIOLATION,
         "The process cannot access the file because it is being used by another process.\r\n"},
        {ERROR_LOCK_VIOLATION, "The process cannot access the file because another process has "
                               "locked a portion of the file.\r\n"},
        {ERROR_HANDLE_EOF, "Reached the end of the file.\r\n"},
        {ERROR_NOT_SUPPORTED, "The request is not supported.\r\n"},
        {ERROR_FILE_EXISTS, "The file exists.\r\n"},
        {ERROR_INVALID_PARAMETER, "The parameter is incorrect.\r\n"},
        {ERROR_OPEN_FAILED, "The system cannot open the device or file specified.\r\n"},
        {ERROR_DISK_FULL, "There is not enough space on the disk.\r\n"},
        {ERROR_CALL_NOT_IMPLEMENTED, "This function is not supported on this system.\r\n"},
        {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small.\r\n"},
        {ERROR_INVALID_NAME,
         "The filename, directory name, or volume label syntax is incorrect.\r\n"},
        {ERROR_MOD_NOT_FOUND, "The specified module could not be found.\r\n"},
        {ERROR_PROC_NOT_FOUND, "The specified procedure could not be found.\r\n"},
        {ERROR_DIR_NOT_EMPTY, "The directory is not empty.\r\n"},
        {ERROR_BAD_PATHNAME, "The specified path is invalid.\r\n"},
        {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists.\r\n"},
        {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long.\r\n"},
        {ERROR_MORE_DATA, "More data is available.\r\n"},
        {ERROR_NO_WORK_DONE, "The action requested resulted in no work being done. Error-style "
                             "clean-up has been performed.\r\n"},
        {ERROR_NO_MORE_ITEMS, "No more data is available.\r\n"},
        {ERROR_NOT_OWNER, "Attempt to release mutex not owned by caller.\r\n"},
        {ERROR_MR_MID_NOT_FOUND,
         "The system cannot find message text for message number 0x%1 in the message file for "
         "%2.\r\n"},
        {ERROR_NOACCESS, "Invalid access to memory location.\r\n"},
        {ERROR_INVALID_FLAGS, "Invalid flags.\r\n"},
        {ERROR_BADDB, "The configuration registry database is corrupt.\r\n"},
        {ERROR_BADKEY, "The configuration registry key is invalid.\r\n"},
        {ERROR_CANTOPEN, "The configuration registry key could not be opened.\r\n"},
        {ERROR_CANTREAD, "The configuration registry key could not be read.\r\n"},
        {ERROR_CANTWRITE, "The configuration registry key could not be written.\r\n"},
        {ERROR_KEY_DELETED,
         "Illegal operation attempted on a registry key that has been marked for deletion.\r\n"},
        {ERROR_NO_UNICODE_TRANSLATION,
         "No mapping for the Unicode character exists in the target multi-byte code page.\r\n"},
        {ERROR_INTERNAL_ERROR, "An internal error occurred.\r\n"},
        {ERROR_INVALID_WINDOW_HANDLE, "Invalid window handle.\r\n"},
        {ERROR_INVALID_MENU_HANDLE, "Invalid menu handle.\r\n"},
        {ERROR_TLW_WITH_WSCHILD, "Cannot create a top-level child window.\r\n"},
        {ERROR_CANNOT_FIND_WND_CLASS, "Cannot find window class.\r\n"},
        {ERROR_WINDOW_OF_OTHER_THREAD, "Invalid window; it belongs to other thread.\r\n"},
        {ERROR_CLASS_ALREADY_EXISTS, "Class already exists.\r\n"},
        {ERROR_CLASS_DOES_NOT_EXIST, "Class does not exist.\r\n"},
        {ERROR_INVALID_INDEX, "Invalid index.\r\n"},
        {ERROR_CONTROL_ID_NOT_FOUND, "Control ID not found.\r\n"},
        {ERROR_INVALID_MSGBOX_STYLE, "Invalid message box style.\r\n"},
        {ERROR_INVALID_THREAD_ID, "Invalid thread identifier.\r\n"},
        {ERROR_MENU_ITEM_NOT_FOUND, "A menu item was not found.\r\n"},
        {ERROR_TIMEOUT, "This operation returned because the timeout period expired.\r\n"},
        {ERROR_RESOURCE_DATA_NOT_FOUND,
         "The specified image file did not contain a resource section.\r\n"},
        {ERROR_RESOURCE_TYPE_NOT_FOUND,
         "The specified resource type cannot be found in the image file.\r\n"},
        {ERROR_RESOURCE_NAME_NOT_FOUND,
         "The specified resource name cannot be found in the image file.\r\n"},
        {ERROR_RESOURCE_LANG_NOT_FOUND,
         "The specified resource language ID cannot be found in the image file.\r\n"},
        {ERROR_NOT_ENOUGH_QUOTA, "Not enough quota is available to process this command.\r\n"},
    };
    return messages;
}

// An HRESULT of the Win32 facility (0x8007xxxx, as HRESULT_FROM_WIN32 makes it) reads as the
// Win32 error in its low word.
DWORD systemMessageId(DWORD id)
{
    constexpr DWORD kWin32Failure = 0x80070000;
    return (id & 0xFFFF0000) == kWin32Failure ? id & 0xFFFF : id;
}

bool findSystemMessage(DWORD id, LANGID language, std::string &text, DWORD &error)
{
    if (language != 0 && PRIMARYLANGID(language) != LANG_ENGLISH &&
        PRIMARYLANGID(language) != LANG_NEUTRAL) {
        error = ERROR_RESOURCE_LANG_NOT_FOUND;
        return false;
    }
    auto found = systemMessages().find(systemMessageId(id));
    if (found == systemMessages().end()) {
        error = ERROR_MR_MID_NOT_FOUND;
        return false;
    }
    text = found->second;
    return true;
}

// The ANSI text of the message the flags name.
bool messageText(DWORD flags, LPCVOID source, DWORD id, LANGID language, std::string &text,
                 DWORD &error)
{
    if (flags & FORMAT_MESSAGE_FROM_STRING) {
        if (!source) {
            error = ERROR_INVALID_PARAMETER;
            return false;
        }
        text = static_cast<const char *>(source);
        return true;
    }
    std::string utf8;
    if (flags & FORMAT_MESSAGE_FROM_HMODULE) {
        HMODULE module = static_cast<HMODULE>(const_cast<void *>(source));
        if (findMessage(module, id, language, utf8, error)) {
            text = utf8ToAnsi(utf8);
            return true;
        }
        if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM))
            return false;
    }
    return findSystemMessage(id, language, text, error);
}

// Arguments from a va_list, read in order as far as the highest position asked for.
class VaListArguments {
public:
    explicit VaListArguments(va_list *list) { va_copy(list_, *list); }
    ~VaListArguments() { va_end(list_); }
    VaListArguments(const VaListArguments &) = delete;
    VaListArguments &operator=(const VaListArguments &) = delete;

    DWORD_PTR operator()(unsigned position)
    {
        while (taken_.size() < position)
            taken_.push_back(va_arg(list_, DWORD_PTR));
        return taken_[position - 1];
    }

private:
    va_list list_;
    std::vector<DWORD_PTR> taken_;
};

bool expandWithArguments(const std::string &text, DWORD flags, va_list *arguments, std::string &out,
                         DWORD &error)
{
    ExpandOptions options;
    options.ignoreInserts = (flags & FORMAT_MESSAGE_IGNORE_INSERTS) != 0;
    options.maxWidth = flags & FORMAT_MESSAGE_MAX_WIDTH_MASK;
    if (options.ignoreInserts || !arguments)
        return expandMessage(text, InsertArgument(), options, out, error);
    if (flags & FORMAT_MESSAGE_ARGUMENT_ARRAY) {
        const auto *array = reinterpret_cast<const DWORD_PTR *>(arguments);
        return expandMessage(text, [array](unsigned n) { return array[n - 1]; }, options, out, error);
    }
    options.fromVaList = true;
    VaListArguments list(arguments);
    return expandMessage(text, [&list](unsigned n) { return list(n); }, options, out, error);
}

// Where Windows stops: a buffer of 32,768 characters or more is refused, and an allocated result
// may not pass 128 KiB.
constexpr DWORD kLargestBuffer = 32767;
constexpr size_t kLargestAllocation = 128 * 1024;

bool deliver(const std::string &text, DWORD flags, LPSTR buffer, DWORD size, DWORD &error)
{
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        if (text.size() + 1 > kLargestAllocation) {
            error = ERROR_MORE_DATA;
            return false;
        }
        SIZE_T bytes = text.size() + 1 > size ? text.size() + 1 : size;
        auto *block = static_cast<char *>(LocalAlloc(LMEM_FIXED, bytes));
        if (!block) {
            error = ERROR_NOT_ENOUGH_MEMORY;
            return false;
        }
        std::memcpy(block, text.c_str(), text.size() + 1);
        *reinterpret_cast<char **>(buffer) = block;
        return true;
    }
    if (text.size() + 1 > size) {
        error = ERROR_INSUFFICIENT_BUFFER;
        return false;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

// The checks Windows makes before it looks for the message.
bool acceptsCall(DWORD flags, LPSTR buffer, DWORD size, DWORD &error)
{
    const bool allocate = (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0;
    if (!(flags & kSourceFlags))
        error = ERROR_INVALID_PARAMETER;
    else if (!buffer)
        error = allocate ? ERROR_NOT_ENOUGH_MEMORY : ERROR_INSUFFICIENT_BUFFER;
    else if (size > kLargestBuffer)
        error = ERROR_INVALID_PARAMETER;
    else
        return true;
    return false;
}

}  // namespace

}  // namespace vks::detail

using namespace vks::detail;

DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                            LPSTR lpBuffer, DWORD nSize, va_list *Arguments)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        if ((dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) && lpBuffer)
            *reinterpret_cast<char **>(lpBuffer) = nullptr;
        std::string text, out;
        DWORD error = ERROR_SUCCESS;
        bool ok = acceptsCall(dwFlags, lpBuffer, nSize, error) &&
                  messageText(dwFlags, lpSource, dwMessageId, static_cast<LANGID>(dwLanguageId), text,
                              error) &&
                  expandWithArguments(text, dwFlags, Arguments, out, error);
        if (ok && out.empty()) {
            // Nothing to store: the caller's buffer is left as it was.
            ok = false;
            error = ERROR_NO_WORK_DONE;
        }
        if (ok)
            ok = deliver(out, dwFlags, lpBuffer, nSize, error);
        if (!ok) {
            SetLastError(error);
            return 0;
        }
        return static_cast<DWORD>(out.size());
    });
}
