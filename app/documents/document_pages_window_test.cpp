// The bill page and the order page in the real main window with the program's
// skin: their routes open them, typed cells recalculate through the window's own
// "textchanged" notices, the "..." of a line opens the product picker and the
// products picked from it fill the lines from there, the return box turns the
// quantities, a save stores the document and the history lists it. Pictures of
// both sides go to TARVEL_SHOT_DIR when it is set.
#include <gtest/gtest.h>

#include "controls/list.h"
#include "core/paint_manager.h"
#include "document_test_shop.h"
#include "library_binding.h"
#include "money_view.h"
#include "skin_dialog.h"
#include "test_support/main_window.h"
#include "test_support/window_shot.h"

namespace documents {
namespace {

using shelltest::Click;
using shelltest::Pump;
using shelltest::PumpUntil;

class DocumentPagesWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::StockTheShop(*g_dataObject); }

  SkinUI::CControlUI* CellOf(shelltest::MainWindow& window, const wchar_t* list, int row, const wchar_t* cell) {
    auto* rows = static_cast<SkinUI::CListUI*>(window.Find(list)->GetInterface(L"List"));
    SkinUI::CControlUI* item = rows != nullptr && row < rows->GetCount() ? rows->GetItemAt(row) : nullptr;
    return item != nullptr ? window.frame().GetPaintManager()->FindSubControlByName(item, cell) : nullptr;
  }
  std::wstring CellText(shelltest::MainWindow& window, const wchar_t* list, int row, const wchar_t* cell) {
    SkinUI::CControlUI* control = CellOf(window, list, row, cell);
    return control != nullptr ? control->GetText().GetData() : L"<none>";
  }
  std::wstring Text(shelltest::MainWindow& window, const wchar_t* name) {
    SkinUI::CControlUI* control = window.Find(name);
    return control != nullptr ? control->GetText().GetData() : L"<none>";
  }
  int Rows(shelltest::MainWindow& window, const wchar_t* list) {
    auto* rows = static_cast<SkinUI::CListUI*>(window.Find(list)->GetInterface(L"List"));
    return rows != nullptr ? rows->GetCount() : -1;
  }
  // The main window shown at 1100 × 800 with `page` open.
  void ShowAt(shelltest::MainWindow& window, const wchar_t* page, int settleMs = 200) {
    window.Show();
    ::SetWindowPos(window.hwnd(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER | SWP_NOACTIVATE);
    window.frame().ShowPage(page);
    Pump(settleMs);
  }
  // The picker's own answer: the products ticked, reported for the "..." of `row`.
  void PickProducts(shelltest::MainWindow& window, const wchar_t* list, int row, std::vector<const wchar_t*> names) {
    std::vector<SkinUI::CUIString> picked;
    for (const wchar_t* name : names) picked.push_back(name);
    window.frame().OnProductRowSelect(picked, CellOf(window, list, row, L"item_reserve"), window.Find(list));
  }
};

TEST_F(DocumentPagesWindowTest, BillPage) {
  shelltest::MainWindow window("老板");
  ShowAt(window, L"销售单");
  ASSERT_TRUE(window.Find(L"mid_xsd")->IsVisible());
  EXPECT_EQ(L"销售单", Text(window, L"xsd_caption"));
  EXPECT_EQ(50, Rows(window, L"listxsd"));
  EXPECT_EQ(0u, Text(window, L"xsd_id").find(L"XSD"));

  // The "..." of the third line opens the product picker under it.
  Click(window.hwnd(), CellOf(window, L"listxsd", 2, L"item_reserve"));
  EXPECT_TRUE(PumpUntil([] { return ::FindWindowW(L"DlgProductListWnd", nullptr) != nullptr; }, 3000));
  if (HWND picker = ::FindWindowW(L"DlgProductListWnd", nullptr)) ::PostMessageW(picker, WM_CLOSE, 0, 0);
  Pump(200);
  // Five products ticked there fill lines 3 to 7, whatever line is selected.
  static_cast<SkinUI::CListUI*>(window.Find(L"listxsd")->GetInterface(L"List"))->SelectItem(0);
  PickProducts(window, L"listxsd", 2, {L"可乐", L"雪碧", L"饼干", L"可乐", L"雪碧"});
  EXPECT_EQ(L"", CellText(window, L"listxsd", 0, L"item_商品名称"));
  const wchar_t* picked[] = {L"可乐", L"雪碧", L"饼干", L"可乐", L"雪碧"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(picked[i], CellText(window, L"listxsd", 2 + i, L"item_商品名称")) << i;
  EXPECT_EQ(L"", CellText(window, L"listxsd", 7, L"item_商品名称"));

  // Quantity 3, then the amount 10 typed: the amount stays 10, the price reads 3.33.
  CellOf(window, L"listxsd", 3, L"item_数量")->SetText(L"3");
  EXPECT_EQ(L"8.40", CellText(window, L"listxsd", 3, L"item_金额"));
  CellOf(window, L"listxsd", 3, L"item_金额")->SetText(L"10");
  EXPECT_EQ(L"10", CellText(window, L"listxsd", 3, L"item_金额"));
  EXPECT_EQ(L"3.33", CellText(window, L"listxsd", 3, L"item_单价"));
  Pump(200);
  shelltest::SaveWindowShot(window.hwnd(), "bill_sales_entry");

  // Return ticked: every quantity turns negative and the amounts follow.
  Click(window.hwnd(), window.Find(L"xsd_chk_th"));
  Pump(300);
  EXPECT_EQ(L"-3.00", CellText(window, L"listxsd", 3, L"item_数量"));
  EXPECT_EQ(L"-9.99", CellText(window, L"listxsd", 3, L"item_金额"));
  const std::wstring due = Text(window, L"xsd_money_need");
  EXPECT_EQ(L'-', due.empty() ? L' ' : due[0]);
  const std::wstring number = Text(window, L"xsd_id");

  Click(window.hwnd(), window.Find(L"xsd_save"));
  Pump(500);
  EXPECT_EQ(1u, test::BillHeaderOf(*g_dataObject, number).size());
  EXPECT_EQ(5u, test::LinesOf(*g_dataObject, number).size());
  EXPECT_NE(number, Text(window, L"xsd_id"));

  Click(window.hwnd(), window.Find(L"xsd_view_his_list"));
  Pump(500);
  EXPECT_EQ(L"销售单列表", Text(window, L"xsd_caption"));
  ASSERT_EQ(1, Rows(window, L"listxsd"));
  EXPECT_EQ(number, CellText(window, L"listxsd", 0, L"item_单据编号"));
  shelltest::SaveWindowShot(window.hwnd(), "bill_sales_history");

  // 修改 on the row opens the bill again with its lines.
  Click(window.hwnd(), CellOf(window, L"listxsd", 0, L"item_mod"));
  Pump(500);
  EXPECT_EQ(L"销售单", Text(window, L"xsd_caption"));
  EXPECT_EQ(number, Text(window, L"xsd_id"));
  EXPECT_EQ(50, Rows(window, L"listxsd"));
  EXPECT_EQ(L"可乐", CellText(window, L"listxsd", 0, L"item_商品名称"));
  EXPECT_EQ(due, Text(window, L"xsd_money_need"));

  window.frame().ShowPage(L"进货单");
  Pump(300);
  EXPECT_EQ(L"进货单", Text(window, L"xsd_caption"));
  EXPECT_EQ(L"供应商:", Text(window, L"xsd_label_custom"));
  EXPECT_EQ(0u, Text(window, L"xsd_id").find(L"JHD"));
  window.frame().OnProductSelect(L"可乐", CellOf(window, L"listxsd", 0, L"item_reserve"), window.Find(L"listxsd"));
  Pump(200);
  EXPECT_EQ(L"2.00", CellText(window, L"listxsd", 0, L"item_单价"));
  shelltest::SaveWindowShot(window.hwnd(), "bill_purchase_entry");
}

// A bill paid short with no customer is refused with a tooltip at the customer
// box, in the box the page asks for, and the bill stays unsaved on the page.
TEST_F(DocumentPagesWindowTest, ARefusedBillSaveShowsItsTipAtTheField) {
  shelltest::MainWindow window("老板");
  ShowAt(window, L"销售单");
  PickProducts(window, L"listxsd", 0, {L"可乐"});
  CellOf(window, L"listxsd", 0, L"item_数量")->SetText(L"3");
  window.Find(L"xsd_custom")->SetText(L"");
  window.Find(L"xsd_edit_money_actual")->SetText(L"1");
  const std::wstring number = Text(window, L"xsd_id");
  Click(window.hwnd(), window.Find(L"xsd_save"));
  HWND tip = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (tip = ::FindWindowW(L"DlgToolTipWnd", nullptr)) != nullptr; }, 3000));
  RECT box = {}, frame = {};
  ::GetWindowRect(tip, &box);
  ::GetWindowRect(window.hwnd(), &frame);
  const RECT field = window.Find(L"xsd_custom")->GetPos();
  EXPECT_EQ(frame.left + field.left - 80, box.left);
  EXPECT_EQ(frame.top + field.top + 20, box.top);
  EXPECT_EQ(310, box.right - box.left);
  EXPECT_EQ(30, box.bottom - box.top);
  shelltest::SaveWindowShot(window.hwnd(), "bill_party_tip");
  EXPECT_TRUE(test::BillHeaderOf(*g_dataObject, number).empty());
  EXPECT_EQ(number, Text(window, L"xsd_id")) << "the entry stays on the page";
  // The tip closes itself after three seconds.
  EXPECT_TRUE(PumpUntil([] { return ::FindWindowW(L"DlgToolTipWnd", nullptr) == nullptr; }, 6000));
}

TEST_F(DocumentPagesWindowTest, OrderPage) {
  shelltest::MainWindow window("老板");
  ShowAt(window, L"销售订单");
  ASSERT_TRUE(window.Find(L"mid_xsydd")->IsVisible());
  EXPECT_EQ(L"销售订单", Text(window, L"xsydd_caption"));
  EXPECT_EQ(50, Rows(window, L"listxsydd"));
  PickProducts(window, L"listxsydd", 0, {L"可乐", L"雪碧"});
  CellOf(window, L"listxsydd", 0, L"item_数量")->SetText(L"3");
  CellOf(window, L"listxsydd", 0, L"item_金额")->SetText(L"10");
  EXPECT_EQ(L"3.33", CellText(window, L"listxsydd", 0, L"item_单价"));
  EXPECT_EQ(L"4.00", Text(window, L"xsydd_dhsl"));
  Pump(200);
  shelltest::SaveWindowShot(window.hwnd(), "order_sales_entry");
  const std::wstring number = Text(window, L"xsydd_id");
  Click(window.hwnd(), window.Find(L"xsydd_save"));
  Pump(500);
  EXPECT_EQ(2u, test::LinesOf(*g_dataObject, number).size());

  window.frame().ShowPage(L"销售订单查询");
  Pump(500);
  EXPECT_EQ(L"销售订单列表", Text(window, L"xsydd_caption"));
  ASSERT_EQ(1, Rows(window, L"listxsydd"));
  EXPECT_EQ(number, CellText(window, L"listxsydd", 0, L"item_单据编号"));
  shelltest::SaveWindowShot(window.hwnd(), "order_sales_history");

  // Opened again, then shipped into a new bill.
  Click(window.hwnd(), CellOf(window, L"listxsydd", 0, L"item_mod"));
  Pump(500);
  EXPECT_EQ(number, Text(window, L"xsydd_id"));
  Click(window.hwnd(), window.Find(L"xsydd_out"));
  Pump(500);
  ASSERT_TRUE(window.Find(L"mid_xsd")->IsVisible());
  EXPECT_EQ(0u, Text(window, L"xsd_id").find(L"XSD"));
  EXPECT_EQ(L"雪碧", CellText(window, L"listxsd", 1, L"item_商品名称"));
  EXPECT_EQ(Text(window, L"xsydd_money_need"), Text(window, L"xsd_money_need"));
  shelltest::SaveWindowShot(window.hwnd(), "order_shipped_bill");
  window.frame().ShowPage(L"销售订单");
  Pump(300);

  window.frame().ShowPage(L"采购订单");
  Pump(300);
  EXPECT_EQ(L"进货订货单", Text(window, L"xsydd_caption"));
  EXPECT_EQ(0u, Text(window, L"xsydd_id").find(L"CGYDD"));
  shelltest::SaveWindowShot(window.hwnd(), "order_purchase_entry");
}

TEST_F(DocumentPagesWindowTest, PaymentPageAndCashBook) {
  shelltest::MainWindow window("老板");
  ShowAt(window, L"付款单", 300);
  ASSERT_TRUE(window.Find(L"mid_fkd")->IsVisible());
  EXPECT_EQ(0, Rows(window, L"listfkd"));
  // 付款 unfolds the form; a payment saved lands in the supplier's history.
  Click(window.hwnd(), window.Find(L"fkd_new"));
  Pump(200);
  ASSERT_TRUE(window.Find(L"layout_fkd_new")->IsVisible());
  window.Find(L"fkd_edit_gys")->SetText(L"大华公司");
  window.Find(L"fkd_new_money")->SetText(L"25");
  Click(window.hwnd(), window.Find(L"fkd_new_save"));
  Pump(500);
  ASSERT_EQ(1, Rows(window, L"listfkd"));
  EXPECT_EQ(L"25.00", CellText(window, L"listfkd", 0, L"item_收款金额"));
  EXPECT_EQ(L"", Text(window, L"fkd_edit_gys"));
  shelltest::SaveWindowShot(window.hwnd(), "payment_page");

  window.frame().ShowPage(L"其它收支");
  Pump(300);
  ASSERT_TRUE(window.Find(L"mid_zjls")->IsVisible());
  const int before = Rows(window, L"listzjls");
  EXPECT_EQ(L"期初", CellText(window, L"listzjls", 0, L"item_业务日期"));
  EXPECT_EQ(L"合计", CellText(window, L"listzjls", before - 1, L"item_业务日期"));
  EXPECT_FALSE(CellOf(window, L"listzjls", 0, L"item_mod")->IsVisible());
  Click(window.hwnd(), window.Find(L"zjls_income"));
  Pump(200);
  ASSERT_TRUE(window.Find(L"layout_zjls_new")->IsVisible());
  window.Find(L"zjls_edit_project")->SetText(L"房租");
  window.Find(L"zjls_edit_money")->SetText(L"50");
  Click(window.hwnd(), window.Find(L"zjls_save"));
  Pump(500);
  ASSERT_EQ(before + 1, Rows(window, L"listzjls"));
  EXPECT_EQ(L"房租", CellText(window, L"listzjls", before - 1, L"item_收支项目"));
  EXPECT_EQ(L"50.00", CellText(window, L"listzjls", before - 1, L"item_收入"));
  shelltest::SaveWindowShot(window.hwnd(), "cash_book");
}

// The receipt and payment dialog over the main window: it opens for the party
// with its kind's title, and its result and texts reach the page.
TEST(MoneyDialogWindow, TheDialogOpensForThePartyAndAnswersThePage) {
  shelltest::MainWindow window("老板");
  struct Case {
    bool customer;
    const wchar_t* title;
  } cases[] = {{true, L"收款业务-新增"}, {false, L"付款业务-新增"}};
  for (const Case& c : cases) {
    static std::wstring title;
    title.clear();
    shell::DialogWatcher previous = shell::SetDialogWatcher([](shell::SkinDialog* dialog) {
      if (SkinUI::CControlUI* label = dialog->FindControl(L"msgdlg_labelTitle")) title = label->GetText().GetData();
      ::PostMessageW(dialog->GetHWND(), WM_CLOSE, 0, 0);
    });
    MoneyQuestion question;
    question.customer = c.customer;
    question.party = L"华联超市";
    const MoneyAnswer answer = MakeWindowMoneyView()->AskMoney(window.frame(), question);
    shell::SetDialogWatcher(previous);
    EXPECT_EQ(c.title, title);
    EXPECT_NE(kMoneyDialogSaved, answer.result);
    EXPECT_EQ(L"华联超市", answer.party);
  }
}

}  // namespace
}  // namespace documents
