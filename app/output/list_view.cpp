// Taking the picture of a list that printing and exporting work on.
#include "list_view.h"

#include "controls/list.h"
#include "controls/list_header.h"
#include "core/container_ui.h"
#include "list_builders.h"
#include "paint_manager_fields.h"

namespace output {

const CellView* ListView::Cell(size_t row, const std::wstring& name) const {
  if (row >= rows.size()) return nullptr;
  auto found = rows[row].cells.find(name);
  return found == rows[row].cells.end() ? nullptr : &found->second;
}

namespace {

bool HasOperationColumn(int style) {
  return (style & (pagekit::kListDelete | pagekit::kListModify | pagekit::kListReserve)) != 0;
}

void Columns(const ListView& list, bool withLineNumbers, size_t* first, size_t* end) {
  size_t begin = (list.style & pagekit::kListCheckBoxes) ? 1 : 0;
  if (!withLineNumbers && (list.style & pagekit::kListLineNumbers)) ++begin;
  size_t stop = list.header.size();
  if (HasOperationColumn(list.style) && stop > 0) --stop;
  *first = begin;
  *end = stop < begin ? begin : stop;
}

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

// Every named control inside `control`, the first of a name winning as a search
// by name would find it.
void CollectCells(SkinUI::CControlUI* control, RowView* row) {
  auto* container = static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
  if (container == nullptr) return;
  for (int i = 0; i < container->GetCount(); ++i) {
    SkinUI::CControlUI* child = container->GetItemAt(i);
    if (child == nullptr) continue;
    const std::wstring name = child->GetName().GetData();
    if (!name.empty() && row->cells.find(name) == row->cells.end()) {
      const RECT& rc = child->GetPos();
      row->cells[name] = CellView{child->GetText().GetData(), rc.left, Width(rc), Height(rc)};
    }
    CollectCells(child, row);
  }
}

}  // namespace

void PrintedColumns(const ListView& list, size_t* first, size_t* end) { Columns(list, true, first, end); }
void ExportedColumns(const ListView& list, size_t* first, size_t* end) { Columns(list, false, first, end); }

ListView ReadList(pagekit::PageFields& fields, const std::wstring& name) {
  ListView view;
  SkinUI::CListUI* list = pagekit::WindowList(fields, name);
  if (list == nullptr) return view;
  view.exists = true;
  view.style = list->GetHeaderStyle();
  if (SkinUI::CListHeaderUI* header = list->GetHeader()) {
    view.headerHeight = Height(header->GetPos());
    for (int i = 0; i < header->GetCount(); ++i) {
      SkinUI::CControlUI* item = header->GetItemAt(i);
      if (item == nullptr) continue;
      view.header.push_back(HeaderItemView{item->GetText().GetData(), item->GetPos()});
    }
  }
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* row = list->GetItemAt(i);
    if (row == nullptr) continue;
    RowView rowView;
    rowView.height = Height(row->GetPos());
    CollectCells(row, &rowView);
    view.rows.push_back(std::move(rowView));
  }
  return view;
}

}  // namespace output
