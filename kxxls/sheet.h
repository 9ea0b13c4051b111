// The one sheet a workbook holds in memory: cell texts by row and column (both
// from 0) and the merged rectangles. Numbers live here as their text; the writers
// decide from the text whether a cell is stored as a number.
#ifndef KXXLS_SHEET_H
#define KXXLS_SHEET_H

#include <string>
#include <vector>

struct Cell {
  int column;
  std::wstring text;  // never empty
};
// A row's cells in column order; only non-empty cells are kept, so a damaged file
// naming a far cell costs one entry, not a row of blanks.
typedef std::vector<Cell> SheetRow;

struct CellRange {
  int firstRow = 0;
  int lastRow = 0;
  int firstColumn = 0;
  int lastColumn = 0;
  bool operator==(const CellRange& o) const {
    return firstRow == o.firstRow && lastRow == o.lastRow && firstColumn == o.firstColumn && lastColumn == o.lastColumn;
  }
};

class Sheet {
 public:
  // The largest sheet any file format here can hold (the .xlsx limits); readers drop
  // cells beyond them, so a damaged file cannot make the sheet grow without bound.
  // Columns stop at IV, the most a .xls sheet holds.
  static constexpr int kMaxRows = 1048576;
  static constexpr int kMaxColumns = 256;
  // A cell holds at most this many UTF-16 units, the most a spreadsheet program
  // shows in one cell.
  static constexpr size_t kMaxTextLength = 32767;

  // Sets a cell's text ("" clears it); false when the position is outside the sheet.
  // Returns through `changed` whether the cell's text differs afterwards.
  bool SetText(int row, int column, std::wstring text, bool* changed = nullptr);
  const std::wstring& Text(int row, int column) const;

  // Adds a merged rectangle (corners in any order). Merges it overlaps are dropped,
  // since overlapping merges make a file that spreadsheet programs call damaged; a
  // single cell is no merge. False when nothing changed.
  bool Merge(CellRange range);
  const std::vector<CellRange>& Merges() const { return merges_; }

  // Last used row counted from 1, and used columns counted from column A (0 when empty).
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int ColumnCount() const { return columnCount_; }
  size_t CellCount() const { return cellCount_; }

  // Each row's cells; the row count is the size.
  const std::vector<SheetRow>& Rows() const { return rows_; }

 private:
  void Trim();

  std::vector<SheetRow> rows_;
  std::vector<CellRange> merges_;
  int columnCount_ = 0;
  size_t cellCount_ = 0;
};

#endif  // KXXLS_SHEET_H
