// A product's unit cost as the reports value sales at: its stored cost price
// when it has one, else its purchase price, else nothing (which counts as 0).
// Each product is looked up once per report.
#ifndef DATAVANE_UNIT_COSTS_H
#define DATAVANE_UNIT_COSTS_H

#include <unordered_map>
#include <string>

#include "reports/report_session.h"

class UnitCosts {
 public:
  explicit UnitCosts(ReportSession& session) : session_(session) {}
  // The cost as stored (ANSI) of a product named as stored (UTF-8).
  const std::string& of(const std::string& productUtf8);
  // The same read as a number.
  double numberOf(const std::string& productUtf8);

 private:
  struct Cost {
    std::string text;
    double number;
  };
  ReportSession& session_;
  std::unordered_map<std::string, Cost> costs_;
};

#endif
