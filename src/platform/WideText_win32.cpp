#include "platform/WideText_win32.h"

#include "platform/TextEncoding.h"

#include <windows.h>

namespace platform {
namespace {

std::wstring WideFrom(unsigned codePage, const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length) != length)
        return std::wstring();
    return wide;
}

std::string NarrowIn(unsigned codePage, const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string narrow(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, 0, wide.data(), size, &narrow[0], length, nullptr,
                            nullptr) != length)
        return std::string();
    return narrow;
}

}  // namespace

std::wstring WideFromNarrow(const std::string& narrow)
{
    return WideFrom(CP_ACP, narrow);
}

std::string NarrowFromWide(const std::wstring& wide)
{
    return NarrowIn(CP_ACP, wide);
}

unsigned LegacyCodePage()
{
    DWORD codePage = 0;
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), sizeof(codePage) / sizeof(WCHAR)) == 0 ||
        codePage == 0)
        return 1252;  // locales without an ANSI code page of their own (Unicode-only)
    return codePage;
}

bool LegacyFromWide(const std::wstring& wide, std::string& legacy)
{
    legacy.clear();
    if (wide.empty())
        return true;
    const int size = static_cast<int>(wide.size());
    // No best fit: "ö" must not quietly become "o" and name another file.
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(LegacyCodePage(), WC_NO_BEST_FIT_CHARS, wide.data(),
                                           size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    legacy.assign(static_cast<std::size_t>(length), '\0');
    return WideCharToMultiByte(LegacyCodePage(), WC_NO_BEST_FIT_CHARS, wide.data(), size,
                               &legacy[0], length, nullptr, &usedDefault) == length &&
           !usedDefault;
}

std::size_t PathLength(const std::string& path)
{
    return WideFromNarrow(path).size();
}

std::string NarrowFromLegacy(const std::string& legacy)
{
    return NarrowIn(CP_ACP, WideFrom(LegacyCodePage(), legacy));
}

std::string NarrowFromUtf8(const std::string& utf8)
{
    if (GetACP() == CP_UTF8)
        return utf8;
    return NarrowIn(CP_ACP, WideFrom(CP_UTF8, utf8));
}

}  // namespace platform
