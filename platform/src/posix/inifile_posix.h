// Internal: the file operations of the INI engine (read a whole file, stat it, lock it, replace
// it atomically). Implemented in posix/inifile_posix.cpp and inifile_stamp_posix.cpp; no POSIX
// type crosses this header.
#pragma once

#include <cstdint>
#include <string>

#include "windows.h"

namespace vks::detail {

// One state of a file on disk: a change by any writer alters at least one field, unless it
// falls within the file system's timestamp granularity (see `settled`).
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::int64_t ctimeNs = 0;
    bool operator==(const FileStamp &) const = default;
};

// A stamp taken together with the file's bytes. `settled` is false while the file is so recent
// that another change could still keep the same stamp; such bytes must be checked again.
struct FileSnapshot {
    FileStamp stamp;
    bool settled = false;
};

// Whether bytes read at `nowNs` (ns since 1970) under `stamp` stay true while the stamp stays.
// File times come from a coarse clock: one tick (at most 10 ms) where the file system keeps
// nanoseconds, up to 2 s where it keeps none; a change within that margin may keep the stamp.
bool isStampSettled(const FileStamp &stamp, std::int64_t nowNs);

// The stamp of the regular file at `path`; false when it is missing, unreachable or no file.
bool statRegularFile(const std::string &path, FileStamp &stamp);

// The whole content of the regular file at `path` and the stamp of what was read. False, with
// the stamp of the file, when it holds more than `maxBytes`.
bool readRegularFile(const std::string &path, std::string &bytes, FileSnapshot &snapshot,
                     std::uint64_t maxBytes = UINT64_MAX);

// Why the file at `path` cannot be read, as Windows would say when opening it: 2 when it is
// missing, 3 when its folder is, 5 for a folder or a file without read permission.
DWORD unreadableFileError(const std::string &path);

// An exclusive advisory lock for changing a file, held around read-modify-write so that writers
// in all processes take turns. It is the lock of the file's folder, shared by the writers of
// every file in it (a thread that holds it may take it again); where the folder cannot be
// locked, the lock of the file itself, which follows the file across atomic replacements.
class IniFileLock {
public:
    enum class Result { Locked, Missing, Failed };

    IniFileLock() = default;
    ~IniFileLock();
    IniFileLock(const IniFileLock &) = delete;
    IniFileLock &operator=(const IniFileLock &) = delete;

    // Opens and locks the file, creating an empty one when it is missing and `create` is set.
    // Missing: no file and `create` unset. Failed: `error` holds the Win32 code.
    Result acquire(const std::string &path, bool create, DWORD &error);

    const FileSnapshot &snapshot() const { return snapshot_; }
    // The locked file's whole content (at most the size of the snapshot plus what grew since).
    bool read(std::string &bytes, DWORD &error) const;
    // Replaces the locked file by `bytes` through a temporary file in the same folder
    // (".NAME.writing.tmp", one per file, which a killed writer may leave and the next writer
    // replaces) and a rename, keeping the file's permission bits and owner. Nothing is synced to
    // disk: a crash of the process leaves the old or the new file, never a torn one.
    // `written` is the new file's stamp. On failure the file stays as it was (an empty file this
    // lock created is removed).
    bool replace(const std::string &bytes, FileSnapshot &written, DWORD &error);

private:
    void release();

    int fd_ = -1;
    std::string lockedFolder_;  // empty under a lock of the file itself
    std::string path_;
    unsigned mode_ = 0;
    std::uint32_t owner_ = 0;
    std::uint32_t group_ = 0;
    bool created_ = false;
    FileSnapshot snapshot_;
};

}  // namespace vks::detail
