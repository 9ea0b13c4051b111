// Writes every sample book as .xls and .xlsx into the current folder, each with a
// "<name>.json" of the texts and merges it holds, for the independent readers
// (Debian's xlrd and openpyxl) to compare against. Exit code 0 when all were written.
#include <windows.h>

#include <cstdio>
#include <string>

#include "book_table.h"
#include "file_io.h"
#include "sample_books.h"
#include "text_encoding.h"

namespace {

std::string JsonString(const std::wstring& text) {
  std::string out = "\"";
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c) & 0xFFFF);
      out += buf;
    }
  }
  return out + "\"";
}

std::string BookJson(const SampleBook& book) {
  std::string json =
      "{\"rows\": " + std::to_string(book.rows) + ", \"columns\": " + std::to_string(book.columns) + ", \"cells\": [";
  bool first = true;
  for (size_t i = 0; i < book.cells.size(); ++i) {
    const SampleCell& cell = book.cells[i];
    if (!IsFinalEntry(book, i) || cell.text.empty()) continue;
    json += first ? "\n" : ",\n";
    first = false;
    json += "  {\"row\": " + std::to_string(std::stoi(cell.cell.substr(1)) - 1) +
            ", \"column\": " + std::to_string(cell.cell[0] - L'A') + ", \"text\": " + JsonString(cell.text) + "}";
  }
  json += "],\n\"merges\": [";
  for (size_t i = 0; i < book.expectedMerges.size(); ++i) {
    const CellRange& m = book.expectedMerges[i];
    json += (i ? ", [" : "[") + std::to_string(m.firstRow) + ", " + std::to_string(m.lastRow) + ", " +
            std::to_string(m.firstColumn) + ", " + std::to_string(m.lastColumn) + "]";
  }
  return json + "]}\n";
}

}  // namespace

int main() {
  int failures = 0;
  BookTablePtr xls = CreateBookTable();
  for (const SampleBook& book : SampleBooks()) {
    const std::wstring base(book.name.begin(), book.name.end());
    for (const wchar_t* extension : {L".xls", L".xlsx"}) {
      const std::wstring path = base + extension;
      DeleteFileW(path.c_str());
      if (WriteSampleBook(xls.get(), path, book) != 0) {
        std::printf("could not write %s\n", WideToUtf8(path).c_str());
        ++failures;
      }
    }
    const std::string json = BookJson(book);
    if (!ReplaceFileContent(base + L".json", json.data(), json.size())) ++failures;
  }
  std::printf("%d sample books written, %d failures\n", static_cast<int>(SampleBooks().size()), failures);
  return failures == 0 ? 0 : 1;
}
