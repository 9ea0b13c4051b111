// A small Windows robot for end-to-end scenarios: it installs the program into a
// folder of its own, starts it, finds its windows by class and title, posts mouse
// and key messages to them, reads and answers native message boxes, asks for
// screenshots and waits for the program's exit code.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace robot {

// A fresh folder "<temp>\tarvel_e2e_<pid>_<n>\Apps\Shop\" holding the program, the
// runtime DLLs and the named libraries copied from the robot's own folder.
class Install {
 public:
  explicit Install(const std::vector<std::wstring>& libraries);
  ~Install();
  const std::wstring& folder() const { return shop_; }  // with a trailing backslash
  const std::wstring& apps() const { return apps_; }
  void Remove(const std::wstring& name);
  void Write(const std::wstring& name, const std::string& bytes);

 private:
  std::wstring root_, apps_, shop_;
};

class Process {
 public:
  explicit Process(const Install& install);
  ~Process();  // ends the program if it still runs
  bool Running() const;
  // Waits for the program to end; false on time-out.
  bool WaitExit(DWORD timeoutMs, DWORD* code);
  // The first visible top-level window of the program with that class (and title,
  // when given), waiting up to the time-out.
  HWND WaitWindow(const wchar_t* className, const wchar_t* title = nullptr, DWORD timeoutMs = 20000) const;
  HWND FindWindowOf(const wchar_t* className, const wchar_t* title = nullptr) const;
  DWORD id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_ = {};
};

void Click(HWND window, int x, int y);
void Key(HWND window, UINT key);
// The text of a native message box, and its caption.
std::wstring MessageBoxText(HWND box);
std::wstring WindowTitle(HWND window);
void AnswerMessageBox(HWND box, int button = IDOK);

// Asks the scenario's runner for a screenshot of the whole screen; true once the
// picture exists. Without a runner (no TARVEL_SHOT_DIR) nothing is taken.
bool Screenshot(const std::string& name);

// Polls done() every 50 ms until it holds or the time runs out.
template <class F>
bool WaitFor(F done, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(50);
  }
  return true;
}

}  // namespace robot
