// The master data saves on the real Datavane.dll, from plain inputs: the order of
// the checks with their tooltips, what is stored and how, what a refused save
// leaves alone, and that an opened record's save keeps stock and balances that a
// bill posted meanwhile.
#include <gtest/gtest.h>

#include <functional>

#include "account_item_save.h"
#include "category_edit.h"
#include "data_store.h"
#include "masterdata_test_shop.h"
#include "party_save.h"
#include "price_save.h"
#include "product_save.h"

namespace masterdata {
namespace {

using test::MasterdataShopTest;

ProductForm NewProductForm() {
  ProductForm form;
  form.name = L"香蕉";
  form.category = L"水果";
  form.unit = L"把";
  form.purchasePrice = L"3";
  form.retailPrice = L"5.5";
  form.wholesalePrice = L"4.126";
  form.currentStock = L"8";
  form.initialStock = L"8";
  form.lowestStock = L"abc";
  form.highestStock = L"";
  form.remark = L"进口";
  return form;
}

// ---- products ----

struct ProductRefusal {
  const char* label;
  std::function<void(ProductForm&)> change;
  const wchar_t* field;
  const wchar_t* message;
};

TEST_F(MasterdataShopTest, ProductChecksRunInOrderAndWriteNothing) {
  const ProductRefusal cases[] = {
      {"empty name", [](ProductForm& f) { f.name.clear(); }, L"hpkc_new_pmgg", L"请输入商品名称！"},
      {"empty name before the units",
       [](ProductForm& f) {
         f.name.clear();
         f.unit.clear();
         f.businessUnit = L"箱";
       },
       L"hpkc_new_pmgg", L"请输入商品名称！"},
      {"business unit without basic unit",
       [](ProductForm& f) {
         f.unit.clear();
         f.businessUnit = L"箱";
         f.rate = L"12";
       },
       L"hpkc_new_jldw", L"业务单位存在时，基本单位不能为空！"},
      {"business unit without rate", [](ProductForm& f) { f.businessUnit = L"箱"; }, L"hpkc_new_hsl",
       L"业务单位存在时，转换率不能为空！"},
      {"rate without business unit", [](ProductForm& f) { f.rate = L"12"; }, L"hpkc_new_hsl",
       L"业务单位不存在时，转换率必须为空！"},
      {"rate 0",
       [](ProductForm& f) {
         f.businessUnit = L"箱";
         f.rate = L"0";
       },
       L"hpkc_new_hsl", L"转换率必须是大于0的数字！"},
      {"rate abc",
       [](ProductForm& f) {
         f.businessUnit = L"箱";
         f.rate = L"abc";
       },
       L"hpkc_new_hsl", L"转换率必须是大于0的数字！"},
      {"an existing name, with a cost and a business unit",
       [](ProductForm& f) {
         f.name = L"苹果";
         f.cost = L"9";
         f.businessUnit = L"筐";
         f.rate = L"20";
       },
       L"hpkc_new_pmgg", L"商品已存在，请重新输入商品名称！"},
  };
  const std::string before = DumpAll();
  for (const ProductRefusal& c : cases) {
    ProductSaveInput input{NewProductForm(), {}, L"老板"};
    c.change(input.form);
    const FormAnswer answer = SaveProduct(data(), input);
    EXPECT_FALSE(answer.saved) << c.label;
    EXPECT_EQ(c.field, answer.field) << c.label;
    EXPECT_EQ(c.message, answer.message) << c.label;
    EXPECT_EQ(before, DumpAll()) << c.label;
  }
}

TEST_F(MasterdataShopTest, NewProductIsStoredWithTwoDecimalsUnitAndCost) {
  ProductSaveInput input{NewProductForm(), {}, L"营业员"};
  input.form.cost = L"2.345";
  input.form.businessUnit = L"箱";
  input.form.rate = L"12";
  ASSERT_TRUE(SaveProduct(data(), input).saved);
  const Record row = StoredRow("J4_Product_Data", "商品名称", "香蕉");
  const char* const expected[] = {"香蕉", "水果", "把",   "3.00", "5.50", "4.13",  "4.13",
                                  "8.00", "8.00", "0.00", "0.00", "进口", "营业员"};
  ASSERT_EQ(13u, row.size());
  for (size_t i = 0; i < row.size(); ++i) EXPECT_EQ(expected[i], row[i].value) << row[i].name;
  EXPECT_EQ("2.35", StoredValue("J4_Product_CostPrice", "商品名称", "香蕉", "单位成本"));
  EXPECT_EQ("把", StoredValue("J4_Product_Unit", "计量单位", "把", "计量单位"));
  EXPECT_NE(std::string::npos, Dump("J4_LogicalUnit").find("箱|把|12.00|香蕉|"));
}

TEST_F(MasterdataShopTest, BusinessUnitRowsOfTheBasicUnitAreReplaced) {
  struct Step {
    const wchar_t* businessUnit;
    const wchar_t* rate;
    const char* rows;  // the product's rows afterwards
  };
  const Step steps[] = {
      {L"箱", L"12", "箱|把|12.00|香蕉|\n"},
      {L"盒", L"6", "盒|把|6.00|香蕉|\n"},
      {L"", L"", ""},
  };
  ProductSaveInput input{NewProductForm(), {}, L"老板"};
  for (const Step& step : steps) {
    input.form.businessUnit = step.businessUnit;
    input.form.rate = step.rate;
    ASSERT_TRUE(SaveProduct(data(), input).saved) << step.rows;
    input.editing = StoredRow("J4_Product_Data", "商品名称", "香蕉");
    std::string rows;
    for (const std::string& line : {std::string("箱|把|12.00|香蕉|\n"), std::string("盒|把|6.00|香蕉|\n")})
      if (Dump("J4_LogicalUnit").find(line) != std::string::npos) rows += line;
    EXPECT_EQ(step.rows, rows);
    EXPECT_EQ(std::string::npos, Dump("J4_LogicalUnit").find("||0.00|香蕉|")) << "no empty-named row";
  }
  EXPECT_NE(std::string::npos, Dump("J4_LogicalUnit").find("箱|瓶|24.00|可乐|")) << "other products keep theirs";
}

TEST_F(MasterdataShopTest, OpenedProductKeepsPostedStockUnlessStockWasTyped) {
  ProductSaveInput input{NewProductForm(), StoredRow("J4_Product_Data", "商品名称", "苹果"), L"老板"};
  input.form.name = L"苹果";
  input.form.unit = L"斤";
  input.form.currentStock = L"10.00";  // as the form showed it
  input.form.retailPrice = L"6";
  PostBill("XSD201412110001", "苹果", "3");
  ASSERT_EQ("7", StoredValue("J4_Product_Data", "商品名称", "苹果", "当前库存"));
  ASSERT_TRUE(SaveProduct(data(), input).saved);
  EXPECT_EQ("7", StoredValue("J4_Product_Data", "商品名称", "苹果", "当前库存"));
  EXPECT_EQ("6.00", StoredValue("J4_Product_Data", "商品名称", "苹果", "零售价"));

  input.editing = StoredRow("J4_Product_Data", "商品名称", "苹果");
  input.form.currentStock = L"20";
  ASSERT_TRUE(SaveProduct(data(), input).saved);
  EXPECT_EQ("20.00", StoredValue("J4_Product_Data", "商品名称", "苹果", "当前库存"));
}

TEST_F(MasterdataShopTest, OpenedProductRenamedTakesItsRowsAlongAndRefusesATakenName) {
  ProductSaveInput input{NewProductForm(), StoredRow("J4_Product_Data", "商品名称", "可乐"), L"老板"};
  input.form.unit = L"瓶";
  input.form.currentStock = L"-2";
  input.form.name = L"面包";
  const std::string before = DumpAll();
  const FormAnswer taken = SaveProduct(data(), input);
  EXPECT_EQ(L"商品已存在，请重新输入商品名称！", taken.message);
  EXPECT_EQ(before, DumpAll());

  input.form.name = L"百事可乐";
  input.form.businessUnit = L"箱";
  input.form.rate = L"24";
  ASSERT_TRUE(SaveProduct(data(), input).saved);
  EXPECT_TRUE(StoredRow("J4_Product_Data", "商品名称", "可乐").empty());
  EXPECT_EQ("-2", StoredValue("J4_Product_Data", "商品名称", "百事可乐", "当前库存"));
  EXPECT_EQ("2.00", StoredValue("J4_Product_CostPrice", "商品名称", "百事可乐", "单位成本"));
  EXPECT_NE(std::string::npos, Dump("J4_LogicalUnit").find("箱|瓶|24.00|百事可乐|"));
  EXPECT_EQ(std::string::npos, Dump("J4_LogicalUnit").find("|可乐|"));
}

TEST_F(MasterdataShopTest, BatchOperationsTouchOnlyTheNamedProducts) {
  ASSERT_TRUE(ChangeProductsCategory(data(), {L"苹果", L"面包"}, L"饮料"));
  EXPECT_EQ("饮料", StoredValue("J4_Product_Data", "商品名称", "苹果", "商品类别"));
  EXPECT_EQ("饮料", StoredValue("J4_Product_Data", "商品名称", "面包", "商品类别"));
  EXPECT_EQ("热带水果", StoredValue("J4_Product_Data", "商品名称", "芒果", "商品类别"));
  ASSERT_TRUE(DeleteProducts(data(), {L"苹果", L"O'Neil"}));
  EXPECT_TRUE(StoredRow("J4_Product_Data", "商品名称", "苹果").empty());
  EXPECT_FALSE(StoredRow("J4_Product_Data", "商品名称", "面包").empty());
}

// ---- parties ----

PartySaveInput PartyForm(const wchar_t* name, pagekit::PageSide side) {
  PartySaveInput input;
  const wchar_t* texts[12] = {name, L"随便", L"李四", L"13900000000", L"",   L"",
                              L"",  L"北京", L"",     L"50",          L"50", L"'备注'"};
  for (int i = 0; i < 12; ++i) input.texts[i] = texts[i];
  input.side = side;
  input.user = L"老板";
  return input;
}

TEST_F(MasterdataShopTest, PartySavesByTheirSide) {
  struct Case {
    const wchar_t* name;
    pagekit::PageSide side;
    bool saved;
    const wchar_t* message;
    const char* type;  // stored 类型 afterwards
  };
  const Case cases[] = {
      {L"", pagekit::PageSide::kSales, false, L"请输入客户名称！", nullptr},
      {L"", pagekit::PageSide::kPurchase, false, L"请输入供应商名称！", nullptr},
      {L"批发客户", pagekit::PageSide::kSales, false, L"系统内置的往来单位不能修改！", "客户"},
      {L"零散供应商", pagekit::PageSide::kSales, false, L"系统内置的往来单位不能修改！", "供应商"},
      {L"张三商行", pagekit::PageSide::kPurchase, false, L"该名称已存在，请重新输入！", "客户"},
      {L"李四批发", pagekit::PageSide::kSales, true, L"", "客户"},
      {L"王五工厂", pagekit::PageSide::kPurchase, true, L"", "供应商"},
  };
  for (const Case& c : cases) {
    const std::string before = DumpAll();
    const FormAnswer answer = SaveParty(data(), PartyForm(c.name, c.side));
    EXPECT_EQ(c.saved, answer.saved);
    EXPECT_EQ(c.message, answer.message);
    if (!c.saved) {
      EXPECT_EQ(L"khyqk_new_khmc", answer.field);
      EXPECT_EQ(before, DumpAll());
    }
    if (c.type != nullptr) {
      EXPECT_EQ(c.type, StoredValue("J4_Customer_Data", "客户名称", pagekit::LibraryText(c.name), "类型"));
    }
  }
  const Record row = StoredRow("J4_Customer_Data", "客户名称", "李四批发");
  ASSERT_EQ(13u, row.size());
  EXPECT_EQ("50.00", row[9].value);
  EXPECT_EQ("50.00", row[10].value);
  EXPECT_EQ("'备注'", row[11].value);
  EXPECT_EQ("老板", row[12].value);
}

TEST_F(MasterdataShopTest, OpenedPartyKeepsPostedBalanceUnlessBalanceWasTyped) {
  PartySaveInput input = PartyForm(L"张三商行", pagekit::PageSide::kSales);
  input.editing = StoredRow("J4_Customer_Data", "客户名称", "张三商行");
  input.texts[9] = L"100.00";
  Record posted = {Value("当前应收款", "160.00")};  // a bill of 60 on credit
  Record key = {Key("客户名称", "张三商行")};
  ASSERT_EQ(0, data().UpdateRecord("J4_Customer_Data", &posted, &key));
  ASSERT_TRUE(SaveParty(data(), input).saved);
  EXPECT_EQ("160.00", StoredValue("J4_Customer_Data", "客户名称", "张三商行", "当前应收款"));
  EXPECT_EQ("李四", StoredValue("J4_Customer_Data", "客户名称", "张三商行", "联系人"));

  input.editing = StoredRow("J4_Customer_Data", "客户名称", "张三商行");
  input.texts[9] = L"0";
  ASSERT_TRUE(SaveParty(data(), input).saved);
  EXPECT_EQ("0.00", StoredValue("J4_Customer_Data", "客户名称", "张三商行", "当前应收款"));
}

TEST_F(MasterdataShopTest, OpenedPartyMayBeRenamedButNotOntoAnother) {
  PartySaveInput input = PartyForm(L"批发客户", pagekit::PageSide::kSales);
  input.editing = StoredRow("J4_Customer_Data", "客户名称", "张三商行");
  input.texts[9] = L"100";
  const std::string before = DumpAll();
  EXPECT_EQ(L"系统内置的往来单位不能修改！", SaveParty(data(), input).message);
  EXPECT_EQ(before, DumpAll());
  input.texts[0] = L"张三贸易";
  ASSERT_TRUE(SaveParty(data(), input).saved);
  EXPECT_TRUE(StoredRow("J4_Customer_Data", "客户名称", "张三商行").empty());
  EXPECT_EQ("100.00", StoredValue("J4_Customer_Data", "客户名称", "张三贸易", "当前应收款"));
}

// ---- prices ----

TEST_F(MasterdataShopTest, PriceChecksFollowTheColumns) {
  struct Case {
    PriceBook book;
    const wchar_t* party;
    const wchar_t* product;
    const wchar_t* unit;
    const wchar_t* price;
    const wchar_t* field;
    const wchar_t* message;
    int width;
  };
  const Case cases[] = {
      {PriceBook::kTrade, L"", L"苹果", L"斤", L"3", L"dkhpfj_new_custom", L"客户名称不能为空！", 120},
      {PriceBook::kTrade, L"张三商行", L"", L"", L"0", L"dkhpfj_new_product", L"商品不能为空！", 120},
      {PriceBook::kTrade, L"张三商行", L"苹果", L"", L"3", L"dkhpfj_new_unit", L"单位不能为空！", 120},
      {PriceBook::kTrade, L"张三商行", L"苹果", L"斤", L"0", L"dkhpfj_new_dkhpfj", L"销售批发价不能为空！", 150},
      {PriceBook::kTrade, L"张三商行", L"苹果", L"斤", L"0.004", L"dkhpfj_new_dkhpfj", L"销售批发价不能为空！", 150},
      {PriceBook::kContract, L"", L"苹果", L"斤", L"3", L"gyshtj_new_custom", L"供应商名称不能为空！", 120},
      {PriceBook::kContract, L"零散供应商", L"苹果", L"斤", L"abc", L"gyshtj_new_gyshtj", L"供应商合同价不能为空！",
       150},
  };
  const std::string before = DumpAll();
  for (const Case& c : cases) {
    const FormAnswer answer = SavePrice(data(), {c.book, c.party, c.product, c.unit, c.price, {}});
    EXPECT_FALSE(answer.saved) << answer.field.size();
    EXPECT_EQ(c.field, answer.field);
    EXPECT_EQ(c.message, answer.message);
    EXPECT_EQ(c.width, answer.tipWidth);
  }
  EXPECT_EQ(before, DumpAll());
}

TEST_F(MasterdataShopTest, PricesOfAPairAreReplacedAndAnOpenedPriceMoves) {
  for (PriceBook book : {PriceBook::kTrade, PriceBook::kContract}) {
    const PriceBookNames& names = NamesOf(book);
    ASSERT_TRUE(SavePrice(data(), {book, L"张三商行", L"苹果", L"斤", L"3", {}}).saved);
    ASSERT_TRUE(SavePrice(data(), {book, L"张三商行", L"苹果", L"斤", L"3.5", {}}).saved);
    ASSERT_TRUE(SavePrice(data(), {book, L"批发客户", L"苹果", L"斤", L"2.8", {}}).saved);
    EXPECT_EQ(std::string(names.table) + ":\n批发客户|苹果|斤|2.80|\n张三商行|苹果|斤|3.50|\n", Dump(names.table));

    // The opened 张三商行 price saved for 批发客户: the opened row moves and the
    // stored price of the new pair gives way.
    Record opened = {Value(names.partyColumn, "张三商行"), Value("商品名称", "苹果"), Value("单位", "斤"),
                     Value(names.priceColumn, "3.50")};
    ASSERT_TRUE(SavePrice(data(), {book, L"批发客户", L"苹果", L"斤", L"3.6", opened}).saved);
    EXPECT_EQ(std::string(names.table) + ":\n批发客户|苹果|斤|3.60|\n", Dump(names.table));
  }
}

// ---- income and expense items ----

TEST_F(MasterdataShopTest, AccountItemsAreReplacedByName) {
  struct Step {
    AccountItemInput input;
    const char* dump;
  };
  const Step steps[] = {
      {{L"房租", L"支出", L""}, "J4_Account_Item:\n房租|支出|\n"},
      {{L"房租", L"收入", L""}, "J4_Account_Item:\n房租|收入|\n"},
      {{L"租金", L"收入", L"房租"}, "J4_Account_Item:\n租金|收入|\n"},
      {{L"", L"收入", L""}, "J4_Account_Item:\n租金|收入|\n"},
  };
  for (const Step& step : steps) {
    const FormAnswer answer = SaveAccountItem(data(), step.input);
    EXPECT_EQ(!step.input.name.empty(), answer.saved);
    if (!answer.saved) {
      EXPECT_EQ(L"请输入项目名称！", answer.message);
    }
    EXPECT_EQ(step.dump, Dump("J4_Account_Item"));
  }
}

// ---- categories ----

TEST_F(MasterdataShopTest, CategoriesAreAddedAtTheirLevelAndTakenNamesRefused) {
  struct Case {
    const wchar_t* name;
    const wchar_t* parent;
    CategoryStatus status;
    const char* level;  // stored afterwards
  };
  const Case cases[] = {
      {L"坚果", L"食品", CategoryStatus::kSaved, "1"},     {L"榴莲", L"热带水果", CategoryStatus::kSaved, "3"},
      {L"杂货", L"", CategoryStatus::kSaved, "0"},         {L"散货", L"无此类别", CategoryStatus::kSaved, "0"},
      {L"水果", L"饮料", CategoryStatus::kNameTaken, "1"}, {L"自己", L"自己", CategoryStatus::kParentInside, "<none>"},
      {L"", L"食品", CategoryStatus::kNameEmpty, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.status, AddCategory(data(), {c.name, c.parent}));
    if (c.level != nullptr) {
      EXPECT_EQ(c.level, StoredValue("J4_Product_Type", "商品类别", pagekit::LibraryText(c.name), "级别"));
    }
  }
  EXPECT_EQ(L"该商品类别已存在，请重新输入！", CategoryStatusMessage(CategoryStatus::kNameTaken));
}

TEST_F(MasterdataShopTest, RenameKeepsChildrenAndProductsAndRefusesCycles) {
  struct Refusal {
    const wchar_t* old;
    const wchar_t* name;
    const wchar_t* parent;
    CategoryStatus status;
  };
  const Refusal refusals[] = {
      {L"水果", L"饮料", L"食品", CategoryStatus::kNameTaken},
      {L"食品", L"食品", L"热带水果", CategoryStatus::kParentInside},
      {L"食品", L"食物", L"水果", CategoryStatus::kParentInside},
      {L"水果", L"鲜果", L"水果", CategoryStatus::kParentInside},
      {L"无此类别", L"鲜果", L"", CategoryStatus::kNotFound},
  };
  const std::string before = DumpAll();
  for (const Refusal& r : refusals) EXPECT_EQ(r.status, RenameCategory(data(), r.old, {r.name, r.parent}));
  EXPECT_EQ(before, DumpAll());

  // 水果 becomes 鲜果 under 饮料 > 果汁: a level deeper, with 热带水果 below it.
  ASSERT_EQ(CategoryStatus::kSaved, AddCategory(data(), {L"果汁", L"饮料"}));
  ASSERT_EQ(CategoryStatus::kSaved, RenameCategory(data(), L"水果", {L"鲜果", L"果汁"}));
  EXPECT_EQ("J4_Product_Type:\n果汁|饮料|1|\n热带水果|鲜果|3|\n食品||0|\n鲜果|果汁|2|\n饮料||0|\n",
            Dump("J4_Product_Type"));
  EXPECT_EQ("鲜果", StoredValue("J4_Product_Data", "商品名称", "苹果", "商品类别"));
  EXPECT_EQ("热带水果", StoredValue("J4_Product_Data", "商品名称", "芒果", "商品类别"));
}

TEST_F(MasterdataShopTest, DeleteTakesTheDirectChildrenOnly) {
  ASSERT_EQ(CategoryStatus::kSaved, DeleteCategory(data(), L"食品"));
  EXPECT_EQ("J4_Product_Type:\n热带水果|水果|2|\n饮料||0|\n", Dump("J4_Product_Type"));
  EXPECT_EQ("食品", StoredValue("J4_Product_Data", "商品名称", "面包", "商品类别"));
}

}  // namespace
}  // namespace masterdata
