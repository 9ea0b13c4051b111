// The report pages' view over the main window: headers and rows through the
// page kit's list builders and row callback, the tooltip from the widgets.
#include <new>

#include "controls/list.h"
#include "data_store.h"
#include "field_tooltip.h"
#include "list_builders.h"
#include "list_fill.h"
#include "list_sorting.h"
#include "paint_manager_fields.h"
#include "report_view.h"

namespace reports {
namespace {

using pagekit::PageHost;

pagekit::PaintManagerFields* WindowFields(PageHost& host) {
  return dynamic_cast<pagekit::PaintManagerFields*>(&host.Fields());
}

SkinUI::CListUI* FindList(PageHost& host, const std::wstring& name) {
  pagekit::PaintManagerFields* fields = WindowFields(host);
  SkinUI::CControlUI* control = fields != nullptr ? fields->Find(name) : nullptr;
  return control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
}

class WindowReportView : public ReportView {
 public:
  void BuildHeader(PageHost& host, const std::wstring& list, Record* columns, int style,
                   const std::wstring& reserve) override {
    SkinUI::CListUI* rows = FindList(host, list);
    if (rows == nullptr) return;
    pagekit::BuildListHeader(*rows->GetManager(), host.Data(), rows, L"", columns, style, reserve.c_str());
  }

  void BuildStockSummaryHeader(PageHost& host, const std::wstring& list, const std::wstring& reserve) override {
    if (SkinUI::CListUI* rows = FindList(host, list))
      pagekit::BuildStockSummaryHeader(*rows->GetManager(), rows, reserve.c_str());
  }

  void BuildStockLedgerHeader(PageHost& host, const std::wstring& list) override {
    if (SkinUI::CListUI* rows = FindList(host, list)) pagekit::BuildStockLedgerHeader(*rows->GetManager(), rows);
  }

  void RunReport(PageHost& host, const std::wstring& list, const char* key, Record* params) override {
    SkinUI::CListUI* rows = FindList(host, list);
    if (rows == nullptr || host.Data() == nullptr) return;
    pagekit::ListFillContext context{rows->GetManager(), rows, host.Data()};
    host.Data()->RunReport(key, pagekit::AsRowContext(&context), params, &pagekit::OnListRow);
  }

  void QueryRows(PageHost& host, const std::wstring& list, const char* table, Record* fields) override {
    SkinUI::CListUI* rows = FindList(host, list);
    if (rows == nullptr || host.Data() == nullptr) return;
    pagekit::ListFillContext context{rows->GetManager(), rows, host.Data()};
    host.Data()->QueryRecordsCallback(table, pagekit::AsRowContext(&context), fields, &pagekit::OnListRow);
  }

  int AddRow(PageHost& host, const std::wstring& list, const Record& row) override {
    SkinUI::CListUI* rows = FindList(host, list);
    if (rows == nullptr) return -1;
    SkinUI::CListContainerElementUI* added = pagekit::AddListRow(*rows->GetManager(), &row, rows, false);
    return added != nullptr ? rows->GetItemIndex(added) : -1;
  }

  void RenumberLines(PageHost& host, const std::wstring& list) override {
    if (SkinUI::CListUI* rows = FindList(host, list)) pagekit::RenumberBillLines(rows);
  }

  void ShowTip(PageHost& host, const std::wstring& field, const std::wstring& text, SIZE size) override {
    RECT window = {};
    ::GetWindowRect(host.OwnerWindow(), &window);
    const RECT edit = host.Fields().Position(field);
    const int left = window.left + edit.left, top = window.top + edit.top + 20;
    // The tooltip owns itself and goes when its time is up.
    new (std::nothrow) shell::CDlgToolTip(text.c_str(), left, top, left + size.cx, top + size.cy, host.OwnerWindow());
  }
};

}  // namespace

std::unique_ptr<ReportView> MakeWindowReportView() { return std::make_unique<WindowReportView>(); }

}  // namespace reports
