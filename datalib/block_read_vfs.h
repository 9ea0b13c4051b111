// Database file reads in blocks.
//
// SQLite reads the database one page (4 KiB) per call. Under Wine every ReadFile
// is a round trip to the server, about 33 microseconds for a page and 75 for
// 256 KiB, so a report that reads 10,000 pages spent a third of a second on the
// calls alone. This layer sits between the cipher and the platform's file
// layer: while a connection holds a lock on its database file, it reads the file
// in 256 KiB blocks and hands later pages of a block it already holds from
// memory. The first pages under each lock are read as asked, so that an
// operation that looks a few records up reads no more than it did.
//
// Only the main database file is read this way (journals go straight through),
// and a block is kept only while the connection holds its lock: in rollback
// journal mode nobody else writes the file then, and this connection's own
// writes drop the blocks they touch. When the lock goes, every block goes.
#ifndef DATAVANE_BLOCK_READ_VFS_H
#define DATAVANE_BLOCK_READ_VFS_H

#include <cstddef>

// Puts the block layer under the cipher's file layer and makes that pair the
// process's default; later calls do nothing. Called when a connection opens,
// after the page memory pool is set up. Without the platform's file layer or
// the cipher's, SQLite keeps its default.
void InstallBlockReadVfs() noexcept;

// Whether connections opened from now on read in blocks.
bool BlockReadVfsInstalled() noexcept;

// Counts of this process since the layer was installed, for tests and benchmarks.
struct BlockReadCounts {
  size_t fileReads;    // reads that reached the platform (blocks and pass-through reads)
  size_t pagesServed;  // reads answered from a block already held
  size_t passedOn;     // reads handed to the platform as they came (journals, unlocked, odd sizes)
};
BlockReadCounts BlockReadCountsNow() noexcept;

#endif
