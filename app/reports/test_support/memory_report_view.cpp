// The report pages' view in memory (see memory_report_view.h).
#include "test_support/memory_report_view.h"

#include "data_store.h"
#include "list_builders.h"

namespace reports {
namespace test {
namespace {

using pagekit::MemoryFields;

struct Delivery {
  pagekit::PageHost* host;
  MemoryReportView* view;
  std::wstring list;
};

void Deliver(intptr_t context, std::vector<DataField>* row) {
  auto* delivery = reinterpret_cast<Delivery*>(context);
  delivery->view->AddRow(*delivery->host, delivery->list, *row);
}

std::wstring CellName(const DataField& field) {
  std::wstring name = L"item_" + pagekit::PageText(field.name);
  if (field.index >= 0) name += std::to_wstring(field.index);
  return name;
}

}  // namespace

void MemoryReportView::BuildHeader(pagekit::PageHost& host, const std::wstring& list, Record* columns, int style,
                                   const std::wstring& reserve) {
  if (!host.Fields().Exists(list)) return;
  MemoryHeader header{style, reserve, {}};
  for (const DataField& field : *columns)
    if (field.hidden == 0)
      header.columns.push_back(pagekit::PageText(field.name) + L"|" + std::to_wstring(field.width) + L"|" +
                               std::to_wstring(field.index));
  (*headers_)[list] = header;
}

void MemoryReportView::BuildStockSummaryHeader(pagekit::PageHost& host, const std::wstring& list,
                                               const std::wstring& reserve) {
  if (host.Fields().Exists(list))
    (*headers_)[list] = {pagekit::kListLineNumbers | pagekit::kListReserve, reserve, {L"stock summary"}};
}

void MemoryReportView::BuildStockLedgerHeader(pagekit::PageHost& host, const std::wstring& list) {
  if (host.Fields().Exists(list)) (*headers_)[list] = {pagekit::kListLineNumbers, L"", {L"stock ledger"}};
}

void MemoryReportView::RunReport(pagekit::PageHost& host, const std::wstring& list, const char* key, Record* params) {
  shown_->push_back(L"run " + pagekit::PageText(key) + L" " + std::to_wstring(params->size()));
  if (runs_ != nullptr) runs_->push_back(*params);
  if (host.Data() == nullptr || !host.Fields().Exists(list)) return;
  Delivery delivery{&host, this, list};
  host.Data()->RunReport(key, reinterpret_cast<intptr_t>(&delivery), params, &Deliver);
}

void MemoryReportView::QueryRows(pagekit::PageHost& host, const std::wstring& list, const char* table, Record* fields) {
  shown_->push_back(L"query " + pagekit::PageText(table));
  if (runs_ != nullptr) runs_->push_back(*fields);
  if (host.Data() == nullptr || !host.Fields().Exists(list)) return;
  Delivery delivery{&host, this, list};
  host.Data()->QueryRecordsCallback(table, reinterpret_cast<intptr_t>(&delivery), fields, &Deliver);
}

int MemoryReportView::AddRow(pagekit::PageHost& host, const std::wstring& list, const Record& row) {
  auto& fields = static_cast<MemoryFields&>(host.Fields());
  if (!fields.Exists(list)) return -1;
  const int style = (*headers_)[list].style;
  std::vector<MemoryFields::Control> cells = {{L""}};
  if (style & pagekit::kListCheckBoxes) cells.push_back({L"item_chk", MemoryFields::Kind::kOption});
  if (style & pagekit::kListLineNumbers) cells.push_back({L"item_line_num"});
  for (const DataField& field : row)
    if (field.hidden == 0) cells.push_back({CellName(field)});
  if (style & pagekit::kListReserve) cells.push_back({L"item_reserve"});
  const int index = fields.AddRow(list, cells);
  if (style & pagekit::kListLineNumbers)
    fields.SetText(pagekit::Cell(list, index, L"item_line_num"), std::to_wstring(index + 1));
  for (const DataField& field : row) {
    if (field.hidden != 0) continue;
    fields.SetText(pagekit::Cell(list, index, CellName(field)), pagekit::PageText(field.value));
    if (field.extra != 0)
      fields.SetAttribute(pagekit::Cell(list, index, CellName(field)), L"font", std::to_wstring(field.extra));
  }
  return index;
}

void MemoryReportView::RenumberLines(pagekit::PageHost& host, const std::wstring& list) {
  pagekit::PageFields& fields = host.Fields();
  int line = 1;
  for (int row = 0; row < fields.RowCount(list); ++row) {
    const pagekit::FieldRef number = pagekit::Cell(list, row, L"item_line_num");
    if (!fields.Exists(number) || !fields.Visible(pagekit::Cell(list, row, L""))) continue;
    const pagekit::FieldRef product = pagekit::Cell(list, row, L"item_商品名称");
    if (fields.Exists(product)) {
      const std::wstring text = fields.Text(product);
      if (text.find(L"XSD") == std::wstring::npos && text.find(L"JHD") == std::wstring::npos) {
        fields.SetText(number, L"");
        continue;
      }
    }
    fields.SetText(number, std::to_wstring(line++));
  }
}

void MemoryReportView::ShowTip(pagekit::PageHost&, const std::wstring& field, const std::wstring& text, SIZE size) {
  shown_->push_back(L"tip " + field + L" " + text + L" " + std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy));
}

}  // namespace test
}  // namespace reports
