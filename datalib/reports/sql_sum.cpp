// SQLite's sum() outside a statement: integer totals while they fit, else the
// Kahan-Babuska-Neumaier compensated sum, with the same split of large integers.
#include "reports/sql_sum.h"

#include <cmath>

#include "reports/report_session.h"

namespace {

// Integers beyond 2^52 are added in two parts so that no bits are lost.
constexpr int64_t kExactDoubleLimit = 4503599627370496LL;

}  // namespace

void SqlSum::step(double value) {
  // volatile keeps x87 registers from adding precision between the steps.
  volatile double s = sum_;
  volatile double r = value;
  volatile double t = s + r;
  if (std::fabs(s) > std::fabs(r))
    error_ += (s - t) + r;
  else
    error_ += (r - t) + s;
  sum_ = t;
}

void SqlSum::stepInt64(int64_t value) {
  if (value <= -kExactDoubleLimit || value >= kExactDoubleLimit) {
    const int64_t small = value % 16384;
    step(static_cast<double>(value - small));
    step(static_cast<double>(small));
  } else {
    step(static_cast<double>(value));
  }
}

void SqlSum::startApproximate() {
  if (integerSum_ <= -kExactDoubleLimit || integerSum_ >= kExactDoubleLimit) {
    const int64_t small = integerSum_ % 16384;
    sum_ = static_cast<double>(integerSum_ - small);
    error_ = static_cast<double>(small);
  } else {
    sum_ = static_cast<double>(integerSum_);
    error_ = 0;
  }
  approximate_ = true;
}

void SqlSum::add(sqlite3_value* value) {
  // Reads the column as a number the way sum() reads its argument; this turns
  // the current row's value into that number, which is all it is used for.
  const int type = sqlite3_value_numeric_type(value);
  if (type == SQLITE_NULL) return;
  ++count_;
  if (!approximate_) {
    if (type != SQLITE_INTEGER) {
      startApproximate();
      step(sqlite3_value_double(value));
    } else {
      int64_t total;
      if (!__builtin_add_overflow(integerSum_, sqlite3_value_int64(value), &total)) {
        integerSum_ = total;
      } else {
        overflow_ = true;
        startApproximate();
        stepInt64(sqlite3_value_int64(value));
      }
    }
  } else if (type == SQLITE_INTEGER) {
    stepInt64(sqlite3_value_int64(value));
  } else {
    overflow_ = false;
    step(sqlite3_value_double(value));
  }
}

std::string SqlSum::text(ReportSession& session) const {
  if (count_ == 0) return std::string();
  if (!approximate_) return std::to_string(integerSum_);
  if (overflow_) throw CppSQLite3Exception(SQLITE_ERROR, "integer overflow");
  const double total = std::isinf(error_) || std::isnan(error_) ? sum_ : sum_ + error_;
  // The connection renders the double, so the digits are the ones sum() shows.
  ReportQuery render(session, "select ?1");
  render.bind(1, total);
  render.next();
  return render.utf8(0);
}
