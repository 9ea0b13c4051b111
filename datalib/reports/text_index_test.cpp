// The text index: every text keeps the first number given for it, through
// growth far past the first capacity, with texts that differ only late, the
// empty text and texts with a zero byte.
#include "reports/text_index.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace {

TEST(TextIndex, KeepsTheFirstNumberOfEveryTextThroughGrowth) {
  std::deque<std::string> texts;  // stays where it is while the index views it
  for (int i = 0; i < 5000; ++i) texts.push_back("XSD20140101-" + std::to_string(i));
  texts.push_back("");
  texts.push_back(std::string("a\0b", 3));
  texts.push_back(std::string("a\0c", 3));
  TextIndex index;
  EXPECT_EQ(nullptr, index.find("XSD20140101-0"));
  for (size_t i = 0; i < texts.size(); ++i) {
    const auto inserted = index.insert(texts[i], static_cast<uint32_t>(i));
    EXPECT_TRUE(inserted.second) << i;
    EXPECT_EQ(i, *inserted.first);
  }
  for (size_t i = 0; i < texts.size(); ++i) {
    const std::string copy = texts[i];  // found by content, not by address
    const auto again = index.insert(copy, 99999);
    EXPECT_FALSE(again.second) << i;
    ASSERT_NE(nullptr, index.find(copy)) << i;
    EXPECT_EQ(i, *index.find(copy)) << i;
  }
  EXPECT_EQ(texts.size(), index.size());
  EXPECT_EQ(nullptr, index.find("XSD20140101-5000"));
  EXPECT_EQ(nullptr, index.find(std::string("a\0", 2)));
}

}  // namespace
