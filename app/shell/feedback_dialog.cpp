// The feedback dialog: its attachment and its OK step.
#include "feedback_dialog.h"

#include "core/control_ui.h"
#include "file_dialog.h"

namespace shell {

FeedbackResult g_feedbackResult;

CDlgFeedBack::CDlgFeedBack(const wchar_t* title)
    : SkinDialog(L"DlgFeedBack.xml", title, EnterKey::kPassedOn) {
  g_feedbackResult = FeedbackResult();
}

const wchar_t* CDlgFeedBack::GetWindowClassName() const { return L"DlgFeedBackUI"; }

void CDlgFeedBack::OnDialogNotify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"click" || msg.sender == nullptr || msg.sender->GetName() != L"btn_sel") return;
  FileDialog file(m_hWnd);
  if (!file.ShowOpen()) return;
  g_feedbackResult.attachment = file.GetPathName();
  SetControlText(L"edit_path", g_feedbackResult.attachment);
}

void CDlgFeedBack::OnOk() {
  g_feedbackResult.subject = GetControlText(L"feedback_title");
  g_feedbackResult.body = GetControlText(L"feedback_body");
  Close(kDialogOk);
}

}  // namespace shell
