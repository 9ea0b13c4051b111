// The .xlsx writer: one sheet with shared strings, numbers and merged ranges in an
// Office Open XML package, zipped by minizip.
#ifndef KXXLS_XLSX_WRITER_H
#define KXXLS_XLSX_WRITER_H

#include "byte_io.h"
#include "sheet.h"

bool WriteXlsxFile(const Sheet& sheet, Bytes* out);

#endif  // KXXLS_XLSX_WRITER_H
