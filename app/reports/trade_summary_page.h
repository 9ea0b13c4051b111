// The sales and purchase summaries (panels "mid_xstjbg" and "mid_jhtjbg"): one
// page per side showing one mode at a time (sales by product, customer or
// salesman; purchases by product or supplier), the mode carried by the caption.
// A product's row drills down to that product's detail on the same page with
// the way back; a party's or salesman's row opens the bill page's history
// searched for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "page.h"
#include "report_columns.h"
#include "report_view.h"

namespace reports {

enum class SummaryMode { kProduct, kParty, kSalesman };

class TradeSummaryPage : public pagekit::Page {
 public:
  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;

  // Opens a mode: the caption, the tab, the side, the unfiltered summary.
  void OpenMode(pagekit::PageHost& host, SummaryMode mode);
  // The return button: back to the mode the caption names, its summary listed.
  void SetSummaryMode(pagekit::PageHost& host);
  // The find button: the current mode filtered by the party box and the dates.
  void QuerySummary(pagekit::PageHost& host);
  // A product row: its detail report, with the way back shown.
  void LoadSummaryDetail(pagekit::PageHost& host, const std::wstring& product);
  // A party's or salesman's row: the bill page's history searched for it (a
  // salesman's within the summary's dates).
  void ShowBillsOf(pagekit::PageHost& host, const std::wstring& name, SummaryMode mode);

 protected:
  struct ModeInfo {
    SummaryMode mode;
    const wchar_t* caption;
    const char* key;
    ColumnSet columns;
  };
  struct SideInfo {
    const wchar_t* prefix;  // "xstjbg" / "jhtjbg"
    pagekit::PageSide side;
    std::vector<ModeInfo> modes;  // the first is the product mode, the second the party mode
    const char* productFilter;    // the column the product mode's filter compares
    const char* detailKey;
    ColumnSet detailColumns;
    const wchar_t* billPage;  // the bill page's router name
  };

  TradeSummaryPage(SideInfo side, std::unique_ptr<ReportView> view);

 private:
  const ModeInfo& Mode(SummaryMode mode) const;
  // The mode the caption names (a detail's caption begins with its mode's).
  SummaryMode ModeOfCaption(pagekit::PageHost& host) const;
  // Hides the return button and sets the mode's caption; the mode.
  SummaryMode RestoreCaption(pagekit::PageHost& host);
  // The mode's column entries and the entries of its filter and dates.
  Record ModeEntries(pagekit::PageHost& host, SummaryMode mode, const std::string& filter,
                     const std::string& dates) const;
  std::wstring Name(const wchar_t* suffix) const { return side_.prefix + std::wstring(suffix); }
  std::wstring List() const { return L"list" + std::wstring(side_.prefix); }

  SideInfo side_;
  std::unique_ptr<ReportView> view_;
};

// 销售汇总表(商品) / (客户) / (业务员).
class SalesSummaryPage : public TradeSummaryPage {
 public:
  explicit SalesSummaryPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  void ShowSalesByProduct(pagekit::PageHost& host) { OpenMode(host, SummaryMode::kProduct); }
  void ShowSalesByCustomer(pagekit::PageHost& host) { OpenMode(host, SummaryMode::kParty); }
  void ShowSalesBySalesman(pagekit::PageHost& host) { OpenMode(host, SummaryMode::kSalesman); }
  void SetSalesSummaryMode(pagekit::PageHost& host) { SetSummaryMode(host); }
  void QuerySalesSummary(pagekit::PageHost& host) { QuerySummary(host); }
  void LoadSaleSummaryDetail(pagekit::PageHost& host, const std::wstring& product) { LoadSummaryDetail(host, product); }
  void ShowSaleBillsOfParty(pagekit::PageHost& host, const std::wstring& party) {
    ShowBillsOf(host, party, SummaryMode::kParty);
  }
  void ShowSaleBillsOfSaler(pagekit::PageHost& host, const std::wstring& salesman) {
    ShowBillsOf(host, salesman, SummaryMode::kSalesman);
  }
};

// 进货汇总表(商品) / (供应商).
class PurchaseSummaryPage : public TradeSummaryPage {
 public:
  explicit PurchaseSummaryPage(std::unique_ptr<ReportView> view = MakeWindowReportView());

  void ShowPurchaseByProduct(pagekit::PageHost& host) { OpenMode(host, SummaryMode::kProduct); }
  void ShowPurchaseBySupplier(pagekit::PageHost& host) { OpenMode(host, SummaryMode::kParty); }
  void SetPurchaseSummaryMode(pagekit::PageHost& host) { SetSummaryMode(host); }
  void QueryPurchaseSummary(pagekit::PageHost& host) { QuerySummary(host); }
  void LoadPurchaseSummaryDetail(pagekit::PageHost& host, const std::wstring& product) {
    LoadSummaryDetail(host, product);
  }
  void ShowPurchaseBillsOfParty(pagekit::PageHost& host, const std::wstring& supplier) {
    ShowBillsOf(host, supplier, SummaryMode::kParty);
  }
};

}  // namespace reports
