// The keeping allocator: SQLite's own allocator underneath, with free lists for
// the page-sized blocks in between.
#include "page_cache_pool.h"

#include <sqlite3.h>

#include <mutex>
#include <new>

namespace {

// Blocks of a 4 KiB page with its headers (the page cache's entries, the
// cipher's page buffers). Other sizes go straight to the heap.
constexpr int kSmallestKept = 4096;
constexpr int kLargestKept = 4096 + 2048;
// As much as one report's connection may cache, so that a report that reads
// the whole of a busy shop's file (50 MiB at 300,000 bill lines) finds the
// memory of the one before. Blocks freed beyond it go back to the heap.
constexpr size_t kKeepLimit = size_t{64} << 20;

struct FreeBlock {
  FreeBlock* next;
};
// One list per block size; a process sees one or two sizes.
struct FreeList {
  int size = 0;
  FreeBlock* head = nullptr;
};

sqlite3_mem_methods g_heap;  // SQLite's allocator
std::mutex g_lock;
FreeList g_lists[4];
size_t g_keptBytes = 0;
bool g_installed = false;

bool Keepable(int size) { return size >= kSmallestKept && size <= kLargestKept; }

void* Malloc(int bytes) {
  const int size = g_heap.xRoundup(bytes);
  if (Keepable(size)) {
    std::lock_guard<std::mutex> hold(g_lock);
    for (FreeList& list : g_lists) {
      if (list.size != size || !list.head) continue;
      FreeBlock* block = list.head;
      list.head = block->next;
      g_keptBytes -= static_cast<size_t>(size);
      return block;
    }
  }
  return g_heap.xMalloc(bytes);
}

void Free(void* memory) {
  if (!memory) return;
  const int size = g_heap.xSize(memory);
  if (Keepable(size)) {
    std::lock_guard<std::mutex> hold(g_lock);
    if (g_keptBytes + static_cast<size_t>(size) <= kKeepLimit) {
      for (FreeList& list : g_lists) {
        if (list.size != 0 && list.size != size) continue;
        list.size = size;
        list.head = new (memory) FreeBlock{list.head};
        g_keptBytes += static_cast<size_t>(size);
        return;
      }
    }
  }
  g_heap.xFree(memory);
}

// A kept block is a block of SQLite's allocator like any other, so the rest
// passes straight through.
void* Realloc(void* memory, int bytes) { return g_heap.xRealloc(memory, bytes); }
int Size(void* memory) { return g_heap.xSize(memory); }
int Roundup(int bytes) { return g_heap.xRoundup(bytes); }
int Init(void*) { return g_heap.xInit(g_heap.pAppData); }
void Shutdown(void*) { g_heap.xShutdown(g_heap.pAppData); }

void Install() {
  if (sqlite3_config(SQLITE_CONFIG_GETMALLOC, &g_heap) != SQLITE_OK) return;
  static const sqlite3_mem_methods keeping = {Malloc, Free, Realloc, Size, Roundup, Init, Shutdown, nullptr};
  g_installed = sqlite3_config(SQLITE_CONFIG_MALLOC, &keeping) == SQLITE_OK;
}

}  // namespace

void ReservePageCachePool() noexcept {
  static std::once_flag once;
  try {
    std::call_once(once, Install);
  } catch (...) {
    // No thread could be synchronised: SQLite keeps its plain allocator.
  }
}

bool PageCachePoolInstalled() noexcept { return g_installed; }

size_t PageCachePoolKeptBytes() noexcept {
  std::lock_guard<std::mutex> hold(g_lock);
  return g_keptBytes;
}
