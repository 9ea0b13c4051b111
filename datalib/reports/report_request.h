// What a report builder works with: where it reads (the connection settings,
// or the connection of the caller's unit of work), the caller's vector
// (condition texts in, each row's cells out) and the row callback.
#ifndef DATAVANE_REPORT_REQUEST_H
#define DATAVANE_REPORT_REQUEST_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "kxp_data.h"
#include "sqlite_connection.h"

class ReportRequest {
 public:
  // `unitConnection`: the connection of the calling thread's unit of work, which
  // the report then reads through (seeing the unit's writes); null to read on a
  // connection of the report's own, opened with `settings`.
  ReportRequest(const ConnectionSettings& settings, CppSQLite3DB* unitConnection, std::vector<DataField>& params,
                DataRowCallback onRow, intptr_t context)
      : settings_(settings), unitConnection_(unitConnection), params_(params), onRow_(onRow), context_(context) {}

  const ConnectionSettings& settings() const { return settings_; }
  CppSQLite3DB* unitConnection() const { return unitConnection_; }
  std::vector<DataField>& params() { return params_; }
  size_t size() const { return params_.size(); }
  bool has(size_t entries) const { return params_.size() >= entries; }

  // Inputs. An entry past the end reads as the empty text.
  const std::string& name(size_t entry) const;
  const std::string& value(size_t entry) const;
  bool hidden(size_t entry) const;  // only the low byte counts

  // Cells. Writes past the end of the vector are dropped.
  void set(size_t entry, const std::string& text);
  // Empties the values of entries first..last (inclusive, clipped to the vector).
  void clear(size_t first, size_t last);
  void clearAll() { clear(0, params_.size()); }

  // Hands the vector to the callback.
  void emit() { onRow_(context_, &params_); }

 private:
  const ConnectionSettings& settings_;
  CppSQLite3DB* unitConnection_;
  std::vector<DataField>& params_;
  DataRowCallback onRow_;
  intptr_t context_;
};

// Marks entries first..last as a total row (`extra` 1) for as long as it lives
// and then gives them back their previous flags, so that the caller's vector,
// reused for another report, does not carry the mark into later rows.
class TotalRowMark {
 public:
  TotalRowMark(ReportRequest& request, size_t first, size_t last);
  ~TotalRowMark();
  TotalRowMark(const TotalRowMark&) = delete;
  TotalRowMark& operator=(const TotalRowMark&) = delete;

 private:
  std::vector<DataField>& params_;
  size_t first_;
  std::vector<int> saved_;
};

#endif
