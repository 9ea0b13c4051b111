// Test support: the report pages' view without a window. A header is kept per
// list (its style, reserve caption and columns "name|width|index" of the
// visible entries, or "stock summary" / "stock ledger"); a row lands in the
// host's memory fields as the window's builders would make it: the row itself
// as the cell "", "item_chk", "item_line_num", "item_<column><cell number>" per
// visible entry (font 1 on a totals row's entries) and "item_reserve". Report
// keys and queries run on the real library. Tooltips are kept as "tip <field>
// <text> <width>x<height>", and every key run as "run <key> <entries>".
#pragma once

#include <map>
#include <string>
#include <vector>

#include "report_view.h"
#include "test_support/memory_host.h"

namespace reports {
namespace test {

struct MemoryHeader {
  int style = 0;
  std::wstring reserve;
  std::vector<std::wstring> columns;
};

class MemoryReportView : public ReportView {
 public:
  MemoryReportView(std::vector<std::wstring>* shown, std::map<std::wstring, MemoryHeader>* headers,
                   std::vector<Record>* runs = nullptr)
      : shown_(shown), headers_(headers), runs_(runs) {}

  void BuildHeader(pagekit::PageHost& host, const std::wstring& list, Record* columns, int style,
                   const std::wstring& reserve) override;
  void BuildStockSummaryHeader(pagekit::PageHost& host, const std::wstring& list, const std::wstring& reserve) override;
  void BuildStockLedgerHeader(pagekit::PageHost& host, const std::wstring& list) override;
  void RunReport(pagekit::PageHost& host, const std::wstring& list, const char* key, Record* params) override;
  void QueryRows(pagekit::PageHost& host, const std::wstring& list, const char* table, Record* fields) override;
  int AddRow(pagekit::PageHost& host, const std::wstring& list, const Record& row) override;
  void RenumberLines(pagekit::PageHost& host, const std::wstring& list) override;
  void ShowTip(pagekit::PageHost& host, const std::wstring& field, const std::wstring& text, SIZE size) override;

 private:
  std::vector<std::wstring>* shown_;
  std::map<std::wstring, MemoryHeader>* headers_;
  std::vector<Record>* runs_;
};

}  // namespace test
}  // namespace reports
