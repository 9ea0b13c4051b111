// What a document page needs of its window beyond the fields: its list built as the
// line grid or as the history, a row taken out, the tooltip at a field, the error
// dialog, the delete question, the focus on a cell, the product picker under a
// line, and where a control sits among the rows of its list. One implementation
// works on the main window (window_document_view.cpp); the tests keep rows in
// memory and record what the page showed.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "kxp_data.h"
#include "page.h"
#include "page_host.h"

namespace documents {

// The history of a page: the table its rows come from (empty: none named in the
// header), the header's columns in order, and whether the rows are orders (their
// shape differs from a bill's).
struct HistoryShape {
  std::string table;
  std::vector<std::string> columns;  // library text
  bool orders = false;
  bool purchase = false;
};

class DocumentView {
 public:
  virtual ~DocumentView() = default;

  // The list as the line grid: the seven line columns with line numbers, not
  // sortable, `lines` empty editable lines with business-unit cells.
  virtual void ShowLineGrid(pagekit::PageHost& host, const std::wstring& list, int lines) = 0;
  // The line grid holding these lines (the seven line columns, library text), then
  // empty lines until it has `minimum` rows; scrolled to its top.
  virtual void ShowLines(pagekit::PageHost& host, const std::wstring& list,
                         const std::vector<std::vector<DataField>>& lines, int minimum) = 0;
  // The list as the history: its header, sortable, one row per stored document in
  // the order given (rows as the library answers the history query).
  virtual void ShowHistory(pagekit::PageHost& host, const std::wstring& list, const HistoryShape& shape,
                           const std::vector<std::vector<DataField>>& rows) = 0;
  // Takes row `row` out of the list and numbers the lines again.
  virtual void RemoveRow(pagekit::PageHost& host, const std::wstring& list, int row) = 0;

  // The self-closing tooltip at a field (a cell: list, row and name): `size` its
  // width and height, `offset` its top left from the field's top left.
  virtual void ShowTip(pagekit::PageHost& host, const pagekit::FieldRef& field, const std::wstring& text, SIZE size,
                       POINT offset) = 0;
  // The message dialog "错误" with the text.
  virtual void ShowError(pagekit::PageHost& host, const std::wstring& text) = 0;
  // "确定要执行删除操作 ?": true when the user agreed.
  virtual bool ConfirmDelete(pagekit::PageHost& host) = 0;
  // The focus into the field, its text selected.
  virtual void FocusAndSelect(pagekit::PageHost& host, const pagekit::FieldRef& field) = 0;
  // The product picker (several at once) under row `row` of the list, its owner the
  // row's "..." button; `screen` in screen coordinates. False when it cannot open.
  virtual bool OpenProductPicker(pagekit::PageHost& host, const std::wstring& list, int row, const RECT& screen) = 0;
  // The main window's rectangle on the screen and a row's in its client area.
  virtual RECT WindowRect(pagekit::PageHost& host) = 0;
  virtual RECT RowRect(pagekit::PageHost& host, const std::wstring& list, int row) = 0;

  // The list and row of the control an event or a picker result came from: the
  // event's own when it names them, else found from the control on the window.
  // False when the control sits in no row of a list.
  virtual bool PlaceOf(pagekit::PageHost& host, const pagekit::PageEvent& event, std::wstring* list, int* row) = 0;
  virtual bool PlaceOfControl(pagekit::PageHost& host, SkinUI::CControlUI* control, std::wstring* list, int* row) = 0;
};

// The view over the main window.
std::unique_ptr<DocumentView> MakeWindowDocumentView();

}  // namespace documents
