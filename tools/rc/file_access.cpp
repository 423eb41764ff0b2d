#include "file_access.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "compiler_limits.h"

namespace vksrc {

namespace fs = std::filesystem;

namespace {

std::string sizeText(std::uintmax_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

}  // namespace

std::uintmax_t fileLimit(FileAccess::Kind kind)
{
    return kind == FileAccess::Kind::Text ? limits::kTextFileBytes : limits::kDataFileBytes;
}

bool DiskFiles::exists(const std::string &path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) && !fs::is_directory(status);
}

std::optional<std::string> DiskFiles::read(const std::string &path, Kind kind,
                                           std::string &reason)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        reason = "does not exist";
        return std::nullopt;
    }
    if (fs::is_directory(status)) {
        reason = "is a folder, not a file";
        return std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        reason = "is not a regular file";
        return std::nullopt;
    }
    const std::uintmax_t limit = fileLimit(kind);
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > limit) {
        reason = "is larger than " + sizeText(limit);
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = "cannot be read";
        return std::nullopt;
    }
    // Read at most one byte past the limit, so a file that grows meanwhile is still refused.
    std::string bytes;
    char chunk[1 << 16];
    while (in && bytes.size() <= limit) {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        reason = "cannot be read";
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        reason = "is larger than " + sizeText(limit);
        return std::nullopt;
    }
    return bytes;
}

bool MemoryFiles::exists(const std::string &path)
{
    return files_.count(fs::path(path).lexically_normal().string()) != 0;
}

std::optional<std::string> MemoryFiles::read(const std::string &path, Kind kind,
                                             std::string &reason)
{
    auto found = files_.find(fs::path(path).lexically_normal().string());
    if (found == files_.end()) {
        reason = "does not exist";
        return std::nullopt;
    }
    if (found->second.size() > fileLimit(kind)) {
        reason = "is larger than " + sizeText(fileLimit(kind));
        return std::nullopt;
    }
    return found->second;
}

}  // namespace vksrc
