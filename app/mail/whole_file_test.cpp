// Whole files: every byte comes back as it lies on disk (zeros, CR LF, a size
// beyond any buffer), and a file that is not there reads as nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "test_support/temp_file.h"
#include "whole_file.h"

namespace {

TEST(WholeFile, ReadsEveryByte) {
  std::string big(300000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 253);
  for (const std::string& content : {std::string("a\r\nb\n\0c\x1a"
                                                 "d",
                                                 8),
                                     big, std::string()}) {
    shelltest::TempFile file("tarvel_whole_file.bin", content);
    std::vector<char> read = {'x'};
    EXPECT_EQ(content.size(), shell::ReadWholeFile(file.path.c_str(), &read));
    EXPECT_TRUE(std::string(read.begin(), read.end()) == content) << content.size();
  }
}

TEST(WholeFile, AMissingFileReadsAsNothing) {
  std::vector<char> read = {'x'};
  EXPECT_EQ(0u, shell::ReadWholeFile("C:\\no such folder\\tarvel_no_such_file.bin", &read));
  EXPECT_TRUE(read.empty());
  EXPECT_EQ(0u, shell::ReadWholeFile(nullptr, &read));
}

}  // namespace
