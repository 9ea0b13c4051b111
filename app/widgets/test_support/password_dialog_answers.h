// Answers the password dialogs that a command opens, one scripted answer per
// dialog in the order they come: fields to fill, then OK or Cancel. A dialog
// whose OK check fails (its tip says why) is closed with 2. Each dialog is
// remembered as "window class|title|tip after OK", and the fields it showed at
// the start can be read back. A message dialog in between takes no scripted
// answer: it is remembered as "window class|title|text" and closed with OK.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "message_dialog.h"
#include "skin_dialog.h"

namespace shelltest {

struct PasswordDialogAnswer {
  std::vector<std::pair<const wchar_t*, std::wstring>> fields;
  bool ok = true;
};

class PasswordDialogAnswers {
 public:
  explicit PasswordDialogAnswers(std::vector<PasswordDialogAnswer> answers)
      : previous_(shell::SetDialogWatcher(&Watch)) {
    Answers().assign(answers.begin(), answers.end());
    Seen().clear();
    Shown().clear();
  }
  ~PasswordDialogAnswers() {
    shell::SetDialogWatcher(previous_);
    EXPECT_TRUE(Answers().empty()) << Answers().size() << " scripted dialogs never came";
  }
  // "class|title|tip" per dialog, in order.
  static std::vector<std::wstring>& Seen() {
    static std::vector<std::wstring> seen;
    return seen;
  }
  // The text a field of the n-th dialog showed when it came up.
  static std::wstring ShownIn(size_t dialog, const wchar_t* field) {
    auto found = Shown().find({dialog, field});
    return found != Shown().end() ? found->second : L"<not read>";
  }

 private:
  static std::deque<PasswordDialogAnswer>& Answers() {
    static std::deque<PasswordDialogAnswer> answers;
    return answers;
  }
  static std::map<std::pair<size_t, std::wstring>, std::wstring>& Shown() {
    static std::map<std::pair<size_t, std::wstring>, std::wstring> shown;
    return shown;
  }

  static void Watch(shell::SkinDialog* dialog) {
    const size_t index = Seen().size();
    if (auto* box = dynamic_cast<shell::CMsgDlg*>(dialog)) {
      Seen().push_back(std::wstring(box->GetWindowClassName()) + L"|" + box->GetTitle().GetData() + L"|" +
                       box->GetText().GetData());
      box->Close(shell::kDialogOk);
      return;
    }
    for (const wchar_t* field : {L"name", L"question", L"answer", L"pwd", L"email"})
      Shown()[{index, field}] = dialog->GetControlText(field).GetData();
    std::wstring record = std::wstring(dialog->GetWindowClassName()) + L"|" + dialog->GetTitle().GetData() + L"|";
    if (Answers().empty()) {
      Seen().push_back(record + L"<unexpected>");
      dialog->Close(shell::kDialogCancel);
      return;
    }
    const PasswordDialogAnswer answer = Answers().front();
    Answers().pop_front();
    for (const auto& field : answer.fields) dialog->SetControlText(field.first, field.second.c_str());
    if (!answer.ok) {
      Seen().push_back(record);
      dialog->Close(shell::kDialogCancel);
      return;
    }
    SkinUI::TNotifyUI click{};
    click.type = L"click";
    click.sender = dialog->FindControl(L"msgdlg_ok");
    dialog->Notify(click);
    const std::wstring tip =
        std::wstring(dialog->GetControlText(L"tip").GetData()) + dialog->GetControlText(L"getpwd_tip").GetData();
    Seen().push_back(record + tip);
    if (!tip.empty()) dialog->Close(shell::kDialogCancel);
  }

  shell::DialogWatcher previous_;
};

}  // namespace shelltest
