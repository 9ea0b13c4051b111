// SkinDialog: what every small modal dialog of the program shares. It builds its
// layout from the skin archive over the frameless frame, shows its title in
// "msgdlg_labelTitle", ends with 2 on "msgdlg_btnClose", "msgdlg_cancel" and Esc,
// hands "msgdlg_ok" to the dialog's own OK step, and frees itself when its window
// goes. A dialog whose layout is missing from the skin tells the user and is not
// shown.
#pragma once

#include <windows.h>

#include "core/paint_manager.h"
#include "core/ui_string.h"
#include "core/window_wnd.h"

namespace shell {

// The style every dialog of the program is created with.
constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;

// Modal results shared by the dialogs.
constexpr UINT kDialogOk = 1;
constexpr UINT kDialogCancel = 2;

class SkinDialog : public SkinUI::CWindowWnd, public SkinUI::INotifyUI, public SkinUI::IMessageFilterUI {
 public:
  // What Enter does: nothing at all, or whatever the focused field does with it
  // (a multi-line field needs it for its line breaks).
  enum class EnterKey { kSwallowed, kPassedOn };

  SkinDialog(const wchar_t* skinFile, const wchar_t* title, EnterKey enter);

  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND hWnd) override;
  void Notify(SkinUI::TNotifyUI& msg) override;
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

  SkinUI::CPaintManagerUI* GetPaintManager() { return &m_pm; }
  const SkinUI::CUIString& GetTitle() const { return m_title; }
  const SkinUI::CUIString& GetSkinFile() const { return m_skinFile; }
  // False when the layout could not be built from the skin.
  bool IsBuilt() const { return m_built; }

  SkinUI::CControlUI* FindControl(const wchar_t* name) { return m_pm.FindControl(name); }
  // The text of a control; empty when the layout lacks it.
  SkinUI::CUIString GetControlText(const wchar_t* name);
  // Sets the text of a control when the layout has it.
  void SetControlText(const wchar_t* name, const SkinUI::CUIString& text);

  // Tells the user that the layout is missing, in place of the dialog; answers the
  // dialog's result for it. Called once, before the empty window goes.
  virtual UINT ReportMissingLayout(HWND owner);

 protected:
  // After the layout is built and the title set: the dialog fills its fields.
  virtual void OnLayoutBuilt() {}
  // "msgdlg_ok" was clicked; a dialog whose checks pass closes with 1.
  virtual void OnOk() { Close(kDialogOk); }
  // Every notification that is not one of the three shared buttons.
  virtual void OnDialogNotify(SkinUI::TNotifyUI&) {}

  SkinUI::CUIString m_skinFile;
  SkinUI::CUIString m_title;
  SkinUI::CPaintManagerUI m_pm;

 private:
  EnterKey m_enter;
  bool m_created = false;
  bool m_built = false;
};

// Creates the dialog (allocated with new) over `parent` with the dialogs' style and
// centres it on its owner. From then on the window owns the object. False when the
// window or its layout could not be made; the object is gone then and, for a
// missing layout, the user has been told (`missingResult` receives the answer that
// stands for the dialog).
bool CreateSkinDialog(SkinDialog* dialog, HWND parent, UINT* missingResult = nullptr);

// Creates the dialog as above and runs it modally. The modal result, or the answer
// that stood in for a dialog that could not be made (0 when there was none).
UINT RunSkinDialog(SkinDialog* dialog, HWND parent);

// Called with every dialog once its layout is built and filled (tests drive the
// dialogs through it); returns the watcher it replaces.
using DialogWatcher = void (*)(SkinDialog* dialog);
DialogWatcher SetDialogWatcher(DialogWatcher watcher);

}  // namespace shell
