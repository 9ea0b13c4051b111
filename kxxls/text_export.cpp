// Tab text export.
#include "text_export.h"

#include "text_encoding.h"

std::string SheetToGbkText(const Sheet& sheet) {
  std::string out;
  const int columns = sheet.ColumnCount();
  out.reserve(static_cast<size_t>(sheet.RowCount()) * (columns + 2) + sheet.CellCount() * 8);
  std::wstring line;
  for (const SheetRow& row : sheet.Rows()) {
    line.clear();
    int column = 0;
    for (const Cell& cell : row) {
      for (; column < cell.column; ++column) line.push_back(L'\t');
      const std::wstring& text = cell.text;
      for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;  // CRLF is one break
        line.push_back(c == L'\t' || c == L'\r' || c == L'\n' ? L' ' : c);
      }
    }
    // Padding: a row shorter than the sheet still has every field, so a reader that
    // counts fields sees the same count on every line.
    for (; column < columns - 1; ++column) line.push_back(L'\t');
    AppendGbk(line, &out);
    out += "\r\n";
  }
  return out;
}
