// CDlgToolTip: a borderless hint shown next to an input field; it closes itself
// three seconds after it opened and frees itself when its window goes.
#pragma once

#include "core/window_impl_base.h"

namespace shell {

constexpr UINT kToolTipTimerId = 1;
constexpr UINT kToolTipLifetimeMs = 3000;

class CDlgToolTip : public SkinUI::WindowImplBase {
 public:
  // Creates and shows the window at once; the caller allocates it with new and
  // forgets it.
  CDlgToolTip(const wchar_t* text, int left, int top, int right, int bottom, HWND parent);

  const wchar_t* GetWindowClassName() const override;
  SkinUI::CUIString GetSkinFolder() override;
  SkinUI::CUIString GetSkinFile() override;
  void InitWindow() override;
  void Notify(SkinUI::TNotifyUI& msg) override;
  void OnFinalMessage(HWND hWnd) override;

 private:
  int m_left, m_top, m_right, m_bottom;
  SkinUI::CUIString m_text;
};

// The box a tooltip for a field takes: 80 pixels left of the field, 20 below its
// top, 180 wide and 30 high. `field` is in the client coordinates of `window`.
RECT ToolTipRectForField(HWND window, const RECT& field);

// Opens a tooltip with the text at the field.
void ShowFieldToolTip(HWND window, const RECT& field, const wchar_t* text);

// The box of a tooltip `size` large whose top left lies `offset` from the field's
// top left, in screen coordinates. `field` is in the client coordinates of `window`.
RECT ToolTipRectAt(HWND window, const RECT& field, SIZE size, POINT offset);

// Opens a tooltip with the text in that box.
void ShowToolTipAt(HWND window, const RECT& field, SIZE size, POINT offset, const wchar_t* text);

}  // namespace shell
