#include "ui/Dialog.h"

#include "ui/App.h"
#include "ui/WindowPlacement.h"

#include <commctrl.h>

#include <cstring>
#include <new>
#include <vector>

namespace {

// The dialog whose window is being created: its procedure binds it on the first
// message, which for a dialog with an owner-drawn list view is WM_MEASUREITEM,
// sent before WM_INITDIALOG.
CDialog* g_pBinding = nullptr;

// Resource type and the add-string command of a template's initial combo box
// entries.
const WORD kDlgInitType = 240;
const WORD kDlgInitAddString = 0x0403;

void EnsureCommonControls()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                         ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
    s_bDone = InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace

CDialog::CDialog(UINT templateId, CDialog* parent) : m_nTemplateId(templateId), m_pParent(parent)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && !m_bModal)
        ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr)
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
}

HWND CDialog::OwnerWindow() const
{
    if (m_pParent != nullptr && m_pParent->m_hWnd != nullptr)
        return m_pParent->m_hWnd;
    return SafeOwnerWindow();
}

INT_PTR CDialog::DoModal()
{
    EnsureCommonControls();
    m_bModal = true;
    g_pBinding = this;
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId),
                        OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
    g_pBinding = nullptr;
    return result;
}

BOOL CDialog::Create()
{
    EnsureCommonControls();
    m_bModal = false;
    g_pBinding = this;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId),
                                     OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
    g_pBinding = nullptr;
    return window != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (m_hWnd == nullptr)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, result);
    else
        ::DestroyWindow(m_hWnd);
}

BOOL CDialog::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) {
        if (g_pBinding == nullptr)
            return FALSE;
        self = g_pBinding;
        g_pBinding = nullptr;
        self->m_hWnd = window;
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
    INT_PTR answer = FALSE;
    try {
        answer = self->Dispatch(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        // The command is abandoned; the window stays usable.
        try {
            AppMessageBox("Not enough memory to finish the command.", MB_ICONSTOP);
        } catch (...) {
        }
    } catch (...) {
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return answer;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header == nullptr || !OnNotify(static_cast<int>(header->idFrom), header, result))
            return FALSE;
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_DRAWITEM:
        return OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam))
                   ? TRUE
                   : FALSE;
    case WM_MEASUREITEM:
        return OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                   ? TRUE
                   : FALSE;
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam), lParam) ? TRUE : FALSE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return OnMessage(message, wParam, lParam);
    }
}

BOOL CDialog::OnInitDialog()
{
    CentreWindow(m_hWnd);
    ExecuteDlgInit();
    return TRUE;
}

void CDialog::ExecuteDlgInit()
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(m_nTemplateId), MAKEINTRESOURCEA(kDlgInitType));
    if (found == nullptr)
        return;
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (data == nullptr)
        return;
    const DWORD size = SizeofResource(module, found);
    // Entries: control id, command, text length (a 32-bit count), the text.
    DWORD pos = 0;
    while (pos + 8 <= size) {
        WORD id, command;
        DWORD length;
        std::memcpy(&id, data + pos, 2);
        if (id == 0)
            break;
        std::memcpy(&command, data + pos + 2, 2);
        std::memcpy(&length, data + pos + 4, 4);
        pos += 8;
        if (length > size - pos)
            break;
        const char* text = reinterpret_cast<const char*>(data + pos);
        const std::string entry(text, strnlen(text, length));
        if (command == kDlgInitAddString)
            SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        pos += length;
    }
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(int id, int)
{
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

bool CDialog::OnNotify(int, NMHDR*, LRESULT&)
{
    return false;
}

bool CDialog::OnDrawItem(int, DRAWITEMSTRUCT*)
{
    return false;
}

bool CDialog::OnMeasureItem(int, MEASUREITEMSTRUCT*)
{
    return false;
}

bool CDialog::OnSysCommand(UINT, LPARAM)
{
    return false;
}

INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

HWND CDialog::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

std::string CDialog::GetDlgItemText(int id) const
{
    HWND control = GetDlgItem(id);
    if (control == nullptr)
        return {};
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1);
    const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

void CDialog::SetDlgItemText(int id, const std::string& text)
{
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

int CDialog::GetDlgItemInt(int id) const
{
    BOOL translated = FALSE;
    return static_cast<int>(::GetDlgItemInt(m_hWnd, id, &translated, TRUE));
}

void CDialog::SetDlgItemInt(int id, int value)
{
    ::SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), TRUE);
}

bool CDialog::IsDlgButtonChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CDialog::CheckDlgButton(int id, bool checked)
{
    ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

LRESULT CDialog::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
}

void CDialog::MoveFocusOffDisabled(HWND control, std::initializer_list<int> safeIds)
{
    if (control == nullptr || !IsChild(m_hWnd, control) || IsWindowEnabled(control))
        return;
    for (int id : safeIds) {
        HWND safe = GetDlgItem(id);
        if (safe != nullptr && IsWindowEnabled(safe)) {
            SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(safe), TRUE);
            return;
        }
    }
}
