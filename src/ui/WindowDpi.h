#pragma once
// Sizes at the scaling of the monitor a window is on (Windows only). The calls
// that know a window's own DPI came with Windows 10; before it every window
// has the system's DPI.
#include <windows.h>

#include <memory>

// The DPI `window` is drawn at.
UINT WindowDpi(HWND window);

// A system metric, such as SM_CXSMICON, at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Icon resource `id` at the size the metric `sizeIndex` (SM_CXICON or
// SM_CXSMICON) has at `dpi`; null when it cannot be loaded.
UniqueIcon LoadIconForDpi(int id, int sizeIndex, UINT dpi);
