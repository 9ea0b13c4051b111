// The scalar SQL functions that statements of the library may use:
// Hanzi2Pinyin(name) gives the pinyin initials of a Chinese name (search boxes),
// Discount2Actual(amount, rate) the amount before a discount (sales reports).
#ifndef DATAVANE_SQL_FUNCTIONS_H
#define DATAVANE_SQL_FUNCTIONS_H

#include <string>

class CppSQLite3DB;

// The initial letter of a GB2312 level-1 character's reading, 0 for any other code.
char PinyinInitialOf(unsigned code);
// The initials of the leading Chinese characters of an ANSI (GBK) text.
std::string Hanzi2Pinyin(const std::string& ansi);
// amount * 100 / rate with two decimals; the empty text for a zero rate.
std::string Discount2Actual(const std::string& amount, const std::string& rate);

// Register the functions on an open connection; throw CppSQLite3Exception on failure.
void RegisterHanzi2Pinyin(CppSQLite3DB& db);
void RegisterDiscount2Actual(CppSQLite3DB& db);

#endif
