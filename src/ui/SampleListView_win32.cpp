#include "ui/SampleListView.h"

#include "platform/WideText_win32.h"
#include "ui/ColumnLayout.h"
#include "ui/TextFit.h"
#include "ui/WindowDpi.h"

#include <algorithm>

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

// The widths of `count` columns over the width beside the vertical scroll bar,
// shown or not: rows enough to need it then bring no horizontal one.
std::vector<int> WidthsOfColumns(HWND listView, const std::vector<float>& fractions, int count)
{
    RECT client = {};
    GetClientRect(listView, &client);
    const bool scrollBarShown = (GetWindowLongA(listView, GWL_STYLE) & WS_VSCROLL) != 0;
    const int scrollBar = scrollBarShown ? 0 : SystemMetricForDpi(SM_CXVSCROLL, WindowDpi(listView));
    return ColumnWidths(client.right - scrollBar, fractions, count);
}

}  // namespace

bool InsertColumns(HWND listView, const std::vector<float>& fractions,
                   const std::vector<std::string>& titles)
{
    const int count = static_cast<int>(titles.size());
    const std::vector<int> widths = WidthsOfColumns(listView, fractions, count);
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

void FitColumns(HWND listView, const std::vector<float>& fractions)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    const int count =
        header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    const std::vector<int> widths = WidthsOfColumns(listView, fractions, count);
    for (int i = 0; i < count; ++i)
        SendMessageA(listView, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     MAKELPARAM(widths[static_cast<size_t>(i)], 0));
}

void ShowSortArrow(HWND listView, int sortedColumn, bool ascending)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    const int count =
        header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        if (!SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
            continue;
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == sortedColumn)
            item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

UINT RowHeight(HFONT font)
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 0;
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    const bool measured =
        old != nullptr && GetTextMetricsA(screen, &metrics) && metrics.tmHeight > 0;
    if (old != nullptr)
        SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    if (!measured)
        return 0;
    // A pixel between rows for each 13 pixels of text, the dialog font's height at
    // 100 %: the rows keep their proportions at any scaling.
    return static_cast<UINT>(metrics.tmHeight + std::max(1L, metrics.tmHeight / 13));
}

// A list of rows of fixed height asks for their height only when it is created
// and when it is told its size has changed.
void RemeasureRows(HWND listView)
{
    RECT window = {};
    if (!GetWindowRect(listView, &window))
        return;
    WINDOWPOS position = {};
    position.hwnd = listView;
    position.cx = window.right - window.left;
    position.cy = window.bottom - window.top;
    position.flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOZORDER;
    SendMessageA(listView, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
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
