// DDX_Text: edit fields and other text controls exchanged with strings and numbers.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "afxwin.h"
#include "data_exchange.h"

using vks::detail::failExchange;

namespace {

constexpr char kNotAnInteger[] = "Please enter an integer.";
constexpr char kNotAPositiveInteger[] = "Please enter a positive integer.";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// One decimal number between blanks, within [minimum, maximum]; a sign only where the range
// has negative values, as the framework reads "%d" and "%u" fields.
bool parseNumber(const char *text, long long minimum, long long maximum, long long &value)
{
    while (isBlank(*text))
        ++text;
    const bool negative = *text == '-';
    if (negative && minimum >= 0)
        return false;
    if (*text == '-' || *text == '+')
        ++text;
    if (*text < '0' || *text > '9')
        return false;
    // Past ten digits no 32-bit value is left: refused, never wrapped.
    long long magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > 9999999999LL)
            return false;
    }
    while (isBlank(*text))
        ++text;
    if (*text)
        return false;
    value = negative ? -magnitude : magnitude;
    return value >= minimum && value <= maximum;
}

// Writes the text only when the control does not already show it, so that filling a dialog
// sends no change notifications for fields that stay as they are.
void setTextIfChanged(HWND control, LPCSTR text)
{
    char shown[256];
    const int length = static_cast<int>(std::strlen(text));
    if (length < static_cast<int>(sizeof shown) && ::GetWindowTextLengthA(control) == length) {
        ::GetWindowTextA(control, shown, sizeof shown);
        if (std::strcmp(shown, text) == 0)
            return;
    }
    ::SetWindowTextA(control, text);
}

CString controlText(HWND control)
{
    CString text;
    const int length = ::GetWindowTextLengthA(control);
    text.ReleaseBuffer(::GetWindowTextA(control, text.GetBufferSetLength(length), length + 1));
    return text;
}

template <typename Number>
void exchangeNumber(CDataExchange *pDX, int nIDC, Number &value, long long minimum,
                    long long maximum, LPCSTR refusal)
{
    const HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long read = 0;
        if (!parseNumber(controlText(control), minimum, maximum, read))
            failExchange(pDX, refusal);
        value = static_cast<Number>(read);
    } else {
        char text[32];
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
        setTextIfChanged(control, text);
    }
}

}  // namespace

void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, CString &value)
{
    const HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = controlText(control);
    else
        setTextIfChanged(control, value);
}

void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, int &value)
{
    exchangeNumber(pDX, nIDC, value, INT32_MIN, INT32_MAX, kNotAnInteger);
}

void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, UINT &value)
{
    exchangeNumber(pDX, nIDC, value, 0, UINT32_MAX, kNotAPositiveInteger);
}

void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, long &value)
{
    exchangeNumber(pDX, nIDC, value, INT32_MIN, INT32_MAX, kNotAnInteger);
}
