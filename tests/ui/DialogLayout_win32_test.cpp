// Every dialog of the program as its template makes it, at the scaling the test
// runs at (CTest runs these at 100, 150 and 200 %): every text fits its control,
// no control touches another, the controls of a column share their left edge and
// width and those of a row their texts' baseline, and Tab visits the controls in
// the order of the layout. The checks read the controls from the windows made,
// so controls added later are checked too.
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
    {IDD_MAIN, IDC_SOURCE_COUNT, "Source has 100,000 files (99,999 saved recently)"},
    {IDD_MAIN, IDC_SAMPLE_TOTALS, "9,999 files, 4,294,967,295 KB for external mem"},
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


// A control of a dialog: by id, or by its text and which of the controls with
// that text it is (labels have no id of their own).
struct Ref {
    Ref(int id) : nId(id) {}
    Ref(const char* text, int nth = 1) : pText(text), nNth(nth) {}
    int nId = 0;
    const char* pText = nullptr;
    int nNth = 1;
};

HWND Find(HWND dialog, const Ref& ref)
{
    if (ref.pText == nullptr)
        return GetDlgItem(dialog, ref.nId);
    int seen = 0;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (TextOf(c) == ref.pText && ++seen == ref.nNth)
            return c;
    return nullptr;
}

struct Line {
    WORD dialog;
    std::vector<Ref> controls;
    bool bEvenGaps = false;  // a row whose controls stand evenly apart
};

// Controls stacked in one column: the same left edge and width.
const Line kColumns[] = {
    {IDD_MAIN,
     {IDCANCEL, ID_HELP, IDC_SELECT, IDC_SAMPLE, IDC_RESAMPLE, IDC_PLAY, IDC_FULL_PATH,
      IDC_EXCLUDE, IDC_CLEAR_SAMPLE, IDC_BROWSE_DEST}},
    {IDD_MAIN, {IDC_CLEAR_SOURCE, IDC_OPTIONS}},
    {IDD_MAIN, {IDC_SAMPLE_LIST, IDC_DEST}},
    {IDD_OPTIONS, {IDC_OPT_MODIFIED, IDC_OPT_ACCESSED, IDC_OPT_FRESH}},
    {IDD_OPTIONS, {"days", {"days", 2}, {"days", 3}}},
    {IDD_OPTIONS, {IDC_OPT_MIN_SIZE, "Min size (KB)"}},
    {IDD_OPTIONS, {IDC_OPT_MAX_SIZE, IDC_OPT_BROWSE, IDCANCEL}},
};

// Controls side by side in one row, from the left: their texts on one baseline.
const Line kRows[] = {
    {IDD_MAIN, {IDC_ADD_FOLDER, IDC_ADD_FOLDER_SUBS, IDC_ADD_PLAYLIST, IDC_CLEAR_SOURCE}, true},
    {IDD_MAIN, {IDC_CLEAR_SOURCE, IDCANCEL}},
    {IDD_MAIN, {"Current source files from:", IDC_SOURCE_COUNT}},
    {IDD_MAIN, {IDC_OPTIONS, ID_HELP}},
    {IDD_MAIN, {IDC_SAMPLE_TOTALS, "Max KB:", IDC_MAX_KB, IDC_EXTERNAL_MEM}},
    {IDD_MAIN, {IDC_LINKS_TO_DEST, IDC_COPY_TO_DEST, IDC_DROP_ON_RIO, IDC_DELETE_DEST_FILES}, true},
    {IDD_OPTIONS, {"Include only if modified in last", IDC_OPT_MODIFIED, "days"}},
    {IDD_OPTIONS, {"Omit if accessed within last", IDC_OPT_ACCESSED, {"days", 2}}},
    {IDD_OPTIONS, {"Leave out files saved within the last", IDC_OPT_FRESH, {"days", 3}}},
    {IDD_OPTIONS, {IDC_OPT_CONVERT_FORMAT, IDC_OPT_CONVERT_KBPS}},
    {IDD_OPTIONS, {IDOK, IDCANCEL}},
    {IDD_QUICKSTART, {IDC_SHOW_AT_START, IDOK}},
};

// An up-down control and the edit it belongs to make one box.
HWND BuddyOf(HWND control)
{
    return ClassOf(control) == UPDOWN_CLASSA
               ? reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0))
               : nullptr;
}

RECT BoxOf(HWND control)
{
    RECT box = PlaceOf(control);
    for (HWND c = GetWindow(GetParent(control), GW_CHILD); c != nullptr;
         c = GetWindow(c, GW_HWNDNEXT))
        if (BuddyOf(c) == control) {
            const RECT spin = PlaceOf(c);
            UnionRect(&box, &box, &spin);
        }
    return box;
}

TEXTMETRICA MetricsOf(HWND control)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics;
}

// Where the control draws the baseline of its text, in the dialog's pixels: a
// static text at its top, an edit (or a combo box's) where it puts its first
// character, a button (or a drop-down list) in the middle of its height.
LONG BaselineOf(HWND control)
{
    HWND edit = control;
    if (ClassOf(control) == "ComboBox") {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        // A drop-down list has no edit: it draws its text itself, in its middle.
        if (GetComboBoxInfo(control, &info) && info.hwndItem != nullptr)
            edit = info.hwndItem;
    }
    const TEXTMETRICA metrics = MetricsOf(edit);
    const RECT place = PlaceOf(edit);
    if (ClassOf(edit) == "Edit") {
        if (GetWindowTextLengthA(edit) == 0)
            SetWindowTextA(edit, "0");
        const LRESULT at = SendMessageA(edit, EM_POSFROMCHAR, 0, 0);
        POINT origin = {0, static_cast<SHORT>(HIWORD(at))};
        MapWindowPoints(edit, GetParent(control), &origin, 1);
        return origin.y + metrics.tmAscent;
    }
    if (ClassOf(edit) == "Static")
        return place.top + metrics.tmAscent;
    return place.top + (place.bottom - place.top - metrics.tmHeight) / 2 + metrics.tmAscent;
}

std::string NameOf(HWND control)
{
    return std::to_string(GetDlgCtrlID(control)) + " \"" + TextOf(control) + "\"";
}

// The controls of a line, all found or none: a line naming a control the
// dialog lacks fails.
std::vector<HWND> ControlsOf(HWND dialog, const Line& line)
{
    std::vector<HWND> controls;
    for (const Ref& ref : line.controls) {
        controls.push_back(Find(dialog, ref));
        EXPECT_NE(nullptr, controls.back()) << line.dialog << ": " << (ref.pText ? ref.pText : "")
                                            << " " << ref.nId;
        if (controls.back() == nullptr)
            return {};
    }
    return controls;
}

// One pixel at least between controls; a group box's controls keep off its frame
// and its caption, and whatever stands outside it keeps off it too.
void ExpectNothingTouches(HWND dialog, const std::string& caption)
{
    std::vector<HWND> shown;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if ((GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE) && BuddyOf(c) == nullptr)
            shown.push_back(c);
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
            HWND a = shown[i], b = shown[j];
            if (IsGroupBox(b))
                std::swap(a, b);
            const RECT outer = BoxOf(a), inner = BoxOf(b);
            const POINT centre = {(inner.left + inner.right) / 2, (inner.top + inner.bottom) / 2};
            if (IsGroupBox(a) && !IsGroupBox(b) && PtInRect(&outer, centre)) {
                const LONG frame = 2;
                EXPECT_TRUE(inner.left > outer.left + frame && inner.right < outer.right - frame &&
                            inner.top >= outer.top + MetricsOf(a).tmHeight &&
                            inner.bottom < outer.bottom - frame)
                    << caption << ": " << NameOf(b) << " touches the frame of " << NameOf(a);
                continue;
            }
            EXPECT_TRUE(outer.right < inner.left || inner.right < outer.left ||
                        outer.bottom < inner.top || inner.bottom < outer.top)
                << caption << ": " << NameOf(a) << " and " << NameOf(b) << " touch";
        }
}

void ExpectLinesHold(HWND dialog, WORD id, const std::string& caption)
{
    for (const Line& column : kColumns) {
        const std::vector<HWND> controls = column.dialog == id ? ControlsOf(dialog, column)
                                                               : std::vector<HWND>();
        for (HWND control : controls) {
            const RECT first = BoxOf(controls.front()), box = BoxOf(control);
            EXPECT_TRUE(box.left == first.left && box.right - box.left == first.right - first.left)
                << caption << ": " << NameOf(control) << " spans " << box.left << " to "
                << box.right << ", not " << first.left << " to " << first.right << " as "
                << NameOf(controls.front());
        }
    }
    // Dialog units round to pixels on their own, so a pixel apart is one line.
    for (const Line& row : kRows) {
        const std::vector<HWND> controls =
            row.dialog == id ? ControlsOf(dialog, row) : std::vector<HWND>();
        for (HWND control : controls)
            EXPECT_NEAR(BaselineOf(controls.front()), BaselineOf(control), 1)
                << caption << ": the baseline of " << NameOf(control) << ", not that of "
                << NameOf(controls.front());
        for (size_t i = 2; row.bEvenGaps && i < controls.size(); ++i)
            EXPECT_NEAR(BoxOf(controls[1]).left - BoxOf(controls[0]).right,
                        BoxOf(controls[i]).left - BoxOf(controls[i - 1]).right, 1)
                << caption << ": the gap before " << NameOf(controls[i]);
    }
}

}  // namespace

TEST(DialogLayout, TextsFitNothingTouchesLinesHoldAndTabFollowsTheLayout)
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
        ExpectNothingTouches(dialog, caption);
        ExpectLinesHold(dialog, id, caption);
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
    harness.WriteQuietIni();
    harness.Run([dpi](HWND dialog) {
        EXPECT_EQ(MulDiv(16, dpi, 96), IconWidth(dialog, ICON_SMALL));
        EXPECT_EQ(MulDiv(32, dpi, 96), IconWidth(dialog, ICON_BIG));
        ClickButton(dialog, IDCANCEL);
    });
}
