// The income and expense items page (see account_item_page.h).
#include "account_item_page.h"

#include <cwchar>

#include "account_item_save.h"
#include "list_builders.h"
#include "row_actions.h"

namespace masterdata {
namespace {

const wchar_t kTab[] = L"收支项目";
const wchar_t kList[] = L"listszxm";
const wchar_t kTypeBar[] = L"szxm_list_type";
const wchar_t kForm[] = L"layout_szxm_new";

bool Same(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

}  // namespace

std::vector<pagekit::PageRoute> AccountItemPage::Routes() const { return {{kTab}}; }

void AccountItemPage::Open(pagekit::PageHost& host, const std::wstring&) { ShowAccountItemPage(host); }

bool AccountItemPage::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  if (event.kind == pagekit::EventKind::kBarListClick || event.kind == pagekit::EventKind::kItemClick) {
    if (!Same(event.list, kTypeBar)) return false;
    FillAccountItemList(host, view_->EntryText(host, event));
    return true;
  }
  const bool ownRow = Same(event.list, kList) && event.row >= 0;
  if (ownRow && (event.kind == pagekit::EventKind::kItemActivate ||
                 (event.kind == pagekit::EventKind::kClick && Same(event.sender, L"item_mod")))) {
    const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), kList, event.row);
    if (action.Wanted()) FillItemForm(host, action.Value(L"item_项目名称"), action.Value(L"item_项目类别"));
    return true;
  }
  if (event.kind != pagekit::EventKind::kClick) return false;
  struct Click {
    const wchar_t* name;
    void (AccountItemPage::*operation)(pagekit::PageHost&);
  };
  static const Click kClicks[] = {
      {L"szxm_btn_new", &AccountItemPage::ShowItemForm},
      {L"szxm_new_cancel", &AccountItemPage::ClearItemForm},
      {L"szxm_new_save", &AccountItemPage::SaveAccountItem},
      {L"zjls_btn_szxm", &AccountItemPage::ShowAccountItemPage},
  };
  for (const Click& click : kClicks) {
    if (!Same(event.sender, click.name)) continue;
    (this->*click.operation)(host);
    return true;
  }
  return false;
}

void AccountItemPage::ShowAccountItemPage(pagekit::PageHost& host) {
  host.OpenPageTab(kTab, L"mid_szxm", true);
  view_->SetBarEntries(host, kTypeBar, {L"全部", L"收入", L"支出"});
  FillAccountItemList(host, L"全部");
}

void AccountItemPage::FillAccountItemList(pagekit::PageHost& host, const std::wstring& type) {
  ListFill fill{kList,
                "J4_Account_Item",
                {},
                pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete | pagekit::kListModify,
                L""};
  if (type != L"全部" && !type.empty())
    fill.columns = {Column("项目名称"), Value("项目类别", pagekit::LibraryText(type))};
  view_->FillList(host, fill);
}

void AccountItemPage::ShowItemForm(pagekit::PageHost& host) {
  host.Fields().SetVisible(kForm, !host.Fields().Visible(kForm));
  openedItem_.clear();
}

void AccountItemPage::FillItemForm(pagekit::PageHost& host, const std::wstring& name, const std::wstring& type) {
  host.Fields().SetVisible(kForm, true);
  host.Fields().SetText(L"szxm_edit_xmmc", name);
  host.Fields().SetText(L"szxm_edit_xmlx", type);
  openedItem_ = name;
}

void AccountItemPage::ClearItemForm(pagekit::PageHost& host) {
  openedItem_.clear();
  host.Fields().SetVisible(kForm, false);
  host.Fields().SetText(L"szxm_edit_xmmc", L"");
  host.Fields().SetText(L"szxm_edit_xmlx", L"收入");
}

void AccountItemPage::SaveAccountItem(pagekit::PageHost& host) {
  if (host.Data() == nullptr) return;
  const AccountItemInput input{host.Fields().Text(L"szxm_edit_xmmc"), host.Fields().Text(L"szxm_edit_xmlx"),
                               openedItem_};
  const FormAnswer answer = masterdata::SaveAccountItem(*host.Data(), input);
  if (!answer.saved) {
    view_->ShowTip(host, answer);
    return;
  }
  openedItem_.clear();
  ShowAccountItemPage(host);
}

}  // namespace masterdata
