// An export's own workbook file beside the chosen one, replacing it when
// written.
#include "export_book.h"

#include <windows.h>

#include <cwctype>

namespace output {
namespace {

bool EndsWithNoCase(const std::wstring& text, const std::wstring& end) {
  if (text.size() < end.size()) return false;
  return _wcsicmp(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

std::wstring ExtensionOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  const size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return std::wstring();
  return path.substr(dot);
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A name in the chosen file's folder that no file has yet.
std::wstring FreshNameBeside(const std::wstring& chosen) {
  const std::wstring folder = FolderOf(chosen);
  const std::wstring extension = ExtensionOf(chosen);
  const DWORD seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
  for (DWORD n = 0; n < 1000; ++n) {
    wchar_t tag[32];
    swprintf(tag, 32, L"~export%08lx", static_cast<unsigned long>(seed + n));
    std::wstring candidate = folder + tag + extension;
    if (!FileExists(candidate)) return candidate;
  }
  return std::wstring();
}

}  // namespace

int SheetRowLimit(const std::wstring& path) { return EndsWithNoCase(path, L".xlsx") ? 1048576 : 65536; }

ExportBook::ExportBook(XlsProc& xls, std::wstring chosenPath) : xls_(xls), chosen_(std::move(chosenPath)) {}

ExportBook::~ExportBook() {
  if (!open_) return;
  // Closing forgets the book in the library, whose next open of the name would
  // otherwise serve its cells; the file it may have written goes.
  xls_.CloseBook(temp_);
  ::DeleteFileW(temp_.c_str());
}

bool ExportBook::Open() {
  temp_ = FreshNameBeside(chosen_);
  if (temp_.empty()) return false;
  if (xls_.OpenBook(temp_) != 0) return false;
  open_ = true;
  return true;
}

ExportResult ExportBook::Finish(bool refuse) {
  if (!open_) return ExportResult::kOpenFailed;
  open_ = false;
  const int closed = xls_.CloseBook(temp_);
  if (refuse || closed != 0 || !FileExists(temp_)) {
    ::DeleteFileW(temp_.c_str());
    return refuse ? ExportResult::kTooManyRows : ExportResult::kWriteFailed;
  }
  if (!::MoveFileExW(temp_.c_str(), chosen_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    ::DeleteFileW(temp_.c_str());
    return ExportResult::kWriteFailed;
  }
  return ExportResult::kDone;
}

}  // namespace output
