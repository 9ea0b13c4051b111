// The .xls writer: one sheet as a BIFF8 workbook stream inside a compound file.
#ifndef KXXLS_BIFF8_WRITER_H
#define KXXLS_BIFF8_WRITER_H

#include "byte_io.h"
#include "sheet.h"

// The most rows a .xls sheet holds.
constexpr int kXlsMaxRows = 65536;

// The whole .xls file; false (and nothing written) when the sheet has rows beyond
// what the format holds.
bool WriteXlsFile(const Sheet& sheet, Bytes* out);

#endif  // KXXLS_BIFF8_WRITER_H
