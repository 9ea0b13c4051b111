// MainFrame's feedback command: the user writes a subject and a text, and the
// program mails them to the support mailbox, telling the user whether the mail
// went; a message that could not be sent is offered again. The send blocks the
// UI thread; the wait cursor says so.
#include "main_frame.h"

#include <string>

#include "core/wait_cursor.h"
#include "feedback_dialog.h"
#include "feedback_mail_settings.h"
#include "message_dialog.h"
#include "smtp_mail.h"
#include "text_conversion.h"

namespace shell {

void MainFrame::SendFeedback() {
  // A message that could not be sent comes back in the dialog, so that nothing
  // typed is lost; the user tries again or cancels.
  FeedbackResult message;
  FeedbackResult unsent;
  bool retry = false;
  for (;;) {
    CDlgFeedBack* dialog =
        retry ? new CDlgFeedBack(L"问题反馈", unsent, &message) : new CDlgFeedBack(L"问题反馈", &message);
    if (RunSkinDialog(dialog, m_hWnd) != kDialogOk) return;
    const std::string subject = AnsiFromWide(message.subject.GetData());
    const std::string body = AnsiFromWide(message.body.GetData());
    SmtpMail mail;
    AddressFeedbackMail(FeedbackMailConfig(), &mail);
    mail.subject = subject.c_str();
    mail.body = body.c_str();
    bool sent = false;
    {
      SkinUI::CWaitCursor wait;
      sent = mail.Send();
    }
    if (sent) {
      ShowMessageDialog(m_hWnd, L"提示", L"反馈完毕", kMsgDlgIconInfo, 3);
      return;
    }
    unsent = message;
    retry = true;
    ShowMessageDialog(m_hWnd, L"错误", L"反馈发送失败！", kMsgDlgIconError, 0);
  }
}

}  // namespace shell
