// The UTF-16 <-> ANSI pair and the bounded copy into fixed 8-bit buffers (under
// the Chinese code page 936 that the tests run with).
#include "text_conversion.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

TEST(TextConversion, RoundTripsChineseThroughTheThreadCodePage) {
  ASSERT_EQ(936u, ::GetACP()) << "the tests expect the Chinese ANSI code page";
  struct Case {
    const wchar_t* wide;
    const char* ansi;
  } cases[] = {
      {L"", ""},
      {L"abc", "abc"},
      {L"老板", "老板"},
      {L"营业员 01", "营业员 01"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string(c.ansi), shell::AnsiFromWide(c.wide));
    EXPECT_EQ(std::wstring(c.wide), shell::WideFromAnsi(c.ansi));
    EXPECT_TRUE(shell::IsAnsiRepresentable(c.wide));
  }
  EXPECT_EQ(std::string(), shell::AnsiFromWide(static_cast<const wchar_t*>(nullptr)));
  EXPECT_EQ(std::wstring(), shell::WideFromAnsi(static_cast<const char*>(nullptr)));
  EXPECT_FALSE(shell::IsAnsiRepresentable(L"\u0e01\u0e02"));  // Thai has no GBK form
}

TEST(TextConversion, BoundedCopiesNeverSplitADoubleByteCharacter) {
  struct Case {
    const char* text;
    std::size_t size;
    const char* copied;
  } cases[] = {
      {"老板", 128, "老板"}, {"老板", 5, "老板"}, {"老板", 4, "老"},  // room for three bytes: the second character would be cut
      {"a老", 3, "a"},       {"a老", 4, "a老"},   {"abc", 1, ""},    {"abcdef", 4, "abc"},
  };
  for (const Case& c : cases) {
    char buffer[130];  // one spare byte past the largest size, to see overruns
    std::memset(buffer, 'x', sizeof(buffer));
    const std::size_t n = shell::CopyAnsiText(buffer, c.size, c.text);
    EXPECT_STREQ(c.copied, buffer) << c.text << " into " << c.size;
    EXPECT_EQ(std::strlen(c.copied), n);
    EXPECT_EQ('x', buffer[c.size]) << "wrote past the buffer";
    // The same text converted straight from the UI's UTF-16 is cut the same way.
    std::memset(buffer, 'x', sizeof(buffer));
    const std::wstring wide = shell::WideFromAnsi(c.text);
    EXPECT_EQ(n, shell::CopyAnsiFromWide(buffer, c.size, wide.c_str())) << c.text << " into " << c.size;
    EXPECT_STREQ(c.copied, buffer) << c.text << " into " << c.size;
    EXPECT_EQ('x', buffer[c.size]) << "wrote past the buffer";
  }
  // A 63-character name of double-byte characters fits the 128-byte login buffers whole.
  const std::string longest = shell::AnsiFromWide(std::wstring(63, L'\u8001'));
  char user[128];
  EXPECT_EQ(longest.size(), shell::CopyAnsiText(user, sizeof(user), longest));
}

}  // namespace
