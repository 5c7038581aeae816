#include "ui/SampleListView.h"

#include "platform/WideText_win32.h"
#include "ui/ColumnLayout.h"
#include "ui/TextFit.h"

namespace {

// A cell holds 259 characters, up to three bytes each in UTF-8.
const int kCellChars = 3 * 259 + 1;

// Measured and drawn in UTF-16: the narrow text functions of GDI read the font's
// code page, not the program's.
FittedText FitCellText(HDC dc, const char* text, int width, int margin)
{
    return FitText(text, width, margin, [dc](const char* part, std::size_t length) {
        const std::wstring wide = platform::WideFromNarrow(std::string(part, length));
        SIZE size = {};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    });
}

void DrawCellText(HDC dc, const std::string& text, RECT& cell, UINT format)
{
    DrawTextW(dc, platform::WideFromNarrow(text).c_str(), -1, &cell, format);
}

RECT ItemRect(HWND listView, int row, int part)
{
    RECT rect = {};
    rect.left = part;
    SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
}

UINT Alignment(int format, bool shortened)
{
    if (shortened)
        return DT_LEFT;
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

}  // namespace

bool InsertColumns(HWND listView, const std::vector<float>& fractions,
                   const std::vector<std::string>& titles)
{
    RECT window = {};
    GetWindowRect(listView, &window);
    const int count = static_cast<int>(titles.size());
    const std::vector<int> widths = ColumnWidths(window.right - window.left - 4, fractions, count);
    for (int i = 0; i < count; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = widths[static_cast<size_t>(i)];
        column.pszText = const_cast<char*>(titles[static_cast<size_t>(i)].c_str());
        column.iSubItem = i;
        if (SendMessageA(listView, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&column)) < 0)
            return false;
    }
    return true;
}

void DrawRow(const DRAWITEMSTRUCT* drawItem, HWND listView)
{
    const int row = static_cast<int>(drawItem->itemID);
    HDC dc = drawItem->hDC;
    char text[kCellChars] = {};

    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
    item.iItem = row;
    item.stateMask = static_cast<UINT>(-1);
    item.pszText = text;
    item.cchTextMax = kCellChars;
    if (!SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return;

    const bool hasFocus = GetFocus() == listView;
    const bool showAlways = (GetWindowLongA(listView, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
    const bool highlight = (item.state & LVIS_SELECTED) && (hasFocus || showAlways);

    const RECT label = ItemRect(listView, row, LVIR_LABEL);
    RECT rowRect = ItemRect(listView, row, LVIR_BOUNDS);
    rowRect.left = label.left;

    COLORREF oldText = 0, oldBack = 0;
    if (highlight) {
        oldText = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        oldBack = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    }
    HBRUSH brush = CreateSolidBrush(GetSysColor(highlight ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (brush != nullptr) {
        FillRect(dc, &rowRect, brush);
        DeleteObject(brush);
    }

    const FittedText name = FitCellText(dc, text, label.right - label.left, 4);
    RECT cell = label;
    cell.left += 2;
    cell.right -= 2;
    DrawCellText(dc, name.text, cell,
                 DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER);

    int right = label.right;
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    for (int c = 1; SendMessageA(listView, LVM_GETCOLUMNA, static_cast<WPARAM>(c),
                                 reinterpret_cast<LPARAM>(&column));
         ++c) {
        RECT cellRect = label;
        cellRect.left = right;
        cellRect.right = right + column.cx;
        right = cellRect.right;

        LVITEMA sub = {};
        sub.iSubItem = c;
        sub.pszText = text;
        sub.cchTextMax = kCellChars;
        text[0] = '\0';
        SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&sub));
        if (text[0] == '\0')
            continue;
        const FittedText fitted = FitCellText(dc, text, cellRect.right - cellRect.left, 12);
        cellRect.left += 6;
        cellRect.right -= 6;
        DrawCellText(dc, fitted.text, cellRect,
                     Alignment(column.fmt, fitted.shortened) | DT_SINGLELINE | DT_NOPREFIX |
                         DT_NOCLIP | DT_VCENTER);
    }

    if ((item.state & LVIS_FOCUSED) && hasFocus)
        DrawFocusRect(dc, &rowRect);
    if (highlight) {
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
    }
}
