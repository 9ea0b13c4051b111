// Choosing the reader by signature and the writer by name.
#include "workbook_file.h"

#include "biff8_reader.h"
#include "biff8_writer.h"
#include "file_io.h"
#include "xlsx_reader.h"
#include "xlsx_writer.h"

namespace {
// Larger than any workbook the program writes or a shop keeps; a bigger file is
// refused rather than read into memory.
constexpr size_t kMaxWorkbookSize = 512u * 1024 * 1024;
}  // namespace

LoadResult LoadWorkbook(const std::wstring& path, Sheet* sheet) {
  Bytes file;
  switch (ReadWholeFile(path, kMaxWorkbookSize, &file)) {
    case ReadResult::kMissing:
      return LoadResult::kMissing;
    case ReadResult::kFailed:
      return LoadResult::kFailed;
    case ReadResult::kRead:
      break;
  }
  // An empty file (one a save dialog or another program left behind) holds no
  // book yet: it is treated like a missing one.
  if (file.empty()) return LoadResult::kMissing;
  static const uint8_t kCompound[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  bool ok = false;
  if (file.size() >= 8 && std::equal(kCompound, kCompound + 8, file.begin()))
    ok = ReadXlsFile(file, sheet);
  else if (file.size() >= 4 && file[0] == 'P' && file[1] == 'K' && file[2] == 3 && file[3] == 4)
    ok = ReadXlsxFile(file, sheet);
  return ok ? LoadResult::kLoaded : LoadResult::kFailed;
}

bool IsXlsxName(const std::wstring& path) {
  if (path.size() < 5) return false;
  std::wstring tail = path.substr(path.size() - 5);
  for (wchar_t& c : tail)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return tail == L".xlsx";
}

int MaxRowsFor(const std::wstring& path) { return IsXlsxName(path) ? Sheet::kMaxRows : kXlsMaxRows; }

bool SaveWorkbook(const std::wstring& path, const Sheet& sheet) {
  Bytes data;
  const bool built = IsXlsxName(path) ? WriteXlsxFile(sheet, &data) : WriteXlsFile(sheet, &data);
  return built && ReplaceFileContent(path, data.data(), data.size());
}
