// The bill page and the order page join the main window's pages when the program
// starts. An INTERFACE source of the folder's library, so that the linker keeps it.
#include "bill_page.h"
#include "order_page.h"
#include "page_registration.h"

namespace {

std::unique_ptr<pagekit::Page> MakeBillPage() { return std::make_unique<documents::BillPage>(); }
std::unique_ptr<pagekit::Page> MakeOrderPage() { return std::make_unique<documents::OrderPage>(); }

const pagekit::PageRegistrar kBillPage(&MakeBillPage);
const pagekit::PageRegistrar kOrderPage(&MakeOrderPage);

}  // namespace
