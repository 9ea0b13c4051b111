// The feedback dialog: its attachment and its OK step.
#include "feedback_dialog.h"

#include <cwctype>

#include "core/control_ui.h"
#include "file_dialog.h"

namespace shell {
namespace {

// Spaces and line breaks alone say nothing either.
bool IsBlank(const wchar_t* text) {
  for (; text != nullptr && *text != L'\0'; ++text) {
    if (!std::iswspace(*text)) return false;
  }
  return true;
}

}  // namespace

CDlgFeedBack::CDlgFeedBack(const wchar_t* title, FeedbackResult* result)
    : SkinDialog(L"DlgFeedBack.xml", title, EnterKey::kPassedOn), m_result(result) {
  *m_result = FeedbackResult();
}

CDlgFeedBack::CDlgFeedBack(const wchar_t* title, const FeedbackResult& draft, FeedbackResult* result)
    : SkinDialog(L"DlgFeedBack.xml", title, EnterKey::kPassedOn), m_result(result) {
  *m_result = draft;
}

const wchar_t* CDlgFeedBack::GetWindowClassName() const { return L"DlgFeedBackUI"; }

void CDlgFeedBack::OnLayoutBuilt() {
  SetControlText(L"feedback_title", m_result->subject);
  SetControlText(L"feedback_body", m_result->body);
  SetControlText(L"edit_path", m_result->attachment);
}

void CDlgFeedBack::OnDialogNotify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"click" || msg.sender == nullptr || msg.sender->GetName() != L"btn_sel") return;
  FileDialog file(m_hWnd);
  if (!file.ShowOpen()) return;
  m_result->attachment = file.GetPathName();
  SetControlText(L"edit_path", m_result->attachment);
}

void CDlgFeedBack::OnOk() {
  const SkinUI::CUIString subject = GetControlText(L"feedback_title");
  const SkinUI::CUIString body = GetControlText(L"feedback_body");
  const bool noSubject = IsBlank(subject.GetData());
  if (noSubject || IsBlank(body.GetData())) {
    SetControlText(L"tip", L"请填写反馈的主题和内容。");
    if (SkinUI::CControlUI* field = FindControl(noSubject ? L"feedback_title" : L"feedback_body")) field->SetFocus();
    return;
  }
  m_result->subject = subject;
  m_result->body = body;
  Close(kDialogOk);
}

}  // namespace shell
