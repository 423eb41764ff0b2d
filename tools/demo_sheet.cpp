#include "demo_sheet.h"

#include <vksutil/vksutil.h>

#include "demo_ids.h"
#include "error_text.h"
#include "vkshost.h"

namespace tool {

namespace {

unsigned int sheetButtons = 0;

// A page showing a sample value in its one field.
class SamplePage : public TutPropertyPage {
public:
    SamplePage(UINT templateId, int fieldId, const char *value)
        : TutPropertyPage(templateId), m_fieldId(fieldId), m_value(value)
    {
    }

protected:
    void DoDataExchange(CDataExchange *pDX) override { DDX_Text(pDX, m_fieldId, m_value); }

private:
    int m_fieldId;
    CString m_value;
};

}  // namespace

void setSheetButtons(unsigned int flags)
{
    sheetButtons = flags;
}

bool pictureSheet(const std::string &svgPath, std::string &reason)
{
    SamplePage general(IDD_DEMO_SHEET_GENERAL, IDC_DEMO_SHEET_NAME, "OFFICE-PC");
    SamplePage transfer(IDD_DEMO_SHEET_TRANSFER, IDC_DEMO_SHEET_FOLDER, "C:\\VKS\\RECEIVED");
    TutPropertySheet sheet("Settings", nullptr, 0, sheetButtons);
    sheet.AddPage(&general);
    sheet.AddPage(&transfer);
    if (!sheet.Create()) {
        reason = "cannot make the sample property sheet";
        return false;
    }
    const bool written = VksHostSnapshotWindow(sheet.m_hWnd, svgPath.c_str()) != FALSE;
    if (!written)
        reason = "cannot write the picture " + svgPath + ": " + errorText(GetLastError());
    sheet.DestroyWindow();
    return written;
}

}  // namespace tool
