// PageRegistry: the pages of one main window, asked in the order they were added.
//
// Page folders do not register with the frame by name: each hands a factory to
// RegisterPageFactory from a registrar object of its own (see page_registration.h),
// and the frame makes one page of every registered factory when it is created. The
// frame knows no page and no page knows the frame.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "page.h"

namespace pagekit {

using PageFactory = std::unique_ptr<Page> (*)();

// Adds a factory after those already registered. The same factory registered again
// (a registrar linked into two modules of one process) stays listed once.
void RegisterPageFactory(PageFactory factory);
// The factories registered so far, in order.
const std::vector<PageFactory>& RegisteredPageFactories();

class PageRegistry {
 public:
  // One page of every registered factory.
  static PageRegistry FromRegisteredFactories();

  // Adds a page after the others; the registry owns it.
  Page& Add(std::unique_ptr<Page> page);
  bool empty() const { return pages_.empty(); }

  // The page that opens for that router name (compared without regard to case), or
  // null; `route` receives the page's route of that name.
  Page* FindRoute(const std::wstring& name, PageRoute* route = nullptr) const;
  // Sets the route's side and opens the page; false when no page has that name.
  bool OpenPage(PageHost& host, const std::wstring& name) const;
  // Offers the event to the pages in order; true when one took it.
  bool Dispatch(PageHost& host, const PageEvent& event) const;
  bool DispatchPickerResult(PageHost& host, const PickerResult& result) const;

 private:
  std::vector<std::unique_ptr<Page>> pages_;
};

}  // namespace pagekit
