// Workbook files by path: the format is recognised by the file's first bytes when
// reading and chosen by the file name when writing.
#ifndef KXXLS_WORKBOOK_FILE_H
#define KXXLS_WORKBOOK_FILE_H

#include <string>

#include "sheet.h"

enum class LoadResult { kLoaded, kMissing, kFailed };

// Reads the first sheet of a .xls (compound file) or .xlsx (zip) file, whatever
// its name says. A missing or empty file is kMissing; anything unreadable kFailed.
LoadResult LoadWorkbook(const std::wstring& path, Sheet* sheet);

// True when the name ends ".xlsx" in any case.
bool IsXlsxName(const std::wstring& path);
// The most rows a book written to `path` can hold.
int MaxRowsFor(const std::wstring& path);

// Writes the sheet to `path` (.xlsx or .xls by name) through a temporary file.
bool SaveWorkbook(const std::wstring& path, const Sheet& sheet);

#endif  // KXXLS_WORKBOOK_FILE_H
