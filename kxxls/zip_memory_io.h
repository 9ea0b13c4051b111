// minizip over a block of memory: the .xlsx writer builds its archive in memory
// (the file itself is written in one piece, through wide paths) and the reader
// unpacks a file read whole.
#ifndef KXXLS_ZIP_MEMORY_IO_H
#define KXXLS_ZIP_MEMORY_IO_H

#include <ioapi.h>

#include "byte_io.h"

struct MemoryZipFile {
  Bytes* data;
  size_t pos = 0;
  bool error = false;
};

// Callbacks whose "file name" argument is the MemoryZipFile to use.
zlib_filefunc_def MemoryZipFunctions();

#endif  // KXXLS_ZIP_MEMORY_IO_H
