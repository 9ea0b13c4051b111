// The start-up trace: with TARVEL_TRACE naming a file, each step is one line of
// milliseconds since the process began and the step's name, in order.
#include "startup_trace.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

TEST(StartupTrace, EachStepIsALineOfElapsedTimeAndName) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "startup_trace_test_" + std::to_string(::GetCurrentProcessId()) + ".txt";
  std::remove(path.c_str());
  ASSERT_EQ(0, _putenv(("TARVEL_TRACE=" + path).c_str()));
  shell::TraceStartup("first step");
  ::Sleep(30);
  shell::TraceStartup("second step");

  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(2u, lines.size());
  unsigned long long first = 0, second = 0;
  char name[64] = {};
  ASSERT_EQ(2, std::sscanf(lines[0].c_str(), "%llu ms %63[^\n]", &first, name));
  EXPECT_STREQ("first step", name);
  ASSERT_EQ(2, std::sscanf(lines[1].c_str(), "%llu ms %63[^\n]", &second, name));
  EXPECT_STREQ("second step", name);
  EXPECT_GE(second, first + 20) << "the second step comes the pause later";
  EXPECT_LT(first, 60000u) << "counted from this process's start";
  in.close();
  _putenv("TARVEL_TRACE=");
}

}  // namespace
