// The message dialog: layout, buttons, keys and its frameless window.
#include "message_dialog.h"

#include <new>

#include "core/control_ui.h"
#include "frameless_window.h"

namespace shell {
namespace {

MsgDlgWatcher g_watcher = nullptr;

}  // namespace

MsgDlgWatcher SetMsgDlgWatcher(MsgDlgWatcher watcher) {
  MsgDlgWatcher previous = g_watcher;
  g_watcher = watcher;
  return previous;
}

const wchar_t* MsgDlgIconImage(unsigned icon) {
  switch (icon) {
    case kMsgDlgIconError:
      return L"file='icon_err.png'";
    case kMsgDlgIconWarning:
      return L"file='icon_warning.png'";
    default:
      return L"file='icon_info.png'";
  }
}

CMsgDlg::CMsgDlg(const wchar_t* text, unsigned icon, unsigned buttons, const wchar_t* title)
    : m_text(text), m_title(title), m_buttons(buttons), m_icon(icon) {}

const wchar_t* CMsgDlg::GetWindowClassName() const { return L"MsgBoxUI"; }

UINT CMsgDlg::GetClassStyle() const { return CS_SAVEBITS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; }

LRESULT CMsgDlg::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_CREATE) {
    AddClipStyles(m_hWnd);
    if (BuildWindowLayout(m_hWnd, m_pm, L"MsgDlg.xml", this, this) == nullptr) return 0;
    if (SkinUI::CControlUI* title = m_pm.FindControl(L"msgdlg_labelTitle")) title->SetText(m_title);
    if ((m_buttons & kMsgDlgCancelButton) == 0) {
      if (SkinUI::CControlUI* cancel = m_pm.FindControl(L"msgdlg_cancel")) cancel->SetVisible(false);
    }
    if (SkinUI::CControlUI* image = m_pm.FindControl(L"msgdlg_img")) image->SetBkImage(MsgDlgIconImage(m_icon));
    if (SkinUI::CControlUI* tip = m_pm.FindControl(L"msgdlg_labelTip")) tip->SetText(m_text);
    if (g_watcher != nullptr) g_watcher(this);
    return 0;
  }
  LRESULT result = 0;
  if (HandleFramelessMessage(m_hWnd, m_pm, false, uMsg, wParam, lParam, &result)) return result;
  if (m_pm.MessageHandler(uMsg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CMsgDlg::OnFinalMessage(HWND) {
  m_pm.RemovePreMessageFilter(this);
  delete this;
}

void CMsgDlg::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"click" || msg.sender == nullptr) return;
  const SkinUI::CUIString name = msg.sender->GetName();
  if (name == L"msgdlg_btnClose" || name == L"msgdlg_cancel") {
    Close(2);
  } else if (name == L"msgdlg_ok") {
    Close(1);
  }
}

LRESULT CMsgDlg::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool& bHandled) {
  if (uMsg != WM_KEYDOWN) return 0;
  if (wParam == VK_RETURN) {
    bHandled = true;
  } else if (wParam == VK_ESCAPE) {
    // Esc declines, as the close button does; it never ends the program.
    bHandled = true;
    Close(2);
  }
  return 0;
}

UINT ShowMessageDialog(HWND parent, const wchar_t* title, const wchar_t* text, unsigned icon, unsigned buttons) {
  CMsgDlg* dialog = new (std::nothrow) CMsgDlg(text, icon, buttons, title);
  if (dialog == nullptr) return 0;
  if (dialog->Create(parent, L"", kDialogStyle, 0, 0, 0, 0, 0) == nullptr) {
    delete dialog;
    return 0;
  }
  dialog->CenterWindow();
  return dialog->ShowModal();
}

}  // namespace shell
