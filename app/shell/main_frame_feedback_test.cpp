// The feedback command from the help menu, end to end: the dialog filled in, the
// mail taken by a loopback server in the test, and the box that tells the user
// whether it went; a cancelled dialog sends nothing; the wait cursor is up while
// the server is being spoken to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "feedback_dialog.h"
#include "feedback_mail_settings.h"
#include "message_dialog.h"
#include "test_support/loopback_smtp_server.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::LoopbackSmtpServer;
using shelltest::MainWindow;

// Answers the feedback dialog with a subject and a text (or cancels it), and the
// message box after it with OK, remembering "title|text|icon image" of each box.
struct FeedbackAnswers {
  static bool& Cancel() {
    static bool cancel = false;
    return cancel;
  }
  static std::vector<std::wstring>& Boxes() {
    static std::vector<std::wstring> boxes;
    return boxes;
  }
  static void Watch(shell::SkinDialog* dialog) {
    if (auto* box = dynamic_cast<shell::CMsgDlg*>(dialog)) {
      SkinUI::CControlUI* image = box->FindControl(L"msgdlg_img");
      Boxes().push_back(std::wstring(box->GetTitle().GetData()) + L"|" + box->GetText().GetData() + L"|" +
                        (image != nullptr ? image->GetBkImage() : L"<no image>"));
      box->Close(1);
      return;
    }
    if (dynamic_cast<shell::CDlgFeedBack*>(dialog) == nullptr) return;
    dialog->SetControlText(L"feedback_title", L"单据打印不全");
    dialog->SetControlText(L"feedback_body", L"第二页\r\n.\r\n没有合计行");
    SkinUI::CControlUI* button = dialog->FindControl(Cancel() ? L"msgdlg_cancel" : L"msgdlg_ok");
    ASSERT_NE(nullptr, button);
    dialog->GetPaintManager()->SendNotify(button, L"click", 0, 0, true);
  }
};

class FeedbackAnswering {
 public:
  explicit FeedbackAnswering(bool cancel) : previous_(shell::SetDialogWatcher(&FeedbackAnswers::Watch)) {
    FeedbackAnswers::Cancel() = cancel;
    FeedbackAnswers::Boxes().clear();
  }
  ~FeedbackAnswering() { shell::SetDialogWatcher(previous_); }

 private:
  shell::DialogWatcher previous_;
};

// Points the feedback mail at the test's server for one scope.
class FeedbackServer {
 public:
  explicit FeedbackServer(unsigned short port) : saved_(shell::FeedbackMailConfig()) {
    shell::FeedbackMailConfig().port = port;
    shell::FeedbackMailConfig().timeoutMs = 2000;
  }
  ~FeedbackServer() { shell::FeedbackMailConfig() = saved_; }

 private:
  shell::FeedbackMailSettings saved_;
};

std::wstring Box(const wchar_t* title, const wchar_t* text, unsigned icon) {
  return std::wstring(title) + L"|" + text + L"|" + shell::MsgDlgIconImage(icon);
}

TEST(Feedback, TheMenuMailsTheDialogsTextAndSaysHowItWent) {
  struct Case {
    const char* label;
    const char* rcptReply;
    bool cancel;
    std::vector<std::wstring> boxes;
    bool mailed;
  } cases[] = {
      {"taken", "250 ok\r\n", false, {Box(L"提示", L"反馈完毕", shell::kMsgDlgIconInfo)}, true},
      {"recipient refused", "550 no such user\r\n", false,
       {Box(L"错误", L"反馈发送失败！", shell::kMsgDlgIconError)}, false},
      {"cancelled", "250 ok\r\n", true, {}, false},
  };
  MainWindow main("老板");
  for (const Case& c : cases) {
    LoopbackSmtpServer::Options options;
    options.replies["RCPT"] = c.rcptReply;
    LoopbackSmtpServer server(options);
    FeedbackServer pointed(server.port());
    FeedbackAnswering answers(c.cancel);
    main.frame().OnMenuCommand(L"menu_help_feedback");
    server.Join();
    EXPECT_EQ(c.boxes, FeedbackAnswers::Boxes()) << c.label;
    EXPECT_EQ(c.mailed, server.messageEnded()) << c.label;
    EXPECT_EQ(!c.cancel, server.connected()) << c.label;
    if (c.mailed) {
      const std::string message = server.message();
      EXPECT_NE(std::string::npos, message.find("From:\"用户\"<feedback@tarvelstock.invalid>\r\n"));
      EXPECT_NE(std::string::npos, message.find("To:\"客服\"<support@tarvelstock.invalid>\r\n"));
      EXPECT_NE(std::string::npos, message.find("Subject:单据打印不全\r\n"));
      EXPECT_NE(std::string::npos, message.find("\r\n\r\n第二页\r\n.\r\n没有合计行\r\n\r\n--MORV--\r\n"));
    }
    EXPECT_TRUE(main.Alive()) << c.label;
  }
}

// The UI thread cannot paint while it talks to the server; the wait cursor stands
// for it, and the arrow comes back afterwards.
TEST(Feedback, TheWaitCursorIsUpWhileTheServerIsSpokenTo) {
  MainWindow main("老板");
  const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
  ::SetCursor(arrow);
  const DWORD uiThread = ::GetCurrentThreadId();
  HCURSOR duringMail = nullptr;
  LoopbackSmtpServer::Options options;
  options.onStep = [&](const std::string& step) {
    if (step != "MAIL") return;
    // Sharing the UI thread's input state, this thread sees its cursor.
    ::AttachThreadInput(::GetCurrentThreadId(), uiThread, TRUE);
    duringMail = ::GetCursor();
    ::AttachThreadInput(::GetCurrentThreadId(), uiThread, FALSE);
  };
  LoopbackSmtpServer server(options);
  FeedbackServer pointed(server.port());
  FeedbackAnswering answers(false);
  main.frame().OnMenuCommand(L"menu_help_feedback");
  server.Join();
  EXPECT_EQ(::LoadCursor(nullptr, IDC_WAIT), duringMail);
  EXPECT_EQ(arrow, ::GetCursor());
}

}  // namespace
