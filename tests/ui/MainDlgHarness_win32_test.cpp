#include "MainDlgHarness.h"

#include "platform/Profile.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"
#include "ui/RowOrder.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

const char kOptionsCaption[] = "Options Applied to Setting Source Files";

MainDlgHarness::MainDlgHarness()
    : ini(folder.Join("Tarrowby.ini")), history(folder.Join("Tarrowby.history"))
{
    platform::SetProfilePath(ini);
    g_nSortKey = 1;
    g_szLastFolder.clear();
}

MainDlgHarness::~MainDlgHarness()
{
    EXPECT_TRUE(prompts.AllAnswered());
}

void MainDlgHarness::WriteIni(const std::vector<std::string>& lines)
{
    std::string text = "[General]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    ASSERT_TRUE(fixtures::WriteBytes(ini, text));
}

void MainDlgHarness::WriteQuietIni(const std::vector<std::string>& more)
{
    std::vector<std::string> lines = {"LicenseMessage=0", "QuickStart=0"};
    lines.insert(lines.end(), more.begin(), more.end());
    WriteIni(lines);
}

std::string MainDlgHarness::ReadIni() const
{
    std::ifstream in(ini, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string lines;
    for (char c : text)
        if (c != '\r')
            lines += c;
    return lines;
}

std::vector<std::string> MainDlgHarness::HistoryPaths() const
{
    std::ifstream in(history, std::ios::binary);
    std::vector<std::string> paths;
    for (std::string line; std::getline(in, line);)
        paths.push_back(line.substr(line.find('\t') + 1));
    return paths;
}

std::string MainDlgHarness::MakeFile(const std::string& relativePath, uint32_t sizeKB)
{
    const std::string path = folder.Join(relativePath);
    for (std::string::size_type slash = relativePath.find('\\'); slash != std::string::npos;
         slash = relativePath.find('\\', slash + 1))
        fixtures::MakeFolder(folder.Join(relativePath.substr(0, slash)));
    EXPECT_TRUE(fixtures::CreateSizedFile(path, (static_cast<uint64_t>(sizeKB) - 1) * 1000));
    return path;
}

INT_PTR MainDlgHarness::Run(const std::function<void(HWND)>& script)
{
    driver.Expect(kMainCaption, script);
    CMainDlg dialog(nullptr);
    app.m_pMainWnd = &dialog;
    const INT_PTR result = dialog.DoModal();
    app.m_pMainWnd = nullptr;
    return result;
}

int64_t FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void ServeQueue(HWND dialog)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

namespace {

std::wstring Wide(const std::string& utf8)
{
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide, MAX_PATH);
    return wide;
}

std::string Utf8(const wchar_t* wide)
{
    char text[4 * MAX_PATH] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

}  // namespace

ShortcutFile LoadShortcut(const std::string& path)
{
    ShortcutFile shortcut;
    const HRESULT com = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t text[MAX_PATH] = {};
        shortcut.loaded = SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ));
        if (shortcut.loaded && SUCCEEDED(link->GetDescription(text, MAX_PATH)))
            shortcut.description = Utf8(text);
        text[0] = L'\0';
        if (shortcut.loaded && SUCCEEDED(link->Resolve(nullptr, SLR_NO_UI)) &&
            SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0)))
            shortcut.target = Utf8(text);
        file->Release();
    }
    if (link != nullptr)
        link->Release();
    if (SUCCEEDED(com))
        CoUninitialize();
    return shortcut;
}

bool KeyLeftInQueue()
{
    MSG key;
    return PeekMessageA(&key, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) != FALSE;
}

std::vector<std::string> ColumnTexts(HWND dialog, int column)
{
    HWND list = GetDlgItem(dialog, IDC_SAMPLE_LIST);
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> texts;
    for (int row = 0; row < count; ++row) {
        char text[260] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

void SelectRow(HWND dialog, int row)
{
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(GetDlgItem(dialog, IDC_SAMPLE_LIST), LVM_SETITEMSTATE, row,
                 reinterpret_cast<LPARAM>(&state));
}

int SelectedRow(HWND dialog)
{
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, IDC_SAMPLE_LIST), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ClickHeader(HWND dialog, int column)
{
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = GetDlgItem(dialog, IDC_SAMPLE_LIST);
    click.hdr.idFrom = IDC_SAMPLE_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    SendMessageA(dialog, WM_NOTIFY, IDC_SAMPLE_LIST, reinterpret_cast<LPARAM>(&click));
}

std::vector<std::string> ListBoxTexts(HWND dialog, int id)
{
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[1024] = {};
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

int IconWidth(HWND window, WPARAM which)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0));
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}
