// The shared dialog: layout, title, the three shared buttons, keys, the frameless
// frame, creation over the owner and the report of a missing layout.
#include "skin_dialog.h"

#include <string>
#include <utility>

#include "core/control_ui.h"
#include "frameless_window.h"
#include "message_dialog.h"

namespace shell {
namespace {

DialogWatcher g_dialogWatcher = nullptr;

}  // namespace

DialogWatcher SetDialogWatcher(DialogWatcher watcher) { return std::exchange(g_dialogWatcher, watcher); }

SkinDialog::SkinDialog(const wchar_t* skinFile, const wchar_t* title, EnterKey enter)
    : m_skinFile(skinFile), m_title(title), m_enter(enter) {}

UINT SkinDialog::GetClassStyle() const { return CS_SAVEBITS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; }

SkinUI::CUIString SkinDialog::GetControlText(const wchar_t* name) {
  SkinUI::CControlUI* control = m_pm.FindControl(name);
  return control != nullptr ? control->GetText() : SkinUI::CUIString();
}

void SkinDialog::SetControlText(const wchar_t* name, const SkinUI::CUIString& text) {
  if (SkinUI::CControlUI* control = m_pm.FindControl(name)) control->SetText(text);
}

LRESULT SkinDialog::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_CREATE) {
    m_created = true;
    AddClipStyles(m_hWnd);
    m_built = BuildWindowLayout(m_hWnd, m_pm, m_skinFile, this, this) != nullptr;
    if (!m_built) return 0;
    SetControlText(L"msgdlg_labelTitle", m_title);
    OnLayoutBuilt();
    if (g_dialogWatcher != nullptr) g_dialogWatcher(this);
    return 0;
  }
  LRESULT result = 0;
  if (HandleFramelessMessage(m_hWnd, m_pm, false, uMsg, wParam, lParam, &result)) return result;
  if (m_pm.MessageHandler(uMsg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void SkinDialog::OnFinalMessage(HWND) {
  m_pm.RemovePreMessageFilter(this);
  // A window that failed before its creation message leaves the object to the
  // caller of Create, which frees it.
  if (m_created) delete this;
}

void SkinDialog::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.sender != nullptr && msg.type == L"click") {
    const SkinUI::CUIString name = msg.sender->GetName();
    if (name == L"msgdlg_btnClose" || name == L"msgdlg_cancel") {
      Close(kDialogCancel);
      return;
    }
    if (name == L"msgdlg_ok") {
      OnOk();
      return;
    }
  }
  OnDialogNotify(msg);
}

LRESULT SkinDialog::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool& bHandled) {
  if (uMsg != WM_KEYDOWN) return 0;
  if (wParam == VK_RETURN) {
    bHandled = m_enter == EnterKey::kSwallowed;
  } else if (wParam == VK_ESCAPE) {
    // Esc declines, as the close button does; it never ends the program.
    bHandled = true;
    Close(kDialogCancel);
  }
  return 0;
}

UINT SkinDialog::ReportMissingLayout(HWND owner) {
  const std::wstring text = std::wstring(L"界面文件“") + m_skinFile.GetData() + L"”缺失，窗口“" + m_title.GetData() +
                            L"”无法打开。请重装程序或联系客服！";
  ShowMessageDialog(owner, L"错误", text.c_str(), kMsgDlgIconError, 0);
  return 0;
}

bool CreateSkinDialog(SkinDialog* dialog, HWND parent, UINT* missingResult) {
  if (missingResult != nullptr) *missingResult = 0;
  if (dialog == nullptr) return false;
  const HWND hwnd = dialog->Create(parent, L"", kDialogStyle, 0, 0, 0, 0, 0);
  if (hwnd == nullptr) {
    delete dialog;
    return false;
  }
  if (!dialog->IsBuilt()) {
    ::ShowWindow(hwnd, SW_HIDE);
    const UINT answer = dialog->ReportMissingLayout(parent);
    if (missingResult != nullptr) *missingResult = answer;
    // The window takes the object with it.
    ::DestroyWindow(hwnd);
    return false;
  }
  dialog->CenterWindow();
  return true;
}

UINT RunSkinDialog(SkinDialog* dialog, HWND parent) {
  UINT missingResult = 0;
  if (!CreateSkinDialog(dialog, parent, &missingResult)) return missingResult;
  return dialog->ShowModal();
}

}  // namespace shell
