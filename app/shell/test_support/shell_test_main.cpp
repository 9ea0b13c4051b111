// The main function of a shell window test program made of several test files:
// the data library and the packed skin set up once for all of them.
#include <gtest/gtest.h>

#include "test_support/shell_test_env.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new shelltest::ShellEnvironment);
  return RUN_ALL_TESTS();
}
