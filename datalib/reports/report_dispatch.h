// The report slot's entry: picks the report builder for a key and runs it.
#ifndef DATAVANE_REPORT_DISPATCH_H
#define DATAVANE_REPORT_DISPATCH_H

#include <cstdint>
#include <vector>

#include "kxp_data.h"
#include "sqlite_connection.h"

// Runs the report named by `key` (compared byte for byte). Answers 0 in every
// case and never throws: a database error or an exception from the callback
// ends the report, and rows already delivered stay delivered. Without a vector,
// or without a callback (which only "zjls_qc" may omit), nothing runs.
// With a `unitConnection` (the calling thread's unit of work) the report reads
// through it and sees the unit's writes; otherwise it opens its own connection.
int RunReportByKey(const ConnectionSettings& connection, CppSQLite3DB* unitConnection, const char* key,
                   intptr_t context, std::vector<DataField>* params, DataRowCallback onRow) noexcept;

#endif
