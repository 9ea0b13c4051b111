// CDlgImport: choosing the spreadsheet file that an import reads, with a link that
// saves the program's empty template for that import where the user wants it.
// After a result of 1 the caller imports the file its result names.
#pragma once

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

struct ImportResult {
  SkinUI::CUIString path;
};

class CDlgImport : public SkinDialog {
 public:
  // `result` is the caller's and must outlive the dialog's run. Empties it: OK
  // without a chosen file imports nothing.
  CDlgImport(const wchar_t* title, ImportResult* result);
  const wchar_t* GetWindowClassName() const override;

  // "<title>模板.xls": the template's file name in the program's "template" folder
  // and the name the save dialog proposes.
  SkinUI::CUIString TemplateName() const;

 protected:
  void OnDialogNotify(SkinUI::TNotifyUI& msg) override;

 private:
  void ChooseFile();
  void SaveTemplate();

  ImportResult* m_result;
};

}  // namespace shell
