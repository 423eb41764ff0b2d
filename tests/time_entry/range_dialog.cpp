#include "range_dialog.h"

#include <gtest/gtest.h>

namespace rangetest {

RangeDialog::RangeDialog(int templateId)
{
    const HWND made = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                         nullptr, dialogProc, reinterpret_cast<LPARAM>(this));
    EXPECT_NE(nullptr, made) << "the dialog " << templateId << " was not made";
    if (!made)
        return;
    dialog_.Attach(made);
    const int beginIds[] = {IDC_BEGIN_1, IDC_BEGIN_2, IDC_BEGIN_3};
    const int endIds[] = {IDC_END_1, IDC_END_2, IDC_END_3};
    for (int i = 0; i < 3; ++i) {
        attach(begin[i], beginIds[i]);
        attach(end[i], endIds[i]);
    }
    attach(beginSeparators[0], IDC_BEGIN_SEPARATOR_1);
    attach(beginSeparators[1], IDC_BEGIN_SEPARATOR_2);
    attach(endSeparators[0], IDC_END_SEPARATOR_1);
    attach(endSeparators[1], IDC_END_SEPARATOR_2);
    const int labelIds[] = {IDC_LABEL_1, IDC_LABEL_2, IDC_LABEL_3, IDC_LABEL_4};
    for (int i = 0; i < 4; ++i)
        attach(labels[i], labelIds[i]);
    attach(beginSpin, IDC_BEGIN_SPIN);
    attach(endSpin, IDC_END_SPIN);
    attach(elsewhere, IDC_ELSEWHERE);
}

RangeDialog::~RangeDialog()
{
    onCommand = nullptr;
    if (dialog_.m_hWnd) {
        const HWND made = dialog_.Detach();
        DestroyWindow(made);
    }
}

// Controls the template lacks stay without a window.
void RangeDialog::attach(CWnd &control, int id)
{
    if (GetDlgItem(dialog_.m_hWnd, id)) {
        EXPECT_TRUE(control.SubclassDlgItem(static_cast<UINT>(id), &dialog_)) << id;
    }
}

INT_PTR CALLBACK RangeDialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        auto *self = reinterpret_cast<RangeDialog *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && self->onCommand)
            self->onCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

RECT RangeDialog::clientRect(const CWnd &control) const
{
    RECT frame{};
    GetWindowRect(control.m_hWnd, &frame);
    MapWindowPoints(nullptr, dialog_.m_hWnd, reinterpret_cast<POINT *>(&frame), 2);
    return frame;
}

std::vector<HWND> RangeDialog::tabOrder(const CWnd &first, int count) const
{
    std::vector<HWND> order{first.m_hWnd};
    for (int i = 0; i < count; ++i)
        order.push_back(GetNextDlgTabItem(dialog_.m_hWnd, order.back(), FALSE));
    return order;
}

std::vector<HWND> RangeDialog::zOrder(const CWnd &first, int count)
{
    std::vector<HWND> order{first.m_hWnd};
    for (int i = 0; i < count; ++i)
        order.push_back(GetWindow(order.back(), GW_HWNDNEXT));
    return order;
}

std::string textOf(const CWnd &control)
{
    char text[64] = {};
    GetWindowTextA(control.m_hWnd, text, sizeof text);
    return text;
}

void setText(CWnd &control, const std::string &text)
{
    SetWindowTextA(control.m_hWnd, text.c_str());
}

void type(CWnd &field, const std::string &typed, bool replace)
{
    const WPARAM start = replace ? 0 : static_cast<WPARAM>(GetWindowTextLengthA(field.m_hWnd));
    SendMessageA(field.m_hWnd, EM_SETSEL, start, -1);
    for (unsigned char ch : typed)
        SendMessageA(field.m_hWnd, WM_CHAR, ch, 0);
}

void leave(CWnd &field, CWnd &elsewhere)
{
    SetFocus(field.m_hWnd);
    SetFocus(elsewhere.m_hWnd);
}

}  // namespace rangetest
