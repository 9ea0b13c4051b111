// The workbook an export writes. The spreadsheet library opens an existing file
// with its cells, so an export straight into the chosen file would keep the old
// rows and merges below the new ones. An export therefore writes a new file of
// its own beside the chosen one, with the same extension, and only a book that
// was closed without error replaces the chosen file; a failed or refused export
// removes its file and leaves the old one as it was.
#pragma once

#include <string>

#include "xls_proc.h"

namespace output {

enum class ExportResult {
  kDone,
  kNothingToExport,  // no list, or a list without rows: no dialog was shown
  kCancelled,        // the save dialog was not answered with a file
  kOpenFailed,       // the library could not make the workbook
  kWriteFailed,      // the workbook could not be written or put in place
  kTooManyRows,      // more rows than the chosen file's format holds; nothing
                     // written
};

// The rows a sheet of the file's format holds: .xlsx 1,048,576, else (.xls)
// 65,536.
int SheetRowLimit(const std::wstring& path);

class ExportBook {
 public:
  ExportBook(XlsProc& xls, std::wstring chosenPath);
  // A book left open is closed and its file removed: the chosen file stays.
  ~ExportBook();
  ExportBook(const ExportBook&) = delete;
  ExportBook& operator=(const ExportBook&) = delete;

  // Opens a new, empty workbook beside the chosen file; false when it could
  // not.
  bool Open();
  // The path the cells go to (the new file's, not the chosen one's).
  const std::wstring& Book() const { return temp_; }
  // Closes the book and, unless `refuse` is set or the close failed, puts it in
  // place of the chosen file.
  ExportResult Finish(bool refuse);

 private:
  XlsProc& xls_;
  std::wstring chosen_;
  std::wstring temp_;
  bool open_ = false;
};

}  // namespace output
