// The .xls reader: the first worksheet of a BIFF8 workbook in a compound file.
#ifndef KXXLS_BIFF8_READER_H
#define KXXLS_BIFF8_READER_H

#include "byte_io.h"
#include "sheet.h"

// Fills `sheet` with the first worksheet's cell texts and merged ranges. Numbers
// read as their shortest decimal, booleans as "TRUE"/"FALSE", errors as their
// spreadsheet text, formulas as their cached result. False for anything damaged,
// encrypted or not BIFF8; the work is bounded by the file's size.
bool ReadXlsFile(const Bytes& file, Sheet* sheet);

#endif  // KXXLS_BIFF8_READER_H
