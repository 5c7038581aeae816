#include "platform/TerminalColumns.h"

#include <locale.h>
#include <wchar.h>

#include <initializer_list>

namespace platform {
namespace {

// A UTF-8 locale for wcwidth, which in the "C" locale knows no character beyond
// ASCII; none where the system has no such locale or a wchar_t holds no character.
locale_t Utf8Locale()
{
    if (sizeof(wchar_t) < sizeof(char32_t))
        return locale_t(0);
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "UTF-8"}) {
        if (const locale_t locale = newlocale(LC_CTYPE_MASK, name, locale_t(0)))
            return locale;
    }
    return locale_t(0);
}

}  // namespace

int TerminalColumns(char32_t c)
{
    static const locale_t utf8 = Utf8Locale();
    if (utf8 == locale_t(0))
        return IsWideCharacter(c) ? 2 : 1;
    const locale_t before = uselocale(utf8);
    const int columns = wcwidth(static_cast<wchar_t>(c));
    uselocale(before);
    // Controls and unassigned characters show as one mark, if at all.
    return columns < 0 ? 1 : columns;
}

}  // namespace platform
