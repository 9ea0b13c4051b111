// Test support: the output operations' dialogs answered from the test: the path
// a save or import dialog "chooses" (empty: cancelled), and what was asked and
// told, in order.
#pragma once

#include <string>
#include <vector>

#include "output_dialogs.h"

namespace output {
namespace test {

class AnsweringDialogs final : public OutputDialogs {
 public:
  std::wstring ChooseSaveFile(HWND, const std::wstring& fileName) override {
    asked.push_back(L"save " + fileName);
    return path;
  }
  std::wstring ChooseImportFile(HWND, const std::wstring& title) override {
    asked.push_back(L"import " + title);
    return path;
  }
  void Tell(HWND, const std::wstring& text) override { told.push_back(text); }

  std::wstring path;
  std::vector<std::wstring> asked;
  std::vector<std::wstring> told;
};

}  // namespace test
}  // namespace output
