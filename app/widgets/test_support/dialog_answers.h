// The answerers of the dialogs that a window test meets: a recorder that answers
// the message dialogs (CMsgDlg) with a fixed result, and one that answers the
// system message boxes OK; each remembers what it was asked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/blocking_calls.h"
#include "message_dialog.h"

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

}  // namespace shelltest
