// CMsgDlg: the program's modal message box, skinned from "MsgDlg.xml": a title, an
// icon, a text of any length, OK and an optional Cancel. ShowModal answers 1 for OK
// and 2 for Cancel, the close button or Esc.
#pragma once

#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

constexpr unsigned kMsgDlgCancelButton = 2;  // the flag bit that shows "msgdlg_cancel"
constexpr unsigned kMsgDlgIconError = 16;
constexpr unsigned kMsgDlgIconWarning = 48;
constexpr unsigned kMsgDlgIconInfo = 64;

class CMsgDlg : public SkinDialog {
 public:
  CMsgDlg(const wchar_t* text, unsigned icon, unsigned buttons, const wchar_t* title);

  const wchar_t* GetWindowClassName() const override;
  // Without its own layout the box still asks its question, as a system box.
  UINT ReportMissingLayout(HWND owner) override;

  const SkinUI::CUIString& GetText() const { return m_text; }

 protected:
  void OnLayoutBuilt() override;

 private:
  SkinUI::CUIString m_text;
  unsigned m_buttons;
  unsigned m_icon;
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

}  // namespace shell
