// MainFrame's construction, creation from the skin, start-up sequence, single-
// instance guard and exit confirmation.
#include "main_frame.h"

#include <cstdlib>
#include <new>

#include "account_options_store.h"
#include "catalog_store.h"
#include "app_paths.h"
#include "handle_scope.h"
#include "core/control_ui.h"
#include "frameless_window.h"
#include "library_binding.h"
#include "login_window.h"
#include "message_dialog.h"
#include "program_resources.h"
#include "controls/option.h"
#include "shell_utilities.h"
#include "startup_trace.h"
#include "text_conversion.h"

namespace shell {
namespace {

LoginRunner g_loginRunner = &RunLoginWindow;
// The single-instance mutex this process holds, from the first main window's
// start-up until it is released or the process ends.
HandleScope g_instanceMutex(nullptr);

}  // namespace

MainFrame* CreateMainWindow() {
  MainFrame* frame = new (std::nothrow) MainFrame;
  if (frame == nullptr) return nullptr;
  // A window that fails in its creation has freed its object already.
  if (frame->Create(nullptr, L"KXPlatform", WS_OVERLAPPEDWINDOW, 0x20000, 0, 0, 600, 800) == nullptr) return nullptr;
  return frame;
}

LoginRunner SetLoginRunner(LoginRunner runner) {
  LoginRunner previous = g_loginRunner;
  g_loginRunner = runner != nullptr ? runner : &RunLoginWindow;
  return previous;
}

void ReleaseSingleInstance() { g_instanceMutex.reset(); }

void HoldSingleInstance() {
  if (!g_instanceMutex.valid()) g_instanceMutex.reset(::CreateMutexW(nullptr, FALSE, L"hKXPlatform"));
}

MainFrame::MainFrame() {
  m_shadow.SetDarkness(150);
  m_shadow.SetSharpness(5);
  m_shadow.SetSize(0);
  m_shadow.SetPosition(5, 5);
}

MainFrame::~MainFrame() = default;

const wchar_t* MainFrame::GetWindowClassName() const { return L"KXPlatform"; }

void MainFrame::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  delete this;
}

SkinUI::CUIString MainFrame::GetSkinFolder() { return L"skin\\"; }

SkinUI::CUIString MainFrame::GetSkinFile() { return L"MainFrame.xml"; }

SkinUI::SKIN_RESOURCETYPE MainFrame::GetResourceType() const { return SkinUI::SKIN_FROM_ZIPRESOURCE; }

const wchar_t* MainFrame::GetResourceID() const { return MAKEINTRESOURCEW(IDR_SKIN_ARCHIVE); }

LRESULT MainFrame::ResponseDefaultKeyEvent(WPARAM) { return 0; }

LRESULT MainFrame::OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  TraceStartup("main window creating");
  AttachWindowShadow(m_shadow, m_hWnd);
  return WindowImplBase::OnCreate(uMsg, wParam, lParam, bHandled);
}

void MainFrame::InitWindow() {
  TraceStartup("main window skin built");
  ::SetWindowTextW(m_hWnd, L"TarvelStock");
  CreateDirectoryPath(AnsiFromWide(GetModuleDirectory() + L"temp/").c_str());

  // Without a login nothing else starts and the window is never shown.
  const UINT login = g_loginRunner(m_hWnd, &m_session);
  TraceStartup("login window closed");
  if (login != 1) {
    m_startup = StartupOutcome::kLoginRefused;
    return;
  }
  if (SkinUI::CControlUI* user = m_PaintManager.FindControl(L"user_name")) user->SetText(m_session.account.c_str());
  m_trayIcon = ::LoadIconW(SkinUI::CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(IDI_PROGRAM_ICON));
  m_tray.AddIcon(m_hWnd, m_trayIcon, L"TarvelStock");
  TraceStartup("tray icon added");
  ::BringWindowToTop(m_hWnd);
  ::SetForegroundWindow(m_hWnd);

  if (!CheckSingleInstance()) {
    m_startup = StartupOutcome::kSecondInstance;
    return;
  }
  m_startup = StartupOutcome::kRunning;

  const wchar_t* const waves[] = {L"CastWave1", L"CastWave2", L"CastWave3"};
  for (int i = 0; i < 3; ++i) m_castWaves[i] = m_PaintManager.FindControl(waves[i]);
  if (m_castWaves[0] && m_castWaves[1] && m_castWaves[2]) ::SetTimer(m_hWnd, kTimerBroadcast, 500, nullptr);
  ::SetTimer(m_hWnd, kTimerTabHover, 300, nullptr);

  BuildHomeTiles();
  if (SkinUI::CControlUI* settings = m_PaintManager.FindControl(L"xtsz")) {
    if (!m_session.owner) settings->SetVisible(false);
  }
  LoadSideBar();

  if (g_dataObject != nullptr) m_catalog.ReloadCategories(pagekit::CatalogStore(*g_dataObject));
  CollectMidPanels();

  // A layout without the close-button setting gets no plug-in pages and no report tiles.
  if (!ApplyCloseSetting()) return;
  BuildPluginPages();
  FillReportTiles();
  ShowPage(L"首页");
  TraceStartup("start-up sequence done");
}

bool MainFrame::ApplyCloseSetting() {
  SkinUI::COptionUI* minimise = FindOption(m_PaintManager, L"xtsz_chk_mini");
  SkinUI::COptionUI* exit = FindOption(m_PaintManager, L"xtsz_chk_exit");
  if (minimise == nullptr || exit == nullptr) return false;
  if (g_dataObject == nullptr) return true;
  const pagekit::AccountOptions options = pagekit::AccountOptionsStore(*g_dataObject).Read(m_session.account);
  if (!options.stored) return true;
  if (options.minimiseOnClose) {
    minimise->Selected(true);
  } else {
    exit->Selected(true);
  }
  return true;
}

bool MainFrame::CheckSingleInstance() {
  HandleScope mutex(::CreateMutexW(nullptr, FALSE, (std::wstring(L"h") + GetWindowClassName()).c_str()));
  if (mutex.valid() && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    mutex.reset();
    ShowMessageDialog(nullptr, L"错误", L"程序已经登陆 ，不能重复登陆!!", kMsgDlgIconInfo, 0);
    m_tray.RemoveIcon();
    ::PostQuitMessage(0);
    return false;
  }
  // A second main window of this process (tests make many) keeps the first one's.
  if (!g_instanceMutex.valid()) g_instanceMutex.reset(mutex.release());
  return true;
}

void MainFrame::ConfirmExit() {
  const UINT answer = ShowMessageDialog(m_hWnd, L"提示", L"确定要退出程序 ?", kMsgDlgIconInfo, kMsgDlgCancelButton);
  if (answer == 2) return;
  m_tray.RemoveIcon();
  ::PostQuitMessage(0);
  if (::IsWindow(m_hWnd)) ::PostMessageW(m_hWnd, WM_CLOSE, 1, 0);
}

UINT MainFrame::ConfirmBroadcast() {
  return ShowMessageDialog(m_hWnd, L"提示", L"你要广播 ?", kMsgDlgIconInfo, kMsgDlgCancelButton);
}

void MainFrame::OnCloseButton() {
  if (m_PaintManager.FindControl(L"xtsz_chk_mini") == nullptr) return;
  SkinUI::COptionUI* option = FindOption(m_PaintManager, L"xtsz_chk_mini");
  if (option != nullptr && option->IsSelected()) {
    // Hidden without a tray icon the window could never be brought back.
    if (m_tray.HasIcon()) {
      ::ShowWindow(m_hWnd, SW_HIDE);
    } else {
      SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
    return;
  }
  ConfirmExit();
}

PickerContext MainFrame::Pickers() { return PickerContext{g_dataObject, &m_catalog}; }

}  // namespace shell
