// Test support: a document page over fields in memory and the shop of
// document_test_shop.h on the real Datavane.dll. The fixture declares every
// control of the bill and order layouts, keeps the page's view in memory, runs
// the page's events as the frame would send them, and can echo every write of a
// field back to the page as "textchanged", as the window does at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document_page.h"
#include "document_test_shop.h"
#include "test_support/memory_document_view.h"
#include "test_support/memory_host.h"

namespace documents {
namespace test {

// A host whose fields raise "textchanged" on the page for every text written, as
// the framework's edits do on the window.
class EchoingHost : public pagekit::test::MemoryHost {
 public:
  using MemoryHost::MemoryHost;
  pagekit::PageFields& Fields() override { return echo_; }
  void EchoTo(pagekit::Page* page) { echo_.page = page; }

 private:
  class EchoingFields : public pagekit::PageFields {
   public:
    EchoingFields(EchoingHost& host) : host_(host) {}
    pagekit::Page* page = nullptr;

    bool Exists(const pagekit::FieldRef& f) const override { return Memory().Exists(f); }
    std::wstring Text(const pagekit::FieldRef& f) const override { return Memory().Text(f); }
    bool SetText(const pagekit::FieldRef& f, const std::wstring& text) override {
      const bool changed = Memory().Text(f) != text;
      const bool done = Memory().SetText(f, text);
      if (done && changed && page != nullptr) {
        pagekit::PageEvent event;
        event.kind = pagekit::EventKind::kTextChanged;
        event.sender = f.name;
        event.list = f.list;
        event.row = f.row;
        page->OnEvent(host_, event);
      }
      return done;
    }
    bool Visible(const pagekit::FieldRef& f) const override { return Memory().Visible(f); }
    bool SetVisible(const pagekit::FieldRef& f, bool v) override { return Memory().SetVisible(f, v); }
    bool Enabled(const pagekit::FieldRef& f) const override { return Memory().Enabled(f); }
    bool SetEnabled(const pagekit::FieldRef& f, bool v) override { return Memory().SetEnabled(f, v); }
    bool Selected(const pagekit::FieldRef& f) const override { return Memory().Selected(f); }
    bool SetSelected(const pagekit::FieldRef& f, bool v) override { return Memory().SetSelected(f, v); }
    bool Date(const pagekit::FieldRef& f, SYSTEMTIME* d) const override { return Memory().Date(f, d); }
    bool SetDate(const pagekit::FieldRef& f, const SYSTEMTIME& d) override { return Memory().SetDate(f, d); }
    std::wstring Hint(const pagekit::FieldRef& f) const override { return Memory().Hint(f); }
    bool SetHint(const pagekit::FieldRef& f, const std::wstring& h) override { return Memory().SetHint(f, h); }
    std::wstring ToolTip(const pagekit::FieldRef& f) const override { return Memory().ToolTip(f); }
    bool SetAttribute(const pagekit::FieldRef& f, const std::wstring& a, const std::wstring& v) override {
      return Memory().SetAttribute(f, a, v);
    }
    RECT Position(const pagekit::FieldRef& f) const override { return Memory().Position(f); }
    bool SetFocus(const pagekit::FieldRef& f) override { return Memory().SetFocus(f); }
    bool Focused(const pagekit::FieldRef& f) const override { return Memory().Focused(f); }
    int RowCount(const std::wstring& list) const override { return Memory().RowCount(list); }
    bool ClearRows(const std::wstring& list) override { return Memory().ClearRows(list); }
    int SelectedRow(const std::wstring& list) const override { return Memory().SelectedRow(list); }
    bool SelectRow(const std::wstring& list, int row) override { return Memory().SelectRow(list, row); }
    int AddEntry(const std::wstring& list, const std::wstring& key, const std::wstring& layout) override {
      return Memory().AddEntry(list, key, layout);
    }
    std::wstring EntryKey(const std::wstring& list, int row) const override { return Memory().EntryKey(list, row); }

   private:
    pagekit::MemoryFields& Memory() const { return host_.fields; }
    EchoingHost& host_;
  };
  EchoingFields echo_{*this};
};

// 22 October 2014, ten past nine in the morning, local time.
SYSTEMTIME TestNow();

class DocumentPageTest : public ShopTest {
 protected:
  void SetUp() override;

  // Declares the controls of both pages' layouts on the host's fields.
  void DeclareControls();
  // The page under test: its view in memory; the fields echo its writes when asked.
  template <class PageType>
  PageType& MakePage() {
    auto view = std::make_unique<MemoryDocumentView>(host->fields, &shown);
    this->view = view.get();
    page = std::make_unique<PageType>(std::move(view), &TestNow);
    host->EchoTo(page.get());
    return static_cast<PageType&>(*page);
  }

  // The user typing a cell of a line, or a control, as the frame passes it on.
  void Type(const std::wstring& list, int row, const std::wstring& cell, const std::wstring& text);
  void Type(const std::wstring& control, const std::wstring& text);
  bool Click(const std::wstring& control, const std::wstring& list = L"", int row = -1);
  std::wstring Text(const std::wstring& control) { return host->fields.Text(control); }
  std::wstring CellText(const std::wstring& list, int row, const std::wstring& cell) {
    return host->fields.Text(pagekit::Cell(list, row, cell));
  }

  std::unique_ptr<EchoingHost> host;
  std::unique_ptr<DocumentPage> page;
  MemoryDocumentView* view = nullptr;
  std::vector<std::wstring> shown;
};

}  // namespace test
}  // namespace documents
