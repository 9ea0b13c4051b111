// Table-neutral record access: column lists, queries into a row set or a
// callback, and one-statement insert, update and delete built from field records.
#include "data_object.h"
#include "sql_functions.h"
#include "sql_text.h"
#include "statement_builder.h"

namespace {

std::vector<std::string> ColumnNames(CppSQLite3DB& db, const char* table) {
  std::vector<std::string> names;
  CppSQLite3Query query = db.execQuery(StringPrintf("pragma table_info (%s)", table));
  for (; !query.eof(); query.nextRow()) names.push_back(query.fieldValue("name"));
  return names;
}

// The number of columns of a table; inside a unit looked up once per table.
size_t ColumnCount(OperationConnection& db, const char* table) {
  if (!db.unit()) return ColumnNames(*db, table).size();
  std::map<std::string, size_t>& known = db.unit()->columnCounts();
  auto found = known.find(table);
  if (found != known.end()) return found->second;
  const size_t count = ColumnNames(*db, table).size();
  known.emplace(table, count);
  return count;
}

// Runs the select built from `record` and, for every row, writes the non-hidden
// fields' values from the columns of their names and calls `deliver`; `deliver`
// answers false to stop. The fields are looked at afresh for every row: a row
// callback holds the record itself and may change it.
template <class Deliver>
void SelectInto(CppSQLite3DB& db, const std::string& sql, std::vector<DataField>& record, Deliver&& deliver) {
  CppSQLite3Query query = db.execQuery(sql);
  for (; !query.eof(); query.nextRow()) {
    for (DataField& field : record)
      if (static_cast<unsigned char>(field.hidden) == 0) field.value = query.fieldValue(field.name);
    if (!deliver()) break;
  }
}

}  // namespace

int KXPData::GetTableFields(const char* table, std::vector<DataField>* fields) {
  if (!table || !fields) return -1;
  return Guarded([&] {
    fields->clear();
    OperationConnection db = reading();
    for (const std::string& name : ColumnNames(*db, table)) fields->push_back(MakeDataField(name, ""));
    db.close();
    return 0;
  });
}

int KXPData::GetTableColumnNames(const char* table, std::vector<std::string>* names) {
  if (!table || !names) return -1;
  return Guarded([&] {
    OperationConnection db = reading();
    for (std::string& name : ColumnNames(*db, table)) names->push_back(std::move(name));
    db.close();
    return 0;
  });
}

int KXPData::QueryRecords(const char* table, std::vector<DataField>* record,
                          std::vector<std::vector<DataField>>* rows) {
  if (!table || !record || !rows) return -1;
  if (record->empty()) return 0;
  return Guarded([&] {
    const bool firstRowOnly = HasOrdering(*record);
    const std::string sql = BuildSelectStatement(table, *record, true);
    OperationConnection db = reading();
    SelectInto(*db, sql, *record, [&] {
      rows->push_back(*record);
      return !firstRowOnly;
    });
    db.close();
    return 0;
  });
}

int KXPData::QueryRecordsCallback(const char* table, intptr_t context, std::vector<DataField>* record,
                                  DataRowCallback onRow) {
  if (!table || !record || !onRow) return -1;
  if (record->empty()) return 0;
  return Guarded([&] {
    const std::string sql = BuildSelectStatement(table, *record, false);
    OperationConnection db = reading();
    if (!db.unit()) RegisterHanzi2Pinyin(*db);  // a unit's connection has it from its start
    SelectInto(*db, sql, *record, [&] {
      onRow(context, record);
      return true;
    });
    db.close();
    return 0;
  });
}

int KXPData::InsertRecord(const char* table, std::vector<DataField>* values) {
  if (!table || !values) return -1;
  if (values->empty()) return 0;
  return Guarded([&] {
    OperationConnection db = writing();
    {
      // One write lock for the column count and the insert.
      SqliteTransaction transaction(*db, db.transactionKind());
      const size_t columns = ColumnCount(db, table);
      db->execDML(BuildInsertStatement(table, *values, columns));
      transaction.commit();
    }
    db.close();
    return 0;
  });
}

int KXPData::UpdateRecord(const char* table, std::vector<DataField>* values, std::vector<DataField>* keys) {
  if (!table || !values || !keys) return -1;
  if (values->empty()) return 0;
  return Guarded([&] {
    execute(BuildUpdateStatement(table, *values, *keys));
    return 0;
  });
}

int KXPData::DeleteRecords(const char* table, std::vector<DataField>* keys) {
  if (!table || !keys) return -1;
  if (keys->empty()) return 0;
  return Guarded([&] {
    execute(BuildDeleteStatement(table, *keys));
    return 0;
  });
}
