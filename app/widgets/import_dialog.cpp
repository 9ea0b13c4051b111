// The import dialog: choosing the file and saving the template.
#include "import_dialog.h"

#include "core/control_ui.h"
#include "file_dialog.h"
#include "message_dialog.h"

namespace shell {

CDlgImport::CDlgImport(const wchar_t* title, ImportResult* result)
    : SkinDialog(L"DlgImport.xml", title, EnterKey::kPassedOn), m_result(result) {
  *m_result = ImportResult();
}

const wchar_t* CDlgImport::GetWindowClassName() const { return L"DlgImportHpkcUI"; }

SkinUI::CUIString CDlgImport::TemplateName() const { return m_title + L"模板.xls"; }

void CDlgImport::OnDialogNotify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"click" || msg.sender == nullptr) return;
  const SkinUI::CUIString name = msg.sender->GetName();
  if (name == L"btn_sel") {
    ChooseFile();
  } else if (name == L"btn_template") {
    SaveTemplate();
  }
}

void CDlgImport::ChooseFile() {
  FileDialog file(m_hWnd);
  file.SetExcelFilter();
  if (!file.ShowOpen()) return;
  m_result->path = file.GetPathName();
  SetControlText(L"edit_path", m_result->path);
}

void CDlgImport::SaveTemplate() {
  const SkinUI::CUIString templateName = TemplateName();
  FileDialog file(m_hWnd);
  file.SetFileName(templateName);
  if (!file.ShowSave()) return;
  const SkinUI::CUIString target = file.GetPathName();
  const SkinUI::CUIString source = SkinUI::CPaintManagerUI::GetInstancePath() + L"template\\" + templateName;
  // The chosen path names the file to import only once the template is really there.
  if (::GetFileAttributesW(source) == INVALID_FILE_ATTRIBUTES || !::CopyFileW(source, target, FALSE)) {
    ShowMessageDialog(m_hWnd, L"错误", L"模板下载失败。请重装程序或联系客服！", kMsgDlgIconError, 0);
    return;
  }
  m_result->path = target;
  SetControlText(L"edit_path", target);
}

}  // namespace shell
