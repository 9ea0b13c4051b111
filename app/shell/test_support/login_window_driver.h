// A login window shown without its modal loop, so that a test drives it: typing
// into its fields, clicking, and waiting for the password check to answer.
#pragma once

#include <windows.h>

#include <string>

#include "login_window.h"
#include "skin_dialog.h"
#include "test_support/window_test_env.h"

namespace shelltest {

class LoginWindow {
 public:
  // A login fills `session` (when given) with who logged in.
  explicit LoginWindow(pagekit::Session* session = nullptr) {
    window_ = new shell::CLoginWnd(session);
    hwnd_ = window_->Create(nullptr, L"", shell::kDialogStyle, 0, 0, 0, 0, 0);
    window_->CenterDesktopWindow();
    ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    Pump(100);
  }
  ~LoginWindow() {
    if (::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    TakeQuit();
  }
  LoginWindow(const LoginWindow&) = delete;
  LoginWindow& operator=(const LoginWindow&) = delete;

  bool Alive() const { return ::IsWindow(hwnd_) != FALSE; }
  HWND hwnd() const { return hwnd_; }
  shell::CLoginWnd& window() { return *window_; }
  SkinUI::CControlUI* Find(const wchar_t* name) { return window_->GetPaintManager()->FindControl(name); }
  std::wstring Text(const wchar_t* name) { return Find(name)->GetText().GetData(); }
  void Type(const wchar_t* name, const wchar_t* text) { Find(name)->SetText(text); }
  // Waits for the running check to answer (or the window to close on success).
  bool WaitForAnswer() {
    return PumpUntil([&] { return !Alive() || !window_->IsChecking(); });
  }

 private:
  shell::CLoginWnd* window_;
  HWND hwnd_;
};

}  // namespace shelltest
