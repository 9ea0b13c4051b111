// What a master data page needs of its window beyond the fields: a list filled
// from a table (its header from the columns, its rows streamed by the library),
// the tooltip of a save's answer, a question, a message, the focus, and the
// entries of a type bar. One implementation works on the main window
// (window_masterdata_view.cpp); the tests keep the rows in memory fields.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalog_store.h"
#include "data_store.h"
#include "masterdata_records.h"
#include "page.h"
#include "page_host.h"

namespace masterdata {

// A list to fill: its table or view, the columns with their conditions (no
// column: all of the table's), the header style (list_builders.h) and the caption
// of the row action column.
struct ListFill {
  std::wstring list;
  const char* table = "";
  Record columns;
  int style = 0;
  std::wstring reserve;
};

class MasterdataView {
 public:
  virtual ~MasterdataView() = default;

  // Unticks "sel_all_<list>", takes every row out, builds the header and streams
  // the rows in.
  virtual void FillList(pagekit::PageHost& host, const ListFill& fill) = 0;
  // A row shown or hidden; the visible rows' line numbers follow.
  virtual void SetRowVisible(pagekit::PageHost& host, const std::wstring& list, int row, bool visible) = 0;
  virtual bool RowVisible(pagekit::PageHost& host, const std::wstring& list, int row) = 0;
  // The save's tooltip at its field (nothing when the answer names none).
  virtual void ShowTip(pagekit::PageHost& host, const FormAnswer& answer) = 0;
  // A question: true when the user agreed.
  virtual bool Confirm(pagekit::PageHost& host, const std::wstring& text) = 0;
  virtual void Tell(pagekit::PageHost& host, const std::wstring& text) = 0;
  virtual void Focus(pagekit::PageHost& host, const std::wstring& field) = 0;
  // The text of the bar-list entry a row event came from.
  virtual std::wstring EntryText(pagekit::PageHost& host, const pagekit::PageEvent& event) = 0;
  // The category tree: every category under its parent (categories ordered by
  // level, so parents come first); the nodes carry the category names.
  virtual void ShowCategoryTree(pagekit::PageHost& host, const std::wstring& bar,
                                const std::vector<pagekit::CategoryEntry>& categories) = 0;
  // The bar list holds exactly these entries, the first selected.
  virtual void SetBarEntries(pagekit::PageHost& host, const std::wstring& bar,
                             const std::vector<std::wstring>& entries) = 0;
};

std::unique_ptr<MasterdataView> MakeWindowMasterdataView();

}  // namespace masterdata
