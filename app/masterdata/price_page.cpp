// The trade and contract price pages (see price_page.h).
#include "price_page.h"

#include <cwchar>

#include "form_fill.h"
#include "list_builders.h"
#include "record_opening.h"
#include "row_actions.h"

namespace masterdata {
namespace {

const int kFlags = pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete | pagekit::kListModify;

}  // namespace

std::wstring PricePage::Control(const wchar_t* role) const {
  return std::wstring(book_ == PriceBook::kTrade ? L"dkhpfj_" : L"gyshtj_") + role;
}

std::vector<pagekit::PageRoute> PricePage::Routes() const { return {{NamesOf(book_).tab}}; }

void PricePage::Open(pagekit::PageHost& host, const std::wstring&) { ShowPriceList(host); }

bool PricePage::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  const PriceBookNames& names = NamesOf(book_);
  // "修改" in a row, or a double-click on it: the price in the form, with its
  // product's unit and prices.
  const bool rowClick = event.kind == pagekit::EventKind::kClick && _wcsicmp(event.sender.c_str(), L"item_mod") == 0;
  if (event.list == names.list && (rowClick || event.kind == pagekit::EventKind::kItemActivate)) {
    const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), event.list, event.row);
    const std::wstring party = action.Value(pagekit::PageText(names.partyColumn).insert(0, L"item_"));
    const std::wstring product = action.Value(L"item_商品名称");
    const bool trade = book_ == PriceBook::kTrade;
    if (OpenStoredRecord(host, trade ? pagekit::RecordForm::kTradePrice : pagekit::RecordForm::kContractPrice,
                         names.table, {{names.partyColumn, party}, {"商品名称", product}}, &editing_) &&
        host.Data() != nullptr) {
      if (trade) pagekit::FillTradePriceProduct(host.Fields(), *host.Data(), product);
      if (!trade) pagekit::FillContractPriceProduct(host.Fields(), *host.Data(), product);
    }
    return true;
  }
  if (event.kind != pagekit::EventKind::kClick) return false;
  struct Click {
    const wchar_t* role;
    void (PricePage::*operation)(pagekit::PageHost&);
  };
  static const Click kClicks[] = {
      {L"btn_find", &PricePage::LoadPriceList},       {L"add", &PricePage::ShowPriceForm},
      {L"new_cancel", &PricePage::ClearPriceForm},    {L"new_save", &PricePage::SavePrice},
      {L"btn_other", &PricePage::TogglePriceOptions},
  };
  for (const Click& click : kClicks) {
    if (_wcsicmp(event.sender.c_str(), Control(click.role).c_str()) != 0) continue;
    // The contract page's option row is the frame's fold-open row.
    if (book_ == PriceBook::kContract && click.operation == &PricePage::TogglePriceOptions) return false;
    (this->*click.operation)(host);
    return true;
  }
  return false;
}

void PricePage::ShowPriceList(pagekit::PageHost& host) {
  const PriceBookNames& names = NamesOf(book_);
  host.OpenPageTab(names.tab, names.panel, true);
  view_->FillList(host, {names.list, names.table, {}, kFlags, L""});
}

void PricePage::LoadPriceList(pagekit::PageHost& host) {
  const PriceBookNames& names = NamesOf(book_);
  const std::wstring party = host.Fields().Text(names.filters[0]);
  const std::wstring product = host.Fields().Text(names.filters[1]);
  if (party.empty() && product.empty()) {
    ShowPriceList(host);
    return;
  }
  Record columns = {Value(names.partyColumn, pagekit::LibraryText(party)),
                    Value("商品名称", pagekit::LibraryText(product)), Column("单位"), Column(names.priceColumn)};
  view_->FillList(host, {names.list, names.table, columns, kFlags, L""});
}

void PricePage::ShowPriceForm(pagekit::PageHost& host) {
  const PriceBookNames& names = NamesOf(book_);
  pagekit::PageFields& fields = host.Fields();
  const bool visible = !fields.Visible(names.form);
  fields.SetVisible(names.form, visible);
  editing_.clear();
  for (const wchar_t* field : names.fields) fields.SetText(field, L"");
  if (visible) view_->Focus(host, names.fields[0]);
}

void PricePage::ClearPriceForm(pagekit::PageHost& host) {
  const PriceBookNames& names = NamesOf(book_);
  pagekit::PageFields& fields = host.Fields();
  for (const wchar_t* field : names.fields) fields.SetText(field, L"");
  for (const wchar_t* field : names.references) fields.SetText(field, L"");
  fields.SetVisible(names.form, false);
  // A cancelled form's price is no longer being edited.
  editing_.clear();
}

void PricePage::SavePrice(pagekit::PageHost& host) {
  if (host.Data() == nullptr) return;
  const PriceBookNames& names = NamesOf(book_);
  pagekit::PageFields& fields = host.Fields();
  const PriceSaveInput input{book_,
                             fields.Text(names.fields[0]),
                             fields.Text(names.fields[1]),
                             fields.Text(names.fields[2]),
                             fields.Text(names.fields[3]),
                             editing_};
  const FormAnswer answer = masterdata::SavePrice(*host.Data(), input);
  if (!answer.saved) {
    view_->ShowTip(host, answer);
    return;
  }
  editing_.clear();
  ShowPriceList(host);
  fields.SetText(names.fields[0], L"");
  view_->Focus(host, names.fields[0]);
}

void PricePage::TogglePriceOptions(pagekit::PageHost& host) {
  const std::wstring other = Control(L"layout_other");
  host.Fields().SetVisible(other, !host.Fields().Visible(other));
}

}  // namespace masterdata
