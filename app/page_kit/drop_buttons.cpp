// The drop-button table and the popup each button opens.
#include "drop_buttons.h"

#include <cwchar>
#include <initializer_list>

#include "data_store.h"

namespace pagekit {
namespace {

// What a button offers.
enum class Offer {
  kProducts,
  kCategories,
  kSalesmen,
  kCustomers,
  kSuppliers,
  kPartiesOfSide,        // customers on the sales side, suppliers on the purchase side
  kBalanceParties,       // the receivables report: customers, the payables report: suppliers
  kCashFlowParties,      // customers when the cash book records income, else suppliers
  kCashFlowItems,        // the income or the expense items, as the cash book records
  kFundItems,            // the items of the fund report's type, all when none
  kSalesSummaryChoices,  // products, salesmen or customers, by the summary's mode
  kProfitDetail,         // customers or a product, by the profit report's type
  kQuickDates,
  kItemKinds,
  kProfitTypes,
  kFundTypes,
  kStockStates,
  kBillTypes,
};

struct DropButton {
  const wchar_t* button;
  const wchar_t* field;
  Offer offer;
};

const DropButton kButtons[] = {
    {L"hpkc_find_drop", L"hpkc_edit_find", Offer::kProducts},
    {L"kctjbg_edit_product_drop", L"kctjbg_edit_product", Offer::kProducts},
    {L"dkhpfj_edit_product_drop", L"dkhpfj_edit_product", Offer::kProducts},
    {L"dkhpfj_new_product_drop", L"dkhpfj_new_product", Offer::kProducts},
    {L"gyshtj_edit_product_drop", L"gyshtj_edit_product", Offer::kProducts},
    {L"gyshtj_new_product_drop", L"gyshtj_new_product", Offer::kProducts},
    {L"hpkc_tpye_drop", L"hpkc_edit_type", Offer::kCategories},
    {L"kctjbg_edit_type_drop", L"kctjbg_edit_type", Offer::kCategories},
    {L"xsd_ywy_drop", L"xsd_ywy", Offer::kSalesmen},
    {L"fkd_new_ywy_drop", L"fkd_new_ywy", Offer::kSalesmen},
    {L"dkhpfj_edit_custom_drop", L"dkhpfj_edit_custom", Offer::kCustomers},
    {L"dkhpfj_new_custom_drop", L"dkhpfj_new_custom", Offer::kCustomers},
    {L"ysdzd_edit_custom_drop", L"ysdzd_edit_custom", Offer::kCustomers},
    {L"gyshtj_edit_custom_drop", L"gyshtj_edit_custom", Offer::kSuppliers},
    {L"gyshtj_new_custom_drop", L"gyshtj_new_custom", Offer::kSuppliers},
    {L"fkd_edit_gys_drop", L"fkd_edit_gys", Offer::kSuppliers},
    {L"yfdzd_edit_custom_drop", L"yfdzd_edit_custom", Offer::kSuppliers},
    {L"xsd_custom_drop", L"xsd_custom", Offer::kPartiesOfSide},
    {L"xsydd_custom_drop", L"xsydd_custom", Offer::kPartiesOfSide},
    {L"khyqk_kehu_drop", L"khyqk_edit_kehu", Offer::kPartiesOfSide},
    {L"jhtjbg_edit_custom_drop", L"jhtjbg_edit_custom", Offer::kPartiesOfSide},
    {L"ysqkmx_edit_custom_drop", L"ysqkmx_edit_custom", Offer::kPartiesOfSide},
    {L"ysqkbg_edit_custom_drop", L"ysqkbg_edit_custom", Offer::kBalanceParties},
    {L"zjls_edit_custom_drop", L"zjls_edit_custom", Offer::kCashFlowParties},
    {L"zjls_edit_project_drop", L"zjls_edit_project", Offer::kCashFlowItems},
    {L"zjtjbg_edit_project_drop", L"zjtjbg_edit_project", Offer::kFundItems},
    {L"xstjbg_edit_custom_drop", L"xstjbg_edit_custom", Offer::kSalesSummaryChoices},
    {L"lrtjbg_edit_type_detail_drop", L"lrtjbg_edit_type_detail", Offer::kProfitDetail},
    {L"ysqkbg_edit_date_drop", L"ysqkbg_edit_date", Offer::kQuickDates},
    {L"ysqkmx_edit_date_drop", L"ysqkmx_edit_date", Offer::kQuickDates},
    {L"xstjbg_edit_date_drop", L"xstjbg_edit_date", Offer::kQuickDates},
    {L"jhtjbg_edit_date_drop", L"jhtjbg_edit_date", Offer::kQuickDates},
    {L"kctjbg_edit_date_drop", L"kctjbg_edit_date", Offer::kQuickDates},
    {L"lrtjbg_edit_date_drop", L"lrtjbg_edit_date", Offer::kQuickDates},
    {L"zjtjbg_edit_date_drop", L"zjtjbg_edit_date", Offer::kQuickDates},
    {L"ysdzd_edit_date_drop", L"ysdzd_edit_date", Offer::kQuickDates},
    {L"yfdzd_edit_date_drop", L"yfdzd_edit_date", Offer::kQuickDates},
    {L"zjls_edit_quick_date_drop", L"zjls_edit_quick_date", Offer::kQuickDates},
    {L"xsd_edit_find_date_drop", L"xsd_edit_find_date", Offer::kQuickDates},
    {L"xsydd_edit_find_date_drop", L"xsydd_edit_find_date", Offer::kQuickDates},
    {L"szxm_edit_xmlx_drop", L"szxm_edit_xmlx", Offer::kItemKinds},
    {L"lrtjbg_edit_type_drop", L"lrtjbg_edit_type", Offer::kProfitTypes},
    {L"zjtjbg_edit_type_drop", L"zjtjbg_edit_type", Offer::kFundTypes},
    {L"kcyjbg_edit_status_drop", L"kcyjbg_edit_status", Offer::kStockStates},
    {L"xsd_type_drop", L"xsd_type", Offer::kBillTypes},
};

const DropButton* FindButton(const std::wstring& button) {
  for (const DropButton& row : kButtons) {
    if (_wcsicmp(row.button, button.c_str()) == 0) return &row;
  }
  return nullptr;
}

void Table(DropPopupPlan* plan, const char* table, const char* column) {
  plan->popup = DropPopup::kDropList;
  plan->table = table;
  plan->entries = {MakeDataField(column, "")};
}

// A hidden condition: it filters without being shown.
void Filter(DropPopupPlan* plan, const char* column, const std::string& value) {
  DataField condition = MakeDataField(column, value);
  condition.hidden = 1;
  plan->entries.push_back(condition);
}

void Parties(DropPopupPlan* plan, bool customers) {
  Table(plan, "J4_Customer_Data", "客户名称");
  Filter(plan, "类型", customers ? "客户" : "供应商");
}

void Fixed(DropPopupPlan* plan, const char* column, std::initializer_list<const char*> texts) {
  plan->popup = DropPopup::kDropList;
  plan->fixedEntries = true;
  for (const char* text : texts) plan->entries.push_back(MakeDataField(column, text));
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// Builds what the button offers; false when the page's state offers nothing.
bool Fill(const PageFields& fields, PageSide side, Offer offer, DropPopupPlan* plan) {
  const bool income = fields.Text(L"zjls_label_project") == L"收入项目:";
  switch (offer) {
    case Offer::kProducts:
      plan->popup = DropPopup::kProductPicker;
      return true;
    case Offer::kCategories:
      plan->popup = DropPopup::kCategoryPicker;
      return true;
    case Offer::kSalesmen:
      plan->popup = DropPopup::kDeletableList;
      return true;
    case Offer::kCustomers:
    case Offer::kSuppliers:
      Parties(plan, offer == Offer::kCustomers);
      return true;
    case Offer::kPartiesOfSide:
      Parties(plan, side == PageSide::kSales);
      return true;
    case Offer::kBalanceParties:
      Parties(plan, _wcsicmp(fields.Text(L"ysqkbg_caption").substr(0, 5).c_str(), L"应收款查询") == 0);
      return true;
    case Offer::kCashFlowParties:
      Parties(plan, income);
      return true;
    case Offer::kCashFlowItems:
      Table(plan, "J4_Account_Item", "项目名称");
      Filter(plan, "项目类别", income ? "收入" : "支出");
      return true;
    case Offer::kFundItems: {
      Table(plan, "J4_Account_Item", "项目名称");
      const std::wstring kind = fields.Text(L"zjtjbg_edit_type");
      if (!kind.empty()) Filter(plan, "项目类别", LibraryText(kind));
      return true;
    }
    case Offer::kSalesSummaryChoices: {
      const std::wstring caption = fields.Text(L"xstjbg_caption");
      if (StartsWith(caption, L"销售汇总表(商品)")) {
        Table(plan, "J4_Product_Data", "商品名称");
      } else if (StartsWith(caption, L"销售汇总表(业务员)")) {
        Table(plan, "J4_Saler", "name");
      } else {
        Parties(plan, true);
      }
      return true;
    }
    case Offer::kProfitDetail: {
      const std::wstring type = fields.Text(L"lrtjbg_edit_type");
      if (type == L"按客户") {
        Parties(plan, true);
        return true;
      }
      if (type == L"按商品") {
        plan->popup = DropPopup::kProductPicker;
        return true;
      }
      return false;
    }
    case Offer::kQuickDates:
      Fixed(plan, "日期", {"今日", "本月", "本年", "自定义"});
      return true;
    case Offer::kItemKinds:
      Fixed(plan, "类型", {"收入", "支出"});
      return true;
    case Offer::kProfitTypes:
      Fixed(plan, "类型", {"按客户", "按商品"});
      return true;
    case Offer::kFundTypes:
      Fixed(plan, "类型", {"全部", "收入", "支出"});
      return true;
    case Offer::kStockStates:
      Fixed(plan, "状态", {"全部", "超出", "短缺"});
      return true;
    case Offer::kBillTypes:
      if (side == PageSide::kSales) {
        Fixed(plan, "类型", {"全部", "销售出货", "销售退货"});
      } else {
        Fixed(plan, "类型", {"全部", "采购进货", "采购退货"});
      }
      return true;
  }
  return false;
}

}  // namespace

bool PlanDropPopup(const PageFields& fields, PageSide side, const std::wstring& button, const RECT& window,
                   DropPopupPlan* plan) {
  const DropButton* row = FindButton(button);
  if (row == nullptr || plan == nullptr) return false;
  if (!fields.Exists(button) || !fields.Exists(row->field) || !fields.Visible(row->field)) return false;
  DropPopupPlan planned;
  planned.field = row->field;
  if (!Fill(fields, side, row->offer, &planned)) return false;
  const RECT field = fields.Position(row->field);
  const std::wstring name = row->field;
  planned.rect.left = window.left + field.left - 1;
  planned.rect.top = window.top + field.top + (name == L"szxm_edit_xmlx" ? 25 : 30);
  // The product picker is 100 pixels wider than its field's drop list; the profit
  // report's detail places it like the drop list it replaces.
  const bool wide = planned.popup == DropPopup::kProductPicker && row->offer == Offer::kProducts;
  planned.rect.right = window.left + field.right + (wide ? 121 : 21);
  planned.rect.bottom = planned.rect.top + (name == L"szxm_edit_xmlx" ? 80 : name == L"xsd_type" ? 90 : 150);
  *plan = std::move(planned);
  return true;
}

}  // namespace pagekit
