// Internal: what the DDX and DDV routines share.
#pragma once

#include "afxwin.h"

namespace vks::detail {

// Tells the user what is wrong with the last control's value, then fails the exchange.
[[noreturn]] void failExchange(CDataExchange *pDX, LPCSTR message);

}  // namespace vks::detail
