// The registered page factories and one main window's pages.
#include "page_registry.h"

#include <algorithm>
#include <cwchar>

namespace pagekit {
namespace {

// A function-local list: registrars run during static initialisation, in no fixed
// order relative to this file.
std::vector<PageFactory>& Factories() {
  static std::vector<PageFactory> factories;
  return factories;
}

}  // namespace

void RegisterPageFactory(PageFactory factory) {
  std::vector<PageFactory>& factories = Factories();
  if (factory != nullptr && std::find(factories.begin(), factories.end(), factory) == factories.end())
    factories.push_back(factory);
}

const std::vector<PageFactory>& RegisteredPageFactories() { return Factories(); }

PageRegistry PageRegistry::FromRegisteredFactories() {
  PageRegistry registry;
  for (PageFactory factory : Factories()) {
    if (std::unique_ptr<Page> page = factory()) registry.Add(std::move(page));
  }
  return registry;
}

Page& PageRegistry::Add(std::unique_ptr<Page> page) {
  pages_.push_back(std::move(page));
  return *pages_.back();
}

Page* PageRegistry::FindRoute(const std::wstring& name, PageRoute* route) const {
  for (const std::unique_ptr<Page>& page : pages_) {
    for (const PageRoute& own : page->Routes()) {
      if (own.name == nullptr || _wcsicmp(own.name, name.c_str()) != 0) continue;
      if (route != nullptr) *route = own;
      return page.get();
    }
  }
  return nullptr;
}

bool PageRegistry::OpenPage(PageHost& host, const std::wstring& name) const {
  PageRoute route{nullptr};
  Page* page = FindRoute(name, &route);
  if (page == nullptr) return false;
  if (route.setsSide) host.SetSide(route.side);
  page->Open(host, name);
  return true;
}

bool PageRegistry::Dispatch(PageHost& host, const PageEvent& event) const {
  for (const std::unique_ptr<Page>& page : pages_) {
    if (page->OnEvent(host, event)) return true;
  }
  return false;
}

bool PageRegistry::DispatchPickerResult(PageHost& host, const PickerResult& result) const {
  for (const std::unique_ptr<Page>& page : pages_) {
    if (page->OnPickerResult(host, result)) return true;
  }
  return false;
}

}  // namespace pagekit
