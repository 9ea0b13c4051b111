// The product page's frame without a window: its tab and panel, the owner's
// buttons hidden from everyone else; its report buttons open their reports by
// name; every other button of the page says it is not built yet, captioned with
// the button's text, else its tip; names that are not the page's are left to
// others.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "product_page.h"
#include "test_support/memory_host.h"
#include "test_support/dialog_answers.h"

namespace {

using pagekit::MemoryFields;
using pagekit::test::MemoryHost;
using shelltest::MessageBoxRecorder;

const wchar_t* const kOwnerButtons[] = {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_operate", L"hpkc_report"};
const wchar_t* const kEveryonesControls[] = {L"hpkc_btn_add_type", L"sel_all_listhpkc", L"listhpkc", L"hpkc_list_type"};

void DeclareLayout(MemoryFields& fields) {
  for (const wchar_t* name : kOwnerButtons) fields.Add(name);
  for (const wchar_t* name : kEveryonesControls) fields.Add(name);
  fields.SetText(L"hpkc_btn_new_product", L"新增商品");
  fields.SetText(L"hpkc_btn_add_type", L"");
  fields.SetAttribute(L"hpkc_btn_add_type", L"tooltip", L"添加类别");
  fields.Add(L"hpkc_btn_batch_del");
  fields.SetText(L"hpkc_btn_batch_del", L"批量删除");
}

TEST(ProductPage, OpensItsPanelAndHidesTheOwnerButtonsFromTheClerk) {
  for (bool owner : {true, false}) {
    MemoryHost host(nullptr, pagekit::Session{owner ? L"老板" : L"营业员", owner});
    DeclareLayout(host.fields);
    host.side = pagekit::PageSide::kPurchase;
    masterdata::ProductPage page;
    page.Open(host, L"商品");
    EXPECT_EQ(std::vector<std::wstring>{L"tab 商品 mid_hpkc"}, host.calls);
    for (const wchar_t* name : kOwnerButtons) EXPECT_EQ(owner, host.fields.Visible(name)) << owner;
    for (const wchar_t* name : kEveryonesControls) EXPECT_TRUE(host.fields.Visible(name)) << owner;
    EXPECT_EQ(pagekit::PageSide::kPurchase, host.side) << "the page keeps the side";
  }
}

TEST(ProductPage, ItsButtonsOpenReportsOrSayTheyAreNotBuilt) {
  struct Case {
    const wchar_t* click;
    bool taken;
    std::vector<std::wstring> calls;  // what the page asked of the frame
    std::vector<std::wstring> boxes;
  } cases[] = {
      {L"hpkc_btn_report_kcyj", true, {L"page 库存预警"}, {}},
      {L"HPKC_BTN_REPORT_KCTJ", true, {L"page 库存统计表"}, {}},
      // The caption is the button's text, else its tip, else "提示".
      {L"hpkc_btn_batch_del", true, {}, {L"批量删除|功能开发中,敬请期待"}},
      {L"hpkc_btn_add_type", true, {}, {L"添加类别|功能开发中,敬请期待"}},
      {L"hpkc_btn_new_product", true, {}, {L"新增商品|功能开发中,敬请期待"}},
      {L"hpkc_btn_find", true, {}, {L"提示|功能开发中,敬请期待"}},
      {L"hpkc_btn_import", true, {}, {L"提示|功能开发中,敬请期待"}},
      // Not the page's.
      {L"hpkc", false, {}, {}},
      {L"khyqk_btn_find", false, {}, {}},
      {L"listhpkc", false, {}, {}},
  };
  for (const Case& c : cases) {
    MemoryHost host;
    DeclareLayout(host.fields);
    masterdata::ProductPage page;
    MessageBoxRecorder boxes;
    pagekit::PageEvent click;
    click.sender = c.click;
    EXPECT_EQ(c.taken, page.OnEvent(host, click)) << c.click;
    EXPECT_EQ(c.calls, host.calls) << c.click;
    EXPECT_EQ(c.boxes, MessageBoxRecorder::Boxes()) << c.click;
  }
  // Only clicks: a list notification naming a button is not the page's.
  MemoryHost host;
  masterdata::ProductPage page;
  pagekit::PageEvent change;
  change.kind = pagekit::EventKind::kSelectChanged;
  change.sender = L"hpkc_btn_find";
  EXPECT_FALSE(page.OnEvent(host, change));
}

}  // namespace
