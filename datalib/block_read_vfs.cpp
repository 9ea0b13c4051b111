// The block-reading file layer: a pass-through SQLite VFS over the platform's
// own, which keeps 256 KiB blocks of the main database file while it is locked.
#include "block_read_vfs.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>
#include <vector>

namespace {

constexpr sqlite3_int64 kBlockBytes = 256 * 1024;
// 64 MiB per open file at most (a busy shop's whole file); the least recently
// used block makes room.
constexpr size_t kMostBlocks = 256;
// Freed block memory kept for the next connection: fresh memory costs a page
// fault per 4 KiB at its first touch, which under Wine is dearer than the read.
constexpr size_t kMostKeptBuffers = 256;
constexpr char kVfsName[] = "datavane-blocks";
constexpr int kPagesReadAsAsked = 8;

std::atomic<size_t> g_fileReads{0};
std::atomic<size_t> g_pagesServed{0};
std::atomic<size_t> g_passed{0};
std::atomic<bool> g_installed{false};
sqlite3_vfs* g_real = nullptr;  // the platform's layer underneath
sqlite3_vfs g_vfs;

// Block memory, taken from and given back to the process's spare buffers.
class SpareBuffers {
 public:
  static char* Take() {
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (!spare_.empty()) {
        char* buffer = spare_.back();
        spare_.pop_back();
        return buffer;
      }
    }
    return new (std::nothrow) char[kBlockBytes];
  }
  static void Give(char* buffer) {
    if (!buffer) return;
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (spare_.size() < kMostKeptBuffers) {
        spare_.push_back(buffer);
        return;
      }
    }
    delete[] buffer;
  }

 private:
  static std::mutex lock_;
  static std::vector<char*> spare_;
};
std::mutex SpareBuffers::lock_;
std::vector<char*> SpareBuffers::spare_;

struct BufferGiver {
  void operator()(char* buffer) const { SpareBuffers::Give(buffer); }
};

struct Block {
  std::unique_ptr<char[], BufferGiver> bytes;
  sqlite3_int64 length = 0;
  uint64_t lastUse = 0;
};

class BlockCache {
 public:
  const Block* find(sqlite3_int64 index) {
    auto it = blocks_.find(index);
    if (it == blocks_.end()) return nullptr;
    it->second.lastUse = ++clock_;
    return &it->second;
  }
  // Room for a block: a fresh one, or the least recently used one emptied.
  Block* make(sqlite3_int64 index) {
    if (blocks_.size() >= kMostBlocks) evictOldest();
    Block& block = blocks_[index];
    block.bytes.reset(SpareBuffers::Take());
    if (!block.bytes) {
      blocks_.erase(index);
      return nullptr;
    }
    block.lastUse = ++clock_;
    return &block;
  }
  void drop(sqlite3_int64 index) { blocks_.erase(index); }
  void dropRange(sqlite3_int64 offset, sqlite3_int64 bytes) {
    if (blocks_.empty() || bytes <= 0) return;
    for (sqlite3_int64 index = offset / kBlockBytes; index <= (offset + bytes - 1) / kBlockBytes; ++index)
      blocks_.erase(index);
  }
  void clear() { blocks_.clear(); }

 private:
  void evictOldest() {
    auto oldest = blocks_.begin();
    for (auto it = blocks_.begin(); it != blocks_.end(); ++it)
      if (it->second.lastUse < oldest->second.lastUse) oldest = it;
    blocks_.erase(oldest);
  }
  std::unordered_map<sqlite3_int64, Block> blocks_;
  uint64_t clock_ = 0;
};

struct BlockFile {
  sqlite3_file base;
  sqlite3_file* real;  // the platform's file, in the same allocation after this one
  bool mainDb;
  int lock;            // the lock level this connection holds
  sqlite3_int64 size;  // the file's size while locked; -1 when not known
  int readsUnderLock;  // pages read since the lock was taken
  bool shared;         // in WAL mode: others' checkpoints write the file under our lock
  BlockCache* blocks;  // made at the first block read
};

constexpr int kRealOffset = static_cast<int>((sizeof(BlockFile) + 7) & ~size_t{7});

BlockFile* Of(sqlite3_file* file) { return reinterpret_cast<BlockFile*>(file); }
sqlite3_file* Real(sqlite3_file* file) { return Of(file)->real; }

void Forget(BlockFile* file) {
  if (file->blocks) file->blocks->clear();
  file->size = -1;
  file->readsUnderLock = 0;
}

int PassRead(BlockFile* file, void* buffer, int amount, sqlite3_int64 offset) {
  g_fileReads.fetch_add(1, std::memory_order_relaxed);
  g_passed.fetch_add(1, std::memory_order_relaxed);
  return file->real->pMethods->xRead(file->real, buffer, amount, offset);
}

int Read(sqlite3_file* handle, void* buffer, int amount, sqlite3_int64 offset) {
  BlockFile* file = Of(handle);
  const sqlite3_int64 index = offset / kBlockBytes;
  const sqlite3_int64 start = index * kBlockBytes;
  if (!file->mainDb || file->shared || file->lock == SQLITE_LOCK_NONE || amount <= 0 ||
      offset + amount > start + kBlockBytes)
    return PassRead(file, buffer, amount, offset);
  // An operation that looks a few records up reads a handful of pages: those
  // are read as asked. Blocks begin to pay after that.
  if (++file->readsUnderLock <= kPagesReadAsAsked) return PassRead(file, buffer, amount, offset);
  if (file->size < 0) {
    sqlite3_int64 size = 0;
    if (file->real->pMethods->xFileSize(file->real, &size) != SQLITE_OK) return PassRead(file, buffer, amount, offset);
    file->size = size;
  }
  // Reads past the end keep the platform's answer (a short read, zero-filled).
  if (offset + amount > file->size) return PassRead(file, buffer, amount, offset);
  if (!file->blocks) file->blocks = new (std::nothrow) BlockCache;
  if (!file->blocks) return PassRead(file, buffer, amount, offset);

  const Block* block = file->blocks->find(index);
  if (block && offset + amount <= start + block->length) {
    g_pagesServed.fetch_add(1, std::memory_order_relaxed);
    std::memcpy(buffer, block->bytes.get() + (offset - start), static_cast<size_t>(amount));
    return SQLITE_OK;
  }
  Block* fresh = file->blocks->make(index);
  if (!fresh) return PassRead(file, buffer, amount, offset);
  const sqlite3_int64 length = file->size - start < kBlockBytes ? file->size - start : kBlockBytes;
  g_fileReads.fetch_add(1, std::memory_order_relaxed);
  const int rc = file->real->pMethods->xRead(file->real, fresh->bytes.get(), static_cast<int>(length), start);
  if (rc != SQLITE_OK) {
    // The file was not what its size said: forget it and let the platform answer.
    file->blocks->drop(index);
    file->size = -1;
    return PassRead(file, buffer, amount, offset);
  }
  fresh->length = length;
  std::memcpy(buffer, fresh->bytes.get() + (offset - start), static_cast<size_t>(amount));
  return SQLITE_OK;
}

int Write(sqlite3_file* handle, const void* buffer, int amount, sqlite3_int64 offset) {
  BlockFile* file = Of(handle);
  if (file->blocks) file->blocks->dropRange(offset, amount);
  file->size = -1;
  return file->real->pMethods->xWrite(file->real, buffer, amount, offset);
}

int Truncate(sqlite3_file* handle, sqlite3_int64 size) {
  Forget(Of(handle));
  return Real(handle)->pMethods->xTruncate(Real(handle), size);
}

int Close(sqlite3_file* handle) {
  BlockFile* file = Of(handle);
  delete file->blocks;
  file->blocks = nullptr;
  return file->real->pMethods->xClose(file->real);
}

int Lock(sqlite3_file* handle, int level) {
  BlockFile* file = Of(handle);
  const int rc = file->real->pMethods->xLock(file->real, level);
  if (rc == SQLITE_OK) {
    // Coming from no lock, the file may have changed since the blocks were read.
    if (file->lock == SQLITE_LOCK_NONE) Forget(file);
    file->lock = level;
  }
  return rc;
}

int Unlock(sqlite3_file* handle, int level) {
  BlockFile* file = Of(handle);
  const int rc = file->real->pMethods->xUnlock(file->real, level);
  if (level < file->lock) file->lock = level;
  if (rc != SQLITE_OK || file->lock == SQLITE_LOCK_NONE) Forget(file);
  return rc;
}

int Sync(sqlite3_file* f, int flags) { return Real(f)->pMethods->xSync(Real(f), flags); }
int FileSize(sqlite3_file* f, sqlite3_int64* size) { return Real(f)->pMethods->xFileSize(Real(f), size); }
int CheckReservedLock(sqlite3_file* f, int* out) { return Real(f)->pMethods->xCheckReservedLock(Real(f), out); }
int FileControl(sqlite3_file* f, int op, void* arg) {
  if (op == SQLITE_FCNTL_SIZE_HINT) Of(f)->size = -1;
  return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}
int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
int DeviceCharacteristics(sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); }
int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** pp) {
  // The library keeps its files in rollback-journal mode; a file found in WAL
  // mode is read as asked, since its lock no longer keeps others' writes out.
  Of(f)->shared = true;
  Forget(Of(f));
  const sqlite3_io_methods* m = Real(f)->pMethods;
  return m->iVersion >= 2 && m->xShmMap ? m->xShmMap(Real(f), region, size, extend, pp) : SQLITE_IOERR;
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  const sqlite3_io_methods* m = Real(f)->pMethods;
  return m->iVersion >= 2 && m->xShmLock ? m->xShmLock(Real(f), offset, n, flags) : SQLITE_IOERR;
}
void ShmBarrier(sqlite3_file* f) {
  const sqlite3_io_methods* m = Real(f)->pMethods;
  if (m->iVersion >= 2 && m->xShmBarrier) m->xShmBarrier(Real(f));
}
int ShmUnmap(sqlite3_file* f, int deleteFlag) {
  const sqlite3_io_methods* m = Real(f)->pMethods;
  return m->iVersion >= 2 && m->xShmUnmap ? m->xShmUnmap(Real(f), deleteFlag) : SQLITE_OK;
}
int Fetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** pp) {
  const sqlite3_io_methods* m = Real(f)->pMethods;
  if (m->iVersion >= 3 && m->xFetch) return m->xFetch(Real(f), offset, amount, pp);
  *pp = nullptr;
  return SQLITE_OK;
}
int Unfetch(sqlite3_file* f, sqlite3_int64 offset, void* p) {
  const sqlite3_io_methods* m = Real(f)->pMethods;
  return m->iVersion >= 3 && m->xUnfetch ? m->xUnfetch(Real(f), offset, p) : SQLITE_OK;
}

const sqlite3_io_methods kMethods = {3,
                                     Close,
                                     Read,
                                     Write,
                                     Truncate,
                                     Sync,
                                     FileSize,
                                     Lock,
                                     Unlock,
                                     CheckReservedLock,
                                     FileControl,
                                     SectorSize,
                                     DeviceCharacteristics,
                                     ShmMap,
                                     ShmLock,
                                     ShmBarrier,
                                     ShmUnmap,
                                     Fetch,
                                     Unfetch};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* handle, int flags, int* outFlags) {
  BlockFile* file = Of(handle);
  std::memset(file, 0, sizeof(BlockFile));
  file->real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(handle) + kRealOffset);
  file->mainDb = (flags & SQLITE_OPEN_MAIN_DB) != 0;
  file->lock = SQLITE_LOCK_NONE;
  file->size = -1;
  const int rc = g_real->xOpen(g_real, name, file->real, flags, outFlags);
  if (rc != SQLITE_OK || !file->real->pMethods) {
    file->base.pMethods = nullptr;
    return rc != SQLITE_OK ? rc : SQLITE_CANTOPEN;
  }
  file->base.pMethods = &kMethods;
  return SQLITE_OK;
}

// The rest of the layer is the platform's, called with its own VFS object.
int Delete(sqlite3_vfs*, const char* name, int syncDir) { return g_real->xDelete(g_real, name, syncDir); }
int Access(sqlite3_vfs*, const char* name, int flags, int* out) { return g_real->xAccess(g_real, name, flags, out); }
int FullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  return g_real->xFullPathname(g_real, name, size, out);
}
void* DlOpen(sqlite3_vfs*, const char* name) { return g_real->xDlOpen ? g_real->xDlOpen(g_real, name) : nullptr; }
void DlError(sqlite3_vfs*, int size, char* out) {
  if (g_real->xDlError) g_real->xDlError(g_real, size, out);
}
void (*DlSym(sqlite3_vfs*, void* library, const char* symbol))(void) {
  return g_real->xDlSym ? g_real->xDlSym(g_real, library, symbol) : nullptr;
}
void DlClose(sqlite3_vfs*, void* library) {
  if (g_real->xDlClose) g_real->xDlClose(g_real, library);
}
int Randomness(sqlite3_vfs*, int size, char* out) { return g_real->xRandomness(g_real, size, out); }
int Sleep(sqlite3_vfs*, int micros) { return g_real->xSleep(g_real, micros); }
int CurrentTime(sqlite3_vfs*, double* now) { return g_real->xCurrentTime(g_real, now); }
int GetLastError(sqlite3_vfs*, int size, char* out) {
  return g_real->xGetLastError ? g_real->xGetLastError(g_real, size, out) : 0;
}
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) { return g_real->xCurrentTimeInt64(g_real, now); }
int SetSystemCall(sqlite3_vfs*, const char* name, sqlite3_syscall_ptr call) {
  return g_real->iVersion >= 3 && g_real->xSetSystemCall ? g_real->xSetSystemCall(g_real, name, call) : SQLITE_NOTFOUND;
}
sqlite3_syscall_ptr GetSystemCall(sqlite3_vfs*, const char* name) {
  return g_real->iVersion >= 3 && g_real->xGetSystemCall ? g_real->xGetSystemCall(g_real, name) : nullptr;
}
const char* NextSystemCall(sqlite3_vfs*, const char* name) {
  return g_real->iVersion >= 3 && g_real->xNextSystemCall ? g_real->xNextSystemCall(g_real, name) : nullptr;
}

void Install() {
  if (sqlite3_initialize() != SQLITE_OK) return;
  sqlite3_vfs* real = sqlite3_vfs_find("win32");
  if (!real || real->iVersion < 2 || !real->xCurrentTimeInt64) return;
  g_real = real;
  std::memset(&g_vfs, 0, sizeof(g_vfs));
  g_vfs.iVersion = 3;
  g_vfs.szOsFile = kRealOffset + real->szOsFile;
  g_vfs.mxPathname = real->mxPathname;
  g_vfs.zName = kVfsName;
  g_vfs.xOpen = Open;
  g_vfs.xDelete = Delete;
  g_vfs.xAccess = Access;
  g_vfs.xFullPathname = FullPathname;
  g_vfs.xDlOpen = DlOpen;
  g_vfs.xDlError = DlError;
  g_vfs.xDlSym = DlSym;
  g_vfs.xDlClose = DlClose;
  g_vfs.xRandomness = Randomness;
  g_vfs.xSleep = Sleep;
  g_vfs.xCurrentTime = CurrentTime;
  g_vfs.xGetLastError = GetLastError;
  g_vfs.xCurrentTimeInt64 = CurrentTimeInt64;
  g_vfs.xSetSystemCall = SetSystemCall;
  g_vfs.xGetSystemCall = GetSystemCall;
  g_vfs.xNextSystemCall = NextSystemCall;
  if (sqlite3_vfs_register(&g_vfs, 0) != SQLITE_OK) return;
  // The cipher's layer over this one becomes the default of every open.
  if (sqlite3mc_vfs_create(kVfsName, 1) != SQLITE_OK) {
    sqlite3_vfs_unregister(&g_vfs);
    return;
  }
  g_installed = true;
}

}  // namespace

void InstallBlockReadVfs() noexcept {
  static std::once_flag once;
  std::call_once(once, Install);
}

bool BlockReadVfsInstalled() noexcept { return g_installed; }

BlockReadCounts BlockReadCountsNow() noexcept { return {g_fileReads.load(), g_pagesServed.load(), g_passed.load()}; }
