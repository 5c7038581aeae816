#pragma once

// Opens the help page shipped beside the program in the user's browser, or says
// plainly that it is missing.
void ShowHelpPage();
