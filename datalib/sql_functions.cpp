// Hanzi2Pinyin and Discount2Actual, as plain functions and as SQLite functions.
#include "sql_functions.h"

#include <cstdlib>

#include "sql_text.h"
#include "sqlite_connection.h"
#include "text_encoding.h"

namespace {

struct InitialRange {
  char letter;
  unsigned from;
  unsigned to;
};

// GB2312 level 1 is ordered by reading, so each initial is one code range.
const InitialRange kInitialRanges[] = {
    {'a', 0xB0A1, 0xB0C4}, {'b', 0xB0C5, 0xB2C0}, {'c', 0xB2C1, 0xB4ED}, {'d', 0xB4EE, 0xB6E9}, {'e', 0xB6EA, 0xB7A1},
    {'f', 0xB7A2, 0xB8C0}, {'g', 0xB8C1, 0xB9FD}, {'h', 0xB9FE, 0xBBF6}, {'j', 0xBBF7, 0xBFA5}, {'k', 0xBFA6, 0xC0AB},
    {'l', 0xC0AC, 0xC2E7}, {'m', 0xC2E8, 0xC4C2}, {'n', 0xC4C3, 0xC5B5}, {'o', 0xC5B6, 0xC5BD}, {'p', 0xC5BE, 0xC6D9},
    {'q', 0xC6DA, 0xC8BA}, {'r', 0xC8BB, 0xC8F5}, {'s', 0xC8F6, 0xCBF9}, {'t', 0xCBFA, 0xCDD9}, {'w', 0xCDDA, 0xCEF3},
    {'x', 0xCEF4, 0xD1B8}, {'y', 0xD1B9, 0xD4D0}, {'z', 0xD4D1, 0xD7F9},
};

std::string TextArgument(sqlite3_value* value) {
  const unsigned char* text = sqlite3_value_text(value);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_value_bytes(value)))
              : std::string();
}

void Hanzi2PinyinFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (argc != 1 || sqlite3_value_type(argv[0]) != SQLITE_TEXT) return;
  const std::string initials = Hanzi2Pinyin(Utf8ToAnsi(TextArgument(argv[0])));
  sqlite3_result_text(context, initials.c_str(), static_cast<int>(initials.size()), SQLITE_TRANSIENT);
}

void Discount2ActualFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (argc != 2 || sqlite3_value_type(argv[0]) != SQLITE_TEXT || sqlite3_value_type(argv[1]) != SQLITE_TEXT) return;
  const std::string amount = Discount2Actual(TextArgument(argv[0]), TextArgument(argv[1]));
  sqlite3_result_text(context, amount.c_str(), static_cast<int>(amount.size()), SQLITE_TRANSIENT);
}

void Register(CppSQLite3DB& db, const char* name, int argc, void (*function)(sqlite3_context*, int, sqlite3_value**)) {
  int rc = sqlite3_create_function(db.handle(), name, argc, SQLITE_ANY, nullptr, function, nullptr, nullptr);
  if (rc != SQLITE_OK) throw CppSQLite3Exception(rc, db.handle() ? sqlite3_errmsg(db.handle()) : "");
}

}  // namespace

char PinyinInitialOf(unsigned code) {
  for (const InitialRange& range : kInitialRanges)
    if (code >= range.from && code <= range.to) return range.letter;
  return 0;
}

std::string Hanzi2Pinyin(const std::string& ansi) {
  std::string initials;
  for (size_t i = 0; i + 1 < ansi.size(); i += 2) {
    const unsigned code = static_cast<unsigned char>(ansi[i]) * 256u + static_cast<unsigned char>(ansi[i + 1]);
    const char letter = PinyinInitialOf(code);
    if (!letter) break;
    initials += letter;
  }
  return initials;
}

std::string Discount2Actual(const std::string& amount, const std::string& rate) {
  const double a = std::atof(amount.c_str());
  const double r = std::atof(rate.c_str());
  if (r == 0) return std::string();
  return StringPrintf("%.02f", a * 100 / r);
}

void RegisterHanzi2Pinyin(CppSQLite3DB& db) { Register(db, "Hanzi2Pinyin", 1, Hanzi2PinyinFunction); }

void RegisterDiscount2Actual(CppSQLite3DB& db) { Register(db, "Discount2Actual", 2, Discount2ActualFunction); }
