// CVerticalProgressCtrl: a progress bar that fills from the bottom in a colour of its own.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"

// The filled part is the lower percentage of the client area, drawn over the progress bar's own
// painting.
class AFX_EXT_CLASS CVerticalProgressCtrl : public CProgressCtrl {
    DECLARE_DYNAMIC(CVerticalProgressCtrl)
public:
    CVerticalProgressCtrl() = default;
    void SetColor(unsigned long crFill) { m_color = crFill; }
    unsigned long GetColor() const { return m_color; }
    // The filled rectangle, client coordinates (empty until Init or UpDate).
    CRect GetRect() const { return CRect(m_rect); }
    // Computes the filled rectangle for the percentage, without repainting.
    void Init(int nPercent);
    // Repaints the whole control (background erased) with the percentage's fill.
    void UpDate(int nPercent);

protected:
    void OnPaint() override;

private:
    void ComputeFill(int nPercent);

    RECT m_rect{};
    COLORREF m_color = 0;
};
