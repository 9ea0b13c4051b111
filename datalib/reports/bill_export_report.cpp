// The lines of the bills that a condition selects, one named record set per
// line, for the spreadsheet export of bill details.
#include <string>

#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"

int BuildBillLineExport(ReportRequest& request) {
  if (!request.has(1)) return 0;
  // The condition is the last entry: the only one of a one-entry vector, and the
  // one after the twelve column entries that the export page passes.
  const std::string condition = request.name(request.size() - 1);
  ReportSession session(request.settings());
  // An empty condition selects nothing: "where" alone is no statement.
  ReportQuery bills(session,
                    "select 单据日期,单据编号,客户名称,折扣率,说明 from J4_V_Product_Account where " + condition);
  std::vector<DataField>& record = request.params();
  while (bills.next()) {
    const std::string date = bills.text(0), number = bills.text(1), party = bills.text(2);
    const std::string rate = bills.text(3), remark = bills.text(4);
    ReportQuery lines(session, "select 商品名称,数量,单价,金额,备注 from J4_Bill_Items where 单据编号=?1",
                      {bills.utf8(1)});
    while (lines.next()) {
      std::string unit;
      {
        ReportQuery product(session, "select 计量单位 from J4_Product_Data where 商品名称=?1", {lines.utf8(0)});
        if (product.next()) unit = product.text(0);
      }
      const std::string amount = lines.text(3);
      record.clear();
      record.push_back(MakeDataField("单据日期", date));
      record.push_back(MakeDataField("单据编号", number));
      record.push_back(MakeDataField("客户名称", party));
      record.push_back(MakeDataField("商品名称", lines.text(0)));
      record.push_back(MakeDataField("单位", unit));
      record.push_back(MakeDataField("数量", lines.text(1)));
      record.push_back(MakeDataField("单价", lines.text(2)));
      record.push_back(MakeDataField("金额", amount));
      record.push_back(MakeDataField("折扣率", rate));
      record.push_back(MakeDataField("折后金额", FormatAmount(ParseNumber(amount) * ParseNumber(rate) / 100.0)));
      record.push_back(MakeDataField("备注", lines.text(4)));
      record.push_back(MakeDataField("说明", remark));
      request.emit();
    }
  }
  return 0;
}
