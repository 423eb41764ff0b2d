// The code page a script's text is written in: UTF-8 unless #pragma code_page names another.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vksrc {

constexpr unsigned kUtf8CodePage = 65001;

// Whether the compiler can read text in `codePage`.
bool isKnownCodePage(unsigned codePage);

// `bytes` of `codePage` as UTF-8, or nothing when they are not valid text of that code page.
std::optional<std::string> decodeText(std::string_view bytes, unsigned codePage);

}  // namespace vksrc
