// Test support: the document pages' view in memory. The grid's lines and the
// history's rows become rows of MemoryFields with the cells the window's builders
// make; tooltips, errors and focus are recorded in order; the delete question is
// answered as the test says. Rows stand 30 pixels high from y 100 in a window at
// (100, 50)-(1100, 750).
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data_store.h"
#include "document_view.h"
#include "list_fill.h"
#include "memory_fields.h"

namespace documents {
namespace test {

class MemoryDocumentView : public DocumentView {
 public:
  // What the page showed, in order: "tip <field> <text>", "error <text>", "focus
  // <row> <cell>", "picker <row>".
  std::vector<std::wstring>* shown;
  bool agreeToDelete = true;

  MemoryDocumentView(pagekit::MemoryFields& fields, std::vector<std::wstring>* record)
      : shown(record), fields_(fields) {}

  void ShowLineGrid(pagekit::PageHost&, const std::wstring& list, int lines) override {
    using Kind = pagekit::MemoryFields::Kind;
    Clear(list);
    for (int i = 0; i < lines; ++i) {
      Add(list, {{L"item_line_num", std::to_wstring(i + 1)}},
          {{L"item_商品名称", Kind::kEdit},
           {L"item_reserve", Kind::kPlain},
           {L"item_单位", Kind::kPlain},
           {L"item_单位2", Kind::kPlain},
           {L"item_商品类别", Kind::kPlain},
           {L"item_数量", Kind::kEdit},
           {L"item_数量2", Kind::kEdit},
           {L"item_单价", Kind::kEdit},
           {L"item_金额", Kind::kEdit},
           {L"item_备注", Kind::kEdit}});
      const int row = fields_.RowCount(list) - 1;
      fields_.SetVisible(pagekit::Cell(list, row, L"item_单位2"), false);
      fields_.SetVisible(pagekit::Cell(list, row, L"item_数量2"), false);
    }
  }

  void ShowLines(pagekit::PageHost& host, const std::wstring& list, const std::vector<std::vector<DataField>>& lines,
                 int minimum) override {
    ShowLineGrid(host, list, std::max(minimum, static_cast<int>(lines.size())));
    for (size_t row = 0; row < lines.size(); ++row)
      for (const DataField& cell : lines[row])
        fields_.SetText(pagekit::Cell(list, static_cast<int>(row), L"item_" + pagekit::PageText(cell.name)),
                        pagekit::PageText(cell.value));
  }

  void ShowHistory(pagekit::PageHost&, const std::wstring& list, const HistoryShape& shape,
                   const std::vector<std::vector<DataField>>& rows) override {
    Clear(list);
    for (const std::vector<DataField>& row : rows) {
      const std::vector<DataField> shaped =
          shape.orders ? pagekit::ShapeOrderRow(row, shape.purchase) : pagekit::ShapeSaleBillRow(row);
      std::vector<std::pair<std::wstring, std::wstring>> cells = {
          {L"item_line_num", std::to_wstring(fields_.RowCount(list) + 1)},
          {L"item_del", L"删除"},
          {L"item_mod", L"修改"}};
      for (const DataField& field : shaped)
        if (!field.hidden) cells.push_back({L"item_" + pagekit::PageText(field.name), pagekit::PageText(field.value)});
      Add(list, cells, {});
    }
  }

  void RemoveRow(pagekit::PageHost&, const std::wstring& list, int row) override {
    std::vector<Row> kept;
    for (int i = 0; i < static_cast<int>(rows_[list].size()); ++i) {
      if (i == row) continue;
      Row copy = rows_[list][i];
      for (auto& cell : copy) cell.second = fields_.Text(pagekit::Cell(list, i, cell.first));
      kept.push_back(copy);
    }
    Clear(list);
    for (Row& cells : kept) {
      for (auto& cell : cells)
        if (cell.first == L"item_line_num") cell.second = std::to_wstring(fields_.RowCount(list) + 1);
      Add(list, cells, {});
    }
  }

  void ShowTip(pagekit::PageHost&, const pagekit::FieldRef& field, const std::wstring& text, SIZE, POINT) override {
    shown->push_back(L"tip " + (field.list.empty() ? field.name : std::to_wstring(field.row) + L" " + field.name) +
                     L" " + text);
  }
  void ShowError(pagekit::PageHost&, const std::wstring& text) override { shown->push_back(L"error " + text); }
  bool ConfirmDelete(pagekit::PageHost&) override { return agreeToDelete; }
  void FocusAndSelect(pagekit::PageHost&, const pagekit::FieldRef& field) override {
    shown->push_back(L"focus " + std::to_wstring(field.row) + L" " + field.name);
  }
  bool OpenProductPicker(pagekit::PageHost& host, const std::wstring&, int row, const RECT& screen) override {
    shown->push_back(L"picker " + std::to_wstring(row));
    return host.OpenProductPicker(nullptr, nullptr, true, screen);
  }
  RECT WindowRect(pagekit::PageHost&) override { return RECT{100, 50, 1100, 750}; }
  RECT RowRect(pagekit::PageHost&, const std::wstring&, int row) override {
    return RECT{0, 100 + 30 * row, 800, 130 + 30 * row};
  }
  bool PlaceOf(pagekit::PageHost&, const pagekit::PageEvent& event, std::wstring* list, int* row) override {
    if (event.list.empty() || event.row < 0) return false;
    *list = event.list;
    *row = event.row;
    return true;
  }
  bool PlaceOfControl(pagekit::PageHost&, SkinUI::CControlUI*, std::wstring*, int*) override { return false; }

 private:
  using Row = std::vector<std::pair<std::wstring, std::wstring>>;

  void Clear(const std::wstring& list) {
    fields_.ClearRows(list);
    rows_[list].clear();
  }
  // A row of plain cells with texts, then empty cells of the kinds given.
  void Add(const std::wstring& list, const Row& texts, const std::vector<pagekit::MemoryFields::Control>& empty) {
    std::vector<pagekit::MemoryFields::Control> cells = empty;
    for (const auto& cell : texts) cells.push_back({cell.first, pagekit::MemoryFields::Kind::kPlain});
    const int row = fields_.AddRow(list, cells);
    Row kept = texts;
    for (const auto& cell : empty) kept.push_back({cell.name, L""});
    for (const auto& cell : texts) fields_.SetText(pagekit::Cell(list, row, cell.first), cell.second);
    rows_[list].push_back(kept);
  }

  pagekit::MemoryFields& fields_;
  std::map<std::wstring, std::vector<Row>> rows_;
};

}  // namespace test
}  // namespace documents
