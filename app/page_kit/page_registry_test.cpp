// The page registry: router names found whatever their letter case, with the side
// of their route set before the page opens; the first page of a name wins; events
// and picker results offered to the pages in order until one takes them, a page
// that says "not mine" passing them on; registered factories made into one page
// each, a factory registered twice made once.
#include "page_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_registration.h"
#include "test_support/memory_host.h"
#include "test_support/probe_page.h"

namespace {

using pagekit::EventKind;
using pagekit::PageEvent;
using pagekit::PageSide;

using pagekit::test::MemoryHost;
using pagekit::test::ProbePage;

TEST(PageRegistry, RouterNamesOpenTheirPageWithTheirSide) {
  pagekit::PageRegistry registry;
  auto& bills = ProbePage::AddTo(
      registry,
      std::vector<pagekit::PageRoute>{{L"销售单", true, PageSide::kSales}, {L"进货单", true, PageSide::kPurchase}},
      L"mid_xsd", std::vector<std::wstring>{});
  auto& shadow = ProbePage::AddTo(registry, std::vector<pagekit::PageRoute>{{L"进货单"}, {L"Report"}}, L"mid_other",
                                  std::vector<std::wstring>{});
  struct Case {
    const wchar_t* name;
    PageSide before;
    bool opens;
    PageSide after;
    const wchar_t* call;  // what the host was asked, or null
  } cases[] = {
      {L"销售单", PageSide::kPurchase, true, PageSide::kSales, L"tab 销售单 mid_xsd"},
      {L"进货单", PageSide::kSales, true, PageSide::kPurchase, L"tab 进货单 mid_xsd"},
      // A route without a side leaves it as it was; names are found in any case.
      {L"report", PageSide::kPurchase, true, PageSide::kPurchase, L"tab report mid_other"},
      {L"REPORT", PageSide::kSales, true, PageSide::kSales, L"tab REPORT mid_other"},
      {L"没有这一页", PageSide::kPurchase, false, PageSide::kPurchase, nullptr},
      {L"", PageSide::kSales, false, PageSide::kSales, nullptr},
  };
  for (const Case& c : cases) {
    MemoryHost host;
    host.side = c.before;
    EXPECT_EQ(c.opens, registry.OpenPage(host, c.name)) << c.name;
    EXPECT_EQ(c.after, host.side) << c.name;
    EXPECT_EQ(c.call != nullptr ? std::vector<std::wstring>{c.call} : std::vector<std::wstring>{}, host.calls)
        << c.name;
  }
  // "进货单" belongs to the page that named it first.
  EXPECT_EQ((std::vector<std::wstring>{L"销售单/0", L"进货单/1"}), bills.opened);
  EXPECT_EQ((std::vector<std::wstring>{L"report/1", L"REPORT/0"}), shadow.opened);
}

TEST(PageRegistry, EventsGoToThePagesInOrderUntilOneTakesThem) {
  pagekit::PageRegistry registry;
  auto& first = ProbePage::AddTo(registry, std::vector<pagekit::PageRoute>{}, L"",
                                 std::vector<std::wstring>{L"hpkc_btn_find", L"both"});
  auto& second = ProbePage::AddTo(registry, std::vector<pagekit::PageRoute>{}, L"",
                                  std::vector<std::wstring>{L"xsd_save", L"both"});
  struct Case {
    const wchar_t* sender;
    bool taken;
    int firstAsked;  // how often each page was asked, in total so far
    int secondAsked;
  } cases[] = {
      {L"hpkc_btn_find", true, 1, 0},  // the first page's: the second is not asked
      {L"xsd_save", true, 2, 1},       // the first says not mine, the second takes it
      {L"both", true, 3, 1},           // two pages name it: the first one added
      {L"没有这个按钮", false, 4, 2},  // nobody's
  };
  MemoryHost host;
  for (const Case& c : cases) {
    PageEvent event;
    event.kind = EventKind::kClick;
    event.sender = c.sender;
    EXPECT_EQ(c.taken, registry.Dispatch(host, event)) << c.sender;
    EXPECT_EQ(c.firstAsked, static_cast<int>(first.offers.size())) << c.sender;
    EXPECT_EQ(c.secondAsked, static_cast<int>(second.offers.size())) << c.sender;
  }
}

TEST(PageRegistry, PickerResultsGoToThePageOfTheirOwner) {
  pagekit::PageRegistry registry;
  auto& products = ProbePage::AddTo(registry, std::vector<pagekit::PageRoute>{}, L"",
                                    std::vector<std::wstring>{L"hpkc_new_hplb_drop"});
  auto& bills =
      ProbePage::AddTo(registry, std::vector<pagekit::PageRoute>{}, L"", std::vector<std::wstring>{L"xsd_custom_drop"});
  MemoryHost host;
  pagekit::PickerResult result;
  result.kind = pagekit::PickerKind::kDropList;
  result.owner = L"xsd_custom_drop";
  result.text = L"张三";
  EXPECT_TRUE(registry.DispatchPickerResult(host, result));
  result.owner = L"没有";
  EXPECT_FALSE(registry.DispatchPickerResult(host, result));
  EXPECT_TRUE(products.picked.empty());
  EXPECT_EQ(std::vector<std::wstring>{L"张三"}, bills.picked);
}

std::unique_ptr<pagekit::Page> MakeRegisteredPage() {
  return std::make_unique<ProbePage>(std::vector<pagekit::PageRoute>{{L"登记的页"}}, L"mid_registered",
                                     std::vector<std::wstring>{});
}

// As a page folder's registrar does it, twice (two modules linking the folder).
const pagekit::PageRegistrar kRegistrar(&MakeRegisteredPage);
const pagekit::PageRegistrar kRegistrarAgain(&MakeRegisteredPage);

TEST(PageRegistry, RegisteredFactoriesGiveOnePageEach) {
  int listed = 0;
  for (pagekit::PageFactory factory : pagekit::RegisteredPageFactories()) listed += factory == &MakeRegisteredPage;
  EXPECT_EQ(1, listed);
  pagekit::PageRegistry registry = pagekit::PageRegistry::FromRegisteredFactories();
  MemoryHost host;
  EXPECT_TRUE(registry.OpenPage(host, L"登记的页"));
  EXPECT_EQ(std::vector<std::wstring>{L"tab 登记的页 mid_registered"}, host.calls);
  // Each registry has pages of its own.
  pagekit::PageRegistry other = pagekit::PageRegistry::FromRegisteredFactories();
  EXPECT_NE(registry.FindRoute(L"登记的页"), other.FindRoute(L"登记的页"));
}

}  // namespace
