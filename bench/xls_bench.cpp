// KXXls: a sheet of 10,000 rows by 12 columns (a product list: Chinese names,
// codes, two-decimal prices, quantities) written and read back through the
// workbook object, as .xls and as .xlsx, and saved as tab text. Prints the
// median of 5 runs of each step and the file sizes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "book_table.h"

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 12;

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * t.QuadPart / f.QuadPart;
}

std::wstring CellName(int column, int row) {
  return std::wstring(1, static_cast<wchar_t>(L'A' + column)) + std::to_wstring(row);
}

std::wstring CellValue(int row, int column) {
  static const wchar_t* const kUnits[] = {L"瓶", L"箱", L"件", L"包"};
  switch (column) {
    case 0:
      return L"商品名称" + std::to_wstring(row);
    case 1:
      return L"饮料类";
    case 2:
      return kUnits[row % 4];
    case 3:
      return std::to_wstring(row % 500);
    case 4:
      return L"SP" + std::to_wstring(1000000 + row);
    case 5:
      return L"0" + std::to_wstring(row % 97);  // a code with a leading zero
    case 6:
      return std::to_wstring(row % 300) + L"." + std::to_wstring(10 + row % 90);
    case 7:
      return std::to_wstring(row % 700) + L".50";
    case 8:
      return std::to_wstring(row % 900) + L".25";
    case 9:
      return L"备注 " + std::to_wstring(row % 37);
    case 10:
      return L"XSD2024" + std::to_wstring(10000000 + row);
    default:
      return std::to_wstring(row * 3);
  }
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"xls_bench_\u62A5\u8868\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring text = folder + L"sheet.txt";
  std::printf("xls_bench: %d rows x %d columns, median of 5 runs\n", kRows, kColumns);

  for (const wchar_t* extension : {L".xls", L".xlsx"}) {
    const std::wstring book = folder + L"sheet" + extension;
    std::vector<double> writes, reads, texts;
    long long checksum = 0;
    for (int run = 0; run < 5; ++run) {
      DeleteFileW(book.c_str());
      BookTablePtr xls = CreateBookTable();
      double t0 = Now();
      xls->OpenBook(book);
      for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kColumns; ++c) xls->SetCellText(book, CellName(c, r), CellValue(r, c));
      if (xls->CloseBook(book) != 0) std::printf("write failed\n");
      writes.push_back(Now() - t0);

      t0 = Now();
      if (xls->OpenBook(book) != 0) std::printf("open failed\n");
      const int rows = xls->GetRowCount(book), columns = xls->GetColumnCount(book);
      for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < columns; ++c)
          checksum += static_cast<long long>(xls->GetCellText(book, CellName(c, r)).size());
      xls->CloseBook(book);
      reads.push_back(Now() - t0);

      t0 = Now();
      if (xls->SaveAsText(book, text) != 0) std::printf("text failed\n");
      texts.push_back(Now() - t0);
    }
    std::printf(
        "%-5ls write %7.1f ms  read %7.1f ms  save as text %7.1f ms  file %lld bytes, text %lld bytes (%lld chars read)\n",
        extension, Median(writes), Median(reads), Median(texts), FileSize(book), FileSize(text), checksum / 5);
    DeleteFileW(book.c_str());
  }
  DeleteFileW(text.c_str());
  RemoveDirectoryW(folder.c_str());
  return 0;
}
