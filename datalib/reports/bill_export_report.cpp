// The lines of the bills that a condition selects, one named record set per
// line, for the spreadsheet export of bill details.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"
#include "reports/text_index.h"

namespace {

const char* const kRecordNames[] = {"单据日期", "单据编号", "客户名称", "商品名称", "单位", "数量",
                                    "单价",     "金额",     "折扣率",   "折后金额", "备注", "说明"};
constexpr size_t kRecordCount = sizeof kRecordNames / sizeof kRecordNames[0];

// Whether the vector holds the twelve records as the previous line left them:
// each named as built, with every member but the value as the (name, value)
// constructor sets it. The callback may have changed or replaced any of them.
bool HoldsLineRecords(const std::vector<DataField>& record) {
  static const DataField built;
  // Compared byte by byte here: a call to the C library per name costs more
  // than the few bytes, and this runs for every line.
  auto sameName = [](const std::string& name, const char* expected) {
    size_t b = 0;
    for (; b < name.size(); ++b)
      if (name[b] != expected[b] || expected[b] == '\0') return false;
    return expected[b] == '\0';
  };
  if (record.size() != kRecordCount) return false;
  for (size_t i = 0; i < kRecordCount; ++i) {
    const DataField& f = record[i];
    if (!sameName(f.name, kRecordNames[i]) || f.op != built.op || f.valueType != built.valueType || f.code != built.code ||
        f.hidden != built.hidden || f.width != built.width || f.index != built.index || f.extra != built.extra)
      return false;
  }
  return true;
}

// Sets a record's value to a text stored as UTF-8, in the caller's code page.
// Assigned into the text's own memory, so a line costs no allocation once the
// records have grown to the texts' sizes.
void AssignAnsi(std::string& target, std::string_view utf8) {
  for (const char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      target = Utf8ToAnsi(std::string(utf8));
      return;
    }
  }
  target.assign(utf8.data(), utf8.size());
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
  TextIds productIds;  // as stored
  std::vector<Product> products;  // by the product's number
  AnsiTexts recurring;
  std::vector<DataField>& record = request.params();
  static const std::string kLinesSql = "select 商品名称,数量,单价,金额,备注 from J4_Bill_Items where 单据编号=?1";
  std::string date, number, rate, numberUtf8;
  while (bills.next()) {
    AssignAnsi(date, bills.utf8View(0));
    AssignAnsi(number, bills.utf8View(1));
    AssignAnsi(rate, bills.utf8View(3));
    const double rateValue = ParseNumber(rate);
    const std::string& party = recurring.of(bills.utf8View(2));
    const std::string& remark = recurring.of(bills.utf8View(4));
    numberUtf8.assign(bills.utf8View(1));
    ReportQuery lines(session, kLinesSql);
    lines.bindUnchanged(1, numberUtf8);
    while (lines.next()) {
      const auto [id, fresh] = productIds.add(lines.utf8View(0));
      if (fresh) {
        Product product{lines.text(0), std::string()};
        ReportQuery unit(session, "select 计量单位 from J4_Product_Data where 商品名称=?1", {productIds.text(id)});
        if (unit.next()) product.unit = unit.text(0);
        products.push_back(std::move(product));
      }
      const Product& found = products[id];
      // The callback may have changed or replaced the records: then they are
      // built anew, so that the vector reads as one emptied and refilled.
      if (!HoldsLineRecords(record)) {
        record.clear();
        for (const char* name : kRecordNames) record.push_back(MakeDataField(name, std::string()));
      }
      record[0].value.assign(date);
      record[1].value.assign(number);
      record[2].value.assign(party);
      record[3].value.assign(found.name);
      record[4].value.assign(found.unit);
      AssignAnsi(record[5].value, lines.utf8View(1));
      AssignAnsi(record[6].value, lines.utf8View(2));
      AssignAnsi(record[7].value, lines.utf8View(3));
      record[8].value.assign(rate);
      record[9].value = FormatAmount(ParseNumber(record[7].value) * rateValue / 100.0);
      AssignAnsi(record[10].value, lines.utf8View(4));
      record[11].value.assign(remark);
      request.emit();
    }
  }
  return 0;
}
