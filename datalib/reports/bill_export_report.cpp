// The lines of the bills that a condition selects, one named record set per
// line, for the spreadsheet export of bill details.
#include <string>
#include <string_view>
#include <unordered_map>

#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"

namespace {

const char* const kRecordNames[] = {"单据日期", "单据编号", "客户名称", "商品名称", "单位", "数量",
                                    "单价",     "金额",     "折扣率",   "折后金额", "备注", "说明"};
constexpr size_t kRecordCount = sizeof kRecordNames / sizeof kRecordNames[0];

// Whether the vector holds the twelve records as the previous line left them:
// each named as built, with every member but the value as the (name, value)
// constructor sets it. The callback may have changed or replaced any of them.
bool HoldsLineRecords(const std::vector<DataField>& record) {
  static const DataField built;
  if (record.size() != kRecordCount) return false;
  for (size_t i = 0; i < kRecordCount; ++i) {
    const DataField& f = record[i];
    if (f.name != kRecordNames[i] || f.op != built.op || f.valueType != built.valueType || f.code != built.code ||
        f.hidden != built.hidden || f.width != built.width || f.index != built.index || f.extra != built.extra)
      return false;
  }
  return true;
}

// Puts the line's twelve values into the vector: in place when it already holds
// the records as built, else as twelve new records. Either way the vector ends
// up equal to one emptied and refilled.
void FillLineRecords(std::vector<DataField>& record, std::string (&values)[kRecordCount]) {
  if (HoldsLineRecords(record)) {
    for (size_t i = 0; i < kRecordCount; ++i) record[i].value.swap(values[i]);
    return;
  }
  record.clear();
  for (size_t i = 0; i < kRecordCount; ++i) record.push_back(MakeDataField(kRecordNames[i], values[i]));
}

// Texts of the caller's code page for the texts that recur from bill to bill
// (parties, remarks): each is converted once.
class AnsiTexts {
 public:
  const std::string& of(std::string_view utf8) {
    auto found = texts_.find(std::string(utf8));
    if (found == texts_.end()) found = texts_.emplace(std::string(utf8), Utf8ToAnsi(std::string(utf8))).first;
    return found->second;
  }

 private:
  std::unordered_map<std::string, std::string> texts_;
};

}  // namespace

int BuildBillLineExport(ReportRequest& request) {
  if (!request.has(1)) return 0;
  // The condition is the last entry: the only one of a one-entry vector, and the
  // one after the twelve column entries that the export page passes.
  const std::string condition = request.name(request.size() - 1);
  ReportSession session(request);
  // An empty condition selects nothing: "where" alone is no statement.
  ReportQuery bills(session,
                    "select 单据日期,单据编号,客户名称,折扣率,说明 from J4_V_Product_Account where " + condition);
  // A product's name and unit in the caller's code page, looked up once per
  // product: the data does not change while the report's read transaction lasts.
  struct Product {
    std::string name;
    std::string unit;
  };
  std::unordered_map<std::string, Product> products;
  AnsiTexts recurring;
  std::vector<DataField>& record = request.params();
  while (bills.next()) {
    const std::string date = bills.text(0), number = bills.text(1), rate = bills.text(3);
    const std::string& party = recurring.of(bills.utf8View(2));
    const std::string& remark = recurring.of(bills.utf8View(4));
    ReportQuery lines(session, "select 商品名称,数量,单价,金额,备注 from J4_Bill_Items where 单据编号=?1",
                      {bills.utf8(1)});
    while (lines.next()) {
      const std::string productUtf8 = lines.utf8(0);
      auto found = products.find(productUtf8);
      if (found == products.end()) {
        Product product{lines.text(0), std::string()};
        ReportQuery unit(session, "select 计量单位 from J4_Product_Data where 商品名称=?1", {productUtf8});
        if (unit.next()) product.unit = unit.text(0);
        found = products.emplace(productUtf8, std::move(product)).first;
      }
      const std::string amount = lines.text(3);
      std::string values[kRecordCount] = {date,
                                          number,
                                          party,
                                          found->second.name,
                                          found->second.unit,
                                          lines.text(1),
                                          lines.text(2),
                                          amount,
                                          rate,
                                          FormatAmount(ParseNumber(amount) * ParseNumber(rate) / 100.0),
                                          lines.text(4),
                                          remark};
      FillLineRecords(record, values);
      request.emit();
    }
  }
  return 0;
}
