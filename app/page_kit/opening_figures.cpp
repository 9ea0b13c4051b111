#include "opening_figures.h"

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "data_store.h"
#include "list_conditions.h"
#include "money_text.h"

namespace pagekit {
namespace {

// The sums of the columns over the rows the condition selects; false when the
// query failed.
bool Sums(KXPDatavane& data, const char* table, const std::vector<std::string>& columns, const std::string& condition,
          std::vector<double>* sums) {
  std::vector<DataField> record;
  for (const std::string& column : columns) record.push_back(MakeDataField("sum(" + column + ")", ""));
  record.push_back(RawCondition(condition));
  std::vector<std::vector<DataField>> rows;
  if (data.QueryRecords(table, &record, &rows) != 0) return false;
  sums->assign(columns.size(), 0);
  if (!rows.empty())
    for (size_t i = 0; i < columns.size() && i < rows.front().size(); ++i)
      (*sums)[i] = std::atof(rows.front()[i].value.c_str());
  return true;
}

double Number(const PageFields& fields, const wchar_t* name) { return std::wcstod(fields.Text(name).c_str(), nullptr); }

}  // namespace

void DeriveInitialStock(PageFields& fields, KXPDatavane& data) {
  if (!fields.Exists(L"hpkc_new_cskc") || !fields.Exists(L"hpkc_new_dqkc")) return;
  const std::wstring product = fields.Text(L"hpkc_new_pmgg");
  if (!IsStorable(product)) return;
  const std::string name = "商品名称='" + QuoteSqlText(LibraryText(product)) + "'";
  std::vector<double> sold;
  std::vector<double> bought;
  if (!Sums(data, "J4_Bill_Items", {"数量"}, name + " and 单据编号 like 'XSD%'", &sold) ||
      !Sums(data, "J4_Bill_Items", {"数量"}, name + " and 单据编号 like 'JHD%'", &bought))
    return;
  const double initial = Number(fields, L"hpkc_new_dqkc") - bought[0] + sold[0];
  fields.SetText(L"hpkc_new_cskc", FormatMoneyAmount(initial).GetData());
}

void DeriveInitialBalance(PageFields& fields, KXPDatavane& data, PageSide side) {
  if (!fields.Exists(L"khyqk_new_csysk") || !fields.Exists(L"khyqk_new_dqysk")) return;
  const std::wstring party = fields.Text(L"khyqk_new_khmc");
  if (!IsStorable(party)) return;
  const bool purchase = side == PageSide::kPurchase;
  const std::string name = "客户名称='" + QuoteSqlText(LibraryText(party)) + "'";
  std::vector<double> money;
  std::vector<double> bills;
  if (!Sums(data, "J4_Account_Data", {"收款金额"}, name + (purchase ? " and 类型='付款单'" : " and 类型='收款单'"),
            &money) ||
      !Sums(data, "J4_Account_Data", {"收款金额", "实际金额"},
            name + (purchase ? " and 类型='进货单'" : " and 类型='销售单'"), &bills))
    return;
  const double initial = Number(fields, L"khyqk_new_dqysk") - ((bills[0] - bills[1]) - money[0]);
  fields.SetText(L"khyqk_new_csysk", FormatMoneyAmount(initial).GetData());
}

}  // namespace pagekit
