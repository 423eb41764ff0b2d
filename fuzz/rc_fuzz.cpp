// Fuzzes the resource-script compiler: a script (and a header it may include) compiled into
// resources, which must never crash, hang or run past the compiler's limits. Besides crashes and
// sanitizer reports, it stops on a broken promise: a fault reported without a reason or line, or
// a .res image that does not read back as the resources it was written from.
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "compiler.h"
#include "emit_source.h"
#include "fuzz_support.h"
#include "res_file.h"

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string header = input.ConsumeRandomLengthString(256);
    const std::string script = input.ConsumeRemainingBytesAsString();
    // A 1x1 24-bit bitmap and a one-image icon, so BITMAP and ICON statements find files.
    const std::string bitmap("BM\0\0\0\0\0\0\0\0\0\0\0\0(\0\0\0\1\0\0\0\1\0\0\0\1\0\x18\0"
                             "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\0",
                             58);
    const std::string icon = std::string("\0\0\1\0\1\0\1\1\0\0\1\0\x20\0", 14) + std::string("\x30\0\0\0\x16\0\0\0", 8) +
                             std::string("(\0\0\0\1\0\0\0\2\0\0\0\1\0\x20\0", 16) + std::string(32, '\0');
    vksrc::MemoryFiles files({{"main.rc", script},
                              {"h.h", header},
                              {"h.inc", header},
                              {"b.bmp", bitmap},
                              {"i.ico", icon}});
    try {
        const vksrc::Compilation compilation = vksrc::compileScript("main.rc", {{"."}, {}}, files);
        const std::vector<std::uint8_t> image = vksrc::resFile(compilation.resources);
        const auto back = vksrc::readResFile(std::string_view(reinterpret_cast<const char *>(image.data()),
                                                              image.size()));
        require(back.has_value() && back->size() == compilation.resources.size());
        for (std::size_t i = 0; i < back->size(); ++i) {
            require((*back)[i].type == compilation.resources[i].type);
            require((*back)[i].name == compilation.resources[i].name);
            require((*back)[i].data == compilation.resources[i].data);
        }
        require(!vksrc::moduleSource(compilation.resources, image, "/tmp/x.res", "main.rc").empty());
    } catch (const vksrc::ScriptError &error) {
        require(error.line() >= 0 && *error.what() != '\0');
    }
    return 0;
}
