// The settings page's dialogs as the program shows them: the skinned message box
// and the system's file dialogs, owned by the main window, which they keep
// disabled while they run.
#include "settings_dialogs.h"

#include "file_dialog.h"
#include "message_dialog.h"

namespace settings {
namespace {

unsigned IconCode(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInfo:
      return shell::kMsgDlgIconInfo;
    case MessageIcon::kWarning:
      return shell::kMsgDlgIconWarning;
    case MessageIcon::kError:
      return shell::kMsgDlgIconError;
  }
  return shell::kMsgDlgIconInfo;
}

class WidgetDialogs final : public SettingsDialogs {
 public:
  bool Message(HWND owner, const std::wstring& title, const std::wstring& text, MessageIcon icon,
               bool withCancel) override {
    const UINT answer = shell::ShowMessageDialog(owner, title.c_str(), text.c_str(), IconCode(icon),
                                                 withCancel ? shell::kMsgDlgCancelButton : 0);
    return answer == shell::kDialogOk;
  }

  std::wstring ChooseFile(HWND owner, bool save, const std::wstring& fileName) override {
    shell::FileDialog dialog(owner);
    if (!fileName.empty()) dialog.SetFileName(fileName.c_str());
    if (!(save ? dialog.ShowSave() : dialog.ShowOpen())) return std::wstring();
    return dialog.GetPathName().GetData();
  }
};

}  // namespace

std::unique_ptr<SettingsDialogs> MakeWidgetDialogs() { return std::make_unique<WidgetDialogs>(); }

}  // namespace settings
