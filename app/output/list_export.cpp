// Exporting lists on screen into a sheet.
#include "list_export.h"

#include "list_titles.h"
#include "stock_groups.h"

namespace output {

ExportResult ExportListView(const ListView& list, const std::wstring& defaultName, const ExportTools& tools) {
  if (!list.exists || list.rows.empty()) return ExportResult::kNothingToExport;
  size_t first = 0, end = 0;
  ExportedColumns(list, &first, &end);
  const int rows = 1 + static_cast<int>(list.rows.size());
  return RunExport(tools, defaultName, rows, [&](SheetState& sheet) {
    sheet.row = 1;
    for (size_t i = first; i < end; ++i)
      tools.xls.SetCellText(sheet.book, CellName(static_cast<int>(i - first), 1), list.header[i].text);
    for (size_t r = 0; r < list.rows.size(); ++r) {
      ++sheet.row;
      for (size_t i = first; i < end; ++i) {
        if (const CellView* cell = list.Cell(r, L"item_" + list.header[i].text))
          tools.xls.SetCellText(sheet.book, CellName(static_cast<int>(i - first), sheet.row), cell->text);
      }
    }
  });
}

ExportResult ExportStockView(const ListView& list, const std::wstring& caption, const ExportTools& tools) {
  if (!list.exists || list.rows.empty()) return ExportResult::kNothingToExport;
  const StockLayout& layout = StockLayoutOf(caption);
  size_t first = 0, end = 0;
  ExportedColumns(list, &first, &end);
  const std::wstring name = FileNameOf(SafeTitle(caption), L".xls");
  const int rows = 2 + static_cast<int>(list.rows.size());
  return RunExport(tools, name, rows, [&](SheetState& sheet) {
    XlsProc& xls = tools.xls;
    for (size_t i = first; i < end; ++i)
      xls.SetCellText(sheet.book, CellName(static_cast<int>(i - first), 2), list.header[i].text);
    for (int column = 0; column < layout.singleColumns; ++column)
      xls.MergeCells(sheet.book, CellName(column, 1), CellName(column, 2));
    for (const StockGroup& group : layout.groups) {
      const int left = group.firstIndex - static_cast<int>(first);
      const int right = group.lastIndex - static_cast<int>(first);
      xls.MergeCells(sheet.book, CellName(left, 1), CellName(right, 1));
      xls.SetCellText(sheet.book, CellName(left, 1), group.caption);
    }
    sheet.row = 2;
    for (size_t r = 0; r < list.rows.size(); ++r) {
      ++sheet.row;
      for (size_t i = first; i < end; ++i) {
        if (const CellView* cell = list.Cell(r, StockCellName(layout, static_cast<int>(i), list.header[i].text)))
          xls.SetCellText(sheet.book, CellName(static_cast<int>(i - first), sheet.row), cell->text);
      }
    }
  });
}

ExportResult ExportList(pagekit::PageHost& host, const std::wstring& list, const ExportTools& tools) {
  const ListView view = ReadList(host.Fields(), list);
  return ExportListView(view, FileNameOf(GetListTitle(host.Fields(), host.Side(), list), L".xls"), tools);
}

ExportResult ExportStockReport(pagekit::PageHost& host, const ExportTools& tools) {
  return ExportStockView(ReadList(host.Fields(), L"listkctjbg"), host.Fields().Text(L"kctjbg_caption"), tools);
}

}  // namespace output
