// The income and expense items page ("收支项目", panel "mid_szxm"): the type bar
// (全部, 收入, 支出), the item list and the form that adds an item or replaces the
// one opened from its row.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "masterdata_view.h"
#include "page.h"

namespace masterdata {

class AccountItemPage final : public pagekit::Page {
 public:
  explicit AccountItemPage(std::unique_ptr<MasterdataView> view) : view_(std::move(view)) {}

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  void ShowAccountItemPage(pagekit::PageHost& host);
  // "全部" lists every item.
  void FillAccountItemList(pagekit::PageHost& host, const std::wstring& type);
  void ShowItemForm(pagekit::PageHost& host);
  void ClearItemForm(pagekit::PageHost& host);
  void SaveAccountItem(pagekit::PageHost& host);

  // 修改 or a double-click on an item's row: the form shows the item, and its later
  // save replaces it.
  void FillItemForm(pagekit::PageHost& host, const std::wstring& name, const std::wstring& type);
  // The item opened in the form: its later save replaces it.
  void SetOpenedItem(const std::wstring& name) { openedItem_ = name; }

 private:
  std::unique_ptr<MasterdataView> view_;
  std::wstring openedItem_;
};

}  // namespace masterdata
