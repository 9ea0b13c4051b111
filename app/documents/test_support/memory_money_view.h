// Test support: the payment page's and the cash book's view in memory. A list's
// rows become rows of MemoryFields with a cell "item_<column>" per shown field
// (and the line number, check box and buttons the header's style gives, none on
// a framing row); tooltips, messages and the dialogs asked are recorded in
// order; the dialog answers from the test's queue (cancelled when it is empty)
// and the delete question as the test says.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "data_store.h"
#include "list_builders.h"
#include "memory_fields.h"
#include "money_view.h"

namespace documents {
namespace test {

class MemoryMoneyView : public MoneyView {
 public:
  // "tip <field> <text>", "message <text>", "ask <receipt|payment> <party>[
  // detail][ edit <date> <note> <amount>]".
  std::vector<std::wstring>* shown;
  std::deque<MoneyAnswer> answers;
  bool agreeToDelete = true;
  // The header each list was last built with.
  std::vector<std::string> header;

  MemoryMoneyView(pagekit::MemoryFields& fields, std::vector<std::wstring>* record) : shown(record), fields_(fields) {}

  void ShowRows(pagekit::PageHost&, const std::wstring& list, const ListShape& shape,
                const std::vector<CashBookRow>& rows) override {
    using Kind = pagekit::MemoryFields::Kind;
    header = shape.columns;
    fields_.ClearRows(list);
    int line = 0;
    for (const CashBookRow& row : rows) {
      std::vector<pagekit::MemoryFields::Control> cells;
      std::vector<std::pair<std::wstring, std::wstring>> texts;
      if (!row.framing) {
        if (shape.style & pagekit::kListCheckBoxes) cells.push_back({L"item_chk", Kind::kOption});
        if (shape.style & pagekit::kListLineNumbers) texts.push_back({L"item_line_num", std::to_wstring(++line)});
        if (shape.style & pagekit::kListDelete) texts.push_back({L"item_del", L"删除"});
        if (shape.style & pagekit::kListModify) texts.push_back({L"item_mod", L"修改"});
      }
      for (const DataField& field : row.cells)
        if (!field.hidden) texts.push_back({L"item_" + pagekit::PageText(field.name), pagekit::PageText(field.value)});
      for (const auto& text : texts) cells.push_back({text.first, Kind::kPlain});
      const int index = fields_.AddRow(list, cells);
      for (const auto& text : texts) fields_.SetText(pagekit::Cell(list, index, text.first), text.second);
    }
  }
  void ShowTip(pagekit::PageHost&, const std::wstring& field, const std::wstring& text) override {
    shown->push_back(L"tip " + field + L" " + text);
  }
  void ShowMessage(pagekit::PageHost&, const std::wstring& text) override { shown->push_back(L"message " + text); }
  bool ConfirmDelete(pagekit::PageHost&) override { return agreeToDelete; }
  MoneyAnswer AskMoney(pagekit::PageHost&, const MoneyQuestion& question) override {
    std::wstring asked = std::wstring(L"ask ") + (question.customer ? L"receipt " : L"payment ") + question.party;
    if (question.offerDetail) asked += L" detail";
    if (question.editing) asked += L" edit " + question.date + L" " + question.note + L" " + question.amount;
    shown->push_back(asked);
    if (answers.empty()) return MoneyAnswer{2};
    const MoneyAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

 private:
  pagekit::MemoryFields& fields_;
};

}  // namespace test
}  // namespace documents
