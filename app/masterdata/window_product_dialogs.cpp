// The products page's dialogs over the main window (see product_dialogs.h): the
// category dialog, and the pickers that open under their field as the page's drop
// buttons have them (one pixel left of the field, 30 below its top, 21 past its
// right edge, 150 high). Categories and units come from the frame's catalog, which
// the unit picker reads again; a choice goes to the page as a picker result.
#include <windows.h>

#include <new>

#include "paint_manager_fields.h"
#include "picker_callbacks.h"
#include "picker_popups.h"
#include "product_dialogs.h"
#include "product_type_dialog.h"
#include "skin_dialog.h"

namespace masterdata {
namespace {

constexpr int kPickerHeight = 150;

class WindowProductDialogs : public ProductDialogs,
                             public CDlgProductTypeListCallBack,
                             public CDlgProductUnitListCallBack {
 public:
  explicit WindowProductDialogs(std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report)
      : report_(std::move(report)) {}

  bool EditCategory(pagekit::PageHost& host, const std::wstring& title, std::wstring* parent,
                    std::wstring* name) override {
    shell::ProductTypeResult result;
    auto* dialog = new (std::nothrow)
        shell::CDlgProductType(Context(host), parent->c_str(), title.c_str(), name->c_str(), &result);
    if (dialog == nullptr || shell::RunSkinDialog(dialog, host.OwnerWindow()) != shell::kDialogOk) return false;
    *parent = result.parent.GetData();
    *name = result.name.GetData();
    return true;
  }

  void OpenPicker(pagekit::PageHost& host, ProductPicker picker, const std::wstring& owner,
                  const std::wstring& field) override {
    auto* fields = dynamic_cast<pagekit::PaintManagerFields*>(&host.Fields());
    SkinUI::CControlUI* button = fields != nullptr ? fields->Find(owner) : nullptr;
    if (button == nullptr || !host.Fields().Visible(field)) return;
    const RECT at = host.Fields().Position(field);
    RECT window{};
    ::GetWindowRect(host.OwnerWindow(), &window);
    const RECT screen = {window.left + at.left - 1, window.top + at.top + 30, window.left + at.right + 21,
                         window.top + at.top + 30 + kPickerHeight};
    host_ = &host;
    switch (picker) {
      case ProductPicker::kProduct:
        // The product list is wider: it shows the product's unit and stock beside its name.
        host.OpenProductPicker(button, nullptr, false, {screen.left, screen.top, screen.right + 100, screen.bottom});
        return;
      case ProductPicker::kCategory:
        new (std::nothrow) shell::CDlgProductTypeList(Context(host), this, button, screen.left, screen.top,
                                                      screen.right, screen.bottom);
        return;
      case ProductPicker::kUnit:
        new (std::nothrow) shell::CDlgProductUnitList(Context(host), this, button, screen.left, screen.top,
                                                      screen.right, screen.bottom);
        return;
      case ProductPicker::kBusinessUnit:
        // The choice lands in the button's field; an entry's delete takes that name's rows.
        new (std::nothrow)
            shell::CDlgDropDelList(Context(host), button, screen.left, screen.top, screen.right, screen.bottom);
        return;
    }
  }

  void OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override {
    Report(pagekit::PickerKind::kProductType, text, owner);
  }
  void OnProductUnitSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override {
    Report(pagekit::PickerKind::kProductUnit, text, owner);
  }

 private:
  static shell::PickerContext Context(pagekit::PageHost& host) { return {host.Data(), &host.Catalog()}; }

  void Report(pagekit::PickerKind kind, const SkinUI::CUIString& text, SkinUI::CControlUI* owner) {
    if (host_ == nullptr || owner == nullptr || !report_) return;
    pagekit::PickerResult result;
    result.kind = kind;
    result.owner = owner->GetName().GetData();
    result.text = text.GetData();
    result.ownerControl = owner;
    report_(*host_, result);
  }

  std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report_;
  // The host of the last picker opened; the page and its host outlive the pickers.
  pagekit::PageHost* host_ = nullptr;
};

}  // namespace

std::unique_ptr<ProductDialogs> MakeWindowProductDialogs(
    std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report) {
  return std::make_unique<WindowProductDialogs>(std::move(report));
}

}  // namespace masterdata
