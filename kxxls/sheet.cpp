// The in-memory sheet: texts by position and merged rectangles.
#include "sheet.h"

#include <algorithm>

namespace {
const std::wstring kEmpty;

// Cuts a text to the cell limit without leaving half of a surrogate pair.
void LimitLength(std::wstring* text) {
  if (text->size() <= Sheet::kMaxTextLength) return;
  size_t n = Sheet::kMaxTextLength;
  if ((*text)[n - 1] >= 0xD800 && (*text)[n - 1] <= 0xDBFF) --n;
  text->resize(n);
}

SheetRow::iterator FindColumn(SheetRow& row, int column) {
  if (!row.empty() && row.back().column < column) return row.end();  // the usual append
  return std::lower_bound(row.begin(), row.end(), column, [](const Cell& c, int col) { return c.column < col; });
}
}  // namespace

bool Sheet::SetText(int row, int column, std::wstring text, bool* changed) {
  if (changed) *changed = false;
  if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns) return false;
  LimitLength(&text);
  if (text.empty()) {
    if (row >= RowCount()) return true;
    SheetRow& cells = rows_[row];
    auto it = FindColumn(cells, column);
    if (it == cells.end() || it->column != column) return true;
    cells.erase(it);
    --cellCount_;
    if (changed) *changed = true;
    if (column + 1 == columnCount_ || row + 1 == RowCount()) Trim();
    return true;
  }
  if (row >= RowCount()) rows_.resize(row + 1);
  SheetRow& cells = rows_[row];
  auto it = FindColumn(cells, column);
  if (it != cells.end() && it->column == column) {
    if (it->text == text) return true;
    it->text = std::move(text);
  } else {
    cells.insert(it, Cell{column, std::move(text)});
    ++cellCount_;
    columnCount_ = std::max(columnCount_, column + 1);
  }
  if (changed) *changed = true;
  return true;
}

const std::wstring& Sheet::Text(int row, int column) const {
  if (row < 0 || row >= RowCount()) return kEmpty;
  const SheetRow& cells = rows_[row];
  auto it = std::lower_bound(cells.begin(), cells.end(), column, [](const Cell& c, int col) { return c.column < col; });
  return it != cells.end() && it->column == column ? it->text : kEmpty;
}

// After a cell was cleared: drop empty rows at the end and recount the used
// columns, so the counts always name the last non-empty cell.
void Sheet::Trim() {
  columnCount_ = 0;
  for (const auto& cells : rows_)
    if (!cells.empty()) columnCount_ = std::max(columnCount_, cells.back().column + 1);
  while (!rows_.empty() && rows_.back().empty()) rows_.pop_back();
}

bool Sheet::Merge(CellRange r) {
  if (r.firstRow > r.lastRow) std::swap(r.firstRow, r.lastRow);
  if (r.firstColumn > r.lastColumn) std::swap(r.firstColumn, r.lastColumn);
  if (r.firstRow < 0 || r.lastRow >= kMaxRows || r.firstColumn < 0 || r.lastColumn >= kMaxColumns) return false;
  if (r.firstRow == r.lastRow && r.firstColumn == r.lastColumn) return false;
  if (std::find(merges_.begin(), merges_.end(), r) != merges_.end()) return false;
  auto overlaps = [&r](const CellRange& m) {
    return m.firstRow <= r.lastRow && r.firstRow <= m.lastRow && m.firstColumn <= r.lastColumn &&
           r.firstColumn <= m.lastColumn;
  };
  merges_.erase(std::remove_if(merges_.begin(), merges_.end(), overlaps), merges_.end());
  merges_.push_back(r);
  return true;
}
