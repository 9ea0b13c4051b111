// Start-up: paths, the daily backup, the libraries, the framework, COM, OLE and
// GDI+, the main window (which logs the user in), the loop, and shutdown.
#include "program_entry.h"

#include <objbase.h>
#include <ole2.h>

#include <memory>
#include <new>
#include <string>

#include "app_paths.h"
#include "core/blocking_calls.h"
#include "crash_dump.h"
#include "controls/gdiplus_scope.h"
#include "library_binding.h"
#include "main_frame.h"
#include "program_resources.h"
#include "startup_trace.h"
#include "core/paint_manager.h"
#include "controls/window_shadow.h"

namespace shell {
namespace {

void StartupFailed(const std::wstring& text) { SkinUI::UIMessageBox(nullptr, text.c_str(), L"启动失败", MB_OK); }

// Lets drag-and-drop and copy-data messages reach the program from less trusted
// processes, where the system filters them. Every system the program runs on has
// the call, so it is bound at load time.
void AllowShellMessages() {
  for (UINT message : {0x233u, 0x4Au, 0x49u}) ::ChangeWindowMessageFilter(message, MSGFLT_ADD);
}

// The framework's, COM's, OLE's and GDI+'s lifetime around the main window.
class UiSession {
 public:
  UiSession() : richEdit_(::LoadLibraryW(L"Riched20.dll")) {
    ::CoInitialize(nullptr);
    ::OleInitialize(nullptr);
  }
  ~UiSession() {
    SkinUI::CPaintManagerUI::Term();
    gdiplus_.reset();
    ::OleUninitialize();
    ::CoUninitialize();
    if (richEdit_ != nullptr) ::FreeLibrary(richEdit_);
  }
  UiSession(const UiSession&) = delete;
  UiSession& operator=(const UiSession&) = delete;
  void StartGdiplus() { gdiplus_.reset(new SkinUI::GdiplusSession); }

 private:
  HMODULE richEdit_;
  std::unique_ptr<SkinUI::GdiplusSession> gdiplus_;
};

}  // namespace

int RunProgram(HINSTANCE instance) {
  TraceStartup("process entered");
  (void)CrashDumpInstalled();
  std::wstring pathError;
  if (!InitPaths(&pathError)) {
    StartupFailed(pathError);
    return 0;
  }
  MakeDailyBackup();
  TraceStartup("daily backup made");
  if (!BindDatavane()) {
    StartupFailed(LibraryFailureText(L"Datavane.dll"));
    return 0;
  }
  g_dataObject->OpenDatabase(g_dbPath);
  g_dataObject->AddUser("老板", "");
  g_dataObject->AddUser("营业员", "");
  TraceStartup("Datavane.dll bound, database opened");
  if (!BindKXXls()) {
    StartupFailed(LibraryFailureText(L"KXXls.dll"));
    return 0;
  }
  ScanPluginFolder(std::string(g_exeDir) + "plugin");
  BindPlugins();
  TraceStartup("KXXls.dll and plug-ins bound");

  SkinUI::CPaintManagerUI::SetInstance(instance);
  SkinUI::CWndShadow::Initialize(instance);
  SkinUI::CPaintManagerUI::SetResourcePath(SkinUI::CPaintManagerUI::GetInstancePath());
  UiSession session;
  session.StartGdiplus();
  AllowShellMessages();
  TraceStartup("framework, COM, OLE and GDI+ started");

  // Created hidden and shown only once a user has logged in.
  MainFrame* frame = CreateMainWindow();
  if (frame == nullptr) return 0;
  HWND window = frame->GetHWND();
  if (frame->GetStartupOutcome() == StartupOutcome::kRunning) {
    frame->CenterWindow();
    ::ShowWindow(window, SW_SHOW);
    frame->SetIcon(IDI_PROGRAM_ICON);
    TraceStartup("main window shown");
    SkinUI::CPaintManagerUI::MessageLoop();
  }
  // The window deletes its object when it goes; the tray icon goes with it.
  if (::IsWindow(window)) ::DestroyWindow(window);
  return 0;
}

}  // namespace shell
