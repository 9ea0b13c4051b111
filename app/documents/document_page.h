// What the bill page and the order page share: a page of one document with lines
// (the grid and its line entry, the totals), its history, the text changes of its
// own controls (and only those the user made: the page's own writes raise
// "textchanged" too and are ignored), the product picker under a line with the
// products it brings back, and the delete of a history row.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document_numbers.h"
#include "document_view.h"
#include "line_entry.h"
#include "field_records.h"
#include "page.h"
#include "spreadsheet_import.h"

namespace documents {

// The local date and time: a page takes its document date and number from it.
using LocalClock = SYSTEMTIME (*)();

class DocumentPage : public pagekit::Page {
 public:
  // What differs between the pages' two modes and two sides: [0] sales, [1] purchases.
  struct Captions {
    const wchar_t* tab[2];
    const wchar_t* entry[2];
    const wchar_t* history[2];
    const wchar_t* delivery[2];  // the "not a return" box
    DocumentKind kind[2];
  };

  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;
  bool OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) override;

  // Products ticked in the picker opened under line `row`: one per line from that
  // line on, as many as there are lines.
  void OnProductRowSelect(pagekit::PageHost& host, const std::vector<std::wstring>& names, int row);
  // The product picker under line `row`.
  void DropRowProduct(pagekit::PageHost& host, int row);

  // Lines read from a spreadsheet: the grid emptied, one line each (and empty
  // lines up to 50), each line and the totals computed as after typing its quantity.
  void ShowImportedLines(pagekit::PageHost& host, const std::vector<output::ImportedLine>& lines);

  // The number of the stored document opened for editing; empty for a new one.
  const std::wstring& OpenedNumber() const { return openedNumber_; }
  // Remembers the stored document now shown for editing (the page that opens it).
  void SetOpenedNumber(const std::wstring& number) { openedNumber_ = number; }

 protected:
  DocumentPage(const wchar_t* prefix, const GridNames& grid, const Captions& captions,
               std::unique_ptr<DocumentView> view, LocalClock clock);

  // A control of the page by its role: Name(L"_id") is "xsd_id" on the bill page.
  std::wstring Name(const wchar_t* role) const { return prefix_ + role; }
  const std::wstring& ListName() const { return list_; }
  DocumentDate Today() const { return DateOf(clock_()); }
  SYSTEMTIME Now() const { return clock_(); }

  // The page's writes raise "textchanged" on the window at once: while one runs,
  // those notices are the page's own and change nothing.
  class Writing {
   public:
    explicit Writing(DocumentPage& page) : page_(page), outer_(!page.writing_) { page_.writing_ = true; }
    ~Writing() {
      if (outer_) page_.writing_ = false;
    }

   private:
    DocumentPage& page_;
    bool outer_;
  };

  // The tab and panel of the side, and whether the page has its list.
  bool OpenTab(pagekit::PageHost& host);
  // What both pages do to switch modes: the date, the toggle's text and the
  // caption, the delivery and return boxes, the party's label and hint, the
  // layouts of each mode.
  void ShowModeControls(pagekit::PageHost& host, bool history);
  // The history toggle: true when the page went into history mode (the caller
  // fills the list); false when it went back to a new document. An opened
  // document is forgotten either way.
  bool ToggleHistory(pagekit::PageHost& host);
  // Cancel: the lines emptied; an opened document gives way to a new number.
  bool StartOver(pagekit::PageHost& host);
  // A new document of the page: its mode and number, 50 empty lines.
  virtual void ShowNewDocument(pagekit::PageHost& host) = 0;
  virtual void ShowMode(pagekit::PageHost& host, bool history) = 0;
  // The next number of the date now in the page's date field.
  void NewNumber(pagekit::PageHost& host);
  bool Purchase(pagekit::PageHost& host) const { return host.Side() == pagekit::PageSide::kPurchase; }

  // The import button: the import dialog, then the sheet's lines into the grid.
  void ImportLines(pagekit::PageHost& host, bool order);
  // The grid of 50 empty lines, the business units looked up afresh.
  void ShowEmptyLines(pagekit::PageHost& host);
  // The history rows in the list.
  void ShowHistoryRows(pagekit::PageHost& host, const HistoryShape& shape,
                       const std::vector<std::vector<DataField>>& rows);

  // The page's own clicks: true when the control was one of its buttons.
  virtual bool OnClick(pagekit::PageHost& host, const std::wstring& sender) = 0;
  virtual void OnDateChanged(pagekit::PageHost& host, const std::wstring& sender) { (void)host, (void)sender; }
  // "修改" or a double-click on row `row` of the page's list.
  virtual void OpenHistoryRow(pagekit::PageHost& host, int row) { (void)host, (void)row; }
  // True while the page shows its history.
  bool InHistory(pagekit::PageHost& host) const;
  // The stored lines of that document in the grid, at least 50 rows.
  void ShowStoredLines(pagekit::PageHost& host, const std::vector<pagekit::Record>& lines);
  // Deletes the stored document of that number.
  virtual bool DeleteStored(pagekit::PageHost& host, const std::wstring& number) = 0;
  // The picker's rectangle on the screen for a row at `row` (client) in `window`.
  virtual RECT PickerRect(const RECT& row, const RECT& window) const = 0;

  DocumentView& View() { return *view_; }
  LineEntry& Lines() { return lines_; }

  std::wstring openedNumber_;

 private:
  void OnTextChanged(pagekit::PageHost& host, const pagekit::PageEvent& event);
  void DeleteHistoryRow(pagekit::PageHost& host, int row);
  void SetRowProduct(pagekit::PageHost& host, int row, const std::wstring& product);

  std::wstring prefix_;
  std::wstring list_;
  const Captions& captions_;
  std::unique_ptr<DocumentView> view_;
  LocalClock clock_;
  UnitRates rates_;
  LineEntry lines_;
  bool writing_ = false;
  int pickerRow_ = -1;  // the line whose picker is open
};

}  // namespace documents
