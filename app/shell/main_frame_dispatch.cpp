// MainFrame's notification dispatch: plug-ins first, then by type; clicks by the
// sender's name through a table of routes that the page code extends; the
// window's own messages (menu choice, tray icon, timers, close and destroy).
#include "main_frame.h"

#include <cwchar>

#include "core/control_ui.h"
#include "library_binding.h"
#include "text_conversion.h"

namespace shell {
namespace {

using ClickHandler = void (*)(MainFrame& frame, SkinUI::CControlUI& sender);

struct ClickRoute {
  const wchar_t* name;
  ClickHandler handler;
};

void Broadcast(MainFrame& frame, SkinUI::CControlUI&) { frame.ConfirmBroadcast(); }

void ToggleSideBar(MainFrame& frame, SkinUI::CControlUI&) {
  if (SkinUI::CControlUI* bar = frame.GetPaintManager()->FindControl(L"layoutSideBar"))
    bar->SetVisible(!bar->IsVisible());
}

void CloseButton(MainFrame& frame, SkinUI::CControlUI&) { frame.OnCloseButton(); }
void MinimiseButton(MainFrame& frame, SkinUI::CControlUI&) { frame.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); }
void MaximiseButton(MainFrame& frame, SkinUI::CControlUI&) { frame.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0); }
void RestoreButton(MainFrame& frame, SkinUI::CControlUI&) { frame.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0); }
void Nothing(MainFrame&, SkinUI::CControlUI&) {}

// Exact names, compared without regard to case. The page code adds its rows here;
// prefix routes ("bar_btn_", "tab_close_" before "tab_", "sel_all_") come in their
// fixed places when the pages that use them are built.
const ClickRoute kClickRoutes[] = {
    {L"bottomBroadcast", &Broadcast}, {L"CastWave1", &Broadcast},   {L"CastWave2", &Broadcast},
    {L"CastWave3", &Broadcast},       {L"btnSideBar", &ToggleSideBar}, {L"closebtn", &CloseButton},
    {L"minbtn", &MinimiseButton},     {L"maxbtn", &MaximiseButton},  {L"restorebtn", &RestoreButton},
    {L"btnCloudLogin", &Nothing},
};

}  // namespace

bool MainFrame::OfferToPlugins(SkinUI::TNotifyUI& msg) {
  if (g_plugins.empty()) return false;
  const std::string type = AnsiFromWide(msg.type.GetData());
  const std::string sender = msg.sender != nullptr ? AnsiFromWide(msg.sender->GetName().GetData()) : std::string();
  for (PluginEntry& plugin : g_plugins) {
    if (plugin.object != nullptr && plugin.object->Notify(type.c_str(), sender.c_str(), nullptr) != 0) return true;
  }
  return false;
}

void MainFrame::Notify(SkinUI::TNotifyUI& msg) {
  if (OfferToPlugins(msg)) return;
  if (msg.type == L"click") OnClick(msg);
}

void MainFrame::OnClick(SkinUI::TNotifyUI& msg) {
  if (msg.sender == nullptr) return;
  const SkinUI::CUIString name = msg.sender->GetName();
  for (const ClickRoute& route : kClickRoutes) {
    if (_wcsicmp(name.GetData(), route.name) == 0) {
      route.handler(*this, *msg.sender);
      return;
    }
  }
}

void MainFrame::OnMenuCommand(const SkinUI::CUIString& item) {
  // The tray menu's commands arrive with the menus that send them.
  (void)item;
}

LRESULT MainFrame::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  if (uMsg == 0x2340) {
    SkinUI::CUIString* item = reinterpret_cast<SkinUI::CUIString*>(wParam);
    if (item != nullptr) {
      const SkinUI::CUIString name = *item;
      delete item;
      OnMenuCommand(name);
    }
  } else if (uMsg == kTrayCallbackMessage) {
    if (lParam >= WM_MOUSEFIRST && lParam <= WM_MOUSEFIRST + 5) OnTrayNotify(static_cast<UINT>(lParam - WM_MOUSEFIRST));
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
