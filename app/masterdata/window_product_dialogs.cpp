// The products page's dialogs over the main window (see product_dialogs.h): the
// pickers open under their field as the page's drop buttons have them (one
// pixel left of the field, 30 below its top, 21 past its right edge, 150 high).
#include <windows.h>

#include "not_built.h"
#include "paint_manager_fields.h"
#include "product_dialogs.h"

namespace masterdata {
namespace {

constexpr int kPickerHeight = 150;

class WindowProductDialogs : public ProductDialogs {
 public:
  explicit WindowProductDialogs(std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report)
      : report_(std::move(report)) {}

  bool EditCategory(pagekit::PageHost& host, const std::wstring&, std::wstring*, std::wstring*) override {
    pagekit::TellNotBuiltYet(host, L"hpkc_btn_add_type");
    return false;
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
    if (picker == ProductPicker::kProduct) {
      // The product list is wider: it shows the product's unit and stock beside its name.
      host.OpenProductPicker(button, nullptr, false, {screen.left, screen.top, screen.right + 100, screen.bottom});
      return;
    }
    pagekit::TellNotBuiltYet(host, owner);
  }

 private:
  std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report_;
};

}  // namespace

std::unique_ptr<ProductDialogs> MakeWindowProductDialogs(
    std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report) {
  return std::make_unique<WindowProductDialogs>(std::move(report));
}

}  // namespace masterdata
