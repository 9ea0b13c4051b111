// The sample books of the tests.
#include "sample_books.h"

namespace {
std::wstring Name(int column, int row) {
  return std::wstring(1, static_cast<wchar_t>(L'A' + column)) + std::to_wstring(row);
}
}  // namespace

std::vector<SampleBook> SampleBooks() {
  std::vector<SampleBook> books;
  books.push_back({"chinese_text",
                   {{L"A1", L"商品名称"},
                    {L"B1", L"计量单位"},
                    {L"A2", L"可口可乐 330ml"},
                    {L"B2", L"瓶"},
                    {L"C3", L"€ © “引号” \U0001F600 末尾 <&>"},
                    {L"A3", L"行一\r\n行二\t_x000D_\x01"}},
                   {},
                   {},
                   3,
                   3});
  books.push_back({"numbers_and_codes",
                   {{L"A1", L"3"},
                    {L"B1", L"12.50", L"12.5"},
                    {L"C1", L"-0.001"},
                    {L"D1", L"007"},
                    {L"E1", L"1234567890123456"},
                    {L"F1", L"XSD20240101001"},
                    {L"G1", L"1e5"},
                    {L"H1", L"-0"},
                    {L"I1", L"123456789012345"},
                    {L"J1", L"0.30", L"0.3"},
                    {L"K1", L"12.5"},
                    {L"A2", L"-7.25"},
                    {L"B2", L"100"}},
                   {},
                   {},
                   2,
                   11});
  books.push_back({"empty_cells_and_gaps",
                   {{L"B2", L"x"}, {L"E7", L"y"}, {L"A9", L""}, {L"C3", L"gone"}, {L"C3", L""}},
                   {},
                   {},
                   7,
                   5});
  books.push_back({"merges",
                   {{L"A1", L"编号"}, {L"C1", L"期初结存"}, {L"E1", L"日常进货"}, {L"A3", L"1"}},
                   {{L"A1", L"A2"}, {L"D1", L"C1"}, {L"E1", L"F1"}, {L"B5", L"B5"}, {L"E1", L"G2"}},
                   {{0, 1, 0, 0}, {0, 0, 2, 3}, {0, 1, 4, 6}},
                   3,
                   5});
  // More distinct strings than one record holds, and one string longer than a
  // record, so the shared string table continues in CONTINUE records, some of them
  // in the middle of a string.
  SampleBook big{"long_string_table", {}, {}, {}, 1501, 3};
  for (int r = 1; r <= 1500; ++r) {
    big.cells.push_back({Name(0, r), L"商品" + std::to_wstring(r)});
    big.cells.push_back({Name(1, r), L"item " + std::to_wstring(r * 7)});
  }
  std::wstring longText;
  for (int i = 0; i < 6000; ++i) longText += static_cast<wchar_t>(i % 3 ? L'a' + i % 26 : 0x4E00 + i % 500);
  big.cells.push_back({L"C1501", longText});
  books.push_back(big);
  return books;
}

bool IsFinalEntry(const SampleBook& book, size_t index) {
  for (size_t k = index + 1; k < book.cells.size(); ++k)
    if (book.cells[k].cell == book.cells[index].cell) return false;
  return true;
}

int WriteSampleBook(XlsProc* xls, const std::wstring& path, const SampleBook& book) {
  if (xls->OpenBook(path) != 0) return 1;
  for (const SampleCell& cell : book.cells) xls->SetCellText(path, cell.cell, cell.text);
  for (const auto& m : book.merges) xls->MergeCells(path, m.first, m.second);
  return xls->CloseBook(path);
}
