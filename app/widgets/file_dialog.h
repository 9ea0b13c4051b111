// FileDialog: the record handed to the system's open and save dialogs, with its own
// buffers for the filter, the file name and the default extension. The dialog that
// opens it is its owner, so the system dialog stays modal to that dialog and the
// dialog cannot be closed and freed under it.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "core/ui_string.h"

namespace shell {

class FileDialog {
 public:
  static constexpr int kExtensionChars = 64;
  static constexpr int kFilterChars = 260;
  static constexpr int kFileNameChars = 260;

  explicit FileDialog(HWND owner);
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;

  // Copies at most 259 characters and the terminator into the file-name buffer.
  void SetFileName(const wchar_t* name);
  // The filter "Excel文件" / "*.xls;*.xlsx".
  void SetExcelFilter();
  // The chosen path after a result of 1.
  SkinUI::CUIString GetPathName() const;

  // The structure for GetOpenFileNameW and GetSaveFileNameW.
  OPENFILENAMEW* Record() { return &m_ofn; }
  HWND GetOwner() const { return m_ofn.hwndOwner; }

  // The system's dialogs over this record; true when the user chose a file.
  bool ShowOpen();
  bool ShowSave();

 private:
  OPENFILENAMEW m_ofn;
  wchar_t m_extension[kExtensionChars];
  wchar_t m_filter[kFilterChars];
  wchar_t m_fileName[kFileNameChars];
};

}  // namespace shell
