// Internal: the parsed registry file of this process, kept between calls while the file on disk
// stays the same.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "posix/inifile_posix.h"
#include "advapi32/registry_tree.h"

namespace vks::detail {

class RegistryCache {
public:
    // The cached tree when the file at `path` still has `stamp` and that stamp can be trusted.
    std::shared_ptr<const RegistryTree> find(const std::string &path, const FileStamp &stamp);

    // The tree of `bytes`, read from `path` with `snapshot`: the cached one when its bytes are
    // the same, so a file read again only because its stamp is recent is not parsed again.
    std::shared_ptr<const RegistryTree> store(const std::string &path, std::string bytes,
                                              const FileSnapshot &snapshot);

    // For a writer that holds the file's lock: the tree of the locked file, taken out of the
    // cache so that it can be changed in place (a copy while readers hold it). takeSettled
    // answers from the stamp alone, with the bytes the tree was parsed from, and gives null
    // when it cannot; takeParsed answers for `bytes` read from the file, parsing them when the
    // cache holds something else.
    std::shared_ptr<RegistryTree> takeSettled(const std::string &path, const FileStamp &stamp,
                                              std::string &bytes);
    std::shared_ptr<RegistryTree> takeParsed(const std::string &path, const std::string &bytes);

    // Puts back a tree taken for a change, with the bytes and snapshot of the file it now
    // stands for.
    void put(const std::string &path, std::shared_ptr<RegistryTree> tree, std::string bytes,
             const FileSnapshot &snapshot);

private:
    bool holdsSettled(const std::string &path, const FileStamp &stamp) const;
    // Empties the cache, handing its tree over for a change.
    std::shared_ptr<RegistryTree> detach();

    std::mutex mutex_;
    std::string path_;
    FileSnapshot snapshot_;
    std::string bytes_;
    std::shared_ptr<RegistryTree> tree_;
};

// The process's one cache: a process works on one drive C at a time.
RegistryCache &registryCache();

}  // namespace vks::detail
