// minizip file callbacks over a byte vector.
#include "zip_memory_io.h"

#include <algorithm>
#include <cstring>

namespace {

MemoryZipFile* File(voidpf stream) { return static_cast<MemoryZipFile*>(stream); }

voidpf ZCALLBACK Open(voidpf, const char* name, int) { return const_cast<void*>(static_cast<const void*>(name)); }

uLong ZCALLBACK Read(voidpf, voidpf stream, void* buf, uLong size) {
  MemoryZipFile* f = File(stream);
  if (f->pos >= f->data->size()) return 0;
  const size_t n = std::min<size_t>(size, f->data->size() - f->pos);
  std::memcpy(buf, f->data->data() + f->pos, n);
  f->pos += n;
  return static_cast<uLong>(n);
}

uLong ZCALLBACK Write(voidpf, voidpf stream, const void* buf, uLong size) {
  MemoryZipFile* f = File(stream);
  if (f->pos + size > f->data->size()) f->data->resize(f->pos + size);
  std::memcpy(f->data->data() + f->pos, buf, size);
  f->pos += size;
  return size;
}

long ZCALLBACK Tell(voidpf, voidpf stream) { return static_cast<long>(File(stream)->pos); }

long ZCALLBACK Seek(voidpf, voidpf stream, uLong offset, int origin) {
  MemoryZipFile* f = File(stream);
  size_t base = origin == ZLIB_FILEFUNC_SEEK_SET ? 0 : origin == ZLIB_FILEFUNC_SEEK_CUR ? f->pos : f->data->size();
  const size_t target = base + offset;
  if (target > f->data->size()) return -1;
  f->pos = target;
  return 0;
}

int ZCALLBACK Close(voidpf, voidpf) { return 0; }

int ZCALLBACK TestError(voidpf, voidpf stream) { return File(stream)->error ? 1 : 0; }

}  // namespace

zlib_filefunc_def MemoryZipFunctions() {
  zlib_filefunc_def f;
  f.zopen_file = Open;
  f.zread_file = Read;
  f.zwrite_file = Write;
  f.ztell_file = Tell;
  f.zseek_file = Seek;
  f.zclose_file = Close;
  f.zerror_file = TestError;
  f.opaque = nullptr;
  return f;
}
