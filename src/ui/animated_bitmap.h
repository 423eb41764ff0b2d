// TutAnimatedBitmap: a static control that shows the frames of a bitmap strip one after the
// other.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"

// Display attributes (SetDisplayAttributes).
#define TUT_ANIMATION_CENTER_VERTICALLY 0x1
#define TUT_ANIMATION_CENTER_HORIZONTALLY 0x2

// The frames come from a bitmap strip cut into frames of one width; a timer (identifier 2112)
// moves to the next frame, wrapping round after the last, as long as the control is shown and
// has more than one frame. Its background is what its parent erases, or the frame list's
// background colour, which may follow a system colour.
class AFX_EXT_CLASS TutAnimatedBitmap : public CStatic {
    DECLARE_DYNAMIC(TutAnimatedBitmap)
public:
    static constexpr UINT_PTR kTimerId = 2112;

    TutAnimatedBitmap() = default;
    // Creates the static control with empty text, then SetBitmap.
    BOOL Create(unsigned int nBitmapID, int nFrameWidth, unsigned long dwStyle, RECT const &rect,
                CWnd *pParentWnd, unsigned long crMask, unsigned int nID);
    // Loads the strip (grow step 1; crMask CLR_NONE for no mask) and starts the timer when it
    // loaded, starting again from the first frame; re-applies the display attributes. Returns
    // whether it loaded.
    int SetBitmap(unsigned int nBitmapID, int nFrameWidth, unsigned long crMask);
    // A fixed background; the system colour it followed is forgotten.
    void SetBkColor(unsigned long crBackground);
    // The background follows that system colour, also when it changes (WM_SYSCOLORCHANGE).
    void SetBkColorToSysColor(int nIndex);
    // The timer's interval in milliseconds; a running timer starts again with it.
    void SetSpeed(unsigned int nMilliseconds);
    // Only when no timer runs and there are two or more frames.
    virtual void StartTimer();
    virtual void StopTimer();
    // Centres the first frame in the client area along the axes the attributes name; a frame
    // larger than the control makes the control as large as the frame along that axis.
    void SetDisplayAttributes(unsigned int nAttributes);
    unsigned int GetDisplayAttributes() const { return m_nDisplayAttributes; }

    int GetCurrentFrame() const { return m_nCurrentFrame; }
    UINT_PTR GetTimerId() const { return m_nTimerId; }
    POINT GetDrawingPosition() const { return {m_x, m_y}; }
    CImageList &GetFrames() { return m_frames; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void OnTimer(UINT_PTR nIDEvent) override;

private:
    void DrawCurrentFrame(CDC &dc);
    LRESULT EraseThroughParent(WPARAM wParam, LPARAM lParam);
    void FollowSystemColour();
    void ResizeToHold(int frameWidth, int frameHeight, bool wider, bool taller);

    CImageList m_frames;
    int m_nSysColorIndex = -1;
    unsigned int m_nSpeed = 0;
    int m_nCurrentFrame = 0;
    UINT_PTR m_nTimerId = 0;
    int m_x = 0;
    int m_y = 0;
    unsigned short m_nDisplayAttributes = 0;
};
