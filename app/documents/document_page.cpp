#include "document_page.h"

#include <algorithm>

#include "program_output.h"
#include "record_fields.h"

namespace documents {

using pagekit::EventKind;
using pagekit::PageEvent;
using pagekit::PageHost;

namespace {

const wchar_t kEntryToggle[] = L"单据查询(<u>H</u>)";
const wchar_t kHistoryToggle[] = L"新增(<u>A</u>)";

}  // namespace

DocumentPage::DocumentPage(const wchar_t* prefix, const GridNames& grid, const Captions& captions,
                           std::unique_ptr<DocumentView> view, LocalClock clock)
    : prefix_(prefix),
      list_(grid.list),
      captions_(captions),
      view_(std::move(view)),
      clock_(clock),
      lines_(grid, rates_) {}

bool DocumentPage::OpenTab(PageHost& host) {
  host.OpenPageTab(captions_.tab[Purchase(host)], L"mid_" + prefix_, true);
  return host.Fields().Exists(list_);
}

void DocumentPage::ShowModeControls(PageHost& host, bool history) {
  pagekit::PageFields& fields = host.Fields();
  Writing writing(*this);
  const int side = Purchase(host) ? 1 : 0;
  fields.SetDate(Name(L"_date"), Now());
  fields.SetText(Name(L"_view_his_list"), history ? kHistoryToggle : kEntryToggle);
  fields.SetText(Name(L"_caption"), history ? captions_.history[side] : captions_.entry[side]);
  fields.SetSelected(Name(L"_chk_ch"), true);
  fields.SetText(Name(L"_chk_ch"), captions_.delivery[side]);
  fields.SetText(Name(L"_chk_th"), L"退货");
  fields.SetText(Name(L"_label_custom"), side ? L"供应商:" : L"客户:");
  fields.SetHint(Name(L"_custom"), side ? L"输入或选择供应商" : L"输入或选择客户");
  fields.SetText(Name(L"_type"), L"");
  for (const wchar_t* entry : {L"_header", L"_hide_list", L"_hide_bottom"})
    fields.SetVisible(L"layout_" + prefix_ + entry, !history);
  for (const wchar_t* list : {L"_list_header", L"_show_list"}) fields.SetVisible(L"layout_" + prefix_ + list, history);
}

void DocumentPage::NewNumber(PageHost& host) {
  if (host.Data() == nullptr) return;
  SYSTEMTIME date{};
  if (!host.Fields().Date(Name(L"_date"), &date)) date = Now();
  Writing writing(*this);
  host.Fields().SetText(Name(L"_id"), NextDocumentNumber(*host.Data(), captions_.kind[Purchase(host)], DateOf(date)));
}

bool DocumentPage::ToggleHistory(PageHost& host) {
  openedNumber_.clear();
  if (host.Fields().Text(Name(L"_view_his_list")) != kEntryToggle) {
    ShowMode(host, false);
    ShowNewDocument(host);
    return false;
  }
  ShowMode(host, true);
  return true;
}

bool DocumentPage::StartOver(PageHost& host) {
  if (!OpenTab(host)) return false;
  // A new document of its own: the number of the one that was opened stays with it.
  if (!openedNumber_.empty()) {
    openedNumber_.clear();
    NewNumber(host);
  }
  ShowEmptyLines(host);
  return true;
}

bool DocumentPage::OnEvent(PageHost& host, const PageEvent& event) {
  switch (event.kind) {
    case EventKind::kItemActivate:
      if (event.list != list_ || event.row < 0) return false;
      OpenHistoryRow(host, event.row);
      return true;
    case EventKind::kClick: {
      if (OnClick(host, event.sender)) return true;
      if (event.sender == L"item_mod" && event.list == list_ && event.row >= 0) {
        OpenHistoryRow(host, event.row);
        return true;
      }
      if (event.sender != L"item_del" && event.sender != L"item_reserve") return false;
      std::wstring list;
      int row = -1;
      if (!view_->PlaceOf(host, event, &list, &row) || list != list_) return false;
      if (event.sender == L"item_del") {
        DeleteHistoryRow(host, row);
      } else {
        DropRowProduct(host, row);
      }
      return true;
    }
    case EventKind::kTextChanged: {
      if (writing_)
        return event.sender.compare(0, prefix_.size(), prefix_) == 0 || event.sender.rfind(L"item_", 0) == 0;
      std::wstring list;
      int row = -1;
      const bool cell = event.sender.rfind(L"item_", 0) == 0 && view_->PlaceOf(host, event, &list, &row);
      if (cell && list != list_) return false;
      if (!cell && event.sender != Name(L"_percent") && event.sender != Name(L"_money_need")) return false;
      OnTextChanged(host, event);
      return true;
    }
    case EventKind::kUpdateText:
      if (event.sender.compare(0, prefix_.size() + 1, prefix_ + L"_") != 0) return false;
      OnDateChanged(host, event.sender);
      return true;
    default:
      return false;
  }
}

void DocumentPage::OnTextChanged(PageHost& host, const PageEvent& event) {
  Writing writing(*this);
  std::wstring list;
  int row = -1;
  if (event.sender == Name(L"_percent")) {
    lines_.OnPercentChanged(host.Fields());
  } else if (event.sender == Name(L"_money_need")) {
    lines_.OnDueChanged(host.Fields());
  } else if (view_->PlaceOf(host, event, &list, &row)) {
    lines_.OnRowChanged(host.Fields(), host.Data(), row, event.sender);
  }
}

bool DocumentPage::OnPickerResult(PageHost& host, const pagekit::PickerResult& result) {
  if (result.owner != L"item_reserve") return false;
  if (result.kind != pagekit::PickerKind::kProduct && result.kind != pagekit::PickerKind::kProductRows) return false;
  std::wstring list;
  int row = -1;
  // The line of the "..." that opened the picker, wherever the selection is.
  if (!view_->PlaceOfControl(host, result.ownerControl, &list, &row)) {
    list = list_;
    row = pickerRow_;
  }
  if (list != list_ || row < 0) return false;
  if (result.kind == pagekit::PickerKind::kProduct) {
    SetRowProduct(host, row, result.text);
  } else {
    OnProductRowSelect(host, result.names, row);
  }
  return true;
}

void DocumentPage::OnProductRowSelect(PageHost& host, const std::vector<std::wstring>& names, int row) {
  const int rows = host.Fields().RowCount(list_);
  for (size_t i = 0; i < names.size() && row >= 0 && row < rows; ++i, ++row) SetRowProduct(host, row, names[i]);
}

void DocumentPage::SetRowProduct(PageHost& host, int row, const std::wstring& product) {
  bool found = false;
  {
    Writing writing(*this);
    found = lines_.SetRowProduct(host.Fields(), host.Data(), host.Side(), row, product);
  }
  if (found) view_->FocusAndSelect(host, pagekit::Cell(list_, row, L"item_数量"));
}

void DocumentPage::DropRowProduct(PageHost& host, int row) {
  pickerRow_ = row;
  const RECT rect = PickerRect(view_->RowRect(host, list_, row), view_->WindowRect(host));
  view_->OpenProductPicker(host, list_, row, rect);
}

void DocumentPage::DeleteHistoryRow(PageHost& host, int row) {
  if (!view_->ConfirmDelete(host)) return;
  const std::wstring number = host.Fields().Text(pagekit::Cell(list_, row, L"item_单据编号"));
  if (number.empty()) return;
  if (!DeleteStored(host, number)) {
    view_->ShowError(host, L"删除失败,单据 " + number + L" 未删除。");
    return;
  }
  view_->RemoveRow(host, list_, row);
}

void DocumentPage::ShowEmptyLines(PageHost& host) {
  rates_.Forget();
  Writing writing(*this);
  view_->ShowLineGrid(host, list_, 50);
}

void DocumentPage::ImportLines(PageHost& host, bool order) {
  const output::ProgramOutput out(host.OwnerWindow());
  if (!out.Ready() || !host.Fields().Exists(list_)) return;
  const std::vector<output::ImportedLine> lines = output::ImportBillLines(host, out.Import(), order);
  if (!lines.empty()) ShowImportedLines(host, lines);
}

void DocumentPage::ShowImportedLines(PageHost& host, const std::vector<output::ImportedLine>& lines) {
  rates_.Forget();
  Writing writing(*this);
  view_->ShowLineGrid(host, list_, std::max(50, static_cast<int>(lines.size())));
  pagekit::PageFields& fields = host.Fields();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    const output::ImportedLine& line = lines[i];
    const std::pair<const wchar_t*, const std::wstring*> cells[] = {
        {L"item_商品名称", &line.product}, {L"item_单位", &line.unit},  {L"item_商品类别", &line.category},
        {L"item_数量", &line.quantity},    {L"item_单价", &line.price}, {L"item_金额", &line.amount}};
    for (const auto& cell : cells) fields.SetText(pagekit::Cell(list_, row, cell.first), *cell.second);
    lines_.OnRowChanged(fields, host.Data(), row, L"item_数量");
  }
}

bool DocumentPage::InHistory(PageHost& host) const {
  return host.Fields().Text(Name(L"_view_his_list")) == kHistoryToggle;
}

void DocumentPage::ShowStoredLines(PageHost& host, const std::vector<pagekit::Record>& lines) {
  rates_.Forget();
  Writing writing(*this);
  view_->ShowLines(host, list_, lines, 50);
}

void DocumentPage::ShowHistoryRows(PageHost& host, const HistoryShape& shape,
                                   const std::vector<std::vector<DataField>>& rows) {
  Writing writing(*this);
  view_->ShowHistory(host, list_, shape, rows);
}

}  // namespace documents
