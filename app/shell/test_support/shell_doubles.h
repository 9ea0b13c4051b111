// Stand-ins for what the main window asks and calls out to, for the shell's window
// tests: recorders that answer the message dialogs (CMsgDlg) and the system
// message boxes, and plug-ins made up by a test, bound before the window is made.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/blocking_calls.h"
#include "library_binding.h"
#include "main_frame.h"
#include "message_dialog.h"
#include "test_support/main_window.h"
#include "test_support/shell_test_env.h"

namespace shelltest {

// Answers every message dialog with a fixed result and remembers "title|text".
struct DialogAnswer {
  static UINT& Result() {
    static UINT result = 2;
    return result;
  }
  static std::vector<std::wstring>& Asked() {
    static std::vector<std::wstring> asked;
    return asked;
  }
  static void Watch(shell::CMsgDlg* dialog) {
    Asked().push_back(std::wstring(dialog->GetTitle().GetData()) + L"|" + dialog->GetText().GetData());
    dialog->Close(Result());
  }
};

// While it lives, message dialogs are answered by DialogAnswer.
class DialogAnswering {
 public:
  explicit DialogAnswering(UINT result) : previous_(shell::SetMsgDlgWatcher(&DialogAnswer::Watch)) {
    DialogAnswer::Result() = result;
    DialogAnswer::Asked().clear();
  }
  ~DialogAnswering() { shell::SetMsgDlgWatcher(previous_); }

 private:
  shell::MsgDlgWatcher previous_;
};

// While it lives, system message boxes answer OK and are remembered as
// "caption|text".
class MessageBoxRecorder {
 public:
  MessageBoxRecorder() : previous_(SkinUI::UISetBlockingCalls({&Record, nullptr})) { Boxes().clear(); }
  ~MessageBoxRecorder() { SkinUI::UISetBlockingCalls(previous_); }
  static std::vector<std::wstring>& Boxes() {
    static std::vector<std::wstring> boxes;
    return boxes;
  }

 private:
  static int Record(HWND, const wchar_t* text, const wchar_t* caption, UINT) {
    Boxes().push_back(std::wstring(caption != nullptr ? caption : L"") + L"|" + (text != nullptr ? text : L""));
    return IDOK;
  }
  SkinUI::UIBlockingCalls previous_;
};

// A plug-in made up by a test: its name, its home tile's name, and what it
// answers to every notification. It remembers what it was told.
class FakePlugin : public DllApiInstance {
 public:
  FakePlugin(std::string name, int answer = 0) : name_(std::move(name)), answer_(answer) {}
  const char* GetName() override { return name_.c_str(); }
  int Notify(const char* type, const char* sender, void*) override {
    told.push_back(std::string(type) + "|" + sender);
    return answer_;
  }
  std::vector<std::string> told;

 private:
  std::string name_;
  int answer_;
};

// Binds the plug-ins, each with its tile name, for its own life.
class PluginsBound {
 public:
  PluginsBound(std::vector<std::pair<FakePlugin*, std::string>> plugins) {
    for (auto& p : plugins) {
      PluginEntry entry;
      entry.path = "plugin\\" + std::string(p.first->GetName()) + ".dll";
      entry.object = p.first;
      entry.tileName = p.second;
      g_plugins.push_back(entry);
    }
  }
  ~PluginsBound() { g_plugins.clear(); }
};

}  // namespace shelltest
