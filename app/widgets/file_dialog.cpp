// The open and save record over the system's file dialogs.
#include "file_dialog.h"

#include <cstring>
#include <cwchar>

namespace shell {
namespace {

// Copies as much of `source` as fits, always terminated.
void CopyBounded(wchar_t* target, size_t capacity, const wchar_t* source) {
  if (capacity == 0) return;
  size_t length = source != nullptr ? std::wcslen(source) : 0;
  if (length > capacity - 1) length = capacity - 1;
  if (length != 0) std::wmemcpy(target, source, length);
  target[length] = L'\0';
}

}  // namespace

FileDialog::FileDialog(HWND owner) {
  std::memset(&m_ofn, 0, sizeof(m_ofn));
  std::wmemset(m_extension, 0, kExtensionChars);
  std::wmemset(m_filter, 0, kFilterChars);
  std::wmemset(m_fileName, 0, kFileNameChars);
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.hwndOwner = owner;
  m_ofn.lpstrFilter = m_filter;
  m_ofn.lpstrFile = m_fileName;
  m_ofn.nMaxFile = kFileNameChars;
  m_ofn.lpstrDefExt = m_extension;
  m_ofn.Flags = OFN_EXPLORER | OFN_EXTENSIONDIFFERENT | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
}

void FileDialog::SetFileName(const wchar_t* name) { CopyBounded(m_fileName, kFileNameChars, name); }

void FileDialog::SetExcelFilter() {
  // Pairs of description and pattern, each terminated, the list ended by an empty one.
  static const wchar_t kFilter[] = L"Excel文件\0*.xls;*.xlsx\0";
  std::wmemset(m_filter, 0, kFilterChars);
  const size_t chars = sizeof(kFilter) / sizeof(kFilter[0]);
  std::wmemcpy(m_filter, kFilter, chars < kFilterChars - 1 ? chars : kFilterChars - 1);
}

SkinUI::CUIString FileDialog::GetPathName() const { return SkinUI::CUIString(m_fileName); }

bool FileDialog::ShowOpen() { return ::GetOpenFileNameW(&m_ofn) == TRUE; }

bool FileDialog::ShowSave() { return ::GetSaveFileNameW(&m_ofn) == TRUE; }

}  // namespace shell
