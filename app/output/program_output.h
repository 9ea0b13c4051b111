// What the program's buttons hand to the output operations: the spreadsheet
// library's object bound at start-up and the widgets' dialogs, owned by a window.
#pragma once

#include <windows.h>

#include <memory>

#include "export_run.h"
#include "output_dialogs.h"
#include "spreadsheet_import.h"

namespace output {

class ProgramOutput {
 public:
  explicit ProgramOutput(HWND owner);
  // False when the spreadsheet library is not bound: no export or import can run.
  bool Ready() const { return xls_ != nullptr; }
  ExportTools Export() const { return ExportTools{*xls_, *dialogs_, owner_}; }
  ImportTools Import() const { return ImportTools{*xls_, *dialogs_, owner_}; }

 private:
  XlsProc* xls_;
  std::unique_ptr<OutputDialogs> dialogs_;
  HWND owner_;
};

}  // namespace output
