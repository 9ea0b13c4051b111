// The report keys and their builders, in the order the keys are compared.
#include "reports/report_dispatch.h"

#include <cstring>

#include "reports/report_builders.h"

namespace {

struct ReportKey {
  const char* key;
  int (*build)(ReportRequest& request);
  bool needsCallback;
};

const ReportKey kReportKeys[] = {
    {"ysqkbg", [](ReportRequest& r) { return BuildDebtSummary(r, true); }, true},
    {"zjls_qc", BuildCashOpening, false},
    {"ysqkbg_mod", [](ReportRequest& r) { return BuildDebtDetail(r, true); }, true},
    {"yfqkbg", [](ReportRequest& r) { return BuildDebtSummary(r, false); }, true},
    {"yfqkbg_mod", [](ReportRequest& r) { return BuildDebtDetail(r, false); }, true},
    {"xstjbg", [](ReportRequest& r) { return BuildTradeSummaryByProduct(r, true); }, true},
    {"xstjbg_kh", [](ReportRequest& r) { return BuildTradeSummaryByParty(r, true); }, true},
    {"xstjbg_ywy", BuildSalesSummaryBySalesman, true},
    {"xstjbg_mx", [](ReportRequest& r) { return BuildTradeDetailOfProduct(r, true); }, true},
    {"jhtjbg", [](ReportRequest& r) { return BuildTradeSummaryByProduct(r, false); }, true},
    {"jhtjbg_gys", [](ReportRequest& r) { return BuildTradeSummaryByParty(r, false); }, true},
    {"jhtjbg_mx", [](ReportRequest& r) { return BuildTradeDetailOfProduct(r, false); }, true},
    {"ysdzd", [](ReportRequest& r) { return BuildStatement(r, true); }, true},
    {"yfdzd", [](ReportRequest& r) { return BuildStatement(r, false); }, true},
    {"kctjbg", BuildStockSummary, true},
    {"kctjbgmx", BuildStockLedger, true},
    {"kcyjbg", BuildStockWarning, true},
    {"zjtjbg", BuildFundSummary, true},
    {"zjtjbgmx", BuildFundItemDetail, true},
    {"lrtjbg", BuildProfitByCustomer, true},
    {"lrtjbg_hp", BuildProfitByProduct, true},
    {"xsd_export", BuildBillLineExport, true},
};

}  // namespace

int RunReportByKey(const ConnectionSettings& connection, CppSQLite3DB* unitConnection, const char* key,
                   intptr_t context, std::vector<DataField>* params, DataRowCallback onRow) noexcept {
  if (!key) return 0;
  for (const ReportKey& entry : kReportKeys) {
    if (std::strcmp(entry.key, key) != 0) continue;
    if (!params || (entry.needsCallback && !onRow)) return 0;
    try {
      ReportRequest request(connection, unitConnection, *params, onRow, context);
      entry.build(request);
    } catch (...) {
      // A database error or a failing callback ends the report; what was
      // delivered stays delivered and the answer stays 0.
    }
    return 0;
  }
  return 0;
}
