#include "demo_dialog.h"

#include <functional>

#include <vksutil/vksutil.h>

#include "afxcmn.h"
#include "afxwin.h"
#include "demo_ids.h"
#include "error_text.h"
#include "vkshost.h"

namespace tool {

namespace {

// The dialog and the framework objects of its controls, as a dialog class of the product holds
// them; the edit notifications and spin requests go to `forward`.
class SampleDialog {
public:
    explicit SampleDialog(int templateId)
    {
        const HWND made =
            CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr,
                               dialogProc, reinterpret_cast<LPARAM>(this));
        if (!made)
            return;
        dialog_.Attach(made);
        const int beginIds[] = {IDC_DEMO_BEGIN_1, IDC_DEMO_BEGIN_2, IDC_DEMO_BEGIN_3};
        const int endIds[] = {IDC_DEMO_END_1, IDC_DEMO_END_2, IDC_DEMO_END_3};
        for (int i = 0; i < 3; ++i) {
            attach(begin[i], beginIds[i]);
            attach(end[i], endIds[i]);
        }
        attach(beginSeparators[0], IDC_DEMO_BEGIN_SEPARATOR_1);
        attach(beginSeparators[1], IDC_DEMO_BEGIN_SEPARATOR_2);
        attach(endSeparators[0], IDC_DEMO_END_SEPARATOR_1);
        attach(endSeparators[1], IDC_DEMO_END_SEPARATOR_2);
        const int labelIds[] = {IDC_DEMO_LABEL_1, IDC_DEMO_LABEL_2, IDC_DEMO_LABEL_3,
                                IDC_DEMO_LABEL_4};
        for (int i = 0; i < 4; ++i)
            attach(labels[i], labelIds[i]);
        attach(beginSpin, IDC_DEMO_BEGIN_SPIN);
        attach(endSpin, IDC_DEMO_END_SPIN);
        // Not inverted, so that the up arrow asks for a positive step.
        beginSpin.SendMessage(UDM_SETRANGE, 0, MAKELPARAM(100, 0));
        endSpin.SendMessage(UDM_SETRANGE, 0, MAKELPARAM(100, 0));
    }
    ~SampleDialog()
    {
        onEdit = nullptr;
        onSpin = nullptr;
        if (dialog_.m_hWnd)
            DestroyWindow(dialog_.Detach());
    }
    SampleDialog(const SampleDialog &) = delete;
    SampleDialog &operator=(const SampleDialog &) = delete;

    bool made() const { return dialog_.m_hWnd != nullptr; }

    // Focuses the first field in tab order, then pictures the dialog.
    bool picture(const std::string &svgPath, std::string &reason)
    {
        SetFocus(GetNextDlgTabItem(dialog_.m_hWnd, nullptr, FALSE));
        if (VksHostSnapshotWindow(dialog_.m_hWnd, svgPath.c_str()))
            return true;
        reason = "cannot write the picture " + svgPath + ": " + errorText(GetLastError());
        return false;
    }

    CEdit begin[3];
    CEdit end[3];
    CStatic beginSeparators[2];
    CStatic endSeparators[2];
    CStatic labels[4];
    CSpinButtonCtrl beginSpin;
    CSpinButtonCtrl endSpin;
    // A control's identifier with its edit notification code / its spin direction.
    std::function<void(int id, unsigned int code)> onEdit;
    std::function<void(int id, unsigned int direction)> onSpin;

private:
    void attach(CWnd &control, int id)
    {
        if (GetDlgItem(dialog_.m_hWnd, id))
            control.SubclassDlgItem(static_cast<UINT>(id), &dialog_);
    }

    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
            return FALSE;  // the focus is given once the controls are laid out
        }
        auto *self = reinterpret_cast<SampleDialog *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self)
            return FALSE;
        if (message == WM_COMMAND && self->onEdit) {
            self->onEdit(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        if (message == WM_NOTIFY && self->onSpin) {
            const auto *request = reinterpret_cast<const NMUPDOWN *>(lParam);
            if (request->hdr.code == UDN_DELTAPOS)
                self->onSpin(static_cast<int>(wParam), request->iDelta > 0 ? 0 : 1);
            return TRUE;
        }
        return FALSE;
    }

    CWnd dialog_;
};

void forwardDateEdit(TvmDateRange *dates, int id, unsigned int code)
{
    switch (id) {
    case IDC_DEMO_BEGIN_1: dates->beginMonthNotify(code); break;
    case IDC_DEMO_BEGIN_2: dates->beginDayNotify(code); break;
    case IDC_DEMO_BEGIN_3: dates->beginYearNotify(code); break;
    case IDC_DEMO_END_1: dates->endMonthNotify(code); break;
    case IDC_DEMO_END_2: dates->endDayNotify(code); break;
    case IDC_DEMO_END_3: dates->endYearNotify(code); break;
    default: break;
    }
}

void forwardDateSpin(TvmDateRange *dates, int id, unsigned int direction)
{
    if (id == IDC_DEMO_BEGIN_SPIN)
        dates->beginDateSpin(direction);
    else if (id == IDC_DEMO_END_SPIN)
        dates->endDateSpin(direction);
}

void forwardTimeEdit(TvmTimeRange *times, int id, unsigned int code)
{
    switch (id) {
    case IDC_DEMO_BEGIN_1: times->beginHourNotify(code); break;
    case IDC_DEMO_BEGIN_2: times->beginMinutesNotify(code); break;
    case IDC_DEMO_BEGIN_3: times->beginSuffixNotify(code); break;
    case IDC_DEMO_END_1: times->endHourNotify(code); break;
    case IDC_DEMO_END_2: times->endMinutesNotify(code); break;
    case IDC_DEMO_END_3: times->endSuffixNotify(code); break;
    default: break;
    }
}

void forwardTimeSpin(TvmTimeRange *times, int id, unsigned int direction)
{
    if (id == IDC_DEMO_BEGIN_SPIN)
        times->beginTimeSpin(direction);
    else if (id == IDC_DEMO_END_SPIN)
        times->endTimeSpin(direction);
}

bool notMade(int templateId, std::string &reason)
{
    reason = "cannot make the sample dialog " + std::to_string(templateId) + " (error " +
             std::to_string(GetLastError()) + ")";
    return false;
}

}  // namespace

bool pictureDateRange(const std::string &svgPath, std::string &reason)
{
    SampleDialog dialog(IDD_DEMO_DATE_RANGE);
    if (!dialog.made())
        return notMade(IDD_DEMO_DATE_RANGE, reason);
    TvmDateRange range;
    range.initializeControlPointers(&dialog.begin[0], &dialog.begin[1], &dialog.begin[2],
                                    &dialog.end[0], &dialog.end[1], &dialog.end[2],
                                    &dialog.beginSeparators[0], &dialog.beginSeparators[1],
                                    &dialog.endSeparators[0], &dialog.endSeparators[1],
                                    &dialog.labels[0], &dialog.labels[1], &dialog.labels[2],
                                    &dialog.labels[3], &dialog.beginSpin, &dialog.endSpin);
    dialog.onEdit = [&range](int id, unsigned int code) { forwardDateEdit(&range, id, code); };
    dialog.onSpin = [&range](int id, unsigned int way) { forwardDateSpin(&range, id, way); };
    range.setMDYOrder(&dialog.begin[0], &dialog.beginSeparators[0], &dialog.begin[1],
                      &dialog.beginSeparators[1], &dialog.begin[2]);
    range.setMDYOrder(&dialog.end[0], &dialog.endSeparators[0], &dialog.end[1],
                      &dialog.endSeparators[1], &dialog.end[2]);
    range.initializeSeparators();
    range.initializeDates(TutTimestamp(2024, 4, 1, 0, 0, 0), TutTimestamp(2024, 6, 30, 0, 0, 0));
    return dialog.picture(svgPath, reason);
}

bool pictureTimeRange(const std::string &svgPath, std::string &reason)
{
    SampleDialog dialog(IDD_DEMO_TIME_RANGE);
    if (!dialog.made())
        return notMade(IDD_DEMO_TIME_RANGE, reason);
    TvmTimeRange range;
    range.initializeControlPointers(&dialog.begin[0], &dialog.begin[1], &dialog.begin[2],
                                    &dialog.end[0], &dialog.end[1], &dialog.end[2],
                                    &dialog.beginSeparators[0], &dialog.endSeparators[0],
                                    &dialog.labels[0], &dialog.labels[1], &dialog.beginSpin,
                                    &dialog.endSpin);
    dialog.onEdit = [&range](int id, unsigned int code) { forwardTimeEdit(&range, id, code); };
    dialog.onSpin = [&range](int id, unsigned int way) { forwardTimeSpin(&range, id, way); };
    range.setTimeOrder(&dialog.begin[0], &dialog.beginSeparators[0], &dialog.begin[1],
                       &dialog.begin[2]);
    range.setTimeOrder(&dialog.end[0], &dialog.endSeparators[0], &dialog.end[1],
                       &dialog.end[2]);
    range.initializeSeparators();
    range.initializeTimes(TutTimestamp(2024, 4, 1, 8, 30, 0), TutTimestamp(2024, 4, 1, 17, 45, 0));
    // The editor keeps a designator in the suffix fields on the 24-hour clock too; a dialog on
    // that clock does not show them.
    if (TutWinString::getTime24HourMode()) {
        dialog.begin[2].ShowWindow(SW_HIDE);
        dialog.end[2].ShowWindow(SW_HIDE);
    }
    return dialog.picture(svgPath, reason);
}

}  // namespace tool
