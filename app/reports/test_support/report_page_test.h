// Test support of the report pages: a fixture over the test shop with a memory
// host that has a page's controls (edits "*_edit_*", date fields "*_date_*",
// lists "list*", plain controls for the rest) and the memory view, and readers
// of what the pages showed.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "report_test_shop.h"
#include "test_support/memory_host.h"
#include "test_support/memory_report_view.h"

namespace reports {
namespace test {

class ReportPageTest : public ReportShopTest {
 protected:
  std::unique_ptr<pagekit::test::MemoryHost> Host(std::initializer_list<const wchar_t*> controls, bool owner = true);
  std::unique_ptr<ReportView> View() { return std::make_unique<MemoryReportView>(&shown_, &headers_, &runs_); }

  // A click of a control, and a click of the drill-down button of a list's row.
  static pagekit::PageEvent Click(const std::wstring& sender);
  static pagekit::PageEvent RowButton(const wchar_t* list, int row);
  // The texts of a cell in every row, each followed by a blank.
  std::wstring Column(pagekit::test::MemoryHost& host, const std::wstring& list, const std::wstring& cell);
  // The texts of the named cells of one row, joined by blanks.
  std::wstring Row(pagekit::test::MemoryHost& host, const std::wstring& list, int row,
                   std::initializer_list<const wchar_t*> cells);
  // The header's columns, each followed by a blank.
  std::wstring HeaderOf(const std::wstring& list);
  // The condition and input entries of the last run (everything after
  // `columns`), as "name=value" each followed by a blank.
  std::wstring LastInputs(size_t columns);

  std::vector<std::wstring> shown_;
  std::map<std::wstring, MemoryHeader> headers_;
  std::vector<Record> runs_;
};

}  // namespace test
}  // namespace reports
