// The business database's tables, views and default parties, created on an open
// connection when missing. Existing tables and rows are left as they are.
#ifndef DATAVANE_SCHEMA_H
#define DATAVANE_SCHEMA_H

class CppSQLite3DB;

// Throws CppSQLite3Exception when a table or view cannot be created.
void CreateSchema(CppSQLite3DB& db);

#endif
