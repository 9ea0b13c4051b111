// The program's dialogs of the output operations, made of the widgets.
#include "output_dialogs.h"

#include "core/blocking_calls.h"
#include "file_dialog.h"
#include "import_dialog.h"
#include "skin_dialog.h"

namespace output {
namespace {

class WindowDialogs final : public OutputDialogs {
 public:
  std::wstring ChooseSaveFile(HWND owner, const std::wstring& fileName) override {
    shell::FileDialog dialog(owner);
    dialog.SetExcelFilter();
    dialog.SetFileName(fileName.c_str());
    if (!dialog.ShowSave()) return std::wstring();
    return dialog.GetPathName().GetData();
  }

  std::wstring ChooseImportFile(HWND owner, const std::wstring& title) override {
    shell::ImportResult result;
    auto* dialog = new shell::CDlgImport(title.c_str(), &result);
    if (shell::RunSkinDialog(dialog, owner) != 1) return std::wstring();
    return result.path.GetData();
  }

  void Tell(HWND owner, const std::wstring& text) override {
    SkinUI::UIMessageBox(owner, text.c_str(), L"TarvelStock", MB_OK | MB_ICONWARNING);
  }
};

}  // namespace

std::unique_ptr<OutputDialogs> MakeWindowDialogs() { return std::make_unique<WindowDialogs>(); }

}  // namespace output
