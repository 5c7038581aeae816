#pragma once

// How many columns a terminal gives a character.
namespace platform {

// The columns of `c` on a terminal: two for wide characters and emoji, none for
// marks that join the character before them, one for any other. Where the C
// library has wcwidth it tells, as in a UTF-8 locale whatever the program's own
// is; elsewhere IsWideCharacter does, and a mark counts one column, which at
// worst leaves a line a little short.
int TerminalColumns(char32_t c);

// Whether `c` is a wide character or emoji of Unicode 15 (East Asian Wide or
// Fullwidth), two columns on a terminal.
bool IsWideCharacter(char32_t c);

}  // namespace platform
