// PickerPopup: what the popup pickers share. A picker is a borderless tool window
// that the caller allocates with new and forgets: it opens at the rectangle the
// caller gives (screen coordinates), fills itself from its context's data object
// and catalog cache, hands one choice to the object that opened it, closes, and frees itself
// when its window goes. It closes as well when it loses the focus.
#pragma once

#include <windows.h>

#include "controls/bar_list.h"
#include "core/control_ui.h"
#include "core/ui_string.h"
#include "core/window_impl_base.h"
#include "picker_context.h"

namespace shell {

// The height of the pickers' layouts (197 by 160); an opener that has no height of
// its own to give opens a picker this tall.
constexpr int kPickerHeight = 160;

class PickerPopup : public SkinUI::WindowImplBase {
 public:
  SkinUI::CUIString GetSkinFolder() override;
  void InitWindow() override;
  void OnFinalMessage(HWND hWnd) override;
  SkinUI::CControlUI* CreateControl(const wchar_t* pstrClass) override;
  LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

 protected:
  PickerPopup(const PickerContext& context, SkinUI::CControlUI* owner, int left, int top, int right, int bottom);

  // Creates the window with its title and shows it. Each picker calls it last in
  // its constructor, once the object is whole: the window is filled while it is
  // being created.
  void Open(const wchar_t* title);
  // Fills the picker; the window stands at its rectangle by then.
  virtual void Fill() = 0;
  // Whether the focus moving to that window leaves the picker open.
  virtual bool KeepsOpenFor(HWND focus);

  // True the first time only. A click reaches a row twice (button down and up),
  // and the close it asks for comes after both when the clicks are queued
  // together: the owner hears of one choice.
  bool TakeChoice();
  // The text of the bar-list entry that the control belongs to; empty when it
  // belongs to none.
  static SkinUI::CUIString EntryText(SkinUI::CBarListUI* list, SkinUI::CControlUI* control);
  // The entry the control belongs to, or null.
  static SkinUI::BarListNode* EntryOf(SkinUI::CBarListUI* list, SkinUI::CControlUI* control);

  PickerContext m_context;
  SkinUI::CControlUI* m_owner;
  RECT m_rect;

 private:
  bool m_chosen = false;
  // Set while the window is being created: a window that fails in its creation
  // is torn down inside Create, and the object must outlive that call.
  bool m_opening = false;
};

}  // namespace shell
