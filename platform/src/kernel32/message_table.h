// Internal: the message tables registered by the modules, by language.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

// The UTF-8 text of message `id` in `module`'s table (null: the program). With language 0 the
// languages are tried in the Windows order (neutral, the thread's, the user's, the system's, US
// English, then any the table holds); with another language only that one, or its primary
// language with the neutral sub-language. Errors: ERROR_RESOURCE_TYPE_NOT_FOUND (no table),
// ERROR_RESOURCE_LANG_NOT_FOUND (no table in the language), ERROR_MR_MID_NOT_FOUND (the
// language's table lacks the identifier).
bool findMessage(HMODULE module, DWORD id, LANGID language, std::string &utf8, DWORD &error);

// Whether the module carries a message table in any language.
bool hasMessageTable(HMODULE module);

// The languages to try for a request in `language`, in order (language 0: the fallback order
// without the final "any language" step).
std::vector<LANGID> languageSearchOrder(LANGID language);

}  // namespace vks::detail
