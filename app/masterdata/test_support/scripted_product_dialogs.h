// Test support: the products page's dialogs answered from a script. Every call
// is kept in order ("category <title> <parent>|<name>", "picker <kind> <owner>
// <field>"); the category dialog answers with the next scripted answer (none
// left: cancelled).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "product_dialogs.h"

namespace masterdata {
namespace test {

class ScriptedProductDialogs : public ProductDialogs {
 public:
  struct Answer {
    std::wstring parent;
    std::wstring name;
  };

  ScriptedProductDialogs(std::vector<std::wstring>* shown, std::deque<Answer> answers = {})
      : shown_(shown), answers_(std::move(answers)) {}

  bool EditCategory(pagekit::PageHost&, const std::wstring& title, std::wstring* parent, std::wstring* name) override {
    shown_->push_back(L"category " + title + L" " + *parent + L"|" + *name);
    if (answers_.empty()) return false;
    *parent = answers_.front().parent;
    *name = answers_.front().name;
    answers_.pop_front();
    return true;
  }

  void OpenPicker(pagekit::PageHost&, ProductPicker picker, const std::wstring& owner,
                  const std::wstring& field) override {
    static const wchar_t* const kKinds[] = {L"category", L"unit", L"business-unit", L"product"};
    shown_->push_back(L"picker " + std::wstring(kKinds[static_cast<int>(picker)]) + L" " + owner + L" " + field);
  }

  void Script(Answer answer) { answers_.push_back(std::move(answer)); }

 private:
  std::vector<std::wstring>* shown_;
  std::deque<Answer> answers_;
};

}  // namespace test
}  // namespace masterdata
