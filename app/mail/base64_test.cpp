// Base64 against the RFC 4648 test vectors, and bytes with the high bit set, which
// a signed char would turn into wrong characters.
#include <gtest/gtest.h>

#include <string>

#include "base64.h"

namespace {

TEST(Base64, EncodesTheStandardVectors) {
  struct Case {
    std::string bytes;
    const char* text;
  } cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"\xff\xfe\xfd", "//79"},
      {"\xfb\xff", "+/8="},
      {std::string("\0\0\0\0", 4), "AAAAAA=="},
      {"\x80", "gA=="},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, shell::Base64Encode(c.bytes)) << c.text;
}

}  // namespace
