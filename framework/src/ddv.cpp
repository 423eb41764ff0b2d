// DDV routines: checks of the value the last DDX routine saved.
#include <cstdio>

#include "afxwin.h"
#include "data_exchange.h"

using vks::detail::failExchange;

namespace {

void checkRange(CDataExchange *pDX, long long value, long long minVal, long long maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    char message[80];
    std::snprintf(message, sizeof message, "Enter an integer between %lld and %lld.", minVal,
                  maxVal);
    failExchange(pDX, message);
}

}  // namespace

void AFXAPI DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        // Loading: the user cannot type more than the limit in the first place.
        if (pDX->m_bEditLastControl && pDX->m_idLastControl)
            ::SendMessageA(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl),
                           EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() <= nChars)
        return;
    char message[80];
    std::snprintf(message, sizeof message, "Enter no more than %d characters.", nChars);
    failExchange(pDX, message);
}

void AFXAPI DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal)
{
    checkRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange *pDX, UINT value, UINT minVal, UINT maxVal)
{
    checkRange(pDX, value, minVal, maxVal);
}
