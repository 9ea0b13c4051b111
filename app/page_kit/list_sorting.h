// Sorting a data list by a clicked column, the numeric test that decides how two
// cells compare, and the line numbers that follow a sort or a delete. Every page's
// lists share these, and one direction flag: each sort anywhere flips it.
#pragma once

#include <windows.h>

#include "controls/list.h"
#include "core/control_ui.h"

namespace pagekit {

// True when the text is not a plain decimal number: digits and at most one '.',
// with an optional leading '-'. The empty text counts as a number.
bool IsNotNumber(int length, const wchar_t* text);

// The comparison handed to the list body's SortItems; `key` is the address of a
// SkinUI::TListSortRange whose sKey is the cell name ("item_" and the column),
// iFirst non-zero for ascending, iCount 0. Two numbers compare as numbers (in
// double), anything else as text by UTF-16 code units; a row without the cell
// equals every row.
int CALLBACK CompareListRows(UINT_PTR rowA, UINT_PTR rowB, UINT_PTR key);

// Sorts the list of a clicked header item by its column, ascending or descending
// as the shared flag says after flipping it, then renumbers the lines. Nothing
// happens (the flag included) for "行号", "操作" or an empty caption, or when the
// item is not in a list's header or the list is not sortable. True when it sorted.
bool SortListByColumn(SkinUI::CControlUI* headerItem);

// Numbers the visible rows that have an "item_line_num" 1, 2, 3 ...
void RenumberListLines(SkinUI::CListUI* list);

// A history list of documents and their lines: a visible row whose
// "item_商品名称" holds a sales or purchase bill number ("XSD", "JHD"), or that has
// no such cell, gets the next number; a line row gets an empty number.
void RenumberBillLines(SkinUI::CListUI* list);

}  // namespace pagekit
