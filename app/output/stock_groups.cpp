// The stock report's header layouts.
#include "stock_groups.h"

namespace output {

const StockLayout& StockLayoutOf(const std::wstring& caption) {
  static const StockLayout kSummary{
      false, 2, 3, 2, {{3, 4, L"期初结存"}, {5, 6, L"日常进货"}, {7, 8, L"日常出货(成本)"}, {9, 10, L"期末结存"}}};
  static const StockLayout kDetail{
      true, 3, 4, 3, {{4, 6, L"日常进货"}, {7, 9, L"日常出货(成本)"}, {10, 12, L"期末结存"}}};
  return caption == L"库存统计表" ? kSummary : kDetail;
}

const StockGroup* GroupOf(const StockLayout& layout, int index) {
  for (const StockGroup& group : layout.groups) {
    if (index >= group.firstIndex && index <= group.lastIndex) return &group;
  }
  return nullptr;
}

std::wstring StockCellName(const StockLayout& layout, int index, const std::wstring& headerText) {
  std::wstring name = L"item_" + headerText;
  if (index >= layout.groupStart) name += std::to_wstring((index - layout.groupStart) / layout.groupSize);
  return name;
}

}  // namespace output
