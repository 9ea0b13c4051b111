// The product page's frame, alone of the master data pages, for the main window's
// page tests: their tables route the other master data names (customers,
// suppliers, receivables) as pages not built, which they are in those programs.
#include "page_registration.h"
#include "product_page.h"

namespace {

std::unique_ptr<pagekit::Page> MakeProductPage() { return std::make_unique<masterdata::ProductPage>(); }
const pagekit::PageRegistrar kProductPage(&MakeProductPage);

}  // namespace
