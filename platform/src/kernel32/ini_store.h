// Internal: INI files as parsed documents, kept in memory between calls while the file on disk
// stays the same, and changed under an inter-process lock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "kernel32/ini_document.h"
#include "posix/inifile_posix.h"
#include "windows.h"

namespace vks::detail {

// The largest profile file read or written. A larger one is refused before it is read, with
// ERROR_NOT_ENOUGH_MEMORY: it would take more memory than settings deserve.
constexpr std::uint64_t kMaxProfileFileBytes = 128u << 20;

// The parsed content of the INI file at `hostPath`, checked against the file on disk at every
// call; null when there is no readable file there (missing, a folder, unreadable, too large),
// with the Win32 code of the reason in `error`.
// When `trusted` is given and the document may stand for the file for as long as the file keeps
// one stamp, `trusted` receives that stamp (a caller may then keep the document and check only
// the stamp); otherwise it is emptied.
std::shared_ptr<const IniDocument> loadIniDocument(const std::string &hostPath, DWORD &error,
                                                   std::optional<FileStamp> *trusted = nullptr);

// A change to a document: the file's new bytes, or nothing when the file stays as it is.
using IniEdit = std::function<std::optional<std::string>(const IniDocument &)>;

// Runs `edit` on the file's current content while holding the file's lock, and replaces the
// file atomically when the edit changed it. A missing file is edited as an empty one when
// `createIfMissing`, else left alone (and `missing`, when given, is set). False, with a Win32
// code in `error`, when the file cannot be locked, read or replaced; the file then stays as it
// was.
bool updateIniFile(const std::string &hostPath, bool createIfMissing, const IniEdit &edit,
                   DWORD &error, bool *missing = nullptr);

}  // namespace vks::detail
