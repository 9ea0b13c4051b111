#include "document_desk.h"

#include <cwchar>

namespace documents {

DocumentDesk::DocumentDesk() : pages_{&bill_, &order_, &payment_, &cashBook_} {
  order_.SetBillPage(&bill_);
  cashBook_.SetBillPage(&bill_);
}

std::vector<pagekit::PageRoute> DocumentDesk::Routes() const {
  std::vector<pagekit::PageRoute> routes;
  for (const pagekit::Page* page : pages_) {
    const std::vector<pagekit::PageRoute> own = page->Routes();
    routes.insert(routes.end(), own.begin(), own.end());
  }
  return routes;
}

void DocumentDesk::Open(pagekit::PageHost& host, const std::wstring& name) {
  for (pagekit::Page* page : pages_) {
    for (const pagekit::PageRoute& route : page->Routes()) {
      if (_wcsicmp(route.name, name.c_str()) != 0) continue;
      page->Open(host, name);
      return;
    }
  }
}

bool DocumentDesk::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  for (pagekit::Page* page : pages_)
    if (page->OnEvent(host, event)) return true;
  return false;
}

bool DocumentDesk::OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) {
  for (pagekit::Page* page : pages_)
    if (page->OnPickerResult(host, result)) return true;
  return false;
}

}  // namespace documents
