// What an output operation reads of a list on screen: its header style, the
// header items with their on-screen boxes, and each row's named cells with
// their texts and sizes. Printing and exporting work on this picture of the
// list, taken from the window once, so that their logic runs without a window
// in tests.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "page_fields.h"

namespace output {

struct HeaderItemView {
  std::wstring text;
  RECT rect{};  // on screen; its width and height are the column's
};

struct CellView {
  std::wstring text;
  int left = 0;  // on screen, as the header items' boxes
  int width = 0;
  int height = 0;
};

struct RowView {
  int height = 0;
  std::map<std::wstring, CellView> cells;  // every named control of the row
};

struct ListView {
  bool exists = false;
  int style = 0;  // the list builders' header style bits
  std::vector<HeaderItemView> header;
  int headerHeight = 0;
  std::vector<RowView> rows;

  // The row's control of that name, or null.
  const CellView* Cell(size_t row, const std::wstring& name) const;
};

// The first header item that prints, and one past the last: the check-box
// column is left out, and the operation column at the end.
void PrintedColumns(const ListView& list, size_t* first, size_t* end);
// The same for a spreadsheet, which also leaves out the line numbers.
void ExportedColumns(const ListView& list, size_t* first, size_t* end);

// The list of that name as the window shows it; a list that is not there (or
// fields that are not a window's) gives a view that does not exist.
ListView ReadList(pagekit::PageFields& fields, const std::wstring& list);

}  // namespace output
