#pragma once
// The sample list view's columns and owner-drawn rows (Windows only).
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// Creates one column per title; every column but the last takes its fraction of
// the control's usable width, the last the rest. False at the first column the
// control refuses.
bool InsertColumns(HWND listView, const std::vector<float>& fractions,
                   const std::vector<std::string>& titles);

// Draws one row in full: whole-row highlight while the list has the focus,
// texts that do not fit shortened with "...".
void DrawRow(const DRAWITEMSTRUCT* drawItem, HWND listView);
