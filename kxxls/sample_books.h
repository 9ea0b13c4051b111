// The books the tests write: Chinese text, numbers and codes, gaps, merges and a
// shared string table longer than one record. The round-trip test reads them back
// with the library itself; the sample writer hands them to independent readers.
#ifndef KXXLS_SAMPLE_BOOKS_H
#define KXXLS_SAMPLE_BOOKS_H

#include <string>
#include <utility>
#include <vector>

#include "sheet.h"
#include "xls_proc.h"

struct SampleCell {
  std::wstring cell;
  std::wstring text;
  std::wstring readBack;  // empty: the same as `text`
};

struct SampleBook {
  std::string name;
  std::vector<SampleCell> cells;  // set in this order; a later entry for a cell wins
  std::vector<std::pair<std::wstring, std::wstring>> merges;
  std::vector<CellRange> expectedMerges;
  int rows, columns;
};

std::vector<SampleBook> SampleBooks();

// True when no later entry of the book sets the same cell.
bool IsFinalEntry(const SampleBook& book, size_t index);

// Opens `path`, sets every cell and merge of the book, closes it; the close's result.
int WriteSampleBook(XlsProc* xls, const std::wstring& path, const SampleBook& book);

#endif  // KXXLS_SAMPLE_BOOKS_H
