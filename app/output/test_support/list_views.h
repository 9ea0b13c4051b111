// Test support: pictures of lists as the window would give them: header items
// side by side from x = 0 (text, width; all 30 high), rows of named cells
// (text; each under the header item of its name, 25 high).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "list_builders.h"
#include "list_view.h"

namespace output {
namespace test {

struct Column {
  std::wstring text;
  int width;
};

using RowCells = std::vector<std::pair<std::wstring, std::wstring>>;  // cell name, text

inline ListView MakeList(int style, const std::vector<Column>& columns, const std::vector<RowCells>& rows,
                         int headerHeight = 30, int rowHeight = 25) {
  ListView view;
  view.exists = true;
  view.style = style;
  view.headerHeight = headerHeight;
  int x = 0;
  for (const Column& column : columns) {
    view.header.push_back(HeaderItemView{column.text, RECT{x, 0, x + column.width, headerHeight}});
    x += column.width;
  }
  for (const RowCells& cells : rows) {
    RowView row;
    row.height = rowHeight;
    for (const auto& cell : cells) {
      int left = 0, width = 40;
      for (const HeaderItemView& item : view.header) {
        const bool lineNumber = cell.first == L"item_line_num" && item.text == L"行号";
        if (L"item_" + item.text != cell.first && !lineNumber) continue;
        left = item.rect.left;
        width = item.rect.right - item.rect.left;
      }
      row.cells[cell.first] = CellView{cell.second, left, width, rowHeight};
    }
    view.rows.push_back(row);
  }
  return view;
}

}  // namespace test
}  // namespace output
