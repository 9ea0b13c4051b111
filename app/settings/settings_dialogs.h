// What the settings page asks of the user: its message boxes and the system's file
// dialogs, over the page's owner window. The program's are the skinned message box
// and the file dialog of the widgets; a test answers them itself, without windows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace settings {

enum class MessageIcon { kInfo, kWarning, kError };

class SettingsDialogs {
 public:
  virtual ~SettingsDialogs() = default;
  // A message box with OK, and Cancel when `withCancel`; true when answered OK.
  virtual bool Message(HWND owner, const std::wstring& title, const std::wstring& text, MessageIcon icon,
                       bool withCancel) = 0;
  // The system's save (`save`) or open dialog, offering `fileName` at the start;
  // the path chosen, empty when none was.
  virtual std::wstring ChooseFile(HWND owner, bool save, const std::wstring& fileName) = 0;
};

// The program's dialogs.
std::unique_ptr<SettingsDialogs> MakeWidgetDialogs();

}  // namespace settings
