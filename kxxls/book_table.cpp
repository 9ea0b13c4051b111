// The library's workbook object: open books by normalised full path, each with its
// sheet, whether it changed, and the most rows its file format holds.
#include "book_table.h"

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <new>

#include "cell_name.h"
#include "file_io.h"
#include "sheet.h"
#include "text_export.h"
#include "workbook_file.h"

namespace {

struct BookState {
  std::wstring path;
  Sheet sheet;
  bool changed = false;
  int maxRows = Sheet::kMaxRows;
};

// One key per file however the caller spells its path: full, backslashes, upper case.
std::wstring BookKey(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return std::wstring();
  std::wstring full(MAX_PATH, L'\0');
  DWORD n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
  if (n >= full.size()) {
    full.assign(n + 1, L'\0');
    n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
  }
  if (n == 0 || n >= full.size()) return std::wstring();
  full.resize(n);
  CharUpperBuffW(&full[0], n);
  return full;
}

class BookTable final : public XlsProc {
 public:
  int SaveAsText(std::wstring book, std::wstring textPath) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      std::string text;
      if (BookState* open = Find(book)) {
        text = SheetToGbkText(open->sheet);
      } else {
        // A book that does not exist has nothing to export: that is a failure, not
        // an empty text.
        Sheet sheet;
        if (LoadWorkbook(book, &sheet) != LoadResult::kLoaded) return 1;
        text = SheetToGbkText(sheet);
      }
      if (textPath.empty()) return 1;
      return ReplaceFileContent(textPath, text.data(), text.size()) ? 0 : 1;
    } catch (...) {
      return 1;
    }
  }

  int OpenBook(std::wstring book) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      const std::wstring key = BookKey(book);
      if (key.empty()) return 1;
      if (books_.count(key)) return 0;
      auto open = std::make_unique<BookState>();
      if (LoadWorkbook(book, &open->sheet) == LoadResult::kFailed) return 1;
      open->path = book;
      open->maxRows = MaxRowsFor(book);
      books_.emplace(key, std::move(open));
      return 0;
    } catch (...) {
      return 1;
    }
  }

  int CloseBook(std::wstring book) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      auto it = books_.find(BookKey(book));
      if (it == books_.end()) return 1;
      std::unique_ptr<BookState> open = std::move(it->second);
      books_.erase(it);
      Forget();
      // A book only read (an import) is never rewritten.
      if (!open->changed) return 0;
      return SaveWorkbook(open->path, open->sheet) ? 0 : 1;
    } catch (...) {
      return 1;
    }
  }

  std::wstring GetCellText(std::wstring book, std::wstring cell) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      BookState* open = Find(book);
      int row, column;
      if (!open || !ParseCellName(cell, Sheet::kMaxRows, &row, &column)) return std::wstring();
      return open->sheet.Text(row, column);
    } catch (...) {
      return std::wstring();
    }
  }

  int SetCellText(std::wstring book, std::wstring cell, std::wstring text) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      BookState* open = Find(book);
      int row, column;
      if (!open || !ParseCellName(cell, open->maxRows, &row, &column)) return 1;
      bool changed = false;
      if (!open->sheet.SetText(row, column, std::move(text), &changed)) return 1;
      open->changed |= changed;
      return 0;
    } catch (...) {
      return 1;
    }
  }

  int MergeCells(std::wstring book, std::wstring firstCell, std::wstring lastCell) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      BookState* open = Find(book);
      CellRange range;
      if (!open || !ParseCellName(firstCell, open->maxRows, &range.firstRow, &range.firstColumn) ||
          !ParseCellName(lastCell, open->maxRows, &range.lastRow, &range.lastColumn))
        return 1;
      if (open->sheet.Merge(range)) open->changed = true;
      return 0;
    } catch (...) {
      return 1;
    }
  }

  int GetRowCount(std::wstring book) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      BookState* open = Find(book);
      return open ? open->sheet.RowCount() : 0;
    } catch (...) {
      return 0;
    }
  }

  int GetColumnCount(std::wstring book) override {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      BookState* open = Find(book);
      return open ? open->sheet.ColumnCount() : 0;
    } catch (...) {
      return 0;
    }
  }

 private:
  BookState* Find(const std::wstring& book) {
    // An export names its book once per cell: the last absolute path found is
    // remembered, so that only a new spelling goes through the full-path lookup.
    if (lastBook_ && book == lastPath_) return lastBook_;
    auto it = books_.find(BookKey(book));
    if (it == books_.end()) return nullptr;
    if (IsAbsolute(book)) {
      lastPath_ = book;
      lastBook_ = it->second.get();
    }
    return it->second.get();
  }

  // A drive path ("C:\...") or a share ("\\server\..."): its full path does not
  // depend on the current folder.
  static bool IsAbsolute(const std::wstring& path) {
    return (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
           (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\');
  }

  void Forget() {
    lastBook_ = nullptr;
    lastPath_.clear();
  }

  std::mutex mutex_;
  std::map<std::wstring, std::unique_ptr<BookState>> books_;
  std::wstring lastPath_;
  BookState* lastBook_ = nullptr;
};

}  // namespace

BookTablePtr CreateBookTable() { return BookTablePtr(new BookTable()); }

void BookTableDeleter::operator()(XlsProc* table) const { delete static_cast<BookTable*>(table); }
