// What a print puts on paper, computed before any printer is touched: a list of
// drawing steps in print units (one eightieth of an inch; one pixel of a
// control on screen is one unit on paper): texts in boxes, table cells (a text
// centred in a ruled box) and page breaks. Printing plays the steps on the
// printer's device context; tests read them as a table.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "list_view.h"

namespace output {

struct PrintStep {
  enum class Kind { kText, kCell, kNewPage };
  enum class Align { kLeft, kCentre, kRight };
  Kind kind = Kind::kText;
  RECT box{};
  std::wstring text;
  Align align = Align::kLeft;
  bool titleFont = false;
};

struct PrintDocument {
  std::wstring name;  // the document's name in the print queue
  std::vector<PrintStep> steps;
  bool Empty() const { return steps.empty(); }
};

// The paper in print units.
struct PaperSize {
  int width = 0;
  int height = 0;
};

// A list as a ruled table under the letterhead. `columnNames` (empty: none)
// name the cells of the printed columns in turn; with a `keyColumn` only rows
// whose cell of that name has a text print, and a list without such a row
// prints nothing.
PrintDocument LayoutList(const ListView& list, const std::wstring& title, const PaperSize& paper,
                         const std::vector<std::wstring>& columnNames, const std::wstring& keyColumn);

// The stock report with its two-level header, by the page's caption.
PrintDocument LayoutStockReport(const ListView& list, const std::wstring& caption, const PaperSize& paper);

// What the bill page shows around its lines, read from its fields.
struct BillFigures {
  bool purchase = false;
  std::wstring party, date, number;
  bool hasDue = false;  // both amounts are there
  double due = 0, paid = 0;
  std::wstring percent, dueText, paidText, note;
  bool hasPartyDebt = false;  // a party is named and stored
  std::wstring partyDebt;
};

// A bill as a delivery note: its lines (without the category column), the party
// line above and the summary below.
PrintDocument LayoutBill(const ListView& lines, const BillFigures& bill, const PaperSize& paper);

}  // namespace output
