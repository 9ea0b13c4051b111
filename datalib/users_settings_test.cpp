// User accounts and the remember-password flag.
#include <gtest/gtest.h>

#include <cstring>

#include "test_support/test_database.h"

namespace {

class Users : public DatabaseTest {};

TEST_F(Users, AddCheckDelete) {
  EXPECT_EQ(0, data_->AddUser("老板", ""));
  EXPECT_EQ(1, data_->AddUser("老板", "x"));  // the name exists
  EXPECT_EQ(0, data_->CheckUserPassword("老板", ""));
  EXPECT_EQ(2, data_->CheckUserPassword("老板", "x"));
  EXPECT_EQ(2, data_->CheckUserPassword("营业员", ""));
  EXPECT_EQ(2, data_->DeleteUser("老板", "wrong"));  // wrong password: nothing deleted, and said so
  EXPECT_EQ(0, data_->CheckUserPassword("老板", ""));
  EXPECT_EQ(0, data_->DeleteUser("老板", ""));
  EXPECT_EQ(2, data_->CheckUserPassword("老板", ""));
}

TEST_F(Users, QuotesInNamesAndPasswords) {
  EXPECT_EQ(0, data_->AddUser("O'Brien's", "p'w"));
  EXPECT_EQ(0, data_->CheckUserPassword("O'Brien's", "p'w"));
  EXPECT_EQ(2, data_->CheckUserPassword("O'Brien's", "x' or '1'='1"));
  EXPECT_EQ(2, data_->DeleteUser("O'Brien's", "x' or '1'='1"));
  EXPECT_EQ(0, data_->SetUserEmail("O'Brien's", "o'b@x"));
  char email[KXP_TEXT_BUFFER_SIZE] = {};
  EXPECT_EQ(0, data_->GetUserEmail("O'Brien's", email));
  EXPECT_STREQ("o'b@x", email);
  EXPECT_EQ(0, data_->DeleteUser("O'Brien's", "p'w"));
}

TEST_F(Users, NamesAreAppendedInTableOrder) {
  ASSERT_EQ(0, data_->AddUser("老板", ""));
  ASSERT_EQ(0, data_->AddUser("营业员", ""));
  std::vector<std::string> names = {"existing"};
  EXPECT_EQ(0, data_->GetUserNames(&names));
  EXPECT_EQ((std::vector<std::string>{"existing", "老板", "营业员"}), names);
}

TEST_F(Users, OutBuffersGetAtMost127Bytes) {
  struct Case {
    std::string stored;
    std::string expected;
  };
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "密";
  const Case cases[] = {
      {"short", "short"},
      {std::string(127, 'a'), std::string(127, 'a')},
      {std::string(300, 'b'), std::string(127, 'b')},
      {chinese, chinese.substr(0, 126)},  // a double-byte character is never cut in half
  };
  for (const Case& c : cases) {
    ASSERT_EQ(0, data_->AddUser("u", c.stored.c_str()));
    ASSERT_EQ(0, data_->SetUserEmail("u", c.stored.c_str()));
    char buffer[KXP_TEXT_BUFFER_SIZE + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(0, data_->GetUserPassword("u", buffer));
    EXPECT_EQ(c.expected, std::string(buffer));
    EXPECT_EQ('#', buffer[KXP_TEXT_BUFFER_SIZE]);
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(0, data_->GetUserEmail("u", buffer));
    EXPECT_EQ(c.expected, std::string(buffer));
    EXPECT_EQ('#', buffer[KXP_TEXT_BUFFER_SIZE]);
    ASSERT_EQ(0, data_->DeleteUser("u", c.stored.c_str()));
  }
}

TEST_F(Users, MissingUserLeavesTheBufferAlone) {
  char buffer[KXP_TEXT_BUFFER_SIZE] = "untouched";
  EXPECT_EQ(0, data_->GetUserPassword("nobody", buffer));
  EXPECT_STREQ("untouched", buffer);
}

TEST_F(Users, PasswordQuestionAndAnswer) {
  ASSERT_EQ(0, data_->AddUser("u", "old"));
  EXPECT_EQ(0, data_->SetUserPassword("u", "new", "问题", "答案"));
  EXPECT_EQ((std::vector<std::string>{"new", "问题", "答案"}),
            Rows("select pwd, question, answer from J4_Sys_User where name='u'")[0]);
  EXPECT_EQ(0, data_->SetUserPassword("u", "newer", "另一个问题", ""));  // no answer: only the password
  EXPECT_EQ((std::vector<std::string>{"newer", "问题", "答案"}),
            Rows("select pwd, question, answer from J4_Sys_User where name='u'")[0]);
  EXPECT_EQ(0, data_->SetUserPassword("nobody", "x", "", ""));
}

TEST_F(Users, RememberPasswordFlag) {
  EXPECT_EQ(0, data_->GetSavePassword("u"));
  EXPECT_EQ(0, data_->SetSavePassword("u", true));
  EXPECT_EQ(1, data_->GetSavePassword("u"));
  EXPECT_EQ(0, data_->SetSavePassword("u", true));
  EXPECT_EQ("1", Value("select count(*) from J4_Sys_Setting"));
  EXPECT_EQ(0, data_->SetSavePassword("u", false));
  EXPECT_EQ(0, data_->GetSavePassword("u"));
  EXPECT_EQ("0", Value("select savepwd from J4_Sys_Setting where name='u'"));
  EXPECT_EQ(0, data_->SetSavePassword("it's", true));
  EXPECT_EQ(1, data_->GetSavePassword("it's"));
}

}  // namespace
