// CDlgMoney: entering or editing one receipt from a customer or one payment to a
// supplier: the party (typed or picked from the drop list of parties of that
// kind), the date, the amount and a note. It only collects the entries, the amount
// always with two decimals; the caller checks and stores them after a result of 1
// from its result. Results: 1 "保存关闭", 2 "取消", the close button or Esc,
// 4 "详细...".
#pragma once

#include "core/ui_string.h"
#include "money_text.h"
#include "picker_callbacks.h"
#include "picker_context.h"
#include "skin_dialog.h"

namespace shell {

constexpr UINT kMoneyDialogMore = 4;

struct MoneyResult {
  SkinUI::CUIString party;
  SkinUI::CUIString date;
  SkinUI::CUIString amount;
  SkinUI::CUIString note;
};

// The texts that change with the kind of party.
struct MoneyCaptions {
  const wchar_t* newTitle;
  const wchar_t* editTitle;
  const wchar_t* partyLabel;
  const wchar_t* amountLabel;
  const wchar_t* note;
  const char* partyKind;  // the "类型" of the parties the drop list offers
};
// "客户" gives the receipt's texts, any other party type the payment's.
const MoneyCaptions& MoneyCaptionsFor(const SkinUI::CUIString& partyType);

using pagekit::FormatMoneyAmount;

class CDlgMoney : public SkinDialog, public CDlgDropListCallBack {
 public:
  // `result` is the caller's and must outlive the dialog's run: its party is set
  // to `partyName`, the other three emptied.
  CDlgMoney(const PickerContext& context, const wchar_t* partyType, const wchar_t* partyName, MoneyResult* result);
  const wchar_t* GetWindowClassName() const override;

  // For editing a stored entry: after Create, before ShowModal.
  void FillForEdit(const wchar_t* partyName, const wchar_t* date, const wchar_t* note, const wchar_t* amount);

  void OnDropListSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override;

  const SkinUI::CUIString& GetPartyType() const { return m_partyType; }

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;
  void OnDialogNotify(SkinUI::TNotifyUI& msg) override;

 private:
  // Gives the amount the focus with its text selected. The focus is placed by the
  // next paint (a dialog's first paint places it anyway), and the text is selected
  // when it arrives.
  void SelectAmount();
  void OpenPartyList();

  PickerContext m_context;
  MoneyResult* m_result;
  SkinUI::CUIString m_partyType;
  bool m_selectAmount = false;
};

}  // namespace shell
