// The shared dialog base and the file dialogs the dialogs open: a missing layout
// tells the user and frees the dialog; Enter reaches a multi-line field; the
// system's file dialogs are owned by the dialog that opens them and their choice
// lands in the dialog's field and result; the import template is saved, refused
// when the program lacks it, and written over an existing file after the prompt.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "feedback_dialog.h"
#include "file_dialog.h"
#include "import_dialog.h"
#include "message_dialog.h"
#include "test_support/dialog_script.h"
#include "test_support/dialog_answers.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::DialogScript;
namespace step = shelltest::step;

// The results of the dialogs made here, the callers' as the dialogs take them.
shell::FeedbackResult feedbackResult;
shell::ImportResult importResult;

// A dialog whose layout the skin does not have.
class LostDialog : public shell::SkinDialog {
 public:
  LostDialog() : SkinDialog(L"NoSuchDialog.xml", L"丢失的窗口", EnterKey::kPassedOn) {}
  const wchar_t* GetWindowClassName() const override { return L"LostDialogUI"; }
};

TEST(SkinDialogBase, MissingLayoutGivesTheErrorBoxAndNoWindow) {
  shelltest::DialogAnswering answering(1);
  EXPECT_EQ(0u, shell::RunSkinDialog(new LostDialog, nullptr));
  ASSERT_EQ(1u, shelltest::DialogAnswer::Asked().size());
  EXPECT_EQ(L"错误|界面文件“NoSuchDialog.xml”缺失，窗口“丢失的窗口”无法打开。请重装程序或联系客服！",
            shelltest::DialogAnswer::Asked()[0]);
  EXPECT_EQ(nullptr, ::FindWindowW(L"LostDialogUI", nullptr));
  EXPECT_FALSE(shelltest::TakeQuit());
}

TEST(SkinDialogBase, EnterReachesTheMultiLineField) {
  std::wstring body;
  DialogScript script({
      step::Do([](shell::SkinDialog& d) { d.FindControl(L"feedback_body")->SetFocus(); }),
      step::Do([](shell::SkinDialog& d) {
        const HWND w = d.GetHWND();
        for (wchar_t ch : std::wstring(L"ab")) ::PostMessageW(w, WM_CHAR, ch, 0);
        ::PostMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
        ::PostMessageW(w, WM_CHAR, L'\r', 0);
        ::PostMessageW(w, WM_KEYUP, VK_RETURN, 0);
        ::PostMessageW(w, WM_CHAR, L'c', 0);
      }),
      step::Fill(L"feedback_title", L"进货单打印不全"),
      step::Read(L"feedback_body", &body),
      step::Shot("DlgFeedBack"),
      step::Press(L"msgdlg_ok"),
  });
  EXPECT_EQ(1u, script.Run(new shell::CDlgFeedBack(L"意见反馈", &feedbackResult)));
  // The rich edit keeps a line break as a carriage return.
  EXPECT_EQ(L"ab\rc", body);
}

std::wstring TempPath(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(FileDialogs, OwnedByTheDialogThatOpensThem) {
  const std::wstring attachment = TempPath(L"反馈附件.txt");
  WriteFile(attachment, "log");
  const std::wstring workbook = TempPath(L"商品资料.xls");
  WriteFile(workbook, "xls");
  struct Case {
    const char* label;
    shell::SkinDialog* (*make)();
    std::wstring chosen;  // empty: the file dialog is cancelled
    std::wstring shown;   // "edit_path" afterwards
    const SkinUI::CUIString* result;
  } cases[] = {
      {"feedback attachment",
       []() -> shell::SkinDialog* { return new shell::CDlgFeedBack(L"意见反馈", &feedbackResult); }, attachment,
       attachment, &feedbackResult.attachment},
      {"feedback, file dialog cancelled",
       []() -> shell::SkinDialog* { return new shell::CDlgFeedBack(L"意见反馈", &feedbackResult); }, L"", L"",
       &feedbackResult.attachment},
      {"import file", []() -> shell::SkinDialog* { return new shell::CDlgImport(L"商品资料", &importResult); },
       workbook, workbook, &importResult.path},
      {"import, file dialog cancelled",
       []() -> shell::SkinDialog* { return new shell::CDlgImport(L"商品资料", &importResult); }, L"", L"",
       &importResult.path},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    HWND owner = nullptr;
    HWND dialogWindow = nullptr;
    std::wstring shown = L"<not read>";
    DialogScript script({
        step::Do([&](shell::SkinDialog& d) {
          dialogWindow = d.GetHWND();
          // Feedback is sent only with a subject and a text.
          d.SetControlText(L"feedback_title", L"附件");
          d.SetControlText(L"feedback_body", L"见附件");
        }),
        step::Press(L"btn_sel"),
        step::AnswerFileDialog(c.chosen, &owner),
        step::SystemDialogsGone(),
        step::Read(L"edit_path", &shown),
        step::Press(L"msgdlg_ok"),
    });
    EXPECT_EQ(1u, script.Run(c.make()));
    EXPECT_EQ(dialogWindow, owner) << "the file dialog's owner is the dialog";
    EXPECT_NE(nullptr, owner);
    EXPECT_EQ(c.shown, shown);
    EXPECT_EQ(c.chosen, c.result->GetData());
  }
  ::DeleteFileW(attachment.c_str());
  ::DeleteFileW(workbook.c_str());
}

TEST(FileDialogs, ImportTemplateIsSavedOrTheErrorBoxShows) {
  const std::wstring folder = std::wstring(SkinUI::CPaintManagerUI::GetInstancePath().GetData()) + L"template";
  const std::wstring source = folder + L"\\进货单模板.xls";
  const std::wstring target = TempPath(L"下载的进货单模板.xls");
  struct Case {
    const char* label;
    bool templateThere;
    bool targetThere;
    const char* expectedTarget;  // null: no file
    bool errorBox;
    bool prompt;
  } cases[] = {
      {"template saved", true, false, "TEMPLATE", false, false},
      {"template written over an older file", true, true, "TEMPLATE", false, true},
      {"template missing from the program", false, false, nullptr, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ::DeleteFileW(source.c_str());
    ::DeleteFileW(target.c_str());
    if (c.templateThere) WriteFile(source, "TEMPLATE");
    if (c.targetThere) WriteFile(target, "OLD");
    shelltest::DialogAnswering answering(1);
    bool prompted = false;
    std::vector<DialogScript::Step> steps = {step::Press(L"btn_template"), step::AnswerFileDialog(target)};
    if (c.prompt) steps.push_back(step::AnswerFilePrompt(IDYES, &prompted));
    steps.push_back(step::SystemDialogsGone());
    // The dialog stays open either way.
    steps.push_back(step::Key(VK_ESCAPE));
    DialogScript script(steps);
    EXPECT_EQ(2u, script.Run(new shell::CDlgImport(L"进货单", &importResult)));
    EXPECT_EQ(c.prompt, prompted);
    if (c.expectedTarget != nullptr) {
      EXPECT_EQ(c.expectedTarget, ReadFile(target));
    } else {
      EXPECT_FALSE(Exists(target));
    }
    const std::vector<std::wstring> boxes = shelltest::DialogAnswer::Asked();
    if (c.errorBox) {
      ASSERT_EQ(1u, boxes.size());
      EXPECT_EQ(L"错误|模板下载失败。请重装程序或联系客服！", boxes[0]);
    } else {
      EXPECT_TRUE(boxes.empty());
    }
    EXPECT_FALSE(shelltest::TakeQuit());
  }
  ::DeleteFileW(source.c_str());
  ::DeleteFileW(target.c_str());
  ::RemoveDirectoryW(folder.c_str());
}

TEST(FileDialogs, RecordKeepsItsBuffersBounded) {
  shell::FileDialog file(nullptr);
  const OPENFILENAMEW* record = file.Record();
  EXPECT_EQ(sizeof(OPENFILENAMEW), record->lStructSize);
  EXPECT_EQ(260u, record->nMaxFile);
  EXPECT_EQ(static_cast<DWORD>(OFN_EXPLORER | OFN_EXTENSIONDIFFERENT | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                               OFN_OVERWRITEPROMPT),
            record->Flags);
  const std::wstring longName(400, L'长');
  file.SetFileName(longName.c_str());
  EXPECT_EQ(std::wstring(259, L'长'), file.GetPathName().GetData());
  file.SetFileName(L"商品资料模板.xls");
  EXPECT_EQ(L"商品资料模板.xls", std::wstring(file.GetPathName().GetData()));
  file.SetExcelFilter();
  const wchar_t* filter = record->lpstrFilter;
  EXPECT_EQ(L"Excel文件", std::wstring(filter));
  filter += std::wcslen(filter) + 1;
  EXPECT_EQ(L"*.xls;*.xlsx", std::wstring(filter));
  filter += std::wcslen(filter) + 1;
  EXPECT_EQ(L'\0', *filter) << "the list ends with an empty entry";
}

}  // namespace
