// The two layouts of the stock report's header, shared by its print and its
// export: which header items stand alone and which form the groups under a
// caption, and the cell name a grouped column's value has in a row.
#pragma once

#include <string>
#include <vector>

namespace output {

struct StockGroup {
  int firstIndex;  // header indexes, counted from 0 over all header items
  int lastIndex;
  const wchar_t* caption;
};

struct StockLayout {
  bool detail;
  int singleColumns;  // sheet columns before the first group
  int groupStart;     // the header index of the first grouped column
  int groupSize;
  std::vector<StockGroup> groups;
};

// The summary layout for the caption "库存统计表", the detail layout for any
// other.
const StockLayout& StockLayoutOf(const std::wstring& caption);

// The group a header index belongs to, or null.
const StockGroup* GroupOf(const StockLayout& layout, int index);

// "item_" + the header text, and for a grouped column the group's number.
std::wstring StockCellName(const StockLayout& layout, int index, const std::wstring& headerText);

}  // namespace output
