// What the benchmarks over the benchmark shop do first: the shop generated into a
// database file of the program's name in the temporary folder, the data library
// bound to it (g_dataObject) and the owner's account added, each step said.
#pragma once

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "bench_clock.h"
#include "library_binding.h"
#include "report_bench_data.h"

struct BenchShop {
  std::string db;  // the database file, for the benchmark to remove at its end
  GeneratedShop shop;
};

// False, with the reason printed, when the shop could not be made or opened.
inline bool OpenBenchShop(const char* program, BenchShop* out) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  out->db = std::string(temp) + program + ".db";
  std::printf("%s: generating the benchmark shop...\n", program);
  const double generateStart = Now();
  try {
    out->shop = GenerateShop(out->db, ShopSize{});
  } catch (const std::exception& error) {
    std::printf("  the shop could not be made: %s\n", error.what());
    return false;
  }
  std::printf("  %d documents, %d lines in %.1f s\n", out->shop.documents, out->shop.lines, Now() - generateStart);
  if (!shell::BindDatavane() || g_dataObject->OpenDatabase(out->db.c_str()) != 0) {
    std::printf("Datavane.dll not found beside the benchmark, or the database not opened\n");
    return false;
  }
  g_dataObject->AddUser("老板", "");
  return true;
}
