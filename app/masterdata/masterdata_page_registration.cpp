// The master data pages, handed to the main window's registry when the program
// starts (an INTERFACE source of the folder's library, see page_registration.h).
#include "account_item_page.h"
#include "page_registration.h"
#include "party_page.h"
#include "price_page.h"
#include "product_page.h"

namespace {

std::unique_ptr<pagekit::Page> MakeProductPage() { return std::make_unique<masterdata::ProductPage>(); }
std::unique_ptr<pagekit::Page> MakePartyPage() {
  return std::make_unique<masterdata::PartyPage>(masterdata::MakeWindowMasterdataView());
}
std::unique_ptr<pagekit::Page> MakeTradePricePage() {
  return std::make_unique<masterdata::PricePage>(masterdata::PriceBook::kTrade, masterdata::MakeWindowMasterdataView());
}
std::unique_ptr<pagekit::Page> MakeContractPricePage() {
  return std::make_unique<masterdata::PricePage>(masterdata::PriceBook::kContract,
                                                 masterdata::MakeWindowMasterdataView());
}
std::unique_ptr<pagekit::Page> MakeAccountItemPage() {
  return std::make_unique<masterdata::AccountItemPage>(masterdata::MakeWindowMasterdataView());
}

const pagekit::PageRegistrar kProductPage(&MakeProductPage);
const pagekit::PageRegistrar kPartyPage(&MakePartyPage);
const pagekit::PageRegistrar kTradePricePage(&MakeTradePricePage);
const pagekit::PageRegistrar kContractPricePage(&MakeContractPricePage);
const pagekit::PageRegistrar kAccountItemPage(&MakeAccountItemPage);

}  // namespace
