#pragma once
// The sample list view's columns and owner-drawn rows (Windows only).
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// Creates one column per title; every column but the last takes its fraction of
// the width beside the vertical scroll bar, the last the rest. False at the first column the
// control refuses.
bool InsertColumns(HWND listView, const std::vector<float>& fractions,
                   const std::vector<std::string>& titles);

// Sets the widths of the columns made by InsertColumns again from the control's
// present width, as after a change of scaling.
void FitColumns(HWND listView, const std::vector<float>& fractions);

// Shows the sort arrow on the header of `sortedColumn` only: pointing up for an
// ascending order, down for a descending one.
void ShowSortArrow(HWND listView, int sortedColumn, bool ascending);

// The height of a row: one line of `font` and the gap between rows, a pixel at
// 100 % as the control itself measures it; 0 when the font cannot be measured.
UINT RowHeight(HFONT font);

// Makes the control ask its owner for the height of its rows again.
void RemeasureRows(HWND listView);

// Draws one row in full: whole-row highlight while the list has the focus,
// texts that do not fit shortened with "...".
void DrawRow(const DRAWITEMSTRUCT* drawItem, HWND listView);
