// Turns field records into SQL text: the select statement of the generic queries,
// and the insert, update and delete statements of the generic record operations.
// Every value is written through SqlEscape; names, operators and raw condition
// texts are the caller's SQL and are written as given.
#ifndef DATAVANE_STATEMENT_BUILDER_H
#define DATAVANE_STATEMENT_BUILDER_H

#include <cstddef>
#include <string>
#include <vector>

#include "kxp_data.h"

// The connector word of a field's code: "and", "or", "like", "!=", or "".
const char* ConnectorOf(int code);

// True when a field asks for an ordering (code 4 or 5).
bool HasOrdering(const std::vector<DataField>& record);

// select <non-hidden names> from <table> [where ...] [order by ... limit 0,1].
// Without `withOrdering` the codes 4 and 5 only act as "no connector".
std::string BuildSelectStatement(const std::string& table, const std::vector<DataField>& record, bool withOrdering);

// insert into <table> values(...); with the record's values in order, padded with
// empty texts up to `columnCount` columns.
std::string BuildInsertStatement(const std::string& table, const std::vector<DataField>& values, size_t columnCount);

// update <table> set name='value',... [where name='value' and ...]
std::string BuildUpdateStatement(const std::string& table, const std::vector<DataField>& values,
                                 const std::vector<DataField>& keys);

// delete from <table> where name='value' and ...;
std::string BuildDeleteStatement(const std::string& table, const std::vector<DataField>& keys);

#endif
