// Drives one of the program's modal dialogs from inside its own modal loop: the
// steps of a script run one timer tick apart, so that each sees what the one
// before it caused, and a step that waits (for a system file dialog, say) is asked
// again on the next tick. A script that stalls gives up after a few seconds and
// closes every window it opened, so a failing test never hangs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin_dialog.h"
#include "test_support/window_test_env.h"
#include "test_support/window_shot.h"

namespace shelltest {

struct OwnedDialogSearch {
  HWND owner;
  std::vector<HWND> found;
};

inline BOOL CALLBACK CollectOwnedDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<OwnedDialogSearch*>(data);
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32770" && ::IsWindowVisible(window) && ::GetWindow(window, GW_OWNER) == search->owner)
    search->found.push_back(window);
  return TRUE;
}

// The visible top-level dialog boxes (system class "#32770") of this thread owned
// by `owner`: the system's file dialogs and their prompts.
inline std::vector<HWND> SystemDialogsOwnedBy(HWND owner) {
  OwnedDialogSearch search{owner, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectOwnedDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class DialogScript {
 public:
  // A step answers true when it is done; false asks again on the next tick.
  using Step = std::function<bool(shell::SkinDialog& dialog)>;

  explicit DialogScript(std::vector<Step> steps, DWORD giveUpMs = 8000)
      : steps_(std::move(steps)), giveUpMs_(giveUpMs) {}

  // Creates the dialog over `parent` and runs it with the script; its result.
  UINT Run(shell::SkinDialog* dialog, HWND parent = nullptr) {
    if (!shell::CreateSkinDialog(dialog, parent)) {
      ADD_FAILURE() << "the dialog was not made";
      return 0;
    }
    return RunCreated(dialog);
  }

  // Runs a dialog already made (and prepared by its caller) with the script.
  UINT RunCreated(shell::SkinDialog* dialog) {
    dialog_ = dialog;
    hwnd_ = dialog->GetHWND();
    next_ = 0;
    start_ = ::GetTickCount();
    Current() = this;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 60, &Tick);
    const UINT result = dialog->ShowModal();
    ::KillTimer(nullptr, timer);
    Current() = nullptr;
    if (next_ < steps_.size()) ADD_FAILURE() << "the script stopped at step " << next_ << " of " << steps_.size();
    return result;
  }

  bool GaveUp() const { return gaveUp_; }

 private:
  static DialogScript*& Current() {
    static DialogScript* current = nullptr;
    return current;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogScript* self = Current();
    if (self != nullptr) self->Advance();
  }

  void Advance() {
    if (!::IsWindow(hwnd_)) return;
    if (::GetTickCount() - start_ > giveUpMs_) {
      GiveUp();
      return;
    }
    // Steps post their input, so the loops it opens (a file dialog) run after
    // the tick; their own ticks go on with the next step.
    if (next_ < steps_.size() && steps_[next_](*dialog_)) ++next_;
  }

  void GiveUp() {
    if (!gaveUp_) ADD_FAILURE() << "the script gave up at step " << next_;
    gaveUp_ = true;
    for (HWND system : SystemDialogsOwnedBy(hwnd_)) {
      for (HWND prompt : SystemDialogsOwnedBy(system)) ::PostMessageW(prompt, WM_COMMAND, IDCANCEL, 0);
      ::PostMessageW(system, WM_COMMAND, IDCANCEL, 0);
    }
    ::PostMessageW(hwnd_, WM_CLOSE, 99, 0);
  }

  std::vector<Step> steps_;
  DWORD giveUpMs_;
  shell::SkinDialog* dialog_ = nullptr;
  HWND hwnd_ = nullptr;
  size_t next_ = 0;
  DWORD start_ = 0;
  bool gaveUp_ = false;
};

// The visible window of that class on this thread, or null: a picker the dialog
// opened.
inline HWND VisibleWindowOfClass(const wchar_t* className) {
  const HWND found = ::FindWindowW(className, nullptr);
  return found != nullptr && ::IsWindowVisible(found) ? found : nullptr;
}

// A rectangle's left, top, right and bottom, for comparing two at once.
inline std::vector<LONG> Corners(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

// Script steps.
namespace step {

// Puts text into a field, as the dialog will read it.
inline DialogScript::Step Fill(const wchar_t* name, std::wstring text) {
  return [name, text](shell::SkinDialog& d) {
    SkinUI::CControlUI* control = d.FindControl(name);
    EXPECT_NE(nullptr, control) << "no field " << std::string(name, name + wcslen(name));
    if (control != nullptr) control->SetText(text.c_str());
    return true;
  };
}

// A real mouse click in the middle of the control.
inline DialogScript::Step Press(const wchar_t* name) {
  return [name](shell::SkinDialog& d) {
    Click(d.GetHWND(), d.FindControl(name));
    return true;
  };
}

inline DialogScript::Step Key(WPARAM key) {
  return [key](shell::SkinDialog& d) {
    ::PostMessageW(d.GetHWND(), WM_KEYDOWN, key, 0);
    return true;
  };
}

// Copies a control's text into `out`.
inline DialogScript::Step Read(const wchar_t* name, std::wstring* out) {
  return [name, out](shell::SkinDialog& d) {
    SkinUI::CControlUI* control = d.FindControl(name);
    *out = control != nullptr ? control->GetText().GetData() : L"<missing>";
    return true;
  };
}

// Any check of the dialog's state while it is up.
inline DialogScript::Step Do(std::function<void(shell::SkinDialog&)> action) {
  return [action](shell::SkinDialog& d) {
    action(d);
    return true;
  };
}

// Waits for the system file dialog that the dialog opened, remembers its owner,
// types `path` into its name field and confirms it (or cancels with an empty path).
inline DialogScript::Step AnswerFileDialog(std::wstring path, HWND* owner = nullptr) {
  return [path, owner](shell::SkinDialog& d) {
    const std::vector<HWND> found = SystemDialogsOwnedBy(d.GetHWND());
    if (found.empty()) return false;
    const HWND file = found.front();
    if (owner != nullptr) *owner = ::GetWindow(file, GW_OWNER);
    if (path.empty()) {
      ::PostMessageW(file, WM_COMMAND, IDCANCEL, 0);
      return true;
    }
    // The name field is a combo box (cmb13) or an edit (edt1).
    if (!::SetDlgItemTextW(file, 0x47c, path.c_str())) ::SetDlgItemTextW(file, 0x480, path.c_str());
    ::PostMessageW(file, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(file, IDOK)));
    return true;
  };
}

// Waits for the system's prompt over the file dialog (the overwrite question) and
// answers it.
inline DialogScript::Step AnswerFilePrompt(WPARAM answer, bool* seen = nullptr) {
  return [answer, seen](shell::SkinDialog& d) {
    for (HWND file : SystemDialogsOwnedBy(d.GetHWND())) {
      const std::vector<HWND> prompts = SystemDialogsOwnedBy(file);
      if (prompts.empty()) continue;
      if (seen != nullptr) *seen = true;
      ::PostMessageW(prompts.front(), WM_COMMAND, answer, 0);
      return true;
    }
    return false;
  };
}

// Waits for a visible window of that class (a picker) and hands it to `found`.
inline DialogScript::Step WaitForWindow(const wchar_t* className, std::function<void(HWND)> found) {
  return [className, found](shell::SkinDialog&) {
    const HWND window = VisibleWindowOfClass(className);
    if (window == nullptr) return false;
    found(window);
    return true;
  };
}

// Saves what the dialog shows (only when TARVEL_SHOT_DIR names a folder).
inline DialogScript::Step Shot(const char* name) {
  return [name](shell::SkinDialog& d) {
    SaveWindowShot(d.GetHWND(), name);
    return true;
  };
}

// Waits until no system dialog of the dialog is left.
inline DialogScript::Step SystemDialogsGone() {
  return [](shell::SkinDialog& d) { return SystemDialogsOwnedBy(d.GetHWND()).empty(); };
}

}  // namespace step
}  // namespace shelltest
