// The master data pages' view in memory (see memory_masterdata_view.h).
#include "test_support/memory_masterdata_view.h"

#include "data_store.h"

namespace masterdata {
namespace test {
namespace {

struct Collected {
  Rows rows;
};

void Collect(intptr_t context, std::vector<DataField>* row) {
  reinterpret_cast<Collected*>(context)->rows.push_back(*row);
}

}  // namespace

void MemoryMasterdataView::FillList(pagekit::PageHost& host, const ListFill& fill) {
  auto& fields = static_cast<pagekit::MemoryFields&>(host.Fields());
  fields.SetSelected(L"sel_all_" + fill.list, false);
  fields.ClearRows(fill.list);
  shown_->push_back(L"fill " + fill.list + L" " + std::to_wstring(fill.style) + L" " + fill.reserve);
  if (host.Data() == nullptr) return;
  Record columns = fill.columns;
  if (columns.empty()) host.Data()->GetTableFields(fill.table, &columns);
  Collected collected;
  host.Data()->QueryRecordsCallback(fill.table, reinterpret_cast<intptr_t>(&collected), &columns, &Collect);
  for (const Record& row : collected.rows) {
    std::vector<pagekit::MemoryFields::Control> cells = {{L""}, {L"item_line_num"}};
    if (fill.style & 1) cells.push_back({L"item_chk", pagekit::MemoryFields::Kind::kOption});
    for (const DataField& field : row)
      if (field.hidden == 0) cells.push_back({L"item_" + pagekit::PageText(field.name)});
    const int index = fields.AddRow(fill.list, cells);
    fields.SetText(pagekit::Cell(fill.list, index, L"item_line_num"), std::to_wstring(index + 1));
    for (const DataField& field : row)
      if (field.hidden == 0)
        fields.SetText(pagekit::Cell(fill.list, index, L"item_" + pagekit::PageText(field.name)),
                       pagekit::PageText(field.value));
  }
}

void MemoryMasterdataView::SetRowVisible(pagekit::PageHost& host, const std::wstring& list, int row, bool visible) {
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(pagekit::Cell(list, row, L""), visible);
  int line = 0;
  for (int i = 0; i < fields.RowCount(list); ++i)
    if (fields.Visible(pagekit::Cell(list, i, L"")))
      fields.SetText(pagekit::Cell(list, i, L"item_line_num"), std::to_wstring(++line));
}

bool MemoryMasterdataView::RowVisible(pagekit::PageHost& host, const std::wstring& list, int row) {
  return host.Fields().Visible(pagekit::Cell(list, row, L""));
}

}  // namespace test
}  // namespace masterdata
