// MainFrame's notification dispatch: plug-ins first, then by type (the click
// chains are in click_routes.cpp); the window's own messages (menu choice, tray
// icon, timers, close and destroy).
#include "main_frame.h"
#include "startup_trace.h"

#include <cwchar>
#include <memory>

#include "controls/menu_window.h"
#include "core/control_ui.h"
#include "frameless_window.h"
#include "date_field_updates.h"
#include "library_binding.h"
#include "list_sorting.h"
#include "text_conversion.h"

namespace shell {

bool MainFrame::OfferToPlugins(SkinUI::TNotifyUI& msg) {
  if (g_plugins.empty()) return false;
  const std::string type = AnsiFromWide(msg.type.GetData());
  const std::string sender = msg.sender != nullptr ? AnsiFromWide(msg.sender->GetName().GetData()) : std::string();
  for (PluginEntry& plugin : g_plugins) {
    if (plugin.object != nullptr && plugin.object->Notify(type.c_str(), sender.c_str(), nullptr) != 0) return true;
  }
  return false;
}

void MainFrame::OnHeaderClick(SkinUI::TNotifyUI& msg) {
  if (!OfferToPages(pagekit::EventKind::kHeaderClick, msg.sender, L"", msg.wParam, msg.lParam))
    pagekit::SortListByColumn(msg.sender);
}

void MainFrame::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.type == L"windowinit") TraceStartup("main window first painted");
  if (OfferToPlugins(msg)) return;
  using Handler = void (MainFrame::*)(SkinUI::TNotifyUI&);
  static const struct {
    const wchar_t* type;
    Handler handler;
  } kRoutes[] = {
      {L"setfocus", &MainFrame::OnCellSetFocus},
      {L"killfocus", &MainFrame::OnCellKillFocus},
      {L"click", &MainFrame::OnClick},
      {L"selectchanged", &MainFrame::OnSelectChanged},
      {L"itemactivate", &MainFrame::OnItemActivate},
      {L"itemclick", &MainFrame::OnItemClick},
      {L"headerclick", &MainFrame::OnHeaderClick},
  };
  for (const auto& route : kRoutes) {
    if (_wcsicmp(msg.type.GetData(), route.type) == 0) {
      (this->*route.handler)(msg);
      return;
    }
  }
  // Recalculating a line and renumbering after a date are the pages' own.
  if (_wcsicmp(msg.type.GetData(), L"textchanged") == 0) {
    OnEditTextChanged(msg.sender);
  } else if (_wcsicmp(msg.type.GetData(), L"updatetext") == 0) {
    if (msg.sender != nullptr) pagekit::UpdateDateFields(m_fields, msg.sender->GetName().GetData());
    OfferToPages(pagekit::EventKind::kUpdateText, msg.sender, L"", msg.wParam, msg.lParam);
  }
}

LRESULT MainFrame::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  if (uMsg == SkinUI::WM_MENUCLICK) {
    // The menu's string goes before the command runs, which may end the program.
    const SkinUI::CUIString name = TakeMenuItemName(wParam);
    if (!name.IsEmpty()) OnMenuCommand(name);
  } else if (uMsg == kTrayCallbackMessage) {
    m_trayClicks.OnIconMessage(m_hWnd, lParam);
  } else if (uMsg == WM_TIMER) {
    OnTimer(wParam);
  } else if (uMsg == TaskbarCreatedMessage()) {
    m_tray.OnTaskbarCreated();
  }
  return 0;
}

LRESULT MainFrame::OnClose(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
  // Alt+F4 and the system menu close with wParam 0: the same as the close button.
  // A window without its skin has no close button, so it simply closes.
  if (wParam == 0 && m_PaintManager.GetRoot() != nullptr) {
    bHandled = TRUE;
    OnCloseButton();
    return 0;
  }
  bHandled = FALSE;
  return 0;
}

LRESULT MainFrame::OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  // However the window goes, the program goes with it.
  ::KillTimer(m_hWnd, kTimerBroadcast);
  ::KillTimer(m_hWnd, kTimerTabHover);
  m_tray.RemoveIcon();
  ::PostQuitMessage(0);
  bHandled = FALSE;
  return 0;
}

}  // namespace shell
