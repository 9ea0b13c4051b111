// CDlgFeedBack: the dialog in which the user writes a feedback message: a
// subject, the text and a file to attach, chosen with the system's open dialog.
// The subject and the text are required (a mail without them tells support
// nothing); the file is not. After a result of 1 the caller's result holds the
// message.
#pragma once

#include "core/ui_string.h"
#include "skin_dialog.h"

namespace shell {

struct FeedbackResult {
  SkinUI::CUIString subject;
  SkinUI::CUIString body;
  SkinUI::CUIString attachment;  // empty: nothing to attach
};

class CDlgFeedBack : public SkinDialog {
 public:
  // `result` is the caller's and must outlive the dialog's run. Empties it: a file
  // chosen for an earlier message is not sent again.
  CDlgFeedBack(const wchar_t* title, FeedbackResult* result);
  // Comes up with a message written before (one that could not be sent), which
  // also stands as the result until the user changes it.
  CDlgFeedBack(const wchar_t* title, const FeedbackResult& draft, FeedbackResult* result);
  const wchar_t* GetWindowClassName() const override;

 protected:
  void OnLayoutBuilt() override;
  void OnOk() override;
  void OnDialogNotify(SkinUI::TNotifyUI& msg) override;

 private:
  FeedbackResult* m_result;
};

}  // namespace shell
