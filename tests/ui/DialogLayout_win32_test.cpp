// Every dialog of the program as its template makes it, at the scaling the test
// runs at (CTest runs these at 100, 150 and 200 %): every text fits its control,
// and Tab visits the controls in the order of the layout. Both read the
// controls from the windows made, so a control added later is checked too.
// The main window's icons are those of the scaling.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"
#include "ui/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK AddDialogId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<WORD>*>(ids)->push_back(LOWORD(name));
    return TRUE;
}

std::vector<WORD> DialogTemplates()
{
    std::vector<WORD> ids;
    EnumResourceNamesA(nullptr, RT_DIALOG, AddDialogId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The dialog as its template alone makes it, hidden; destroyed with the object.
class TemplateDialog {
public:
    explicit TemplateDialog(WORD id)
    {
        INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                         ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_DIALOG);
        HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
        const char* bytes =
            loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (bytes == nullptr)
            return;
        // An extended template: version, signature, help id, extended style, style.
        std::vector<char> copy(bytes, bytes + SizeofResource(nullptr, found));
        DWORD style;
        std::memcpy(&style, copy.data() + 12, sizeof(style));
        style &= ~static_cast<DWORD>(WS_VISIBLE);
        std::memcpy(copy.data() + 12, &style, sizeof(style));
        window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(copy.data()),
                                            nullptr, Inert, 0);
        char text[256] = {};
        GetWindowTextA(window, text, sizeof(text));
        caption = text;
    }
    ~TemplateDialog()
    {
        if (window != nullptr)
            DestroyWindow(window);
    }
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    std::vector<HWND> Controls() const
    {
        std::vector<HWND> controls;
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
            controls.push_back(child);
        return controls;
    }

    HWND window = nullptr;
    std::string caption;
};

std::string ClassOf(HWND control)
{
    char name[64] = {};
    GetClassNameA(control, name, sizeof(name));
    return name;
}

LONG StyleOf(HWND control)
{
    return GetWindowLongA(control, GWL_STYLE);
}

// The control's place in the dialog's client area.
RECT PlaceOf(HWND control)
{
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string TextOf(HWND control)
{
    char text[1024] = {};
    GetWindowTextA(control, text, sizeof(text));
    return text;
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

// What a text needs and what its control offers it, in pixels.
struct TextRoom {
    SIZE need;
    SIZE room;
};

SIZE Measure(HWND control, const std::string& text, UINT format, int width)
{
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &rect, format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {rect.right, rect.bottom};
}

// Static texts wrap at the control's width; a button's text stands on one line
// inside its frame, a check box's beside its box. A control without text, or
// with a text that shortens itself to fit, needs no room.
TextRoom RoomFor(HWND control)
{
    const std::string text = TextOf(control);
    const LONG style = StyleOf(control);
    RECT client = {};
    GetClientRect(control, &client);
    TextRoom room = {{0, 0}, {client.right, client.bottom}};
    if (text.empty())
        return room;
    if (ClassOf(control) == "Static") {
        const LONG kind = style & SS_TYPEMASK;
        if ((kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT) &&
            !(style & SS_ELLIPSISMASK))
            room.need =
                Measure(control, text,
                        DT_WORDBREAK | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0),
                        client.right);
    } else if (ClassOf(control) == "Button") {
        const LONG kind = style & BS_TYPEMASK;
        if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_GROUPBOX) {
            room.need = Measure(control, text, DT_SINGLELINE, 0);
            room.need.cx += 2 * (GetSystemMetrics(SM_CXEDGE) + 1);
        } else {
            SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&room.need));
        }
    }
    return room;
}

// The order of things laid out, as one reads them: rows from the top, a row
// holding whatever starts above the bottom of its first item; within a row,
// columns from the left, a column holding whatever starts left of the right
// edge of its first item; each column from the top.
template <typename Item>
void SortInReadingOrder(std::vector<Item>& items)
{
    const auto byTop = [](const Item& a, const Item& b) { return a.place.top < b.place.top; };
    const auto byLeft = [](const Item& a, const Item& b) { return a.place.left < b.place.left; };
    std::stable_sort(items.begin(), items.end(), byTop);
    for (auto row = items.begin(); row != items.end();) {
        const LONG bottom = row->place.bottom;
        const auto rowEnd = std::find_if(
            row + 1, items.end(), [bottom](const Item& item) { return item.place.top >= bottom; });
        std::stable_sort(row, rowEnd, byLeft);
        for (auto column = row; column != rowEnd;) {
            const LONG right = column->place.right;
            const auto columnEnd = std::find_if(
                column + 1, rowEnd, [right](const Item& item) { return item.place.left >= right; });
            std::stable_sort(column, columnEnd, byTop);
            column = columnEnd;
        }
        row = rowEnd;
    }
}

struct Placed {
    HWND control;
    RECT place;
    std::vector<HWND> members;  // of a group box
};

bool IsTabStop(HWND control)
{
    return (StyleOf(control) & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) ==
           (WS_TABSTOP | WS_VISIBLE);
}

bool Contains(const RECT& outer, const RECT& inner)
{
    const POINT centre = {(inner.left + inner.right) / 2, (inner.top + inner.bottom) / 2};
    return PtInRect(&outer, centre) != FALSE;
}

// The order Tab should take: the controls of each group box together, group
// boxes and the controls outside them in reading order, each group's controls
// in reading order; the buttons that end the dialog last, Cancel (or Close) at
// the very end.
std::vector<HWND> LayoutOrder(const std::vector<HWND>& controls)
{
    std::vector<Placed> units;
    for (HWND control : controls)
        if (ClassOf(control) == "Button" && (StyleOf(control) & BS_TYPEMASK) == BS_GROUPBOX)
            units.push_back({control, PlaceOf(control), {}});
    const size_t groups = units.size();
    std::vector<Placed> closing;
    for (HWND control : controls) {
        if (!IsTabStop(control))
            continue;
        const int id = GetDlgCtrlID(control);
        if (ClassOf(control) == "Button" && (id == IDOK || id == IDCANCEL || id == ID_HELP)) {
            closing.push_back({control, PlaceOf(control), {}});
            continue;
        }
        const RECT place = PlaceOf(control);
        auto group = std::find_if(units.begin(), units.begin() + static_cast<long>(groups),
                                  [&](const Placed& unit) { return Contains(unit.place, place); });
        if (group != units.begin() + static_cast<long>(groups))
            group->members.push_back(control);
        else
            units.push_back({control, place, {}});
    }
    SortInReadingOrder(units);
    SortInReadingOrder(closing);
    std::stable_partition(closing.begin(), closing.end(), [](const Placed& item) {
        return GetDlgCtrlID(item.control) != IDCANCEL;
    });
    std::vector<HWND> order;
    for (const Placed& unit : units) {
        if (unit.members.empty()) {
            if (IsTabStop(unit.control))
                order.push_back(unit.control);
            continue;
        }
        std::vector<Placed> members;
        for (HWND member : unit.members)
            members.push_back({member, PlaceOf(member), {}});
        SortInReadingOrder(members);
        for (const Placed& member : members)
            order.push_back(member.control);
    }
    for (const Placed& item : closing)
        order.push_back(item.control);
    return order;
}

// The controls the Tab key visits, from the first on.
std::vector<HWND> TabOrder(HWND dialog)
{
    std::vector<HWND> order;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (HWND control = first; control != nullptr && order.size() < 100;
         control = GetNextDlgTabItem(dialog, control, FALSE)) {
        if (!order.empty() && control == first)
            break;
        order.push_back(control);
    }
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

TEST(DialogLayout, EveryTextFitsItsControl)
{
    for (WORD id : DialogTemplates()) {
        TemplateDialog dialog(id);
        ASSERT_NE(nullptr, dialog.window) << id;
        for (const auto& longest : kLongestTexts)
            if (longest.dialog == id)
                SetDlgItemTextA(dialog.window, longest.control, longest.text);
        for (HWND control : dialog.Controls()) {
            const TextRoom room = RoomFor(control);
            EXPECT_TRUE(room.need.cx <= room.room.cx && room.need.cy <= room.room.cy)
                << dialog.caption << ": \"" << TextOf(control) << "\" needs " << room.need.cx
                << " x " << room.need.cy
                << " pixels (one line: " << Measure(control, TextOf(control), DT_SINGLELINE, 0).cx
                << "), has " << room.room.cx << " x " << room.room.cy;
        }
    }
}

TEST(DialogLayout, TabFollowsTheLayout)
{
    for (WORD id : DialogTemplates()) {
        TemplateDialog dialog(id);
        ASSERT_NE(nullptr, dialog.window) << id;
        EXPECT_EQ(Names(LayoutOrder(dialog.Controls())), Names(TabOrder(dialog.window)))
            << dialog.caption;
    }
}

TEST(DialogLayout, TheIconsAreThoseOfTheScaling)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON);
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const BYTE* group =
        loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    ASSERT_NE(nullptr, group);
    // A count after two words, then 14 bytes an image, its width first (0 for 256).
    WORD count;
    std::memcpy(&count, group + 4, sizeof(count));
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i)
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
