// Page memory kept for the next connection of the process.
//
// A report reads most of the file into its connection's page cache, and the
// connection closes when the report ends. The heap hands the freed pages back to
// the system, and the next report's connection faults every page of fresh
// memory in again; under Wine that first touch costs more than reading and
// decrypting the page. So SQLite's page-sized blocks are kept when freed (up to
// a limit) and handed to the next request of that size: a connection that opens
// after another reads into memory that is already there. Nothing is taken before
// a connection asks for it.
#ifndef DATAVANE_PAGE_CACHE_POOL_H
#define DATAVANE_PAGE_CACHE_POOL_H

#include <cstddef>

// Puts the keeping allocator under SQLite before its first use in the process; a
// later call does nothing. Called before a connection opens. When SQLite is
// already in use (other code of the process opened a connection first), SQLite
// keeps its plain allocator.
void ReservePageCachePool() noexcept;

// Whether the keeping allocator is in place.
bool PageCachePoolInstalled() noexcept;
// Bytes of freed page-sized blocks kept for reuse now.
size_t PageCachePoolKeptBytes() noexcept;

#endif
