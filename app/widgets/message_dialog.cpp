// The message dialog: its layout's title, buttons, icon and text.
#include "message_dialog.h"

#include <new>
#include <utility>

#include "core/blocking_calls.h"
#include "core/control_ui.h"

namespace shell {
namespace {

MsgDlgWatcher g_watcher = nullptr;

}  // namespace

MsgDlgWatcher SetMsgDlgWatcher(MsgDlgWatcher watcher) { return std::exchange(g_watcher, watcher); }

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
    : SkinDialog(L"MsgDlg.xml", title, EnterKey::kSwallowed), m_text(text), m_buttons(buttons), m_icon(icon) {}

const wchar_t* CMsgDlg::GetWindowClassName() const { return L"MsgBoxUI"; }

void CMsgDlg::OnLayoutBuilt() {
  if ((m_buttons & kMsgDlgCancelButton) == 0) {
    if (SkinUI::CControlUI* cancel = m_pm.FindControl(L"msgdlg_cancel")) cancel->SetVisible(false);
  }
  if (SkinUI::CControlUI* image = m_pm.FindControl(L"msgdlg_img")) image->SetBkImage(MsgDlgIconImage(m_icon));
  SetControlText(L"msgdlg_labelTip", m_text);
  if (g_watcher != nullptr) g_watcher(this);
}

UINT CMsgDlg::ReportMissingLayout(HWND owner) {
  UINT type = (m_buttons & kMsgDlgCancelButton) != 0 ? MB_OKCANCEL : MB_OK;
  type |= m_icon == kMsgDlgIconError     ? MB_ICONERROR
          : m_icon == kMsgDlgIconWarning ? MB_ICONWARNING
                                         : MB_ICONINFORMATION;
  return SkinUI::UIMessageBox(owner, m_text, m_title, type) == IDOK ? kDialogOk : kDialogCancel;
}

UINT ShowMessageDialog(HWND parent, const wchar_t* title, const wchar_t* text, unsigned icon, unsigned buttons) {
  return RunSkinDialog(new (std::nothrow) CMsgDlg(text, icon, buttons, title), parent);
}

}  // namespace shell
