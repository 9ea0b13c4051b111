#include "list_builders.h"

#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>
#include <utility>

#include "business_unit.h"
#include "controls/button.h"
#include "controls/horizontal_layout.h"
#include "controls/label.h"
#include "controls/list_header.h"
#include "controls/option.h"
#include "controls/rich_edit.h"
#include "controls/vertical_layout.h"
#include "core/dialog_builder.h"
#include "data_store.h"
#include "money_text.h"

namespace pagekit {
namespace {

const wchar_t kRowLayout[] = L"list_data_item.xml";
// The cell looks, set field by field: a list of thousands of rows would otherwise
// parse the same attribute text for every cell.
struct CellLook {
  bool bordered;
  RECT inset;
};
const CellLook kListCellLook = {true, {4, 2, 0, 0}};
const CellLook kBillCellLook = {true, {4, 2, 8, 0}};
const CellLook kPlainCellLook = {false, {0, 0, 0, 0}};
const CellLook* const kListCell = &kListCellLook;
const CellLook* const kBillCell = &kBillCellLook;
const CellLook* const kPlainCell = &kPlainCellLook;

// The row layout is read once and built again for every row: a list of thousands
// of rows would otherwise read and parse the file thousands of times.
SkinUI::CListContainerElementUI* NewRow(SkinUI::CPaintManagerUI& manager) {
  static std::unique_ptr<SkinUI::CDialogBuilder> builder;
  SkinUI::CControlUI* built = nullptr;
  if (builder != nullptr) {
    built = builder->Create(static_cast<SkinUI::IDialogBuilderCallback*>(nullptr), &manager);
  } else {
    auto fresh = std::make_unique<SkinUI::CDialogBuilder>();
    built = fresh->Create(kRowLayout, nullptr, nullptr, &manager);
    if (built != nullptr) builder = std::move(fresh);
  }
  if (built == nullptr) return nullptr;
  auto* row = static_cast<SkinUI::CListContainerElementUI*>(
      built->GetInterface(L"ListItem") != nullptr ? built->GetInterface(L"ListContainerElement") : nullptr);
  if (row == nullptr) delete built;
  return row;
}

SkinUI::CHorizontalLayoutUI* AddCell(SkinUI::CListContainerElementUI* row, const CellLook* look) {
  auto* cell = new SkinUI::CHorizontalLayoutUI;
  if (look->bordered) {
    cell->SetBorderColor(0xFFDDDDDD);
    cell->SetBorderSize(RECT{1, 1, 0, 0});
    cell->SetInset(look->inset);
  }
  row->Add(cell);
  return cell;
}

SkinUI::CUIString CellName(const DataField& field, bool withNumber) {
  SkinUI::CUIString name = L"item_";
  name += PageText(field.name).c_str();
  if (withNumber && field.index >= 0) {
    SkinUI::CUIString number;
    number.Format(L"%d", field.index);
    name += number;
  }
  return name;
}

void AddCheckCell(const wchar_t* defaults, SkinUI::CListContainerElementUI* row, const CellLook* attributes) {
  SkinUI::CHorizontalLayoutUI* cell = AddCell(row, attributes);
  cell->SetInset(RECT{0, 3, 0, 0});
  cell->Add(new SkinUI::CControlUI);
  auto* box = new SkinUI::CCheckBoxUI;
  if (defaults != nullptr && *defaults != L'\0') box->ApplyAttributeList(defaults);
  box->SetName(L"item_chk");
  box->SetFixedWidth(20);
  box->SetNoHotCursor(true);
  cell->Add(box);
  cell->Add(new SkinUI::CControlUI);
}

void AddLineNumberCell(SkinUI::CListContainerElementUI* row, const CellLook* attributes) {
  SkinUI::CHorizontalLayoutUI* cell = AddCell(row, attributes);
  auto* label = new SkinUI::CLabelUI;
  label->SetName(L"item_line_num");
  label->SetAttribute(L"align", L"center");
  cell->Add(label);
}

void AddOperationCell(SkinUI::CListContainerElementUI* row, const SkinUI::CUIString& reserve, int style,
                      const CellLook* attributes) {
  if ((style & (kListDelete | kListModify | kListReserve)) == 0) return;
  SkinUI::CHorizontalLayoutUI* cell = AddCell(row, attributes);
  cell->SetInset(RECT{5, 2, 2, 2});
  struct Button {
    int flag;
    const wchar_t* name;
  } buttons[] = {{kListDelete, L"item_del"}, {kListModify, L"item_mod"}, {kListReserve, L"item_reserve"}};
  for (const Button& b : buttons) {
    if ((style & b.flag) == 0) continue;
    auto* button = new SkinUI::CButtonUI;
    button->SetName(b.name);
    button->SetFixedWidth(40);
    button->SetNoHotCursor(true);
    button->SetNormalImage(L"btn_normal.png");
    button->SetHotImage(L"btn_highlight.png");
    button->SetPushedImage(L"btn_down.png");
    button->SetText(b.flag == kListDelete   ? SkinUI::CUIString(L"删除")
                    : b.flag == kListModify ? SkinUI::CUIString(L"修改")
                                            : reserve);
    cell->Add(button);
    auto* spacer = new SkinUI::CControlUI;
    spacer->SetFixedWidth(10);
    cell->Add(spacer);
  }
}

SkinUI::CListHeaderItemUI* AddHeaderItem(SkinUI::CListUI* list, const wchar_t* defaults, const wchar_t* text,
                                         int width) {
  auto* item = new SkinUI::CListHeaderItemUI;
  if (defaults != nullptr) item->ApplyAttributeList(defaults);
  item->SetText(text);
  if (width > 0) item->SetFixedWidth(width);
  list->Add(item);
  return item;
}

void ClearHeader(SkinUI::CListUI* list) {
  if (SkinUI::CListHeaderUI* header = list->GetHeader()) header->RemoveAll();
}

}  // namespace

int BuildListHeader(SkinUI::CPaintManagerUI& manager, KXPDatavane* data, SkinUI::CListUI* list,
                    const SkinUI::CUIString& table, std::vector<DataField>* fields, int style,
                    const SkinUI::CUIString& reserve) {
  if (list == nullptr) return 0;
  ClearHeader(list);
  std::vector<DataField> own;
  if (fields == nullptr) fields = &own;
  if (fields->empty() && data != nullptr && !table.IsEmpty()) {
    std::vector<std::string> names;
    data->GetTableColumnNames(LibraryText(table.GetData()).c_str(), &names);
    for (const std::string& name : names) fields->push_back(MakeDataField(name, ""));
  }
  if (fields->empty()) return 1;
  const wchar_t* defaults = manager.GetDefaultAttributeList(L"ListHeaderItem");
  list->SetHeaderStyle(style);
  if (style & kListCheckBoxes) {
    SkinUI::CListHeaderItemUI* item = AddHeaderItem(list, defaults, L"", 30);
    item->SetDragable(false);
    SkinUI::CUIString name = L"sel_all_";
    name += list->GetName();
    auto* parent = list->GetParent() != nullptr
                       ? static_cast<SkinUI::CContainerUI*>(list->GetParent()->GetInterface(L"Container"))
                       : nullptr;
    // Layouts may hold the box already, and a list is built again on every reload:
    // one box, never a pile of them.
    bool present = manager.FindControl(name.GetData()) != nullptr;
    if (!present && parent != nullptr) present = parent->FindSubControl(name.GetData()) != nullptr;
    if (!present && parent != nullptr) {
      auto* box = new SkinUI::CCheckBoxUI;
      if (const wchar_t* boxDefaults = manager.GetDefaultAttributeList(L"CheckBox"))
        box->ApplyAttributeList(boxDefaults);
      box->SetName(name);
      box->SetAttribute(L"float", L"true");
      box->SetAttribute(L"pos", L"5,5,25,25");
      box->SetNoHotCursor(true);
      parent->Add(box);
    }
  }
  if (style & kListLineNumbers) AddHeaderItem(list, defaults, L"行号", 50);
  for (const DataField& field : *fields) {
    if (field.hidden) continue;
    AddHeaderItem(list, defaults, PageText(field.name).c_str(), field.width);
  }
  if (style & (kListDelete | kListModify | kListReserve)) {
    AddHeaderItem(list, defaults, L"操作", (style & kListReserve) ? 150 : 120);
    if (style & kListReserve) list->SetReserve(reserve);
  }
  list->NeedUpdate();
  return 0;
}

namespace {

// What the read-only rows of one fill share: the window, the cell look, the
// header style, the reserve button's caption, the tick box's look as the window
// had it when the rows were added, and the shown columns with their cell names.
// Rows added one after another with the same columns share one.
struct RowShape {
  struct Column {
    std::string field;
    int index;
    int font;
    SkinUI::CUIString name;
  };
  SkinUI::CPaintManagerUI* manager;
  const CellLook* look;
  int style;
  SkinUI::CUIString reserve;
  SkinUI::CUIString checkDefaults;
  std::vector<Column> columns;

  bool Fits(SkinUI::CPaintManagerUI* m, const CellLook* l, int s, const SkinUI::CUIString& r, const wchar_t* check,
            const std::vector<DataField>* fields) const {
    if (m != manager || l != look || s != style || r != reserve) return false;
    if (checkDefaults != (check != nullptr ? check : L"")) return false;
    size_t column = 0;
    if (fields != nullptr) {
      for (const DataField& field : *fields) {
        if (field.hidden) continue;
        if (column == columns.size()) return false;
        const Column& c = columns[column++];
        if (c.index != field.index || c.font != field.extra || c.field != field.name) return false;
      }
    }
    return column == columns.size();
  }
};

std::shared_ptr<const RowShape> ShapeOf(SkinUI::CPaintManagerUI& manager, const CellLook* look, int style,
                                        const SkinUI::CUIString& reserve, const std::vector<DataField>* fields) {
  static std::shared_ptr<const RowShape> last;
  const wchar_t* check = manager.GetDefaultAttributeList(L"CheckBox");
  if (last != nullptr && last->Fits(&manager, look, style, reserve, check, fields)) return last;
  auto shape = std::make_shared<RowShape>();
  shape->manager = &manager;
  shape->look = look;
  shape->style = style;
  shape->reserve = reserve;
  shape->checkDefaults = check != nullptr ? check : L"";
  if (fields != nullptr) {
    for (const DataField& field : *fields)
      if (!field.hidden) shape->columns.push_back({field.name, field.index, field.extra, CellName(field, true)});
  }
  last = shape;
  return last;
}

// A read-only row's cells until the row needs them: the values as the library
// gave them, the line number, and any text changed before the cells were made.
// The cells are made as AddListRow made them at once: the tick box, the line
// number, one label per shown field (red when its value is negative), the
// operation buttons.
class DataRowContent : public SkinUI::IListRowContentUI {
 public:
  DataRowContent(std::shared_ptr<const RowShape> shape, const std::vector<DataField>* fields)
      : m_shape(std::move(shape)) {
    m_values.reserve(m_shape->columns.size());
    if (fields != nullptr) {
      for (const DataField& field : *fields)
        if (!field.hidden) m_values.push_back(field.value);
    }
  }

  void SetLineNumber(int line) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", line);
    m_line = text;
  }

  void Build(SkinUI::CListContainerElementUI& row) override {
    const CellLook* look = m_shape->look;
    const int style = m_shape->style;
    if (style & kListCheckBoxes) {
      AddCheckCell(m_shape->checkDefaults.GetData(), &row, look);
      if (const std::wstring* text = Changed(kCheckSlot)) row.FindSubControl(L"item_chk")->SetText(text->c_str());
    }
    if (style & kListLineNumbers) {
      AddLineNumberCell(&row, look);
      row.FindSubControl(L"item_line_num")->SetText(m_line.c_str());
    }
    for (size_t i = 0; i < m_shape->columns.size(); ++i) {
      const RowShape::Column& column = m_shape->columns[i];
      SkinUI::CHorizontalLayoutUI* cell = AddCell(&row, look);
      auto* label = new SkinUI::CLabelUI;
      label->SetName(column.name);
      const std::wstring* changed = Changed(static_cast<int>(i));
      label->SetText(changed != nullptr ? changed->c_str() : PageText(m_values[i]).c_str());
      if (column.font != 0) label->SetFont(column.font);
      if (std::atof(m_values[i].c_str()) < 0) label->SetTextColor(0xFFFF0000);
      cell->Add(label);
    }
    AddOperationCell(&row, m_shape->reserve, style, look);
    for (int slot : {kDeleteSlot, kModifySlot, kReserveSlot}) {
      const std::wstring* text = Changed(slot);
      SkinUI::CControlUI* button = text != nullptr ? row.FindSubControl(SlotName(slot)) : nullptr;
      if (button != nullptr) button->SetText(text->c_str());
    }
  }

  bool GetChildText(const wchar_t* name, SkinUI::CUIString& text) const override {
    const int slot = SlotOf(name);
    if (slot == kNoSlot) return false;
    if (const std::wstring* changed = Changed(slot)) {
      text = changed->c_str();
    } else if (slot >= 0) {
      text = PageText(m_values[slot]).c_str();
    } else if (slot == kLineSlot) {
      text = m_line.c_str();
    } else if (slot == kDeleteSlot) {
      text = L"删除";
    } else if (slot == kModifySlot) {
      text = L"修改";
    } else if (slot == kReserveSlot) {
      text = m_shape->reserve;
    } else {
      text.Empty();
    }
    return true;
  }

  bool SetChildText(const wchar_t* name, const wchar_t* text) override {
    const int slot = SlotOf(name);
    if (slot == kNoSlot) return false;
    if (slot == kLineSlot) {
      m_line = text != nullptr ? text : L"";
      return true;
    }
    for (auto& entry : m_changed) {
      if (entry.first == slot) {
        entry.second = text != nullptr ? text : L"";
        return true;
      }
    }
    m_changed.emplace_back(slot, text != nullptr ? text : L"");
    return true;
  }

 private:
  // The named cells, in the order a search meets them; the shown fields are 0, 1 ...
  enum Slot { kNoSlot = -100, kCheckSlot = -6, kLineSlot = -5, kDeleteSlot = -4, kModifySlot = -3, kReserveSlot = -2 };

  static const wchar_t* SlotName(int slot) {
    switch (slot) {
      case kCheckSlot:
        return L"item_chk";
      case kLineSlot:
        return L"item_line_num";
      case kDeleteSlot:
        return L"item_del";
      case kModifySlot:
        return L"item_mod";
      default:
        return L"item_reserve";
    }
  }

  // The first named cell of that name (names compare as a control search does).
  int SlotOf(const wchar_t* name) const {
    if (name == nullptr) return kNoSlot;
    const int style = m_shape->style;
    if ((style & kListCheckBoxes) && _wcsicmp(name, SlotName(kCheckSlot)) == 0) return kCheckSlot;
    if ((style & kListLineNumbers) && _wcsicmp(name, SlotName(kLineSlot)) == 0) return kLineSlot;
    for (size_t i = 0; i < m_shape->columns.size(); ++i)
      if (_wcsicmp(name, m_shape->columns[i].name.GetData()) == 0) return static_cast<int>(i);
    const struct {
      int flag;
      int slot;
    } buttons[] = {{kListDelete, kDeleteSlot}, {kListModify, kModifySlot}, {kListReserve, kReserveSlot}};
    for (const auto& b : buttons)
      if ((style & b.flag) && _wcsicmp(name, SlotName(b.slot)) == 0) return b.slot;
    return kNoSlot;
  }

  const std::wstring* Changed(int slot) const {
    for (const auto& entry : m_changed)
      if (entry.first == slot) return &entry.second;
    return nullptr;
  }

  std::shared_ptr<const RowShape> m_shape;
  std::vector<std::string> m_values;
  std::wstring m_line;
  std::vector<std::pair<int, std::wstring>> m_changed;
};

}  // namespace

SkinUI::CListContainerElementUI* AddListRow(SkinUI::CPaintManagerUI& manager, const std::vector<DataField>* fields,
                                            SkinUI::CListUI* list, bool hideHeader) {
  if (list == nullptr) return nullptr;
  SkinUI::CListContainerElementUI* row = NewRow(manager);
  if (row == nullptr) return nullptr;
  row->SetHeader(list->GetHeader());
  const CellLook* attributes = kListCell;
  if (hideHeader) {
    if (list->GetHeader() != nullptr && list->GetHeader()->IsVisible()) list->GetHeader()->SetVisible(false);
    attributes = kPlainCell;
  }
  // The cells are made when the row first comes into view or is looked into: a
  // list of thousands of rows makes the cells of the rows on screen.
  auto* content =
      new DataRowContent(ShapeOf(manager, attributes, list->GetHeaderStyle(), list->GetReserve(), fields), fields);
  row->SetContent(content);
  list->Add(row);
  content->SetLineNumber(row->GetIndex() + 1);
  return row;
}

SkinUI::CListContainerElementUI* AddBillRow(SkinUI::CPaintManagerUI& manager, KXPDatavane* data,
                                            const std::vector<DataField>* fields, SkinUI::CListUI* list) {
  if (list == nullptr) return nullptr;
  SkinUI::CListContainerElementUI* row = NewRow(manager);
  if (row == nullptr) return nullptr;
  row->SetHeader(list->GetHeader());
  const int style = list->GetHeaderStyle();
  if (style & kListCheckBoxes) AddCheckCell(manager.GetDefaultAttributeList(L"CheckBox"), row, kBillCell);
  if (style & kListLineNumbers) AddLineNumberCell(row, kBillCell);

  // The line's own product and base unit decide its business unit.
  BusinessUnit unit;
  bool hasUnit = false;
  if (fields != nullptr && fields->size() > 1 && !(*fields)[1].value.empty() && data != nullptr) {
    std::string product = fields->front().value;
    for (const DataField& field : *fields)
      if (field.name == "商品名称") product = field.value;
    hasUnit = LookUpBusinessUnit(*data, product, (*fields)[1].value, &unit);
  }
  auto newEdit = [](const SkinUI::CUIString& name, const std::wstring& text) {
    auto* edit = new SkinUI::CRichEditUI;
    edit->SetName(name);
    edit->SetAttribute(L"multiline", L"false");
    edit->SetAttribute(L"autohscroll", L"true");
    edit->SetAttribute(L"wanttab", L"false");
    edit->SetRich(false);
    edit->SetEventMask(edit->GetEventMask() | 1);
    edit->SetText(text.c_str());
    return edit;
  };
  if (fields != nullptr) {
    for (size_t position = 0; position < fields->size(); ++position) {
      const DataField& field = (*fields)[position];
      if (field.hidden) continue;
      SkinUI::CHorizontalLayoutUI* cell = AddCell(row, kBillCell);
      const SkinUI::CUIString name = CellName(field, false);
      const std::wstring value = PageText(field.value);
      if (position == 1 || position == 2) {
        auto* label = new SkinUI::CLabelUI;
        label->SetName(name);
        label->SetText(value.c_str());
        cell->Add(label);
      } else {
        cell->Add(newEdit(name, value));
      }
      // A product without a business unit shows no second unit, not an empty one.
      if (position == 1) {
        auto* second = new SkinUI::CLabelUI;
        second->SetName(name + L"2");
        second->SetVisible(hasUnit);
        if (hasUnit) second->SetText(PageText(unit.name).c_str());
        cell->Add(second);
      }
      if (position == 3) {
        SkinUI::CRichEditUI* quantity = static_cast<SkinUI::CRichEditUI*>(cell->GetItemAt(0));
        SkinUI::CRichEditUI* second = newEdit(name + L"2", L"");
        second->SetVisible(false);
        cell->Add(second);
        const UnitSplit split = SplitQuantity(std::atof(field.value.c_str()), hasUnit ? unit.rate : 0);
        // Whole business units and the rest in base units: 24 at 12 a box is 2
        // boxes and 0, so the line's base quantity stays 24.
        if (split.whole != 0) {
          quantity->SetText(FormatMoneyAmount(split.rest));
          second->SetText(FormatMoneyAmount(split.whole));
          second->SetVisible(true);
        }
      }
      if (field.name == "商品名称") {
        auto* picker = new SkinUI::CButtonUI;
        picker->SetName(L"item_reserve");
        picker->SetText(L"...");
        picker->SetFixedWidth(30);
        picker->SetNoHotCursor(true);
        picker->SetTextColor(0xFFB2B2B2);
        cell->Add(picker);
      }
    }
  }
  list->Add(row);
  if (style & kListLineNumbers) {
    SkinUI::CUIString number;
    number.Format(L"%d", row->GetIndex() + 1);
    if (SkinUI::CControlUI* label = row->FindSubControl(L"item_line_num")) label->SetText(number);
  }
  AddOperationCell(row, list->GetReserve(), style, kBillCell);
  return row;
}

namespace {

// One sub-column of a two-level group: its caption half above a rule, its own
// name below. `part` is 0 for the first sub-column (caption's left half at its
// right end), 1 for the second (right half), 2 for a third (no caption).
void AddSubColumn(SkinUI::CListUI* list, const wchar_t* defaults, const SkinUI::CUIString& caption, const wchar_t* name,
                  int part, bool lastOfGroup) {
  SkinUI::CListHeaderItemUI* item = AddHeaderItem(list, defaults, name, 0);
  item->SetFixedHeight(50);
  item->SetTextTop(10);
  if (!lastOfGroup) item->SetThumbHeight(40);
  auto* stack = new SkinUI::CVerticalLayoutUI;
  if (lastOfGroup) stack->SetInset(RECT{0, 0, 5, 0});
  auto* top = new SkinUI::CHorizontalLayoutUI;
  top->SetFixedHeight(18);
  const int half = caption.GetLength() / 2;
  auto* label = new SkinUI::CLabelUI;
  label->SetAttribute(L"align", L"left");
  label->SetFixedWidth(caption == L"日常出货(成本)" ? 50 : 25);
  if (part == 0) {
    top->Add(new SkinUI::CControlUI);
    label->SetText(caption.Left(half));
    top->Add(label);
  } else if (part == 1) {
    label->SetText(caption.Mid(half, caption.GetLength() - half));
    top->Add(label);
    top->Add(new SkinUI::CControlUI);
  } else {
    label->SetText(L"");
    top->Add(label);
  }
  auto* rule = new SkinUI::CHorizontalLayoutUI;
  rule->SetFixedHeight(20);
  rule->SetAttribute(L"bordersize", L"0,2,0,0");
  rule->SetAttribute(L"bordercolor", L"#FFB2B2B2");
  stack->Add(top);
  stack->Add(rule);
  item->Add(stack);
}

void AddGroup(SkinUI::CListUI* list, const wchar_t* defaults, const wchar_t* caption,
              const std::vector<const wchar_t*>& subColumns) {
  for (size_t i = 0; i < subColumns.size(); ++i)
    AddSubColumn(list, defaults, caption, subColumns[i], static_cast<int>(i < 2 ? i : 2), i + 1 == subColumns.size());
}

}  // namespace

void BuildStockLedgerHeader(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list) {
  if (list == nullptr) return;
  ClearHeader(list);
  const wchar_t* defaults = manager.GetDefaultAttributeList(L"ListHeaderItem");
  list->SetHeaderStyle(kListLineNumbers);
  AddHeaderItem(list, defaults, L"行号", 50);
  AddHeaderItem(list, defaults, L"业务类型", 60);
  AddHeaderItem(list, defaults, L"业务日期", 70);
  AddHeaderItem(list, defaults, L"交易单位", 120);
  for (const wchar_t* group : {L"日常进货", L"日常出货(成本)", L"期末结存"})
    AddGroup(list, defaults, group, {L"数量", L"单价", L"金额"});
  // The header grew taller than one line: the list places it and the rows again.
  list->NeedUpdate();
}

void BuildStockSummaryHeader(SkinUI::CPaintManagerUI& manager, SkinUI::CListUI* list,
                             const SkinUI::CUIString& reserve) {
  if (list == nullptr) return;
  ClearHeader(list);
  const wchar_t* defaults = manager.GetDefaultAttributeList(L"ListHeaderItem");
  list->SetHeaderStyle(kListLineNumbers | kListReserve);
  AddHeaderItem(list, defaults, L"行号", 50);
  AddHeaderItem(list, defaults, L"商品名称", 200);
  AddHeaderItem(list, defaults, L"单位", 50);
  for (const wchar_t* group : {L"期初结存", L"日常进货", L"日常出货(成本)", L"期末结存"})
    AddGroup(list, defaults, group, {L"数量", L"金额"});
  AddHeaderItem(list, defaults, L"操作", 60);
  list->SetReserve(reserve);
  list->NeedUpdate();
}

}  // namespace pagekit
