// The product page's wiring in the main window built from the packed skin, for the
// owner and the clerk: the router's "商品" opens its tab and its one panel, the
// clerk loses the owner's buttons, and a real click on one of its buttons reaches
// the page, which says that the operation is not built yet. What the page does is
// tested without a window (product_page_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/page_probe.h"
#include "test_support/shell_doubles.h"
#include "text_conversion.h"

namespace {

using shelltest::MainWindow;
using shelltest::MessageBoxRecorder;
using shelltest::TabStrip;
using shelltest::VisiblePanels;

const char* const kAccounts[] = {"老板", "营业员"};

TEST(ModulePages, TheProductPageHidesTheOwnerButtonsFromTheClerk) {
  for (const char* account : kAccounts) {
    MainWindow main(account);
    const bool owner = main.frame().CurrentSession().owner;
    main.frame().ShowPage(L"商品");
    EXPECT_EQ(L"首页,[商品]", TabStrip(main.frame())) << account;
    EXPECT_EQ(L"mid_hpkc", VisiblePanels(main.frame())) << account;
    for (const wchar_t* name : {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_operate", L"hpkc_report"}) {
      ASSERT_NE(nullptr, main.Find(name)) << name;
      EXPECT_EQ(owner, main.Find(name)->IsVisible()) << account << " " << shell::AnsiFromWide(name);
    }
    // What every user may do stays.
    for (const wchar_t* name : {L"hpkc_btn_add_type", L"sel_all_listhpkc", L"listhpkc", L"hpkc_list_type"})
      EXPECT_TRUE(main.Find(name)->IsVisible()) << account << " " << shell::AnsiFromWide(name);
  }
}

TEST(ProductPageWiring, AClickOnAButtonNotBuiltYetSaysSo) {
  MainWindow main("老板");
  main.Show();
  main.frame().ShowPage(L"商品");
  shelltest::Pump(100);
  struct Case {
    const wchar_t* button;
    const wchar_t* box;
  } cases[] = {
      {L"hpkc_btn_batch_del", L"批量删除|功能开发中,敬请期待"},
      {L"hpkc_btn_add_type", L"+|功能开发中,敬请期待"},
  };
  for (const Case& c : cases) {
    MessageBoxRecorder boxes;
    shelltest::Click(main.hwnd(), main.Find(c.button));
    shelltest::Pump(150);
    EXPECT_EQ(std::vector<std::wstring>{c.box}, MessageBoxRecorder::Boxes()) << shell::AnsiFromWide(c.button);
  }
}

}  // namespace
