// The dialogs of printing, exporting and importing, behind one seam: the
// program's are the widgets' save dialog and import dialog; a test answers from
// a table.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace output {

class OutputDialogs {
 public:
  virtual ~OutputDialogs() = default;
  // The save dialog for a spreadsheet, proposing `fileName`; the chosen path,
  // or empty when the user chose none. It asks itself before overwriting a
  // file.
  virtual std::wstring ChooseSaveFile(HWND owner, const std::wstring& fileName) = 0;
  // The import dialog under `title`; the chosen workbook, or empty.
  virtual std::wstring ChooseImportFile(HWND owner, const std::wstring& title) = 0;
  // Tells the user something went wrong (a message box).
  virtual void Tell(HWND owner, const std::wstring& text) = 0;
};

// The program's dialogs.
std::unique_ptr<OutputDialogs> MakeWindowDialogs();

}  // namespace output
