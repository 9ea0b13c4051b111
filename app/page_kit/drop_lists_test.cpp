// Drop buttons and their popups' choices: what each button opens where (rectangles,
// entries, the side's and the page's filters), where a choice lands and what
// follows it ("全部", the quick dates, the pages' own follow-ups); the deletable
// lists and the price forms' product fill on the real Datavane.dll.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drop_buttons.h"
#include "drop_choices.h"
#include "drop_list_store.h"
#include "form_fill.h"
#include "memory_fields.h"
#include "test_support/datavane_dll.h"

namespace pagekit {
namespace {

using Kind = MemoryFields::Kind;

const RECT kWindow = {100, 50, 1100, 750};

const wchar_t* NameOf(DropPopup popup) {
  switch (popup) {
    case DropPopup::kDropList:
      return L"list";
    case DropPopup::kDeletableList:
      return L"deletable";
    case DropPopup::kProductPicker:
      return L"products";
    case DropPopup::kCategoryPicker:
      return L"categories";
  }
  return L"?";
}

// "kind table column,column(hidden=value) | fixed a,b,c", as GBK text of the plan.
std::string Entries(const DropPopupPlan& plan) {
  std::string text = plan.fixedEntries ? "fixed" : plan.table;
  for (size_t i = 0; i < plan.entries.size(); ++i) {
    const DataField& entry = plan.entries[i];
    text += i == 0 ? " " : ",";
    if (plan.fixedEntries) {
      text += (i == 0 ? entry.name + ": " : "") + entry.value;
    } else {
      text += entry.hidden ? "(" + entry.name + "=" + entry.value + ")" : entry.name;
    }
  }
  return text;
}

struct ButtonCase {
  const wchar_t* button;
  PageSide side;
  std::vector<std::pair<const wchar_t*, const wchar_t*>> window;  // further controls and their texts
  const wchar_t* popup;
  const char* entries;
  RECT rect;  // for a field at 200,100 to 320,124 in the window
};

// Each button with its field at (200,100)-(320,124): left 100+200-1, top 50+100+30,
// right 100+320+21 (+100 for the product picker), bottom top+150.
TEST(DropButtons, EachButtonOpensItsPopupUnderItsField) {
  const RECT kList = {299, 180, 441, 330};
  const RECT kPicker = {299, 180, 541, 330};
  const ButtonCase cases[] = {
      {L"hpkc_find_drop", PageSide::kSales, {}, L"products", "", kPicker},
      {L"HPKC_FIND_DROP", PageSide::kSales, {}, L"products", "", kPicker},
      {L"kctjbg_edit_product_drop", PageSide::kSales, {}, L"products", "", kPicker},
      {L"gyshtj_new_product_drop", PageSide::kPurchase, {}, L"products", "", kPicker},
      {L"hpkc_tpye_drop", PageSide::kSales, {}, L"categories", "", kList},
      {L"kctjbg_edit_type_drop", PageSide::kSales, {}, L"categories", "", kList},
      {L"xsd_ywy_drop", PageSide::kSales, {}, L"deletable", "", kList},
      {L"fkd_new_ywy_drop", PageSide::kPurchase, {}, L"deletable", "", kList},
      {L"dkhpfj_new_custom_drop", PageSide::kPurchase, {}, L"list", "J4_Customer_Data 客户名称,(类型=客户)", kList},
      {L"ysdzd_edit_custom_drop", PageSide::kPurchase, {}, L"list", "J4_Customer_Data 客户名称,(类型=客户)", kList},
      {L"gyshtj_edit_custom_drop", PageSide::kSales, {}, L"list", "J4_Customer_Data 客户名称,(类型=供应商)", kList},
      {L"fkd_edit_gys_drop", PageSide::kSales, {}, L"list", "J4_Customer_Data 客户名称,(类型=供应商)", kList},
      // The same list of customers on the sales side, of suppliers on the purchase side.
      {L"xsd_custom_drop", PageSide::kSales, {}, L"list", "J4_Customer_Data 客户名称,(类型=客户)", kList},
      {L"xsd_custom_drop", PageSide::kPurchase, {}, L"list", "J4_Customer_Data 客户名称,(类型=供应商)", kList},
      {L"xsydd_custom_drop", PageSide::kPurchase, {}, L"list", "J4_Customer_Data 客户名称,(类型=供应商)", kList},
      {L"khyqk_kehu_drop", PageSide::kPurchase, {}, L"list", "J4_Customer_Data 客户名称,(类型=供应商)", kList},
      {L"ysqkmx_edit_custom_drop", PageSide::kSales, {}, L"list", "J4_Customer_Data 客户名称,(类型=客户)", kList},
      {L"ysqkbg_edit_custom_drop",
       PageSide::kPurchase,
       {{L"ysqkbg_caption", L"应收款查询(按客户)"}},
       L"list",
       "J4_Customer_Data 客户名称,(类型=客户)",
       kList},
      {L"ysqkbg_edit_custom_drop",
       PageSide::kSales,
       {{L"ysqkbg_caption", L"应付款查询"}},
       L"list",
       "J4_Customer_Data 客户名称,(类型=供应商)",
       kList},
      {L"zjls_edit_custom_drop",
       PageSide::kPurchase,
       {{L"zjls_label_project", L"收入项目:"}},
       L"list",
       "J4_Customer_Data 客户名称,(类型=客户)",
       kList},
      {L"zjls_edit_custom_drop",
       PageSide::kSales,
       {{L"zjls_label_project", L"支出项目:"}},
       L"list",
       "J4_Customer_Data 客户名称,(类型=供应商)",
       kList},
      {L"zjls_edit_project_drop",
       PageSide::kSales,
       {{L"zjls_label_project", L"收入项目:"}},
       L"list",
       "J4_Account_Item 项目名称,(项目类别=收入)",
       kList},
      {L"zjls_edit_project_drop",
       PageSide::kSales,
       {{L"zjls_label_project", L"支出项目:"}},
       L"list",
       "J4_Account_Item 项目名称,(项目类别=支出)",
       kList},
      {L"zjtjbg_edit_project_drop",
       PageSide::kSales,
       {{L"zjtjbg_edit_type", L""}},
       L"list",
       "J4_Account_Item 项目名称",
       kList},
      {L"zjtjbg_edit_project_drop",
       PageSide::kSales,
       {{L"zjtjbg_edit_type", L"收入"}},
       L"list",
       "J4_Account_Item 项目名称,(项目类别=收入)",
       kList},
      {L"xstjbg_edit_custom_drop",
       PageSide::kSales,
       {{L"xstjbg_caption", L"销售汇总表(商品)"}},
       L"list",
       "J4_Product_Data 商品名称",
       kList},
      {L"xstjbg_edit_custom_drop",
       PageSide::kSales,
       {{L"xstjbg_caption", L"销售汇总表(业务员)"}},
       L"list",
       "J4_Saler name",
       kList},
      {L"xstjbg_edit_custom_drop",
       PageSide::kSales,
       {{L"xstjbg_caption", L"销售汇总表(客户)"}},
       L"list",
       "J4_Customer_Data 客户名称,(类型=客户)",
       kList},
      // The profit report's detail: by its type, the product picker placed like a list.
      {L"lrtjbg_edit_type_detail_drop",
       PageSide::kSales,
       {{L"lrtjbg_edit_type", L"按客户"}},
       L"list",
       "J4_Customer_Data 客户名称,(类型=客户)",
       kList},
      {L"lrtjbg_edit_type_detail_drop", PageSide::kSales, {{L"lrtjbg_edit_type", L"按商品"}}, L"products", "", kList},
      {L"ysqkbg_edit_date_drop", PageSide::kSales, {}, L"list", "fixed 日期: 今日,本月,本年,自定义", kList},
      {L"xsydd_edit_find_date_drop", PageSide::kSales, {}, L"list", "fixed 日期: 今日,本月,本年,自定义", kList},
      {L"zjls_edit_quick_date_drop", PageSide::kSales, {}, L"list", "fixed 日期: 今日,本月,本年,自定义", kList},
      {L"lrtjbg_edit_type_drop", PageSide::kSales, {}, L"list", "fixed 类型: 按客户,按商品", kList},
      {L"zjtjbg_edit_type_drop", PageSide::kSales, {}, L"list", "fixed 类型: 全部,收入,支出", kList},
      {L"kcyjbg_edit_status_drop", PageSide::kSales, {}, L"list", "fixed 状态: 全部,超出,短缺", kList},
      // Two fields sit lower or closer: their own heights.
      {L"szxm_edit_xmlx_drop", PageSide::kSales, {}, L"list", "fixed 类型: 收入,支出", {299, 175, 441, 255}},
      {L"xsd_type_drop", PageSide::kSales, {}, L"list", "fixed 类型: 全部,销售出货,销售退货", {299, 180, 441, 270}},
      {L"xsd_type_drop", PageSide::kPurchase, {}, L"list", "fixed 类型: 全部,采购进货,采购退货", {299, 180, 441, 270}},
  };
  for (const ButtonCase& c : cases) {
    MemoryFields fields;
    fields.Add(c.button);
    for (const auto& control : c.window) {
      fields.Add(control.first);
      fields.SetText(control.first, control.second);
    }
    DropPopupPlan plan;
    // The field: the button's name less "_drop", or the party page's customer filter.
    std::wstring field = FieldOfDropButton(c.button);
    if (_wcsicmp(c.button, L"khyqk_kehu_drop") == 0) field = L"khyqk_edit_kehu";
    if (_wcsicmp(c.button, L"hpkc_tpye_drop") == 0) field = L"hpkc_edit_type";
    if (_wcsicmp(c.button, L"hpkc_find_drop") == 0) field = L"hpkc_edit_find";
    fields.Add(field, Kind::kEdit);
    fields.SetAttribute(field, L"pos", L"200,100,320,124");
    ASSERT_TRUE(PlanDropPopup(fields, c.side, c.button, kWindow, &plan)) << c.button;
    EXPECT_EQ(field, plan.field) << c.button;
    EXPECT_STREQ(c.popup, NameOf(plan.popup)) << c.button;
    EXPECT_EQ(c.entries, Entries(plan)) << c.button;
    EXPECT_EQ(c.rect.left, plan.rect.left) << c.button;
    EXPECT_EQ(c.rect.top, plan.rect.top) << c.button;
    EXPECT_EQ(c.rect.right, plan.rect.right) << c.button;
    EXPECT_EQ(c.rect.bottom, plan.rect.bottom) << c.button;
  }
}

// A button whose field is missing or hidden, a button of no table, the profit
// detail before a type, and the product form's own buttons open nothing here.
TEST(DropButtons, NothingOpensWithoutAFieldOrAnOffer) {
  MemoryFields fields;
  for (const wchar_t* name : {L"xsd_ywy_drop", L"szxm_edit_xmlx_drop", L"lrtjbg_edit_type_detail_drop",
                              L"hpkc_new_jldw_drop", L"hpkc_new_hplb_drop", L"hpkc_new_ywdw_drop", L"other_drop"})
    fields.Add(name);
  fields.Add(L"szxm_edit_xmlx", Kind::kEdit);
  fields.SetVisible(L"szxm_edit_xmlx", false);
  for (const wchar_t* field : {L"lrtjbg_edit_type_detail", L"hpkc_new_jldw", L"hpkc_new_hplb", L"hpkc_new_ywdw",
                               L"other", L"lrtjbg_edit_type"})
    fields.Add(field, Kind::kEdit);
  DropPopupPlan plan;
  for (const wchar_t* button :
       {L"xsd_ywy_drop", L"szxm_edit_xmlx_drop", L"lrtjbg_edit_type_detail_drop", L"hpkc_new_jldw_drop",
        L"hpkc_new_hplb_drop", L"hpkc_new_ywdw_drop", L"other_drop", L"zjls_edit_custom_drop"})
    EXPECT_FALSE(PlanDropPopup(fields, PageSide::kSales, button, kWindow, &plan)) << button;
  fields.SetText(L"lrtjbg_edit_type", L"按月");
  EXPECT_FALSE(PlanDropPopup(fields, PageSide::kSales, L"lrtjbg_edit_type_detail_drop", kWindow, &plan));
  fields.SetText(L"lrtjbg_edit_type", L"按商品");
  EXPECT_TRUE(PlanDropPopup(fields, PageSide::kSales, L"lrtjbg_edit_type_detail_drop", kWindow, &plan));
}

SYSTEMTIME Day(WORD year, WORD month, WORD day) {
  SYSTEMTIME t{};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  return t;
}

std::wstring DateText(const MemoryFields& fields, const wchar_t* name) {
  SYSTEMTIME t{};
  if (!fields.Date(name, &t)) return L"none";
  wchar_t text[16];
  std::swprintf(text, 16, L"%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
  return text;
}

// The fields every choice case starts from: edits reading "old", dates on 2020-06-15.
const wchar_t* const kChoiceEdits[] = {L"xsd_custom",         L"khyqk_edit_kehu",      L"khyqk_kehu",
                                       L"xsd_type",           L"zjtjbg_edit_type",     L"zjtjbg_edit_project",
                                       L"kcyjbg_edit_status", L"lrtjbg_edit_type",     L"lrtjbg_edit_type_detail",
                                       L"xsd_edit_find_date", L"zjls_edit_quick_date", L"ysqkmx_edit_date",
                                       L"hpkc_edit_type",     L"hpkc_new_hplb",        L"hpkc_edit_find",
                                       L"hpkc_find"};
const wchar_t* const kChoiceDates[] = {L"xsd_date_find_start", L"xsd_date_find_end", L"zjls_date_start",
                                       L"zjls_date_end",       L"ysqkmx_date_start", L"ysqkmx_date_end"};

MemoryFields ChoiceFields() {
  MemoryFields fields;
  for (const wchar_t* edit : kChoiceEdits) {
    fields.Add(edit, Kind::kEdit);
    fields.SetText(edit, L"old");
  }
  for (const wchar_t* date : kChoiceDates) {
    fields.Add(date, Kind::kDate);
    fields.SetDate(date, Day(2020, 6, 15));
  }
  return fields;
}

struct ChoiceCase {
  const wchar_t* owner;
  const wchar_t* text;
  DropChoice outcome;
  // "field=text" of the fields that changed, in ChoiceFields' order.
  const wchar_t* changed;
};

std::wstring Changed(const MemoryFields& fields) {
  std::wstring text;
  for (const wchar_t* edit : kChoiceEdits) {
    if (fields.Text(edit) != L"old")
      text += (text.empty() ? L"" : L" ") + std::wstring(edit) + L"=" + fields.Text(edit);
  }
  for (const wchar_t* date : kChoiceDates) {
    if (DateText(fields, date) != L"2020-06-15")
      text += (text.empty() ? L"" : L" ") + std::wstring(date) + L"=" + DateText(fields, date);
  }
  return text;
}

TEST(DropChoices, TheOwnerNamesTheFieldAndItsFollowUp) {
  const ChoiceCase cases[] = {
      {L"xsd_custom_drop", L"张三", DropChoice::kWritten, L"xsd_custom=张三"},
      // Capitals match the table; the text goes into the field named as the owner is.
      {L"XSD_CUSTOM_DROP", L"张三", DropChoice::kWritten, L""},
      {L"xsd_custom_DROP", L"张三", DropChoice::kWritten, L"xsd_custom=张三"},
      {L"khyqk_kehu_drop", L"张三", DropChoice::kWritten, L"khyqk_edit_kehu=张三"},
      {L"KHYQK_KEHU_DROP", L"张三", DropChoice::kWritten, L"khyqk_edit_kehu=张三"},
      {L"missing_field_drop", L"张三", DropChoice::kWritten, L""},
      {L"xsd_custom", L"张三", DropChoice::kIgnored, L""},
      {L"_drop", L"张三", DropChoice::kIgnored, L""},
      // Quick dates: the choice, then its range; "自定义" leaves the dates.
      {L"xsd_edit_find_date_drop", L"本月", DropChoice::kWritten,
       L"xsd_edit_find_date=本月 xsd_date_find_start=2024-02-01 xsd_date_find_end=2024-02-29"},
      {L"zjls_edit_quick_date_drop", L"本年", DropChoice::kWritten,
       L"zjls_edit_quick_date=本年 zjls_date_start=2024-01-01 zjls_date_end=2024-12-31"},
      {L"ysqkmx_edit_date_DROP", L"今日", DropChoice::kWritten,
       L"ysqkmx_edit_date=今日 ysqkmx_date_start=2024-02-10 ysqkmx_date_end=2024-02-10"},
      {L"xsd_edit_find_date_drop", L"自定义", DropChoice::kWritten, L"xsd_edit_find_date=自定义"},
      // "全部" means no filter where the filter says so.
      {L"zjtjbg_edit_type_drop", L"全部", DropChoice::kWritten, L"zjtjbg_edit_type= zjtjbg_edit_project="},
      {L"zjtjbg_edit_type_drop", L"收入", DropChoice::kWritten, L"zjtjbg_edit_type=收入 zjtjbg_edit_project="},
      {L"ZJTJBG_EDIT_TYPE_DROP", L"全部", DropChoice::kWritten, L"zjtjbg_edit_project="},
      {L"kcyjbg_edit_status_drop", L"全部", DropChoice::kWritten, L"kcyjbg_edit_status="},
      {L"kcyjbg_edit_status_drop", L"短缺", DropChoice::kWritten, L"kcyjbg_edit_status=短缺"},
      {L"xsd_type_drop", L"全部", DropChoice::kWrittenPageFollows, L"xsd_type="},
      {L"xsd_type_drop", L"销售退货", DropChoice::kWrittenPageFollows, L"xsd_type=销售退货"},
      {L"lrtjbg_edit_type_drop", L"按商品", DropChoice::kWrittenPageFollows,
       L"lrtjbg_edit_type=按商品 lrtjbg_edit_type_detail="},
      // Elsewhere "全部" is a text like any other.
      {L"xsd_custom_drop", L"全部", DropChoice::kWritten, L"xsd_custom=全部"},
  };
  for (const ChoiceCase& c : cases) {
    MemoryFields fields = ChoiceFields();
    EXPECT_EQ(c.outcome, ApplyDropChoice(fields, c.owner, c.text, Day(2024, 2, 10))) << c.owner << " " << c.text;
    EXPECT_EQ(c.changed, Changed(fields)) << c.owner << " " << c.text;
  }
}

// Without its choice field a quick date's choice is not written and the dates stay.
TEST(DropChoices, AQuickDateWithoutItsChoiceFieldLeavesTheDates) {
  MemoryFields fields = ChoiceFields();
  fields.Remove(L"xsd_edit_find_date");
  EXPECT_EQ(DropChoice::kWritten, ApplyDropChoice(fields, L"xsd_edit_find_date_drop", L"今日", Day(2024, 2, 10)));
  EXPECT_EQ(L"2020-06-15", DateText(fields, L"xsd_date_find_start"));
  EXPECT_EQ(L"2020-06-15", DateText(fields, L"xsd_date_find_end"));
}

TEST(DropChoices, CategoryAndProductChoicesLandInTheirFields) {
  const struct {
    bool product;
    const wchar_t* owner;
    DropChoice outcome;
    const wchar_t* changed;
  } cases[] = {
      {false, L"hpkc_tpye_drop", DropChoice::kWritten, L"hpkc_edit_type=饮料"},
      {false, L"HPKC_TPYE_DROP", DropChoice::kWritten, L"hpkc_edit_type=饮料"},
      {false, L"hpkc_new_hplb_drop", DropChoice::kWritten, L"hpkc_new_hplb=饮料"},
      {false, L"hpkc_new_hplb", DropChoice::kIgnored, L""},
      {true, L"hpkc_find_drop", DropChoice::kWritten, L"hpkc_edit_find=饮料"},
      {true, L"Hpkc_Find_Drop", DropChoice::kWritten, L"hpkc_edit_find=饮料"},
      {true, L"xsd_custom_drop", DropChoice::kWritten, L"xsd_custom=饮料"},
      {true, L"item_reserve", DropChoice::kIgnored, L""},
  };
  for (const auto& c : cases) {
    MemoryFields fields = ChoiceFields();
    const DropChoice outcome = c.product ? ApplyProductChoice(fields, nullptr, c.owner, L"饮料")
                                         : ApplyCategoryChoice(fields, c.owner, L"饮料");
    EXPECT_EQ(c.outcome, outcome) << c.owner;
    EXPECT_EQ(c.changed, Changed(fields)) << c.owner;
  }
}

// ---- on the real library ------------------------------------------------------

class DropListsOnLibrary : public test::DatavaneDllTest {
 protected:
  void Insert(const char* table, std::vector<std::pair<const char*, const char*>> columns) {
    std::vector<DataField> values;
    for (const auto& c : columns) values.push_back(MakeDataField(c.first, c.second));
    ASSERT_EQ(0, data().InsertRecord(table, &values)) << table;
  }
  // The names a table holds, in stored order, joined by "|".
  std::string Names(const char* table) {
    std::vector<DataField> columns = {MakeDataField("name", "")};
    std::vector<std::vector<DataField>> rows;
    data().QueryRecords(table, &columns, &rows);
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) text += (i == 0 ? "" : "|") + rows[i].front().value;
    return text;
  }
  static std::wstring Joined(const std::vector<std::wstring>& names) {
    std::wstring text;
    for (const std::wstring& name : names) text += (text.empty() ? L"" : L"|") + name;
    return text;
  }
};

TEST_F(DropListsOnLibrary, OwnersChooseTheirSource) {
  const struct {
    const wchar_t* owner;
    DropListSource source;
  } cases[] = {{L"xsd_ywy_drop", DropListSource::kSalesmen},
               {L"FKD_NEW_YWY_DROP", DropListSource::kSalesmen},
               {L"hpkc_new_ywdw_drop", DropListSource::kBusinessUnits},
               {L"hpkc_new_ywdw", DropListSource::kBusinessUnits},
               {L"xsd_ywy", DropListSource::kNone},
               {L"xsd_custom_drop", DropListSource::kNone}};
  for (const auto& c : cases) EXPECT_EQ(c.source, DropListSourceOf(c.owner)) << c.owner;
}

TEST_F(DropListsOnLibrary, BusinessUnitsAreOfferedOnceEachAndDeletedByName) {
  Insert("J4_LogicalUnit", {{"name", "箱"}, {"name_basic", "瓶"}, {"value", "12"}, {"product", "可乐"}});
  Insert("J4_LogicalUnit", {{"name", ""}, {"name_basic", "瓶"}, {"value", "6"}, {"product", "雪碧"}});
  Insert("J4_LogicalUnit", {{"name", "O'箱"}, {"name_basic", "个"}, {"value", "10"}, {"product", "杯"}});
  Insert("J4_LogicalUnit", {{"name", "箱"}, {"name_basic", "瓶"}, {"value", "24"}, {"product", "雪碧"}});
  DropListStore store(data());
  EXPECT_EQ(L"箱|O'箱", Joined(store.Entries(DropListSource::kBusinessUnits)));
  // Deleting a name deletes every product's row of it; a name of no row deletes nothing.
  EXPECT_EQ(StoreResult::kDone, store.Delete(DropListSource::kBusinessUnits, L"箱"));
  EXPECT_EQ("|O'箱", Names("J4_LogicalUnit"));
  EXPECT_EQ(StoreResult::kNotFound, store.Delete(DropListSource::kBusinessUnits, L"箱"));
  EXPECT_EQ(StoreResult::kDone, store.Delete(DropListSource::kBusinessUnits, L"O'箱"));
  EXPECT_EQ(L"", Joined(store.Entries(DropListSource::kBusinessUnits)));
}

TEST_F(DropListsOnLibrary, SalesmenAreDeletedFromEitherSalesmanField) {
  for (const char* name : {"张三", "李四", "王五"}) Insert("J4_Saler", {{"name", name}});
  DropListStore store(data());
  EXPECT_EQ(L"张三|李四|王五", Joined(store.Entries(DropListSourceOf(L"fkd_new_ywy_drop"))));
  // The payment form's list deletes as the bill's does.
  EXPECT_EQ(StoreResult::kDone, store.Delete(DropListSourceOf(L"fkd_new_ywy_drop"), L"李四"));
  EXPECT_EQ(StoreResult::kDone, store.Delete(DropListSourceOf(L"xsd_ywy_drop"), L"张三"));
  EXPECT_EQ("王五", Names("J4_Saler"));
  EXPECT_EQ(StoreResult::kNotFound, store.Delete(DropListSource::kSalesmen, L"张三"));
  EXPECT_EQ(StoreResult::kNotFound, store.Delete(DropListSource::kSalesmen, L"x' or '1'='1"));
  EXPECT_EQ(StoreResult::kTextNotStorable, store.Delete(DropListSource::kSalesmen, L"王五\u0e01"));
  EXPECT_EQ(StoreResult::kRefused, store.Delete(DropListSource::kNone, L"王五"));
  EXPECT_EQ("王五", Names("J4_Saler"));
}

// A product chosen in a price form brings its unit and list prices; the product
// picker's choice under the form's product button does the same.
TEST_F(DropListsOnLibrary, PriceFormsTakeTheChosenProductsUnitAndPrices) {
  // Inserts are by column position: name, category, unit, purchase, retail, wholesale price.
  Insert("J4_Product_Data", {{"商品名称", "可乐"},
                             {"商品类别", ""},
                             {"计量单位", "瓶"},
                             {"进货价", "2.00"},
                             {"零售价", "3.00"},
                             {"批发价", "2.50"}});
  Insert("J4_Product_Data", {{"商品名称", "O'Brien's 茶"},
                             {"商品类别", ""},
                             {"计量单位", "盒"},
                             {"进货价", "7.00"},
                             {"零售价", "9.50"},
                             {"批发价", "8.00"}});
  MemoryFields fields;
  for (const wchar_t* name : {L"layout_dkhpfj_new", L"layout_gyshtj_new"}) {
    fields.Add(name);
    fields.SetVisible(name, false);
  }
  for (const wchar_t* edit : {L"dkhpfj_new_product", L"dkhpfj_new_unit", L"dkhpfj_new_pfj", L"dkhpfj_new_lsj",
                              L"gyshtj_new_product", L"gyshtj_new_unit", L"gyshtj_new_pfj", L"gyshtj_new_lsj"})
    fields.Add(edit, Kind::kEdit);

  EXPECT_EQ(DropChoice::kWritten, ApplyProductChoice(fields, &data(), L"dkhpfj_new_product_drop", L"O'Brien's 茶"));
  EXPECT_EQ(L"O'Brien's 茶", fields.Text(L"dkhpfj_new_product"));
  EXPECT_EQ(L"盒", fields.Text(L"dkhpfj_new_unit"));
  EXPECT_EQ(L"8.00", fields.Text(L"dkhpfj_new_pfj"));
  EXPECT_EQ(L"9.50", fields.Text(L"dkhpfj_new_lsj"));
  EXPECT_TRUE(fields.Visible(L"layout_dkhpfj_new"));
  EXPECT_EQ(L"", fields.Text(L"gyshtj_new_unit"));

  EXPECT_EQ(DropChoice::kWritten, ApplyProductChoice(fields, &data(), L"GYSHTJ_NEW_PRODUCT_DROP", L"可乐"));
  EXPECT_EQ(L"瓶", fields.Text(L"gyshtj_new_unit"));
  EXPECT_EQ(L"2.50", fields.Text(L"gyshtj_new_pfj"));
  EXPECT_EQ(L"3.00", fields.Text(L"gyshtj_new_lsj"));

  // The list's own product filter takes the name and no prices.
  EXPECT_EQ(DropChoice::kWritten, ApplyProductChoice(fields, &data(), L"dkhpfj_edit_product_drop", L"可乐"));
  EXPECT_EQ(L"盒", fields.Text(L"dkhpfj_new_unit"));

  // A product of no stored row changes nothing.
  FillTradePriceProduct(fields, data(), L"没有的商品");
  EXPECT_EQ(L"盒", fields.Text(L"dkhpfj_new_unit"));
  FillContractPriceProduct(fields, data(), L"可乐\u0e01");
  EXPECT_EQ(L"瓶", fields.Text(L"gyshtj_new_unit"));
}

}  // namespace
}  // namespace pagekit
