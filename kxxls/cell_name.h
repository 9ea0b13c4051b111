// Cell names: the program's "%c%d" names (one letter A to Z, then the row from 1)
// and the spreadsheet column letters the file formats use (A, ..., Z, AA, ...).
#ifndef KXXLS_CELL_NAME_H
#define KXXLS_CELL_NAME_H

#include <string>

// Parses a program cell name into a zero-based row and column. Anything else, a
// row of 0 or with leading zeros, a lowercase or second letter, a row beyond
// `maxRows`, answers false and leaves the outputs alone.
bool ParseCellName(const std::wstring& name, int maxRows, int* row, int* column);

// Spreadsheet reference of a zero-based cell, "A1", "AB12". For the file formats.
std::string CellReference(int row, int column);
void AppendCellReference(int row, int column, std::string* out);
// Parses a spreadsheet reference ("$" signs allowed); false when malformed or
// beyond `maxRows` and `maxColumns`.
bool ParseCellReference(const std::string& ref, int maxRows, int maxColumns, int* row, int* column);

#endif  // KXXLS_CELL_NAME_H
