// The reports' indexes. Each is on the one column that a report looks rows up
// by, so the rows of one key still come in the order in which they were stored
// (an index orders equal keys by row), as they did from a scan of the table.
//
// One index is for the reports alone: the documents by type and date, for the
// reports that walk the bills of a type in a period. Its condition (a type that
// is not empty) lets SQLite use it only in a statement that states that very
// condition, which the reports add (see AndBillPeriod); every other statement
// of the program keeps its plan and its order of rows.
#include "reports/report_indexes.h"

#include "sqlite_connection.h"

namespace {

const char* const kReportIndexes[] = {
    "create index IF NOT EXISTS J4_IX_Bill_Items_Product on J4_Bill_Items (商品名称)",
    "create index IF NOT EXISTS J4_IX_Bill_Items_Number on J4_Bill_Items (单据编号)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Party on J4_Account_Data (客户名称)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Item on J4_Account_Data (收支项目)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Salesman on J4_Account_Data (业务员)",
    "create index IF NOT EXISTS J4_IX_Account_Data_Report_Period on J4_Account_Data (类型, 单据日期, 单据编号) "
    "where 类型>''",
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
