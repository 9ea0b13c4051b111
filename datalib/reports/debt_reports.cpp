// Receivables and payables: the summary of every party of a side, the running
// account of one party and the party's statement with the lines of its bills.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "reports/grouped_sums.h"
#include "reports/report_builders.h"
#include "reports/report_numbers.h"
#include "reports/report_session.h"

namespace {

// The literals that tell the customer side from the supplier side.
struct DebtSide {
  const char* partyType;     // 类型 of the party
  const char* increaseType;  // bills that add to the debt
  const char* settleType;    // documents that settle it
};

const DebtSide& SideOf(bool customerSide) {
  static const DebtSide customers{"客户", "销售单", "收款单"};
  static const DebtSide suppliers{"供应商", "进货单", "付款单"};
  return customerSide ? customers : suppliers;
}

std::string Quoted(const char* literal) { return std::string("'") + literal + "'"; }

// The party of one side and its figures before the period.
struct PartyOpening {
  std::string name;      // as stored (UTF-8), for binding into later statements
  std::string initial;   // 初始应收款 as stored
  std::string date;      // date of a settling document outside the period
  std::string settled;   // settled outside the period
  std::string increase;  // increase outside the period, two decimals
  double balance() const { return (ParseNumber(increase) + ParseNumber(initial)) - ParseNumber(settled); }
};

// The period (the name of the entry before last) and the party (the value of
// the last entry) of a report about one party.
struct PartyInputs {
  std::string period;
  std::string party;
};

PartyInputs ReadPartyInputs(const ReportRequest& request) {
  const size_t n = request.size();
  return PartyInputs{request.name(n - 2), request.value(n - 1)};
}

// Looks the party up; false when the side has no party of that name. Without a
// period the opening is the initial balance alone; with one it also covers every
// document outside the period (the whole condition negated).
bool LoadPartyOpening(ReportSession& session, const DebtSide& side, const PartyInputs& inputs, PartyOpening* opening) {
  const std::string& period = inputs.period;
  {
    ReportQuery query(session,
                      "select 客户名称, 当前应收款, 初始应收款 from J4_Customer_Data where 类型=" +
                          Quoted(side.partyType) + " and 客户名称=?1",
                      {BindText(inputs.party)});
    if (!query.next()) return false;
    opening->name = query.utf8(0);
    opening->initial = query.text(2);
  }
  const std::string outside = period.empty() ? std::string() : " and not (" + period + "\n)";
  try {
    ReportQuery query(session,
                      (period.empty() ? "select 单据日期,0" : "select 单据日期, sum(收款金额)") +
                          std::string(" from J4_Account_Data where 客户名称=?1 and 类型=") + Quoted(side.settleType) +
                          outside,
                      {opening->name});
    if (query.next()) {
      opening->settled = query.text(1);
      opening->date = query.text(0);
    }
  } catch (const CppSQLite3Exception&) {
    // The opening settlements stay empty.
  }
  try {
    ReportQuery query(session,
                      (period.empty() ? "select 0, 0" : "select sum(收款金额), sum(实际金额)") +
                          std::string(" from J4_Account_Data where 客户名称=?1 and 类型=") + Quoted(side.increaseType) +
                          outside,
                      {opening->name});
    if (query.next()) opening->increase = FormatAmount(ParseNumber(query.text(0)) - ParseNumber(query.text(1)));
  } catch (const CppSQLite3Exception&) {
    // The opening increase stays empty.
  }
  return true;
}

// A report about one party: its inputs, its connection and its opening figures.
struct PartyAccount {
  PartyAccount(ReportRequest& request, bool customerSide)
      : side(SideOf(customerSide)),
        inputs(ReadPartyInputs(request)),
        session(request),
        found(LoadPartyOpening(session, side, inputs, &opening)) {}

  const DebtSide& side;
  const PartyInputs inputs;
  ReportSession session;
  PartyOpening opening;
  const bool found;  // the side has a party of that name
};

// The party's settling documents and bills in the period.
std::string PartyDocumentsSql(const DebtSide& side, const std::string& period, bool withDiscountRate) {
  return std::string("select 单据日期 as 业务日期,单据编号 as 业务编号,说明 as 摘要, 收款金额,实际金额,类型") +
         (withDiscountRate ? ",折扣率" : "") +
         " from J4_Account_Data where 客户名称=?1 and (类型=" + Quoted(side.settleType) +
         " or 类型=" + Quoted(side.increaseType) + ")" + AndCondition(period);
}

// The units of the products on a statement's lines, each looked up once: the
// data does not change while the report's read transaction lasts.
class ProductUnits {
 public:
  explicit ProductUnits(ReportSession& session) : session_(session) {}
  // The product's unit (ANSI); null when the product is not in the product table
  // or its look-up failed, and the line is then left out.
  const std::string* of(const std::string& productUtf8) {
    auto found = units_.find(productUtf8);
    if (found != units_.end()) return found->second.known ? &found->second.unit : nullptr;
    Unit unit;
    try {
      ReportQuery query(session_, "select 计量单位 from J4_Product_Data where 商品名称=?1", {productUtf8});
      unit.known = query.next();
      if (unit.known) unit.unit = query.text(0);
    } catch (const CppSQLite3Exception&) {
      return nullptr;  // asked again for the next line of the product
    }
    found = units_.emplace(productUtf8, std::move(unit)).first;
    return found->second.known ? &found->second.unit : nullptr;
  }

 private:
  struct Unit {
    bool known = false;
    std::string unit;
  };
  ReportSession& session_;
  std::unordered_map<std::string, Unit> units_;
};

bool IsSettlement(const std::string& type) { return type == "收款单" || type == "付款单"; }
bool IsBill(const std::string& type) { return type == "销售单" || type == "进货单"; }

}  // namespace

int BuildDebtSummary(ReportRequest& request, bool customerSide) {
  if (!request.has(5)) return 0;
  const DebtSide& side = SideOf(customerSide);
  // Both conditions count only in the page's full vector.
  const std::string partyCondition = request.has(7) ? request.name(5) : std::string();
  const std::string period = request.has(7) ? request.name(6) : std::string();
  ReportSession session(request);
  ReportQuery parties(session, "select 客户名称, 当前应收款, 初始应收款 from J4_Customer_Data where 类型=" +
                                   Quoted(side.partyType) + AndCondition(partyCondition));
  // Every party's settlements and increases of the period from one walk of the
  // documents; a party's rows add up in stored order, as a look-up by the party
  // adds them. When the walk fails (a condition that fails on some row), each
  // party is looked up on its own, so the parties before the failing row still
  // give their rows.
  std::unique_ptr<GroupedSums> totals;
  try {
    totals.reset(new GroupedSums(session,
                                 "select 客户名称,类型,收款金额,实际金额 from J4_Account_Data where 类型 in (" +
                                     Quoted(side.settleType) + "," + Quoted(side.increaseType) + ")" +
                                     AndBillPeriod(period) + " order by rowid",
                                 2, 2));
  } catch (const CppSQLite3Exception&) {
  }
  const std::string settleType = AnsiToUtf8(side.settleType), increaseType = AnsiToUtf8(side.increaseType);
  const std::string settledSql =
      "select sum(收款金额) as totalMoney from J4_Account_Data where 客户名称=?1 and 类型=" + Quoted(side.settleType) +
      AndCondition(period);
  const std::string increaseSql =
      "select sum(收款金额),sum(实际金额) as totalMoney from J4_Account_Data where 客户名称=?1 and 类型=" +
      Quoted(side.increaseType) + AndCondition(period);
  while (parties.next()) {
    const std::string party = parties.utf8(0);
    std::string settled, increase;
    try {
      double added = 0;
      if (totals) {
        if (const std::vector<SqlSum>* sums = totals->of({party, settleType}))
          settled = Utf8ToAnsi((*sums)[0].text(session));
        if (const std::vector<SqlSum>* sums = totals->of({party, increaseType}))
          added = ParseNumber(Utf8ToAnsi((*sums)[0].text(session))) - ParseNumber(Utf8ToAnsi((*sums)[1].text(session)));
      } else {
        ReportQuery settledQuery(session, settledSql, {party});
        if (settledQuery.next()) settled = settledQuery.text(0);
        ReportQuery increaseQuery(session, increaseSql, {party});
        if (increaseQuery.next()) added = ParseNumber(increaseQuery.text(0)) - ParseNumber(increaseQuery.text(1));
      }
      increase = FormatAmount(added);
    } catch (const CppSQLite3Exception&) {
      continue;  // this party gives no row; the others still do
    }
    const std::string initial = parties.text(2);
    const double opening = ParseNumber(initial), added = ParseNumber(increase), paid = ParseNumber(settled);
    if (opening == 0 && added == 0 && paid == 0) continue;
    request.set(0, parties.text(0));
    request.set(1, initial);
    request.set(2, increase);
    request.set(3, settled);
    request.set(4, FormatAmount((added + opening) - paid));
    request.emit();
  }
  return 0;
}

int BuildDebtDetail(ReportRequest& request, bool customerSide) {
  // Six cells are written, so six entries are needed; the period and the party
  // are the last two of them.
  if (!request.has(6)) return 0;
  PartyAccount account(request, customerSide);
  if (!account.found) return 0;
  ReportSession& session = account.session;
  const PartyOpening& opening = account.opening;

  double balance = opening.balance();
  request.set(0, opening.date);
  request.set(1, "");
  request.set(2, "期初结存");
  request.set(3, "");
  request.set(4, "");
  request.set(5, FormatAmount(balance));
  request.emit();

  ReportQuery documents(session, PartyDocumentsSql(account.side, account.inputs.period, false), {opening.name});
  while (documents.next()) {
    const std::string type = documents.text(5);
    std::string increase, settled;
    if (IsSettlement(type)) {
      increase = "0.00";
      settled = FormatAmount(ParseNumber(documents.text(3)));
    } else if (IsBill(type)) {
      increase = FormatAmount(ParseNumber(documents.text(3)) - ParseNumber(documents.text(4)));
      settled = "0.00";
    }
    balance = ParseNumber(increase) - ParseNumber(settled) + balance;
    const std::string balanceText = FormatAmount(balance);
    request.set(0, documents.text(0));
    request.set(1, documents.text(1));
    request.set(2, documents.text(2));
    request.set(3, increase);
    request.set(4, settled);
    request.set(5, balanceText);
    if (ParseNumber(increase) != 0 || ParseNumber(settled) != 0 || ParseNumber(balanceText) != 0) request.emit();
  }
  return 0;
}

int BuildStatement(ReportRequest& request, bool customerSide) {
  if (!request.has(12)) return 0;
  PartyAccount account(request, customerSide);
  if (!account.found) return 0;
  ReportSession& session = account.session;
  const PartyOpening& opening = account.opening;

  double balance = opening.balance();
  request.set(0, opening.date + " 期初");
  request.set(9, FormatAmount(balance));
  request.emit();
  request.clearAll();

  double totalIncrease = 0, totalSettled = 0;
  ProductUnits units(session);
  ReportQuery documents(session, PartyDocumentsSql(account.side, account.inputs.period, true), {opening.name});
  while (documents.next()) {
    const std::string number = documents.text(1);
    const std::string amount = documents.text(3), paid = documents.text(4), type = documents.text(5);
    const bool settlement = IsSettlement(type);
    std::string increase, settled;
    if (settlement) {
      increase = "0.00";
      settled = FormatAmount(ParseNumber(amount));
      balance = ParseNumber(increase) - ParseNumber(settled) + balance;
    } else if (IsBill(type)) {
      increase = FormatAmount(ParseNumber(amount) - ParseNumber(paid));
      settled = paid;  // the part paid with the bill, which the increase already leaves out
      balance = ParseNumber(increase) + balance;
    }
    // The amount before the discount and the discount itself, when the bill has a rate.
    std::string gross, discount;
    const double rate = ParseNumber(documents.text(6));
    if (rate != 0) {
      const double before = ParseNumber(amount) * 100 / rate;
      gross = FormatAmount(before);
      discount = FormatAmount(before - ParseNumber(amount));
    }
    request.set(0, documents.text(0) + " " + number);
    request.clear(1, 3);
    request.set(4, gross);
    request.set(5, documents.text(2));
    request.set(6, discount);
    request.set(7, increase);
    request.set(8, settled);
    request.set(9, FormatAmount(balance));
    if (settlement) {
      request.set(1, "");
      request.set(4, "");
      request.set(6, "");
      request.set(7, "");
    }
    totalIncrease += ParseNumber(increase);
    totalSettled += ParseNumber(settled);
    request.emit();

    // The bill's goods, each with its product's unit; a line whose product is
    // gone from the product table is left out.
    try {
      ReportQuery lines(session, "select 商品名称,数量,单价,金额 from J4_Bill_Items where 单据编号=?1",
                        {documents.utf8(1)});
      while (lines.next()) {
        request.clear(0, 9);
        request.set(0, lines.text(0));
        request.set(2, lines.text(1));
        request.set(3, lines.text(2));
        request.set(4, lines.text(3));
        const std::string* unit = units.of(lines.utf8(0));
        if (!unit) continue;
        request.set(1, *unit);
        request.emit();
        request.clearAll();
      }
    } catch (const CppSQLite3Exception&) {
      // The remaining lines of this document are skipped.
    }
  }

  request.clear(0, 9);
  request.set(0, "合计");
  request.set(7, FormatAmount(totalIncrease));
  request.set(8, FormatAmount(totalSettled));
  request.emit();
  return 0;
}
