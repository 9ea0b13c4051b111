// CMsgDlg: the program's modal message box, skinned from "MsgDlg.xml": a title, an
// icon, a text of any length, OK and an optional Cancel. ShowModal answers 1 for OK
// and 2 for Cancel, the close button or Esc.
#pragma once

#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "core/window_wnd.h"

namespace shell {

constexpr unsigned kMsgDlgCancelButton = 2;  // the flag bit that shows "msgdlg_cancel"
constexpr unsigned kMsgDlgIconError = 16;
constexpr unsigned kMsgDlgIconWarning = 48;
constexpr unsigned kMsgDlgIconInfo = 64;

class CMsgDlg : public SkinUI::CWindowWnd, public SkinUI::INotifyUI, public SkinUI::IMessageFilterUI {
 public:
  CMsgDlg(const wchar_t* text, unsigned icon, unsigned buttons, const wchar_t* title);

  const wchar_t* GetWindowClassName() const override;
  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND hWnd) override;

  void Notify(SkinUI::TNotifyUI& msg) override;
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

  SkinUI::CPaintManagerUI* GetPaintManager() { return &m_pm; }
  const SkinUI::CUIString& GetText() const { return m_text; }
  const SkinUI::CUIString& GetTitle() const { return m_title; }

 private:
  SkinUI::CUIString m_text;
  SkinUI::CUIString m_title;
  unsigned m_buttons;
  unsigned m_icon;
  SkinUI::CPaintManagerUI m_pm;
};

// The background image of "msgdlg_img" for an icon code.
const wchar_t* MsgDlgIconImage(unsigned icon);

// Creates the dialog over `parent` with the dialogs' style, centres it and runs it
// modally; the dialog frees itself. Answers the modal result, or 0 when the dialog
// could not be made.
UINT ShowMessageDialog(HWND parent, const wchar_t* title, const wchar_t* text, unsigned icon, unsigned buttons);

// Called with every message dialog once its layout is built (tests answer the
// dialogs through it); returns the watcher it replaces.
using MsgDlgWatcher = void (*)(CMsgDlg* dialog);
MsgDlgWatcher SetMsgDlgWatcher(MsgDlgWatcher watcher);

// The style every dialog of the program is created with.
constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;

}  // namespace shell
