// Compound files (the container of .xls workbooks): 512-byte sectors chained
// through a sector table, small streams in a mini stream of 64-byte sectors, and a
// directory of named streams.
#ifndef KXXLS_COMPOUND_FILE_H
#define KXXLS_COMPOUND_FILE_H

#include <string>
#include <vector>

#include "byte_io.h"

struct CompoundStream {
  std::wstring name;  // at most 31 characters
  Bytes data;
};

// A compound file holding the streams in its root storage.
Bytes WriteCompoundFile(const std::vector<CompoundStream>& streams);

// Finds the stream named `name` (ignoring ASCII case) in the root storage and
// copies it out. False for a file that is not a compound file or is damaged: chains
// that loop or leave the file, sizes beyond their chains, a missing stream. The work
// is bounded by the file's size.
bool ReadCompoundStream(const Bytes& file, const std::wstring& name, Bytes* out);

#endif  // KXXLS_COMPOUND_FILE_H
