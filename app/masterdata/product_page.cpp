// The product page's frame over the host (see product_page.h).
#include "product_page.h"

#include <cwchar>

#include "not_built.h"

namespace masterdata {
namespace {

const wchar_t kPageName[] = L"商品";
const wchar_t kPanel[] = L"mid_hpkc";

// What the page shows the owner alone.
const wchar_t* const kOwnerButtons[] = {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_operate", L"hpkc_report"};

// The stock reports the page's buttons open, by route name.
struct ReportButton {
  const wchar_t* button;
  const wchar_t* report;
};
const ReportButton kReportButtons[] = {{L"hpkc_btn_report_kcyj", L"库存预警"},
                                       {L"hpkc_btn_report_kctj", L"库存统计表"}};

// The page's buttons whose operations are not built yet: the search and its drop
// buttons, the categories, the batch operations, the new product form, printing,
// export and import, the further functions.
const wchar_t* const kNotBuiltButtons[] = {
    L"hpkc_find_drop",       L"hpkc_tpye_drop",     L"hpkc_btn_add_type",    L"hpkc_btn_find",
    L"hpkc_btn_hide_zero",   L"hpkc_btn_batch_del", L"hpkc_btn_change_type", L"hpkc_new_jldw_drop",
    L"hpkc_btn_new_product", L"hpkc_new_hplb_drop", L"hpkc_new_save",        L"hpkc_new_cancel",
    L"hpkc_btn_print",       L"hpkc_btn_other",     L"hpkc_new_ywdw_drop",   L"hpkc_btn_export",
    L"hpkc_btn_import",
};

bool SameName(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

}  // namespace

std::vector<pagekit::PageRoute> ProductPage::Routes() const { return {{kPageName}}; }

void ProductPage::Open(pagekit::PageHost& host, const std::wstring&) { OpenProductPage(host); }

bool ProductPage::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  return event.kind == pagekit::EventKind::kClick && OnProductClick(host, event.sender);
}

void ProductPage::OpenProductPage(pagekit::PageHost& host) {
  host.OpenPageTab(kPageName, kPanel, true);
  if (host.CurrentSession().owner) return;
  for (const wchar_t* name : kOwnerButtons) host.Fields().SetVisible(name, false);
}

bool ProductPage::OnProductClick(pagekit::PageHost& host, const std::wstring& name) {
  for (const ReportButton& button : kReportButtons) {
    if (!SameName(name, button.button)) continue;
    host.OpenPageByName(button.report);
    return true;
  }
  for (const wchar_t* button : kNotBuiltButtons) {
    if (!SameName(name, button)) continue;
    pagekit::TellNotBuiltYet(host, name);
    return true;
  }
  return false;
}

}  // namespace masterdata
