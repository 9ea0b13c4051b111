// Test support: the master data pages' view without a window. A filled list's
// rows land in the host's memory fields (a row is its cells "item_chk",
// "item_line_num" and "item_<column>", and the row itself as the cell ""), and
// what the page showed or asked is kept in order ("tip <field> <text>",
// "confirm <text>", "tell <text>", "focus <field>", "fill <list> <style>"); the
// category tree, when the fields declare it as a tree list, gets an entry per
// category.
#pragma once

#include <string>
#include <vector>

#include "masterdata_view.h"
#include "test_support/memory_host.h"

namespace masterdata {
namespace test {

class MemoryMasterdataView : public MasterdataView {
 public:
  explicit MemoryMasterdataView(std::vector<std::wstring>* shown, bool agree = true) : shown_(shown), agree_(agree) {}

  void FillList(pagekit::PageHost& host, const ListFill& fill) override;
  void SetRowVisible(pagekit::PageHost& host, const std::wstring& list, int row, bool visible) override;
  bool RowVisible(pagekit::PageHost& host, const std::wstring& list, int row) override;
  void ShowTip(pagekit::PageHost&, const FormAnswer& answer) override {
    if (!answer.field.empty()) shown_->push_back(L"tip " + answer.field + L" " + answer.message);
  }
  bool Confirm(pagekit::PageHost&, const std::wstring& text) override {
    shown_->push_back(L"confirm " + text);
    return agree_;
  }
  void Tell(pagekit::PageHost&, const std::wstring& text) override { shown_->push_back(L"tell " + text); }
  void Focus(pagekit::PageHost&, const std::wstring& field) override { shown_->push_back(L"focus " + field); }
  std::wstring EntryText(pagekit::PageHost&, const pagekit::PageEvent& event) override { return event.sender; }
  // Recorded; a tree list declared in the fields also gets one entry per
  // category.
  void ShowCategoryTree(pagekit::PageHost& host, const std::wstring& bar,
                        const std::vector<pagekit::CategoryEntry>& categories) override {
    std::wstring names;
    for (const pagekit::CategoryEntry& category : categories) names += L" " + category.name;
    shown_->push_back(L"tree " + bar + names);
    if (!host.Fields().ClearRows(bar)) return;
    for (const pagekit::CategoryEntry& category : categories)
      host.Fields().AddEntry(bar, category.name, L"barlist_item.xml");
  }
  void SetBarEntries(pagekit::PageHost&, const std::wstring& bar, const std::vector<std::wstring>& entries) override {
    std::wstring joined;
    for (const std::wstring& entry : entries) joined += L" " + entry;
    shown_->push_back(L"bar " + bar + joined);
  }

 private:
  std::vector<std::wstring>* shown_;
  bool agree_;
};

}  // namespace test
}  // namespace masterdata
