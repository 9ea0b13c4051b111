// The .xlsx reader: the first sheet of an Office Open XML workbook.
#ifndef KXXLS_XLSX_READER_H
#define KXXLS_XLSX_READER_H

#include "byte_io.h"
#include "sheet.h"

// Fills `sheet` with the first sheet (in workbook order, found through the
// relationships) : shared strings with their rich runs joined, inline strings,
// numbers as their shortest decimal, booleans as "TRUE"/"FALSE", formulas as their
// cached values, merged ranges. False for a damaged package; entries are unpacked
// with a size limit, so the work is bounded.
bool ReadXlsxFile(const Bytes& file, Sheet* sheet);

#endif  // KXXLS_XLSX_READER_H
