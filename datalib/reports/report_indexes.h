// Indexes that keep the reports' per-product, per-party and per-bill look-ups
// from scanning whole tables. Created with the schema, when missing.
#ifndef DATAVANE_REPORT_INDEXES_H
#define DATAVANE_REPORT_INDEXES_H

class CppSQLite3DB;

// Never throws: an index that cannot be made (a table of an older layout) is
// left out, and the reports still work, only slower.
void CreateReportIndexes(CppSQLite3DB& db) noexcept;

#endif
