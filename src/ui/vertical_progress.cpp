// CVerticalProgressCtrl: the lower part of the control filled by percentage.
#include "ui/vertical_progress.h"

IMPLEMENT_DYNAMIC(CVerticalProgressCtrl, CProgressCtrl)

void CVerticalProgressCtrl::Init(int nPercent)
{
    ComputeFill(nPercent);
}

void CVerticalProgressCtrl::UpDate(int nPercent)
{
    Invalidate(TRUE);
    ComputeFill(nPercent);
}

// The height is worked out in floating point and truncated, so 33 % of 100 pixels fills 33.
void CVerticalProgressCtrl::ComputeFill(int nPercent)
{
    CRect client;
    GetClientRect(&client);
    const int height = client.bottom - client.top;
    const int filled = static_cast<int>(nPercent * 0.01 * height);
    m_rect = client;
    m_rect.top = client.top + height - filled;
}

void CVerticalProgressCtrl::OnPaint()
{
    Default();
    CClientDC dc(this);
    dc.FillSolidRect(&m_rect, m_color);
}
