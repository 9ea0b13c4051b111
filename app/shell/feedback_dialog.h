// CDlgFeedBack: the dialog in which the user writes a feedback message: a subject,
// the text and a file to attach, chosen with the system's open dialog. No field is
// required. After a result of 1 the caller reads g_feedbackResult.
#pragma once

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

struct FeedbackResult {
  SkinUI::CUIString subject;
  SkinUI::CUIString body;
  SkinUI::CUIString attachment;  // empty: nothing to attach
};
extern FeedbackResult g_feedbackResult;

class CDlgFeedBack : public SkinDialog {
 public:
  // Empties the result: a file chosen for an earlier message is not sent again.
  explicit CDlgFeedBack(const wchar_t* title);
  const wchar_t* GetWindowClassName() const override;

 protected:
  void OnOk() override;
  void OnDialogNotify(SkinUI::TNotifyUI& msg) override;
};

}  // namespace shell
