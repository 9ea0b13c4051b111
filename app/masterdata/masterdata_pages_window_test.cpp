// The party, price and item pages in the real main window with the program's
// skin: their routes open their panels, a real click on a page's button reaches
// it, the party page's captions follow the side, and lists fill from the library.
// Pictures of each page go to TARVEL_SHOT_DIR when it is set.
#include <gtest/gtest.h>

#include "controls/list.h"
#include "controls/node_list.h"
#include "core/paint_manager.h"
#include "library_binding.h"
#include "test_support/main_window.h"
#include "test_support/window_shot.h"

namespace masterdata {
namespace {

using shelltest::Click;
using shelltest::Pump;

class MasterdataPagesWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::vector<DataField> party = {MakeDataField("客户名称", "张三商行"),
                                    MakeDataField("类型", "客户"),
                                    MakeDataField("联系人", "张三"),
                                    MakeDataField("联系电话", "13800000000"),
                                    MakeDataField("传真", ""),
                                    MakeDataField("QQ", ""),
                                    MakeDataField("邮箱", ""),
                                    MakeDataField("地址", ""),
                                    MakeDataField("邮编", ""),
                                    MakeDataField("当前应收款", "120.50"),
                                    MakeDataField("初始应收款", "0.00"),
                                    MakeDataField("备注", ""),
                                    MakeDataField("操作人", "老板")};
    g_dataObject->InsertRecord("J4_Customer_Data", &party);
    std::vector<DataField> item = {MakeDataField("项目名称", "房租"), MakeDataField("项目类别", "支出")};
    g_dataObject->InsertRecord("J4_Account_Item", &item);
  }

  std::wstring Text(shelltest::MainWindow& window, const wchar_t* name) {
    SkinUI::CControlUI* control = window.Find(name);
    return control != nullptr ? control->GetText().GetData() : L"<none>";
  }
  int Rows(shelltest::MainWindow& window, const wchar_t* list) {
    SkinUI::CControlUI* control = window.Find(list);
    auto* rows = control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
    return rows != nullptr ? rows->GetCount() : -1;
  }
  void Open(shelltest::MainWindow& window, const wchar_t* page) {
    window.frame().ShowPage(page);
    Pump(200);
  }
};

TEST_F(MasterdataPagesWindowTest, PartyPageOnBothSides) {
  shelltest::MainWindow window("老板");
  window.Show();
  ::SetWindowPos(window.hwnd(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER | SWP_NOACTIVATE);
  Open(window, L"客户");
  ASSERT_TRUE(window.Find(L"mid_khyqk")->IsVisible());
  EXPECT_EQ(L"客户", Text(window, L"khyqk_caption"));
  EXPECT_EQ(L"总应收款:", Text(window, L"khyqk_all_need_to_recv"));
  EXPECT_EQ(3, Rows(window, L"listkhyqk"));
  EXPECT_EQ(L"120.50", Text(window, L"khyqk_money"));
  Click(window.hwnd(), window.Find(L"khyqk_new_custom"));
  Pump(100);
  EXPECT_TRUE(window.Find(L"layout_khyqk_new_custom")->IsVisible());
  shelltest::SaveWindowShot(window.hwnd(), "party_customers");

  Open(window, L"应付账款");
  EXPECT_EQ(L"供应商", Text(window, L"khyqk_caption"));
  EXPECT_EQ(L"总应付款:", Text(window, L"khyqk_all_need_to_recv"));
  EXPECT_EQ(L"供应商名称(*):", Text(window, L"khyqk_mc"));
  EXPECT_EQ(1, Rows(window, L"listkhyqk"));
  EXPECT_FALSE(window.Find(L"layout_khyqk_new_custom")->IsVisible());
  shelltest::SaveWindowShot(window.hwnd(), "party_suppliers");
}

TEST_F(MasterdataPagesWindowTest, PricePagesAndItemPage) {
  shelltest::MainWindow window("老板");
  window.Show();
  ::SetWindowPos(window.hwnd(), nullptr, 0, 0, 1100, 800, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& page : {std::make_pair(L"销售批发价", L"dkhpfj"), std::make_pair(L"供应商合同价", L"gyshtj")}) {
    Open(window, page.first);
    const std::wstring prefix = page.second;
    ASSERT_TRUE(window.Find((L"mid_" + prefix).c_str())->IsVisible()) << prefix;
    Click(window.hwnd(), window.Find((prefix + L"_add").c_str()));
    Pump(100);
    EXPECT_TRUE(window.Find((L"layout_" + prefix + L"_new").c_str())->IsVisible());
    shelltest::SaveWindowShot(window.hwnd(), prefix == L"dkhpfj" ? "price_trade" : "price_contract");
  }
  Open(window, L"收支项目");
  ASSERT_TRUE(window.Find(L"mid_szxm")->IsVisible());
  EXPECT_GE(Rows(window, L"listszxm"), 1);
  auto* types = dynamic_cast<SkinUI::CNodeListUI*>(window.Find(L"szxm_list_type"));
  ASSERT_NE(nullptr, types);
  EXPECT_EQ(3, types->GetNodeCount());
  Click(window.hwnd(), window.Find(L"szxm_btn_new"));
  Pump(100);
  EXPECT_TRUE(window.Find(L"layout_szxm_new")->IsVisible());
  shelltest::SaveWindowShot(window.hwnd(), "account_items");
}

}  // namespace
}  // namespace masterdata
