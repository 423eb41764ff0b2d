// The folder of object names and VksHostSetObjectFolder.
#include "kernel32/object_folder.h"

#include <cstdint>
#include <mutex>
#include <optional>

#include "kernel32/no_destructor.h"
#include "posix/environment_posix.h"
#include "vksboundary.h"
#include "vkshost.h"

namespace vks::detail {

namespace {

struct ChosenFolder {
    std::mutex lock;
    std::optional<std::string> folder;
};

ChosenFolder &chosenFolder()
{
    static NoDestructor<ChosenFolder> chosen;
    return *chosen;
}

bool keptAsIs(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '_';
}

// Host file names stop at 255 bytes. A longer escaped name keeps its start and ends in a 64-bit
// FNV-1a hash of the whole name.
constexpr std::size_t kLongestFileName = 200;
constexpr std::size_t kKeptOfLongName = 160;

std::string hashText(const std::string &name)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    static const char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[hash & 0xf];
    return text;
}

}  // namespace

std::string chosenObjectFolder()
{
    ChosenFolder &chosen = chosenFolder();
    {
        std::lock_guard guard(chosen.lock);
        if (chosen.folder)
            return *chosen.folder;
    }
    if (std::string env = posix::environmentVariable("VKS_OBJECT_FOLDER"); env[0] == '/')
        return env;
    return {};
}

std::string fileNameOfObject(const std::string &name)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string file = "n-";
    for (unsigned char c : name) {
        if (keptAsIs(c)) {
            file += static_cast<char>(c);
        } else {
            file += '%';
            file += kDigits[c >> 4];
            file += kDigits[c & 0xf];
        }
    }
    if (file.size() > kLongestFileName)
        file = file.substr(0, kKeptOfLongName) + "~" + hashText(name);
    return file;
}

}  // namespace vks::detail

void VksHostSetObjectFolder(const char *hostFolder)
{
    vks::atWin32BoundaryVoid([&] {
        vks::detail::ChosenFolder &chosen = vks::detail::chosenFolder();
        std::lock_guard guard(chosen.lock);
        if (hostFolder && hostFolder[0] == '/')
            chosen.folder = hostFolder;
        else
            chosen.folder.reset();
    });
}
