// The report pages' test fixture (see report_page_test.h).
#include "test_support/report_page_test.h"

#include "data_store.h"

namespace reports {
namespace test {

using pagekit::MemoryFields;

std::unique_ptr<pagekit::test::MemoryHost> ReportPageTest::Host(std::initializer_list<const wchar_t*> controls,
                                                                bool owner) {
  auto host =
      std::make_unique<pagekit::test::MemoryHost>(&data(), pagekit::Session{owner ? L"老板" : L"营业员", owner});
  for (const wchar_t* control : controls) {
    const std::wstring name = control;
    if (name.rfind(L"list", 0) == 0) {
      host->fields.AddList(name);
    } else if (name.find(L"_date_start") != std::wstring::npos || name.find(L"_date_end") != std::wstring::npos) {
      host->fields.Add(name, MemoryFields::Kind::kDate);
    } else if (name.find(L"_edit_") != std::wstring::npos || name == L"edit_search") {
      host->fields.Add(name, MemoryFields::Kind::kEdit);
    } else {
      host->fields.Add(name);
    }
  }
  return host;
}

pagekit::PageEvent ReportPageTest::Click(const std::wstring& sender) {
  pagekit::PageEvent event;
  event.sender = sender;
  return event;
}

pagekit::PageEvent ReportPageTest::RowButton(const wchar_t* list, int row) {
  pagekit::PageEvent event;
  event.sender = L"item_reserve";
  event.list = list;
  event.row = row;
  return event;
}

std::wstring ReportPageTest::Column(pagekit::test::MemoryHost& host, const std::wstring& list,
                                    const std::wstring& cell) {
  std::wstring texts;
  for (int row = 0; row < host.fields.RowCount(list); ++row)
    texts += host.fields.Text(pagekit::Cell(list, row, cell)) + L" ";
  return texts;
}

std::wstring ReportPageTest::Row(pagekit::test::MemoryHost& host, const std::wstring& list, int row,
                                 std::initializer_list<const wchar_t*> cells) {
  std::wstring texts;
  for (const wchar_t* cell : cells) {
    if (!texts.empty()) texts += L" ";
    texts += host.fields.Exists(pagekit::Cell(list, row, cell)) ? host.fields.Text(pagekit::Cell(list, row, cell))
                                                                : L"<none>";
  }
  return texts;
}

std::wstring ReportPageTest::HeaderOf(const std::wstring& list) {
  std::wstring text = std::to_wstring(headers_[list].style) + L":";
  for (const std::wstring& column : headers_[list].columns) text += L" " + column;
  return text;
}

std::wstring ReportPageTest::LastInputs(size_t columns) {
  std::wstring text;
  if (runs_.empty()) return L"<no run>";
  const Record& last = runs_.back();
  for (size_t i = columns; i < last.size(); ++i)
    text += pagekit::PageText(last[i].name) + L"=" + pagekit::PageText(last[i].value) + L" ";
  return text;
}

}  // namespace test
}  // namespace reports
