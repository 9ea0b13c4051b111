// Read-only reader of the skin's ZIP archive (a file, a file handle or a memory
// block). Entries are found by name (ASCII case folded, "\" and "/" alike, names
// in the ANSI code page), described and inflated into caller buffers. Every
// operation answers a ZRESULT code; the last one is also kept process-wide.
#pragma once

#include <windows.h>

#include <memory>

#include "ui_export.h"

namespace SkinUI {

typedef DWORD ZRESULT;

const ZRESULT ZR_OK = 0x00000000;
const ZRESULT ZR_DUPHANDLE = 0x00000100;    // duplicating the handle failed
const ZRESULT ZR_NOFILE = 0x00000200;       // opening the file failed
const ZRESULT ZR_NOTFOUND = 0x00000500;     // no entry of that name
const ZRESULT ZR_MORE = 0x00000600;         // data read; the entry stays open for more
const ZRESULT ZR_CORRUPT = 0x00000700;      // bad archive, local header or extra field
const ZRESULT ZR_READ = 0x00000800;         // reading the extra field failed
const ZRESULT ZR_ARGS = 0x00010000;         // bad arguments or index
const ZRESULT ZR_ZMODE = 0x00080000;        // not an unzip handle
const ZRESULT ZR_ALREADYOPEN = 0x01000000;  // the reader state is already open
const ZRESULT ZR_NOTDISKFILE = 0x02000000;  // the handle given is not a disk file
const ZRESULT ZR_FLATE = 0x05000000;        // inflation failed

// Source kinds for OpenZip.
const int ZIP_HANDLE = 1;    // source: a HANDLE of a disk file (duplicated)
const int ZIP_FILENAME = 2;  // source: a wide file name
const int ZIP_MEMORY = 3;    // source: a memory block of `length` bytes, kept by the caller

struct ZipEntry
{
    int index;
    wchar_t name[MAX_PATH];
    DWORD attr;
    FILETIME atime, ctime, mtime;
    long comp_size;
    long unc_size;
};

struct ZipHandle;
typedef ZipHandle* HZIP;
class TUnzip;

UILIB_API HZIP OpenZip(int kind, void* source, unsigned int length);
inline HZIP OpenZipFile(const wchar_t* fileName) { return OpenZip(ZIP_FILENAME, const_cast<wchar_t*>(fileName), 0); }
inline HZIP OpenZipHandle(HANDLE file) { return OpenZip(ZIP_HANDLE, file, 0); }
inline HZIP OpenZipMemory(const void* data, unsigned int length)
{
    return OpenZip(ZIP_MEMORY, const_cast<void*>(data), length);
}

// Finds the first entry whose name matches; ZR_NOTFOUND (index -1) otherwise.
UILIB_API ZRESULT FindZipItem(HZIP hz, const wchar_t* name, int* index, ZipEntry* entry);
// Describes entry `index`; index -1 describes the archive (entry count in `index`).
UILIB_API ZRESULT GetZipItem(HZIP hz, int index, ZipEntry* entry);
// Inflates up to `size` bytes of entry `index` into buffer: ZR_MORE while data
// came out (the next call continues), ZR_OK at the end. Bytes of the buffer that
// the entry does not fill are zeroed.
UILIB_API ZRESULT UnzipItem(HZIP hz, int index, void* buffer, unsigned int size);
UILIB_API ZRESULT CloseZip(HZIP hz);
UILIB_API ZRESULT GetLastZipResult();

// The reader state of an unzip handle (null for anything else), and inflation on
// it without the handle checks, for loaders that have checked the handle.
UILIB_API TUnzip* GetZipReader(HZIP hz);
UILIB_API ZRESULT GetZipItemInternal(TUnzip* reader, int index, ZipEntry* entry);
UILIB_API ZRESULT UnzipItemInternal(TUnzip* reader, int index, void* buffer, unsigned int size);

// Closes the archive at scope end.
struct ZipCloser
{
    void operator()(HZIP hz) const { CloseZip(hz); }
};
typedef std::unique_ptr<ZipHandle, ZipCloser> ScopedZip;

}  // namespace SkinUI
