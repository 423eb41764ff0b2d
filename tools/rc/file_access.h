// How the compiler reads the files a script names: only regular files, each within its limit.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vksrc {

class FileAccess {
public:
    enum class Kind { Text, Data };  // a script or header; a bitmap or icon

    virtual ~FileAccess() = default;

    // Whether `path` names a file (anything but a folder) that read() may be asked for.
    virtual bool exists(const std::string &path) = 0;
    // The file's bytes, or nothing with `reason` saying why ("is a folder", ...).
    virtual std::optional<std::string> read(const std::string &path, Kind kind,
                                            std::string &reason) = 0;
};

// The host's files. A file that is not a regular one (a folder, a FIFO, a device) is refused
// before it is opened, so that nothing blocks or reads without end.
class DiskFiles : public FileAccess {
public:
    bool exists(const std::string &path) override;
    std::optional<std::string> read(const std::string &path, Kind kind,
                                    std::string &reason) override;
};

// Files held in memory, for tests and the fuzzer: path → bytes.
class MemoryFiles : public FileAccess {
public:
    explicit MemoryFiles(std::map<std::string, std::string> files) : files_(std::move(files)) {}
    bool exists(const std::string &path) override;
    std::optional<std::string> read(const std::string &path, Kind kind,
                                    std::string &reason) override;

private:
    std::map<std::string, std::string> files_;
};

// The largest file of `kind` the compiler reads.
std::uintmax_t fileLimit(FileAccess::Kind kind);

}  // namespace vksrc
