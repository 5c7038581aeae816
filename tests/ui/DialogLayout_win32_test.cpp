// Every dialog of the program as its template makes it, at the scaling the test
// runs at (CTest runs these at 100, 150 and 200 %): every text fits its control,
// and Tab visits the controls in the order of the layout. Both read the
// controls from the windows made, so controls added later are checked too.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CALLBACK AddDialogId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    reinterpret_cast<std::vector<WORD>*>(ids)->push_back(LOWORD(name));
    return TRUE;
}

std::string ClassOf(HWND control)
{
    char name[64] = {};
    GetClassNameA(control, name, sizeof(name));
    return name;
}

std::string TextOf(HWND control)
{
    char text[1024] = {};
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

// The control's rectangle in its dialog's client area.
RECT PlaceOf(HWND control)
{
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Texts the program writes into its controls, at their longest in practice.
const struct {
    WORD dialog;
    int control;
    const char* text;
} kLongestTexts[] = {
    {IDD_MAIN, IDC_SOURCE_COUNT, "Source has 100000 files"},
    {IDD_MAIN, IDC_SAMPLE_TOTALS, "999 files, 999999 KB for external mem"},
    {IDD_READ_PROGRESS, IDC_READ_COUNT, "1,000,000 files"},
};

SIZE Measure(HWND control, UINT format, int width)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, width, 0};
    DrawTextA(dc, TextOf(control).c_str(), -1, &rect, format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {rect.right, rect.bottom};
}

// The pixels a control's text needs: a static text wraps at the control's
// width; a button's stands on one line inside its frame, a check box's beside
// its box. Texts that shorten themselves to fit need nothing.
SIZE NeedOf(HWND control, LONG width)
{
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG kind = style & SS_TYPEMASK;
    const LONG button = style & BS_TYPEMASK;
    SIZE need = {0, 0};
    if (TextOf(control).empty())
        return need;
    if (ClassOf(control) == "Static" && (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT) &&
        !(style & SS_ELLIPSISMASK))
        need = Measure(control, DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0), width);
    else if (ClassOf(control) == "Button" &&
             (button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON || button == BS_GROUPBOX))
        need.cx = Measure(control, DT_SINGLELINE, 0).cx + 2 * (GetSystemMetrics(SM_CXEDGE) + 1);
    else if (ClassOf(control) == "Button")
        SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&need));
    return need;
}

bool IsGroupBox(HWND control)
{
    return ClassOf(control) == "Button" &&
           (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

struct Placed {
    HWND control;
    RECT place;
    std::vector<Placed> members;  // of a group box
};

// The order one reads a layout in: rows from the top, a row holding whatever
// starts above the bottom of its first item; within a row, columns from the
// left, a column holding whatever starts left of its first item's right edge;
// each column from the top.
void SortInReadingOrder(std::vector<Placed>& items)
{
    const auto byTop = [](const Placed& a, const Placed& b) { return a.place.top < b.place.top; };
    const auto byLeft = [](const Placed& a, const Placed& b) { return a.place.left < b.place.left; };
    std::stable_sort(items.begin(), items.end(), byTop);
    for (auto row = items.begin(); row != items.end();) {
        const LONG bottom = row->place.bottom;
        const auto rowEnd =
            std::find_if(row, items.end(), [&](const Placed& i) { return i.place.top >= bottom; });
        std::stable_sort(row, rowEnd, byLeft);
        for (auto column = row; column != rowEnd;) {
            const LONG right = column->place.right;
            const auto end =
                std::find_if(column, rowEnd, [&](const Placed& i) { return i.place.left >= right; });
            std::stable_sort(column, end, byTop);
            column = end;
        }
        row = rowEnd;
    }
}

// The controls Tab visits from the first, once round.
std::vector<HWND> TabOrder(HWND dialog)
{
    std::vector<HWND> order;
    for (HWND c = GetNextDlgTabItem(dialog, nullptr, FALSE);
         c != nullptr && std::find(order.begin(), order.end(), c) == order.end();
         c = GetNextDlgTabItem(dialog, c, FALSE))
        order.push_back(c);
    return order;
}

// The order Tab should take the same controls in: the controls of a group box
// together, group boxes and the controls outside them in reading order, each
// group's controls in reading order; the buttons that end the dialog last,
// Cancel (or Close) at the very end.
std::vector<HWND> LayoutOrder(HWND dialog, const std::vector<HWND>& stops)
{
    std::vector<Placed> units, loose, closing;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (IsGroupBox(c))
            units.push_back({c, PlaceOf(c), {}});
    for (HWND c : stops) {
        const Placed item = {c, PlaceOf(c), {}};
        const POINT centre = {(item.place.left + item.place.right) / 2,
                              (item.place.top + item.place.bottom) / 2};
        const auto group = std::find_if(units.begin(), units.end(), [&](const Placed& unit) {
            return PtInRect(&unit.place, centre);
        });
        const int id = GetDlgCtrlID(c);
        if (id == IDOK || id == IDCANCEL || id == ID_HELP)
            closing.push_back(item);
        else
            (group != units.end() ? group->members : loose).push_back(item);
    }
    units.insert(units.end(), loose.begin(), loose.end());
    SortInReadingOrder(units);
    SortInReadingOrder(closing);
    std::stable_partition(closing.begin(), closing.end(), [](const Placed& item) {
        return GetDlgCtrlID(item.control) != IDCANCEL;
    });
    std::vector<HWND> order;
    for (Placed& unit : units) {
        SortInReadingOrder(unit.members);
        if (!IsGroupBox(unit.control))
            order.push_back(unit.control);
        for (const Placed& member : unit.members)
            order.push_back(member.control);
    }
    for (const Placed& item : closing)
        order.push_back(item.control);
    return order;
}

std::vector<std::string> Names(const std::vector<HWND>& controls)
{
    std::vector<std::string> names;
    for (HWND control : controls)
        names.push_back(std::to_string(GetDlgCtrlID(control)) + " " + TextOf(control));
    return names;
}

}  // namespace

TEST(DialogLayout, TextsFitAndTabFollowsTheLayoutInEveryDialog)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    std::vector<WORD> ids;
    EnumResourceNamesA(nullptr, RT_DIALOG, AddDialogId, reinterpret_cast<LONG_PTR>(&ids));
    for (WORD id : ids) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                                         Inert, 0);
        ASSERT_NE(nullptr, dialog) << id;
        const std::string caption = TextOf(dialog);
        for (const auto& longest : kLongestTexts)
            if (longest.dialog == id)
                SetDlgItemTextA(dialog, longest.control, longest.text);
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT room = {};
            GetClientRect(c, &room);
            const SIZE need = NeedOf(c, room.right);
            EXPECT_TRUE(need.cx <= room.right && need.cy <= room.bottom)
                << caption << ": \"" << TextOf(c) << "\" needs " << need.cx << " x " << need.cy
                << " pixels (one line: " << Measure(c, DT_SINGLELINE, 0).cx << "), has "
                << room.right << " x " << room.bottom;
        }
        const std::vector<HWND> tabOrder = TabOrder(dialog);
        EXPECT_EQ(Names(LayoutOrder(dialog, tabOrder)), Names(tabOrder)) << caption;
        DestroyWindow(dialog);
    }
}

// The program's icon holds an image for each size from 100 % to 200 %, and the
// main window shows the two its scaling asks for.
TEST(DialogLayout, TheIconsAreThoseOfTheScaling)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON);
    const BYTE* group = found != nullptr
                            ? static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)))
                            : nullptr;
    ASSERT_NE(nullptr, group);
    // A count after two words, then 14 bytes an image, its width first (0 for 256).
    std::vector<int> sizes;
    for (int i = 0; i < group[4]; ++i)
        sizes.push_back(group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i]);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ((std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}), sizes);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    MainDlgHarness harness;
    harness.WriteIni({"LicenseMessage=0", "QuickStart=0"});
    harness.Run([dpi](HWND dialog) {
        EXPECT_EQ(MulDiv(16, dpi, 96), IconWidth(dialog, ICON_SMALL));
        EXPECT_EQ(MulDiv(32, dpi, 96), IconWidth(dialog, ICON_BIG));
        ClickButton(dialog, IDCANCEL);
    });
}
