// Test support: the host a page's logic runs on in its tests, without a window. Its
// fields are in memory (declare the page's controls on `fields`), its data object is
// the one the test gives (the real Datavane.dll, or the forwarding seam over it), the
// session and side are the test's to set, and what the page asked of the frame (tabs,
// other pages, clicks) is kept in order as "tab <tab> <panel>", "page <name>",
// "click <control>" and "picker <left>,<top>,<right>,<bottom> several|one".
#pragma once

#include <string>
#include <vector>

#include "memory_fields.h"
#include "page_host.h"

namespace pagekit {
namespace test {

class MemoryHost : public PageHost {
 public:
  explicit MemoryHost(KXPDatavane* data = nullptr, Session session = {L"老板", true})
      : data_(data), session_(std::move(session)) {}

  void OpenPageTab(const std::wstring& tab, const std::wstring& panel, bool) override {
    calls.push_back(L"tab " + tab + L" " + panel);
  }
  void OpenPageByName(const std::wstring& page) override { calls.push_back(L"page " + page); }
  PageFields& Fields() override { return fields; }
  KXPDatavane* Data() override { return data_; }
  CatalogCache& Catalog() override { return catalog; }
  Session CurrentSession() const override { return session_; }
  PageSide Side() const override { return side; }
  void SetSide(PageSide value) override { side = value; }
  HWND OwnerWindow() const override { return nullptr; }
  bool ClickControl(const std::wstring& name) override {
    calls.push_back(L"click " + name);
    return fields.Exists(name);
  }
  bool OpenProductPicker(SkinUI::CControlUI*, void*, bool multiple, const RECT& screen) override {
    calls.push_back(L"picker " + std::to_wstring(screen.left) + L"," + std::to_wstring(screen.top) + L"," +
                    std::to_wstring(screen.right) + L"," + std::to_wstring(screen.bottom) +
                    (multiple ? L" several" : L" one"));
    return true;
  }

  MemoryFields fields;
  CatalogCache catalog;
  PageSide side = PageSide::kSales;
  std::vector<std::wstring> calls;

 private:
  KXPDatavane* data_;
  Session session_;
};

}  // namespace test
}  // namespace pagekit
