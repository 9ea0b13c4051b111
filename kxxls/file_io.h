// Whole files by wide path (Chinese folder names), and replacing a file only once
// its new content is completely on disk.
#ifndef KXXLS_FILE_IO_H
#define KXXLS_FILE_IO_H

#include <string>

#include "byte_io.h"

enum class ReadResult { kRead, kMissing, kFailed };

// Reads a whole file, refusing files larger than `maxSize`.
ReadResult ReadWholeFile(const std::wstring& path, size_t maxSize, Bytes* out);

// Writes `data` to a temporary file beside `path`, then puts it in place of `path`.
// On any failure the temporary file is removed and `path` is as it was.
bool ReplaceFileContent(const std::wstring& path, const void* data, size_t size);

#endif  // KXXLS_FILE_IO_H
