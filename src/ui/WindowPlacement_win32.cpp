#include "ui/WindowPlacement.h"

#include "ui/App.h"

namespace {

// Where `window` is laid out from: a window it belongs to that is not
// minimised, or null.
HWND CentreOn(HWND window)
{
    HWND over = GetWindow(window, GW_OWNER);
    if (over == nullptr)
        over = AppMainWindow();
    return over != nullptr && over != window && !IsIconic(over) ? over : nullptr;
}

// The start of `size` centred on the area, moved inside the limits; the start
// stays in sight when the limits are too narrow.
LONG Centred(LONG size, LONG areaStart, LONG areaEnd, LONG limitStart, LONG limitEnd)
{
    LONG start = areaStart + (areaEnd - areaStart - size) / 2;
    if (start + size > limitEnd)
        start = limitEnd - size;
    return start < limitStart ? limitStart : start;
}

}  // namespace

void CentreWindow(HWND window)
{
    HWND over = CentreOn(window);
    HMONITOR screen = MonitorFromWindow(over != nullptr ? over : window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    RECT rect = {};
    if (!GetMonitorInfoA(screen, &monitor) || !GetWindowRect(window, &rect))
        return;
    const RECT& work = monitor.rcWork;
    RECT area = work;
    if (over != nullptr && !GetWindowRect(over, &area))
        area = work;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, Centred(width, area.left, area.right, work.left, work.right),
                 Centred(height, area.top, area.bottom, work.top, work.bottom), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
