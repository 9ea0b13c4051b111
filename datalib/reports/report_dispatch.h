// The report slot's entry: picks the report builder for a key and runs it.
//
// A builder opens its own connection and reads rows like this (all text ANSI/GBK;
// the helpers convert to and from SQLite's UTF-8; errors are thrown as
// CppSQLite3Exception from sqlite_connection.h):
//
//   CppSQLite3DB db;
//   db.open(connection);                              // key, cipher, busy timeout
//   RegisterDiscount2Actual(db);                      // sql_functions.h, when needed
//   std::string sql = StringPrintf("select 商品名称,数量 from J4_Bill_Items where 单据编号='%s'",
//                                  SqlEscape(number).c_str());   // sql_text.h
//   for (CppSQLite3Query q = db.execQuery(sql); !q.eof(); q.nextRow()) {
//     std::string name = q.fieldValue(0);             // by index, or q.fieldValue("商品名称")
//   }                                                 // a query is finalized when it goes out of scope
//   db.close();                                       // after every query is gone
//
// db.execDML(sql) runs a statement; db.queryColumn(sql) reads one column of every row.
#ifndef DATAVANE_REPORT_DISPATCH_H
#define DATAVANE_REPORT_DISPATCH_H

#include <cstdint>
#include <vector>

#include "kxp_data.h"
#include "sqlite_connection.h"

// Runs the report named by `key` (compared byte for byte). Answers 0 in every
// case and never throws.
int RunReportByKey(const ConnectionSettings& connection, const char* key, intptr_t context,
                   std::vector<DataField>* params, DataRowCallback onRow) noexcept;

#endif
