// The reports' indexes. Each is on the one column that a report looks rows up
// by, so the rows of one key still come in the order in which they were stored
// (an index orders equal keys by row), as they did from a scan of the table.
#include "reports/report_indexes.h"

#include "sqlite_connection.h"

namespace {

const char* const kReportIndexes[] = {
    "create index IF NOT EXISTS J4_IX_Bill_Items_Product on J4_Bill_Items (商品名称)",
    "create index IF NOT EXISTS J4_IX_Bill_Items_Number on J4_Bill_Items (单据编号)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Party on J4_Account_Data (客户名称)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Item on J4_Account_Data (收支项目)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Salesman on J4_Account_Data (业务员)",
};

}  // namespace

void CreateReportIndexes(CppSQLite3DB& db) noexcept {
  for (const char* sql : kReportIndexes) {
    try {
      db.execDML(sql);
    } catch (...) {
      // Left out; see the header.
    }
  }
}
