// Test support: a page made up by a test. It opens its tab and panel for its routes
// (remembering "name/0" or "name/1" by the side it was opened for), takes the events
// and picker results of the controls it names, and remembers every event it was
// offered as "kind|sender|list".
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "page.h"
#include "page_registry.h"

namespace pagekit {
namespace test {

class ProbePage : public Page {
 public:
  ProbePage(std::vector<PageRoute> routes, std::wstring panel, std::vector<std::wstring> controls)
      : routes_(std::move(routes)), panel_(std::move(panel)), controls_(std::move(controls)) {}

  // Adds a probe page to the registry; the registry owns it.
  static ProbePage& AddTo(PageRegistry& registry, std::vector<PageRoute> routes, std::wstring panel,
                          std::vector<std::wstring> controls) {
    return static_cast<ProbePage&>(
        registry.Add(std::make_unique<ProbePage>(std::move(routes), std::move(panel), std::move(controls))));
  }

  // An offer as the page remembers it.
  static std::wstring Offer(EventKind kind, const std::wstring& sender, const std::wstring& list = L"") {
    return std::to_wstring(static_cast<int>(kind)) + L"|" + sender + L"|" + list;
  }

  std::vector<PageRoute> Routes() const override { return routes_; }
  void Open(PageHost& host, const std::wstring& name) override {
    host.OpenPageTab(name, panel_, true);
    opened.push_back(name + (host.Side() == PageSide::kPurchase ? L"/1" : L"/0"));
  }
  bool OnEvent(PageHost&, const PageEvent& event) override {
    offers.push_back(Offer(event.kind, event.sender, event.list));
    return Mine(event.sender);
  }
  bool OnPickerResult(PageHost&, const PickerResult& result) override {
    if (!Mine(result.owner)) return false;
    picked.push_back(result.text);
    return true;
  }

  std::vector<std::wstring> opened;
  std::vector<std::wstring> offers;
  std::vector<std::wstring> picked;

 private:
  bool Mine(const std::wstring& name) const {
    for (const std::wstring& control : controls_) {
      if (control == name) return true;
    }
    return false;
  }

  std::vector<PageRoute> routes_;
  std::wstring panel_;
  std::vector<std::wstring> controls_;
};

}  // namespace test
}  // namespace pagekit
