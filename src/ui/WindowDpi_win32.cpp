#include "ui/WindowDpi.h"

namespace {

// A function of user32 that older Windows lack, or null there.
template <typename Function>
Function UserFunction(const char* name)
{
    HMODULE user = GetModuleHandleA("user32.dll");
    FARPROC found = user != nullptr ? GetProcAddress(user, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

UINT SystemDpi()
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return USER_DEFAULT_SCREEN_DPI;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto s_getDpiForWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = s_getDpiForWindow != nullptr ? s_getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi)
{
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto s_getMetric =
        UserFunction<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (s_getMetric != nullptr)
        return s_getMetric(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

UniqueIcon LoadIconForDpi(int id, int sizeIndex, UINT dpi)
{
    const int size = SystemMetricForDpi(sizeIndex, dpi);
    return UniqueIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                    IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}
