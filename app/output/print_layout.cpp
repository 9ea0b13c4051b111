// Laying out lists, the stock report and bills as drawing steps in print units.
#include "print_layout.h"

#include <cstdio>
#include <functional>

#include "stock_groups.h"

namespace output {
namespace {

using Align = PrintStep::Align;

class Steps {
 public:
  explicit Steps(std::wstring name) { doc.name = std::move(name); }
  void Text(int left, int top, int right, int bottom, std::wstring text, Align align, bool title = false) {
    PrintStep step;
    step.kind = PrintStep::Kind::kText;
    step.box = RECT{left, top, right, bottom};
    step.text = std::move(text);
    step.align = align;
    step.titleFont = title;
    doc.steps.push_back(std::move(step));
  }
  void Cell(int left, int top, int width, int height, std::wstring text) {
    PrintStep step;
    step.kind = PrintStep::Kind::kCell;
    step.box = RECT{left, top, left + width, top + height};
    step.text = std::move(text);
    step.align = Align::kCentre;
    doc.steps.push_back(std::move(step));
  }
  void NewPage() {
    PrintStep step;
    step.kind = PrintStep::Kind::kNewPage;
    doc.steps.push_back(std::move(step));
  }
  PrintDocument doc;
};

// The printed columns, the table's left margin and the scale that fits a table
// wider than the paper.
struct Table {
  std::vector<size_t> columns;  // header indexes
  size_t first = 0;             // the first printed header index
  int margin = 0;
  // The scale as a fraction of whole numbers, the same on every build.
  int scaleNumerator = 1;
  int scaleDenominator = 1;
  int paperWidth = 0;
  int paperHeight = 0;

  // A box from the scaled left edge to the scaled right edge of an on-screen
  // span.
  int Width(int left, int width) const {
    const long long n = scaleNumerator, d = scaleDenominator;
    return static_cast<int>((left + width) * n / d - left * n / d);
  }
};

int SpanOf(const RECT& rc) { return rc.right - rc.left; }

Table Arrange(const ListView& list, const PaperSize& paper, const std::wstring& leftOut) {
  Table table;
  size_t end = 0;
  PrintedColumns(list, &table.first, &end);
  int total = 0;
  for (size_t i = table.first; i < end; ++i) {
    if (!leftOut.empty() && list.header[i].text == leftOut) continue;
    table.columns.push_back(i);
    total += SpanOf(list.header[i].rect);
  }
  table.paperWidth = paper.width;
  table.paperHeight = paper.height;
  table.margin = (paper.width - total) / 2;
  if (table.margin < 1 && total != 0) {
    table.margin = 5;
    table.scaleNumerator = paper.width - 10;
    table.scaleDenominator = total;
  }
  return table;
}

// The shop's lines and, when there is one, the title with the currency: the y
// where the table starts.
int Letterhead(Steps& steps, const Table& table, const std::wstring& title) {
  const int m = table.margin;
  steps.Text(m, 10, m + 120, 40, L"店铺地址：", Align::kLeft);
  steps.Text(m, 40, m + 120, 70, L"联系方式：", Align::kLeft);
  if (title.empty()) return 70;
  steps.Text(m, 70, table.paperWidth - m, 100, title, Align::kCentre, true);
  steps.Text(m, 70, table.paperWidth - m, 100, L"币别：人民币", Align::kRight);
  return 100;
}

int HeaderRow(Steps& steps, const Table& table, const ListView& list, int y) {
  int x = table.margin;
  for (size_t i : table.columns) {
    const RECT& rc = list.header[i].rect;
    const int width = table.Width(rc.left, SpanOf(rc));
    steps.Cell(x, y, width, rc.bottom - rc.top, list.header[i].text);
    x += width;
  }
  return y + list.headerHeight;
}

using CellNameOf = std::function<std::wstring(size_t index, size_t position)>;

// The rows that `printable` lets through, a new page before a row that would
// come within 30 units of the paper's bottom (no header repeated).
int Rows(Steps& steps, const Table& table, const ListView& list, int y, const CellNameOf& nameOf,
         const std::function<bool(size_t)>& printable) {
  for (size_t r = 0; r < list.rows.size(); ++r) {
    if (!printable(r)) continue;
    if (y + 30 >= table.paperHeight) {
      steps.NewPage();
      y = 10;
    }
    int x = table.margin;
    for (size_t position = 0; position < table.columns.size(); ++position) {
      const size_t i = table.columns[position];
      const CellView* cell = list.Cell(r, nameOf(i, position));
      if (cell == nullptr) cell = list.Cell(r, L"item_line_num");
      if (cell != nullptr) {
        const int width = table.Width(cell->left, cell->width);
        steps.Cell(x, y, width, cell->height, cell->text);
        x += width;
      } else {
        const RECT& rc = list.header[i].rect;
        const int width = table.Width(rc.left, SpanOf(rc));
        steps.Cell(x, y, width, list.rows[r].height, std::wstring());
        x += width;
      }
    }
    y += list.rows[r].height;
  }
  return y;
}

void SignatureLine(Steps& steps, const Table& table, int y) {
  steps.Text(table.margin, y, table.paperWidth - table.margin, y + 30, L"签收人：" + std::wstring(20, L' '),
             Align::kRight);
}

bool AnyRowWith(const ListView& list, const std::wstring& cell) {
  for (size_t r = 0; r < list.rows.size(); ++r) {
    const CellView* found = list.Cell(r, cell);
    if (found != nullptr && !found->text.empty()) return true;
  }
  return false;
}

const std::wstring kSpaces8(8, L' ');

}  // namespace

PrintDocument LayoutList(const ListView& list, const std::wstring& title, const PaperSize& paper,
                         const std::vector<std::wstring>& columnNames, const std::wstring& keyColumn) {
  Steps steps(title);
  if (!list.exists || list.rows.empty()) return PrintDocument{};
  const std::wstring keyCell = L"item_" + keyColumn;
  if (!keyColumn.empty() && !AnyRowWith(list, keyCell)) return PrintDocument{};
  const Table table = Arrange(list, paper, std::wstring());
  int y = Letterhead(steps, table, title);
  y = HeaderRow(steps, table, list, y);
  const CellNameOf nameOf = [&](size_t i, size_t position) {
    if (columnNames.empty()) return L"item_" + list.header[i].text;
    return L"item_" + columnNames[position % columnNames.size()];
  };
  y = Rows(steps, table, list, y, nameOf, [&](size_t r) {
    if (keyColumn.empty()) return true;
    const CellView* key = list.Cell(r, keyCell);
    return key != nullptr && !key->text.empty();
  });
  SignatureLine(steps, table, y);
  steps.Text(table.margin, paper.height - 30, paper.width - table.margin, paper.height, L"TarvelStock ", Align::kRight);
  return steps.doc;
}

PrintDocument LayoutStockReport(const ListView& list, const std::wstring& caption, const PaperSize& paper) {
  if (!list.exists || list.rows.empty()) return PrintDocument{};
  const StockLayout& layout = StockLayoutOf(caption);
  Steps steps(caption);
  const Table table = Arrange(list, paper, std::wstring());
  int y = Letterhead(steps, table, caption);
  // Grouped items split at half their height: their own caption below, the
  // group's caption above the whole group at its last item.
  int x = table.margin;
  int groupLeft = x;
  for (size_t i : table.columns) {
    const RECT& rc = list.header[i].rect;
    const int width = table.Width(rc.left, SpanOf(rc));
    const int height = rc.bottom - rc.top;
    const StockGroup* group = GroupOf(layout, static_cast<int>(i));
    if (group == nullptr) {
      steps.Cell(x, y, width, height, list.header[i].text);
    } else {
      if (static_cast<int>(i) == group->firstIndex) groupLeft = x;
      steps.Cell(x, y + height / 2, width, height - height / 2, list.header[i].text);
      if (static_cast<int>(i) == group->lastIndex)
        steps.Cell(groupLeft, y, x + width - groupLeft, height / 2, group->caption);
    }
    x += width;
  }
  y += list.headerHeight;
  const CellNameOf nameOf = [&](size_t i, size_t) {
    return StockCellName(layout, static_cast<int>(i), list.header[i].text);
  };
  y = Rows(steps, table, list, y, nameOf, [](size_t) { return true; });
  SignatureLine(steps, table, y);
  return steps.doc;
}

PrintDocument LayoutBill(const ListView& lines, const BillFigures& bill, const PaperSize& paper) {
  if (!lines.exists || !AnyRowWith(lines, L"item_商品名称")) return PrintDocument{};
  const std::wstring title = bill.purchase ? L"进货单" : L"销售单";
  Steps steps(title);
  const Table table = Arrange(lines, paper, L"商品类别");
  const int m = table.margin;
  const int right = paper.width - m;
  Letterhead(steps, table, title);
  const std::wstring partyLine = std::wstring(bill.purchase ? L"供应商：" : L"客户：") + bill.party + kSpaces8 +
                                 L"日期：" + bill.date + kSpaces8 + L"No. " + bill.number + kSpaces8;
  steps.Text(m, 100, right, 130, partyLine, Align::kLeft);
  steps.Text(m, 100, right, 130, L"币别：人民币", Align::kRight);
  int y = HeaderRow(steps, table, lines, 130);
  y = Rows(
      steps, table, lines, y, [&](size_t i, size_t) { return L"item_" + lines.header[i].text; },
      [](size_t) { return true; });
  std::wstring summary = L"本单欠款：";
  if (bill.hasDue) {
    wchar_t amount[64];
    swprintf(amount, 64, L"%.02f", bill.due - bill.paid);
    summary += amount;
  }
  summary += kSpaces8;
  if (bill.hasPartyDebt) summary += (bill.purchase ? L"供应商总欠款：" : L"客户总欠款：") + bill.partyDebt + kSpaces8;
  summary += L"折扣率：" + bill.percent + L"%" + kSpaces8;
  summary += L"折后金额：" + bill.dueText + kSpaces8;
  summary += (bill.purchase ? L"本次付款：" : L"本次收款：") + bill.paidText + kSpaces8;
  steps.Text(m, y, right, y + 30, summary, Align::kLeft);
  steps.Text(m, y + 30, right, y + 60, L"说明：" + bill.note, Align::kLeft);
  steps.Text(m, y + 30, right, y + 60, L"签收人：" + std::wstring(20, L' '), Align::kRight);
  return steps.doc;
}

}  // namespace output
