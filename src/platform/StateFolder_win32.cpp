#include "platform/StateFolder.h"

#include "platform/WideText_win32.h"

#include <windows.h>

#include <vector>

namespace platform {

std::string ProgramStateFolder()
{
    const wchar_t name[] = L"LOCALAPPDATA";
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return std::string();
    std::vector<wchar_t> value(size);
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    if (length == 0 || length >= size)
        return std::string();
    return NarrowFromWide(std::wstring(value.data(), length)) + "\\Tarrowby";
}

std::string ProgramCacheFolder()
{
    const std::string state = ProgramStateFolder();
    return state.empty() ? state : state + "\\Cache";
}

}  // namespace platform
