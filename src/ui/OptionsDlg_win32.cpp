#include "ui/OptionsDlg.h"

#include "catalogue/SaveHistory.h"
#include "settings/StartFolders.h"
#include "ui/ConvertChoices.h"
#include "ui/FolderPicker.h"
#include "ui/resource.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// Every day box keeps to the days the history of saves keeps, which is more
// than any day filter needs.
const int kMaxDays = CSaveHistory::kHistoryDays;
const struct {
    int nEdit;
    int nSpin;
} kDayBoxes[] = {{IDC_OPT_MODIFIED, IDC_SPIN_MODIFIED},
                 {IDC_OPT_ACCESSED, IDC_SPIN_ACCESSED},
                 {IDC_OPT_FRESH, IDC_SPIN_FRESH}};

int DaysWithin(int days)
{
    return std::clamp(days, 0, kMaxDays);
}

}  // namespace

COptionsDlg::COptionsDlg(CSettings* settings, const ConvertTools& tools, CDialog* parent)
    : CDialog(IDD_OPTIONS, parent),
      m_pSettings(settings),
      m_bCanConvert(ConvertNeedsText(tools).empty()),
      m_strConvertNeeds(ConvertNeedsText(tools))
{
}

BOOL COptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_OPT_START, m_pSettings->Start);
    SetDlgItemText(IDC_OPT_EXT, m_pSettings->Ext);
    SetDlgItemInt(IDC_OPT_MIN_SIZE, m_pSettings->MinFileSize);
    SetDlgItemInt(IDC_OPT_MAX_SIZE, m_pSettings->MaxFileSize);
    const int days[] = {m_pSettings->Modified, m_pSettings->Accessed, m_pSettings->FreshDays};
    for (std::size_t i = 0; i < std::size(kDayBoxes); ++i) {
        SendDlgItemMessage(kDayBoxes[i].nEdit, EM_LIMITTEXT, 3);
        SendDlgItemMessage(kDayBoxes[i].nSpin, UDM_SETRANGE, 0, MAKELPARAM(kMaxDays, 0));
        SendDlgItemMessage(kDayBoxes[i].nSpin, UDM_SETPOS, 0, MAKELPARAM(DaysWithin(days[i]), 0));
        SetDlgItemInt(kDayBoxes[i].nEdit, DaysWithin(days[i]));
    }
    CheckDlgButton(IDC_OPT_TOP_UP, m_pSettings->TopUp != 0);

    // A setting that names no target shows as off, the list at its defaults.
    ConvertTarget target{AudioFormat::kMp3, DefaultKbps(AudioFormat::kMp3)};
    std::string problem;
    CheckDlgButton(IDC_OPT_CONVERT, ParseConvertTarget(m_pSettings->Convert, target, problem));
    const std::vector<FormatChoice>& formats = FormatChoices();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        SendDlgItemMessage(IDC_OPT_CONVERT_FORMAT, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(formats[i].label));
        if (formats[i].format == target.format)
            SendDlgItemMessage(IDC_OPT_CONVERT_FORMAT, CB_SETCURSEL, i);
    }
    FillBitrates(target.kbps);
    LevelConvertBox();
    SetDlgItemText(IDC_OPT_CONVERT_NEEDS, m_strConvertNeeds);
    EnableConvertRow();
    m_strConvertShown = ConvertRowText();
    return TRUE;
}

AudioFormat COptionsDlg::ChosenFormat() const
{
    const LRESULT chosen = ::SendDlgItemMessageA(m_hWnd, IDC_OPT_CONVERT_FORMAT, CB_GETCURSEL, 0, 0);
    const std::vector<FormatChoice>& formats = FormatChoices();
    return chosen >= 0 && static_cast<std::size_t>(chosen) < formats.size()
               ? formats[static_cast<std::size_t>(chosen)].format
               : formats.front().format;
}

uint32_t COptionsDlg::ChosenKbps() const
{
    const LRESULT chosen = ::SendDlgItemMessageA(m_hWnd, IDC_OPT_CONVERT_KBPS, CB_GETCURSEL, 0, 0);
    if (chosen < 0)
        return DefaultKbps(ChosenFormat());
    return static_cast<uint32_t>(::SendDlgItemMessageA(m_hWnd, IDC_OPT_CONVERT_KBPS, CB_GETITEMDATA,
                                                       static_cast<WPARAM>(chosen), 0));
}

void COptionsDlg::FillBitrates(uint32_t kbps)
{
    const AudioFormat format = ChosenFormat();
    const std::vector<uint32_t> rates = BitrateChoices(format, kbps);
    if (std::find(rates.begin(), rates.end(), kbps) == rates.end())
        kbps = DefaultKbps(format);
    SendDlgItemMessage(IDC_OPT_CONVERT_KBPS, CB_RESETCONTENT);
    for (uint32_t rate : rates) {
        const std::string text = BitrateText(rate);
        const LRESULT item = SendDlgItemMessage(IDC_OPT_CONVERT_KBPS, CB_ADDSTRING, 0,
                                                reinterpret_cast<LPARAM>(text.c_str()));
        if (item < 0)
            continue;
        SendDlgItemMessage(IDC_OPT_CONVERT_KBPS, CB_SETITEMDATA, static_cast<WPARAM>(item), rate);
        if (rate == kbps)
            SendDlgItemMessage(IDC_OPT_CONVERT_KBPS, CB_SETCURSEL, static_cast<WPARAM>(item));
    }
}

// A drop-down list draws its text in its middle, at a height its font sets, not
// the dialog units; the check box, whose text stands in its own middle, moves to
// the same middle at every scaling.
void COptionsDlg::LevelConvertBox()
{
    HWND box = GetDlgItem(IDC_OPT_CONVERT);
    RECT boxPlace = {};
    RECT listPlace = {};
    if (!GetWindowRect(box, &boxPlace) ||
        !GetWindowRect(GetDlgItem(IDC_OPT_CONVERT_FORMAT), &listPlace))
        return;
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&boxPlace), 2);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&listPlace), 2);
    const int top = (listPlace.top + listPlace.bottom - (boxPlace.bottom - boxPlace.top)) / 2;
    SetWindowPos(box, nullptr, boxPlace.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void COptionsDlg::EnableConvertRow()
{
    const bool ticked = IsDlgButtonChecked(IDC_OPT_CONVERT);
    EnableWindow(GetDlgItem(IDC_OPT_CONVERT), m_bCanConvert);
    EnableWindow(GetDlgItem(IDC_OPT_CONVERT_FORMAT), m_bCanConvert && ticked);
    EnableWindow(GetDlgItem(IDC_OPT_CONVERT_KBPS), m_bCanConvert && ticked);
}

std::string COptionsDlg::ConvertRowText() const
{
    if (!IsDlgButtonChecked(IDC_OPT_CONVERT))
        return std::string();
    return ConvertTargetText(ConvertTarget{ChosenFormat(), ChosenKbps()});
}

void COptionsDlg::OnOK()
{
    m_pSettings->Start = GetDlgItemText(IDC_OPT_START);
    m_pSettings->Ext = GetDlgItemText(IDC_OPT_EXT);
    m_pSettings->MinFileSize = GetDlgItemInt(IDC_OPT_MIN_SIZE);
    m_pSettings->MaxFileSize = GetDlgItemInt(IDC_OPT_MAX_SIZE);
    m_pSettings->Accessed = DaysWithin(GetDlgItemInt(IDC_OPT_ACCESSED));
    m_pSettings->Modified = DaysWithin(GetDlgItemInt(IDC_OPT_MODIFIED));
    m_pSettings->FreshDays = DaysWithin(GetDlgItemInt(IDC_OPT_FRESH));
    m_pSettings->TopUp = IsDlgButtonChecked(IDC_OPT_TOP_UP) ? 1 : 0;
    const std::string convert = ConvertRowText();
    if (convert != m_strConvertShown)
        m_pSettings->Convert = convert;
    CDialog::OnOK();
}

bool COptionsDlg::OnCommand(int id, int code)
{
    if (id == IDC_OPT_BROWSE && code == BN_CLICKED) {
        OnOptionsBrowse();
        return true;
    }
    if (id == IDC_OPT_CONVERT && code == BN_CLICKED) {
        EnableConvertRow();
        return true;
    }
    if (id == IDC_OPT_CONVERT_FORMAT && code == CBN_SELCHANGE) {
        FillBitrates(ChosenKbps());
        return true;
    }
    return CDialog::OnCommand(id, code);
}

// The picker opens at the folder the caret stands in. The folder goes in at the
// caret or over the selection; the user adds the commas and "+" marks, as the
// label above the field says.
void COptionsDlg::OnOptionsBrowse()
{
    DWORD selectionStart = 0;
    SendDlgItemMessage(IDC_OPT_START, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    const std::string fieldFolder = StartFolderAt(GetDlgItemText(IDC_OPT_START), selectionStart);
    std::string folder;
    if (BrowseForFolder(folder, "Select folder", fieldFolder))
        SendDlgItemMessage(IDC_OPT_START, EM_REPLACESEL, FALSE,
                           reinterpret_cast<LPARAM>(folder.c_str()));
}
