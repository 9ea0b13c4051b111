// The customers and suppliers page (panel "mid_khyqk"): one page for both sides,
// its list the side's receivable or payable view with the total balance, a
// search by name, contact, phone or initials, parties without a balance hidden on
// demand, and the form that adds or changes a party. A clerk does not get the
// supplier side, the report buttons or the row actions.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "masterdata_records.h"
#include "masterdata_view.h"
#include "page.h"
#include "page_fields.h"

namespace masterdata {

// The total of the balance cells (item_应收款, else item_应付款) of every row,
// hidden ones included: each read as a number in single precision and summed in
// double.
double SumDebtColumns(const pagekit::PageFields& fields, const std::wstring& list);

class PartyPage final : public pagekit::Page {
 public:
  explicit PartyPage(std::unique_ptr<MasterdataView> view) : view_(std::move(view)) {}

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // Opens and fills the whole page; `title` empty: the side's caption.
  void FillReceivablesReport(pagekit::PageHost& host, const std::wstring& title);
  void LoadPartyPageList(pagekit::PageHost& host);
  void ToggleHideZeroDebt(pagekit::PageHost& host);
  void ShowPartyForm(pagekit::PageHost& host);
  void ClearPartyForm(pagekit::PageHost& host);
  void SaveParty(pagekit::PageHost& host);
  void ToggleReceivableOptions(pagekit::PageHost& host);

  // The stored row of the party opened in the form.
  void SetEditing(Record row) { editing_ = std::move(row); }
  const Record& Editing() const { return editing_; }

 private:
  std::unique_ptr<MasterdataView> view_;
  Record editing_;
};

}  // namespace masterdata
