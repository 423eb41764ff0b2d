#include "error_text.h"

namespace tool {

std::string errorText(DWORD error)
{
    char *buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                      FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                  nullptr, error, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    const std::string code = "error " + std::to_string(error);
    return text.empty() ? code : text + " (" + code + ")";
}

}  // namespace tool
