// The receipt and payment dialog: captions by party type, the amount always with
// two decimals, editing a stored entry with the amount selected for overtyping,
// the way out through "详细...", Esc, and the party drop list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/edit.h"
#include "money_dialog.h"
#include "test_support/dialog_script.h"
#include "test_support/main_window.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::DialogScript;
namespace step = shelltest::step;

// The dialog's result, the caller's as the dialog takes it.
shell::MoneyResult moneyResult;

TEST(MoneyDialog, CaptionsFollowThePartyType) {
  struct Case {
    const wchar_t* partyType;
    const wchar_t* title;
    const wchar_t* partyLabel;
    const wchar_t* amountLabel;
    const wchar_t* note;
  } cases[] = {
      {L"客户", L"收款业务-新增", L"客户名称:", L"收款金额:", L"收订金/欠款"},
      {L"供应商", L"付款业务-新增", L"供应商名称:", L"付款金额:", L"付订金/欠款"},
      {L"其他", L"付款业务-新增", L"供应商名称:", L"付款金额:", L"付订金/欠款"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
    std::wstring title, partyLabel, amountLabel, note, party, amount;
    bool moreHidden = false;
    bool amountFocused = false;
    DialogScript script({
        step::Read(L"msgdlg_labelTitle", &title),
        step::Read(L"money_label_custom", &partyLabel),
        step::Read(L"money_label_money", &amountLabel),
        step::Read(L"money_edit_project", &note),
        step::Read(L"money_edit_custom", &party),
        step::Read(L"money_edit_money", &amount),
        step::Do([&](shell::SkinDialog& d) {
          moreHidden = !d.FindControl(L"money_more")->IsVisible();
          amountFocused = d.GetPaintManager()->GetFocus() == d.FindControl(L"money_edit_money");
        }),
        step::Key(VK_ESCAPE),
    });
    EXPECT_EQ(2u, script.Run(new shell::CDlgMoney(shell::PickerContext{}, c.partyType, L"老王", &moneyResult)));
    EXPECT_EQ(c.title, title);
    EXPECT_EQ(c.partyLabel, partyLabel);
    EXPECT_EQ(c.amountLabel, amountLabel);
    EXPECT_EQ(c.note, note);
    EXPECT_EQ(L"老王", party);
    EXPECT_EQ(L"0.00", amount);
    EXPECT_TRUE(moreHidden);
    EXPECT_TRUE(amountFocused) << "a new entry starts in the amount";
    // Esc declines like the close button and the program runs on.
    EXPECT_FALSE(shelltest::TakeQuit());
    EXPECT_EQ(L"老王", std::wstring(moneyResult.party.GetData()));
    EXPECT_TRUE(moneyResult.amount.IsEmpty());
  }
}

TEST(MoneyDialog, SavedAmountHasTwoDecimals) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* saved;
  } cases[] = {
      {L"12.5", L"12.50"},   {L"abc", L"0.00"},     {L"", L"0.00"},       {L"7", L"7.00"},
      {L"-3.456", L"-3.46"}, {L"12.5元", L"12.50"}, {L"1e3", L"1000.00"}, {L"0.005", L"0.01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
    std::wstring date;
    DialogScript script({
        step::Fill(L"money_edit_custom", L"华联超市"),
        step::Fill(L"money_edit_money", c.typed),
        step::Fill(L"money_edit_project", L"上月货款"),
        step::Fill(L"money_date", L"2026-03-05"),
        step::Read(L"money_date", &date),
        step::Press(L"msgdlg_ok"),
    });
    EXPECT_EQ(1u, script.Run(new shell::CDlgMoney(shell::PickerContext{}, L"客户", L"", &moneyResult)));
    EXPECT_EQ(c.saved, std::wstring(moneyResult.amount.GetData()));
    EXPECT_EQ(L"华联超市", std::wstring(moneyResult.party.GetData()));
    EXPECT_EQ(L"上月货款", std::wstring(moneyResult.note.GetData()));
    EXPECT_EQ(L"2026-03-05", date);
    EXPECT_EQ(date, std::wstring(moneyResult.date.GetData()));
  }
}

TEST(MoneyDialog, EditingShowsTheEntryWithTheAmountSelected) {
  for (const wchar_t* partyType : {L"客户", L"供应商"}) {
    auto* dialog = new shell::CDlgMoney(shell::PickerContext{}, partyType, L"", &moneyResult);
    ASSERT_TRUE(shell::CreateSkinDialog(dialog, nullptr));
    dialog->FillForEdit(L"张三", L"2025-11-30", L"尾款", L"88.80");
    std::wstring title, party, date, note, amount;
    bool amountFocused = false;
    DWORD selStart = 1, selEnd = 0;
    std::vector<DialogScript::Step> steps = {
        step::Read(L"msgdlg_labelTitle", &title),
        step::Read(L"money_edit_custom", &party),
        step::Read(L"money_date", &date),
        step::Read(L"money_edit_project", &note),
        step::Read(L"money_edit_money", &amount),
        step::Do([&](shell::SkinDialog& d) {
          SkinUI::CControlUI* edit = d.FindControl(L"money_edit_money");
          amountFocused = d.GetPaintManager()->GetFocus() == edit;
          HWND native = static_cast<SkinUI::CEditUI*>(edit->GetInterface(L"Edit"))->GetSafeWnd();
          if (native != nullptr)
            ::SendMessageW(native, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
        }),
        step::Shot(std::wstring(partyType) == L"客户" ? "DlgMoney_receipt" : "DlgMoney_payment"),
        step::Press(L"msgdlg_ok"),
    };
    DialogScript script(steps);
    EXPECT_EQ(1u, script.RunCreated(dialog));
    EXPECT_EQ(std::wstring(partyType) == L"客户" ? L"收款业务-修改" : L"付款业务-修改", title);
    EXPECT_EQ(L"张三", party);
    EXPECT_EQ(L"2025-11-30", date);
    EXPECT_EQ(L"尾款", note);
    EXPECT_EQ(L"88.80", amount);
    EXPECT_TRUE(amountFocused);
    EXPECT_EQ(0u, selStart);
    EXPECT_EQ(5u, selEnd) << "the whole amount is selected for overtyping";
    EXPECT_EQ(L"88.80", std::wstring(moneyResult.amount.GetData()));
    EXPECT_EQ(L"2025-11-30", std::wstring(moneyResult.date.GetData()));
  }
}

TEST(MoneyDialog, DetailsAnswerFour) {
  DialogScript script({
      step::Do([](shell::SkinDialog& d) { d.FindControl(L"money_more")->SetVisible(true); }),
      step::Press(L"money_more"),
  });
  EXPECT_EQ(shell::kMoneyDialogMore,
            script.Run(new shell::CDlgMoney(shell::PickerContext{}, L"客户", L"", &moneyResult)));
}

// The party drop list opens under the party field, one pixel to its left and as
// wide as the field; the chosen name goes into the field and is saved.
TEST(MoneyDialog, PartyDropListOpensUnderThePartyField) {
  shelltest::MainWindow main("老板");
  for (const wchar_t* partyType : {L"客户", L"供应商"}) {
    RECT expected = {}, opened = {};
    std::wstring party;
    DialogScript script({
        step::Do([&](shell::SkinDialog& d) {
          const RECT field = d.FindControl(L"money_edit_custom")->GetPos();
          POINT at = {field.left - 1, field.bottom};
          ::ClientToScreen(d.GetHWND(), &at);
          expected = {at.x, at.y, at.x + field.right - field.left + 1, at.y + 160};
        }),
        step::Press(L"money_edit_custom_drop"),
        step::WaitForWindow(L"DlgDropListWnd",
                            [&](HWND picker) {
                              ::GetWindowRect(picker, &opened);
                              ::PostMessageW(picker, WM_CLOSE, 1, 0);
                            }),
        step::Do([](shell::SkinDialog& d) {
          static_cast<shell::CDlgMoney&>(d).OnDropListSelect(L"华联超市", d.FindControl(L"money_edit_custom_drop"));
        }),
        step::Read(L"money_edit_custom", &party),
        step::Press(L"msgdlg_ok"),
    });
    EXPECT_EQ(1u, script.Run(new shell::CDlgMoney(main.frame().Pickers(), partyType, L"", &moneyResult), main.hwnd()));
    EXPECT_EQ(shelltest::Corners(expected), shelltest::Corners(opened));
    EXPECT_EQ(L"华联超市", party);
    EXPECT_EQ(L"华联超市", std::wstring(moneyResult.party.GetData()));
    EXPECT_TRUE(shelltest::PumpUntil([] { return shelltest::VisibleWindowOfClass(L"DlgDropListWnd") == nullptr; }));
  }
}

}  // namespace
