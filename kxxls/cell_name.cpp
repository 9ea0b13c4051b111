// Parsing and forming cell names.
#include "cell_name.h"

bool ParseCellName(const std::wstring& name, int maxRows, int* row, int* column) {
  if (name.size() < 2 || name.size() > 12) return false;
  if (name[0] < L'A' || name[0] > L'Z') return false;
  if (name[1] < L'1' || name[1] > L'9') return false;  // no row 0, no leading zero
  long long r = 0;
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] < L'0' || name[i] > L'9') return false;
    r = r * 10 + (name[i] - L'0');
    if (r > maxRows) return false;
  }
  *row = static_cast<int>(r - 1);
  *column = name[0] - L'A';
  return true;
}

void AppendCellReference(int row, int column, std::string* out) {
  char letters[4];
  int n = 0;
  for (int c = column + 1; c > 0 && n < 4; c = (c - 1) / 26) letters[n++] = static_cast<char>('A' + (c - 1) % 26);
  while (n > 0) out->push_back(letters[--n]);
  char digits[12];
  int d = 0;
  for (unsigned r = static_cast<unsigned>(row) + 1; r > 0 && d < 12; r /= 10)
    digits[d++] = static_cast<char>('0' + r % 10);
  while (d > 0) out->push_back(digits[--d]);
}

std::string CellReference(int row, int column) {
  std::string ref;
  AppendCellReference(row, column, &ref);
  return ref;
}

bool ParseCellReference(const std::string& ref, int maxRows, int maxColumns, int* row, int* column) {
  size_t i = 0;
  if (i < ref.size() && ref[i] == '$') ++i;
  long long c = 0;
  size_t letters = 0;
  for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i, ++letters) {
    c = c * 26 + (ref[i] - 'A' + 1);
    if (letters >= 3) return false;
  }
  if (letters == 0 || c > maxColumns) return false;
  if (i < ref.size() && ref[i] == '$') ++i;
  if (i >= ref.size() || ref[i] < '1' || ref[i] > '9') return false;
  long long r = 0;
  for (; i < ref.size(); ++i) {
    if (ref[i] < '0' || ref[i] > '9') return false;
    r = r * 10 + (ref[i] - '0');
    if (r > maxRows) return false;
  }
  *row = static_cast<int>(r - 1);
  *column = static_cast<int>(c - 1);
  return true;
}
