// The main function of every window test program: the data library and the packed
// skin set up once for all its test files, then the environments those files add.
#include <gtest/gtest.h>

#include "test_support/window_test_env.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new shelltest::ShellEnvironment);
  for (::testing::Environment* environment : shelltest::LaterEnvironments())
    ::testing::AddGlobalTestEnvironment(environment);
  return RUN_ALL_TESTS();
}
