#include "list_sorting.h"

#include <algorithm>
#include <cwchar>
#include <unordered_map>
#include <vector>

#include "controls/list_container_element.h"
#include "controls/list_header.h"

namespace pagekit {
namespace {

// The direction of the latest sort, shared by every list: the first sort is
// ascending, every later one (on any list) turns it round.
bool g_sortAscending = false;

// What a sort compares of a row: its cell's text and, when that is a number, its
// value. Read once per row before the sort.
struct SortCell {
  bool found = false;
  bool number = false;
  double value = 0;
  SkinUI::CUIString text;
};

SkinUI::CControlUI* CellOf(SkinUI::CControlUI* row, const wchar_t* name) {
  if (row == nullptr) return nullptr;
  auto* container = static_cast<SkinUI::CContainerUI*>(row->GetInterface(L"Container"));
  return container != nullptr ? container->FindSubControl(name) : nullptr;
}

// The content of a row whose cells are not made yet: its texts are read and
// changed there, so a sort or a renumbering does not make every row's cells.
SkinUI::IListRowContentUI* PendingContentOf(SkinUI::CControlUI* row) {
  auto* element = row != nullptr
                      ? static_cast<SkinUI::CListContainerElementUI*>(row->GetInterface(L"ListContainerElement"))
                      : nullptr;
  return element != nullptr ? element->GetPendingContent() : nullptr;
}

// A cell's text, from the cell or from the row's pending content; false when the
// row has no such cell.
bool ReadCellText(SkinUI::CControlUI* row, const wchar_t* name, SkinUI::CUIString& text) {
  if (SkinUI::IListRowContentUI* content = PendingContentOf(row)) return content->GetChildText(name, text);
  SkinUI::CControlUI* cell = CellOf(row, name);
  if (cell == nullptr) return false;
  text = cell->GetText();
  return true;
}

// Sets a cell's text in the cell or in the row's pending content; false when the
// row has no such cell.
bool WriteCellText(SkinUI::CControlUI* row, const wchar_t* name, const wchar_t* text) {
  if (SkinUI::IListRowContentUI* content = PendingContentOf(row)) return content->SetChildText(name, text);
  SkinUI::CControlUI* cell = CellOf(row, name);
  if (cell == nullptr) return false;
  cell->SetText(text);
  return true;
}

bool HasCell(SkinUI::CControlUI* row, const wchar_t* name) {
  SkinUI::CUIString text;
  return ReadCellText(row, name, text);
}

int CompareCodeUnits(const wchar_t* a, const wchar_t* b) {
  for (;; ++a, ++b) {
    const unsigned x = static_cast<unsigned short>(*a);
    const unsigned y = static_cast<unsigned short>(*b);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
}

}  // namespace

bool IsNotNumber(int length, const wchar_t* text) {
  if (text == nullptr || length <= 0) return false;
  int i = 0;
  if (text[0] == L'-') {
    if (length == 1) return true;
    i = 1;
  }
  bool digit = false;
  int dots = 0;
  for (; i < length; ++i) {
    if (text[i] == L'.') {
      if (++dots > 1) return true;
    } else if (text[i] >= L'0' && text[i] <= L'9') {
      digit = true;
    } else {
      return true;
    }
  }
  // "-" or "-." is a sign without a number.
  return text[0] == L'-' && !digit;
}

namespace {

SortCell ReadSortCell(UINT_PTR row, const wchar_t* name) {
  SortCell cell;
  if (!ReadCellText(reinterpret_cast<SkinUI::CControlUI*>(row), name, cell.text)) return cell;
  cell.found = true;
  cell.number = !IsNotNumber(cell.text.GetLength(), cell.text.GetData());
  if (cell.number) cell.value = std::wcstod(cell.text.GetData(), nullptr);
  return cell;
}

int CompareSortCells(const SortCell& a, const SortCell& b, bool ascending) {
  if (!a.found || !b.found) return 0;
  if (!a.number || !b.number)
    return ascending ? CompareCodeUnits(a.text.GetData(), b.text.GetData())
                     : CompareCodeUnits(b.text.GetData(), a.text.GetData());
  const int order = a.value == b.value ? 0 : (a.value > b.value ? 1 : -1);
  return ascending ? order : -order;
}

}  // namespace

int CALLBACK CompareListRows(UINT_PTR rowA, UINT_PTR rowB, UINT_PTR key) {
  const auto* sortKey = reinterpret_cast<const SkinUI::TListSortRange*>(key);
  if (sortKey == nullptr) return 0;
  return CompareSortCells(ReadSortCell(rowA, sortKey->sKey.GetData()), ReadSortCell(rowB, sortKey->sKey.GetData()),
                          sortKey->iFirst != 0);
}

namespace {

// The rows' places after the sort, by row: the body's own sort then only compares
// two integers.
struct SortedPlaces {
  std::unordered_map<UINT_PTR, int> place;
};

int CALLBACK CompareSortedPlaces(UINT_PTR rowA, UINT_PTR rowB, UINT_PTR places) {
  const auto& place = reinterpret_cast<const SortedPlaces*>(places)->place;
  const auto found = [&place](UINT_PTR row) {
    const auto it = place.find(row);
    return it != place.end() ? it->second : 0;
  };
  const int a = found(rowA);
  const int b = found(rowB);
  return a == b ? 0 : (a < b ? -1 : 1);
}

// Orders the rows by their cells as CompareListRows would, with the same stable
// sort over the same sequence, so the order is the one the body's sort with
// CompareListRows gives; but each row's cell is read once and each comparison
// looks at two cells already read.
void SortRows(SkinUI::CListUI* list, const wchar_t* cell, bool ascending) {
  const int count = list->GetCount();
  std::vector<UINT_PTR> rows(static_cast<size_t>(count));
  std::vector<SortCell> cells(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    rows[i] = reinterpret_cast<UINT_PTR>(list->GetItemAt(i));
    cells[i] = ReadSortCell(rows[i], cell);
  }
  std::vector<int> order(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return CompareSortCells(cells[a], cells[b], ascending) < 0; });
  SortedPlaces places;
  places.place.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) places.place.emplace(rows[order[i]], i);
  list->SortItems(&CompareSortedPlaces, reinterpret_cast<UINT_PTR>(&places));
}

}  // namespace

bool SortListByColumn(SkinUI::CControlUI* headerItem) {
  if (headerItem == nullptr) return false;
  const SkinUI::CUIString caption = headerItem->GetText();
  SkinUI::CControlUI* header = headerItem->GetParent();
  if (header == nullptr) return false;
  if (caption.IsEmpty() || caption == L"行号" || caption == L"操作") return false;
  SkinUI::CControlUI* owner = header->GetParent();
  auto* list = owner != nullptr ? static_cast<SkinUI::CListUI*>(owner->GetInterface(L"List")) : nullptr;
  if (list == nullptr || list->GetHeader() != header || !list->IsSortable()) return false;
  g_sortAscending = !g_sortAscending;
  SkinUI::CUIString cell = L"item_";
  cell += caption;
  SortRows(list, cell.GetData(), g_sortAscending);
  RenumberListLines(list);
  return true;
}

void RenumberListLines(SkinUI::CListUI* list) {
  if (list == nullptr) return;
  int line = 1;
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* row = list->GetItemAt(i);
    if (row == nullptr || !row->IsVisible() || !HasCell(row, L"item_line_num")) continue;
    SkinUI::CUIString text;
    text.Format(L"%d", line++);
    WriteCellText(row, L"item_line_num", text);
  }
}

void RenumberBillLines(SkinUI::CListUI* list) {
  if (list == nullptr) return;
  int line = 1;
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* row = list->GetItemAt(i);
    if (row == nullptr || !row->IsVisible() || !HasCell(row, L"item_line_num")) continue;
    SkinUI::CUIString product;
    if (ReadCellText(row, L"item_商品名称", product) && product.Find(L"XSD") < 0 && product.Find(L"JHD") < 0) {
      WriteCellText(row, L"item_line_num", L"");
      continue;
    }
    SkinUI::CUIString text;
    text.Format(L"%d", line++);
    WriteCellText(row, L"item_line_num", text);
  }
}

}  // namespace pagekit
