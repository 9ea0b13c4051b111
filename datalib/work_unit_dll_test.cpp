// Units of work through Datavane.dll as the program reaches them: the three slots
// called by their positions in the interface's table, a unit left open by a
// thread that ends, and a process killed in the middle of a bill save inside a
// unit, whose database reopened holds nothing of it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "kxp_data.h"
#include "test_support/sales_bill_save.h"

namespace {

KXPDatavane* DataObject() {
  HMODULE dll = LoadLibraryA("Datavane.dll");
  auto get = dll ? reinterpret_cast<GetKXPDataInstanceFunc>(GetProcAddress(dll, "GetKXPDataInstance")) : nullptr;
  return get ? get() : nullptr;
}

// Calls slot `slot` of the object's table directly, as code compiled against
// an older copy of the header would: member functions are thiscall on 32-bit.
#if defined(__i386__)
#define KXP_SLOT_CALL __attribute__((thiscall))
#else
#define KXP_SLOT_CALL
#endif
template <class... Args>
int CallSlot(KXPDatavane* data, int slot, Args... args) {
  typedef int(KXP_SLOT_CALL * Slot)(KXPDatavane*, Args...);
  void** table = *reinterpret_cast<void***>(data);
  return reinterpret_cast<Slot>(table[slot])(data, args...);
}

std::string DatabasePath(const char* name) {
  const std::string path = ::testing::TempDir() + name;
  std::remove(path.c_str());
  std::remove((path + "-journal").c_str());
  return path;
}

// Every table's rows in the library's own order, read through the data object.
std::string Dump(KXPDatavane* data) {
  std::vector<DataField> tableQuery = {MakeDataField("name", "")};
  DataField isTable = MakeDataField("type", "table");
  isTable.hidden = 1;
  tableQuery.push_back(isTable);
  std::vector<std::vector<DataField>> tables;
  if (data->QueryRecords("sqlite_master", &tableQuery, &tables) != 0) return "<query failed>";
  std::string dump;
  for (const auto& table : tables) {
    const std::string& name = table[0].value;
    std::vector<DataField> columns;
    std::vector<std::vector<DataField>> rows;
    if (data->GetTableFields(name.c_str(), &columns) != 0 || data->QueryRecords(name.c_str(), &columns, &rows) != 0)
      return "<query of " + name + " failed>";
    dump += "[" + name + "]\n";
    for (const auto& row : rows) {
      for (const DataField& field : row) dump += field.value + "|";
      dump += "\n";
    }
  }
  return dump;
}

TEST(WorkUnitSlots, CalledByPosition) {
  KXPDatavane* data = DataObject();
  ASSERT_NE(nullptr, data);
  const std::string path = DatabasePath("work_unit_slots.db");
  const std::string other = DatabasePath("work_unit_slots_other.db");
  ASSERT_EQ(0, CallSlot(data, 0, path.c_str()));
  struct Step {
    const char* what;
    int slot;
    int result;
  };
  const Step steps[] = {
      {"commit without a unit", 30, -1}, {"rollback without a unit", 31, -1},      {"begin", 29, 0},
      {"begin again", 29, -1},           {"open a database inside a unit", 0, -1}, {"commit", 30, 0},
      {"commit again", 30, -1},          {"begin after the commit", 29, 0},        {"rollback", 31, 0},
      {"rollback again", 31, -1},        {"open a database outside a unit", 0, 0},
  };
  for (const Step& step : steps) {
    const int result = step.slot == 0 ? CallSlot(data, 0, other.c_str()) : CallSlot(data, step.slot);
    EXPECT_EQ(step.result, result) << step.what;
  }
  // The slots before them are where they were: a user added inside a unit through
  // slot 1 and checked through slot 3, gone with the rollback.
  ASSERT_EQ(0, data->OpenDatabase(path.c_str()));
  ASSERT_EQ(0, data->BeginWork());
  EXPECT_EQ(0, CallSlot(data, 1, "营业员", "pw"));
  EXPECT_EQ(0, CallSlot(data, 3, "营业员", "pw"));
  ASSERT_EQ(0, data->RollbackWork());
  EXPECT_EQ(2, data->CheckUserPassword("营业员", "pw"));
  std::remove(path.c_str());
  std::remove(other.c_str());
}

struct UnitThreadWork {
  KXPDatavane* data;
  int begun = -2, added = -2;
};

DWORD WINAPI BeginAndWriteThenEnd(LPVOID parameter) {
  auto* work = static_cast<UnitThreadWork*>(parameter);
  work->begun = work->data->BeginWork();
  work->added = work->data->AddProductUnit("箱");
  return 0;
}

// A thread of the program (made with CreateThread, as the login worker is) that
// ends with a unit open leaves neither its writes nor its lock behind: the next
// unit begins at once (it would wait out the 60 s busy timeout and fail).
TEST(WorkUnitThreads, AUnitLeftOpenEndsWithItsThread) {
  KXPDatavane* data = DataObject();
  ASSERT_NE(nullptr, data);
  const std::string path = DatabasePath("work_unit_thread.db");
  ASSERT_EQ(0, data->OpenDatabase(path.c_str()));
  const std::string before = Dump(data);
  UnitThreadWork work{data};
  HANDLE thread = CreateThread(nullptr, 0, BeginAndWriteThenEnd, &work, 0, nullptr);
  ASSERT_NE(nullptr, thread);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_EQ(0, work.begun);
  EXPECT_EQ(0, work.added);
  const DWORD start = GetTickCount();
  EXPECT_EQ(0, data->BeginWork());
  EXPECT_LT(GetTickCount() - start, 30000u) << "the ended thread's lock was still held";
  EXPECT_EQ(before, Dump(data));
  EXPECT_EQ(0, data->RollbackWork());
  std::remove(path.c_str());
}

// The helper process saves bill XSD20261210001 anew inside a unit and is killed
// after each step in turn: the reopened file is what it was before, every time.
// The last case commits before it is killed, to show that the save does change
// the file.
TEST(WorkUnitProcess, AKilledSaveLeavesNothing) {
  KXPDatavane* data = DataObject();
  ASSERT_NE(nullptr, data);
  const std::string path = DatabasePath("work_unit_kill.db");
  ASSERT_EQ(0, data->OpenDatabase(path.c_str()));
  ASSERT_EQ(0, data->AddUser("老板", ""));
  sales_bill::AddProducts(data, 50);
  // A stored bill of the same number, so that the save begins by undoing it.
  ASSERT_EQ(0, data->BeginWork());
  sales_bill::SaveSalesBill(data, "XSD20261210001", 20);
  ASSERT_EQ(0, data->CommitWork());
  const std::string before = Dump(data);

  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string child(self);
  child = child.substr(0, child.find_last_of('\\') + 1) + "work_unit_kill_child.exe";

  struct Case {
    const char* killedAfter;
    sales_bill::Step step;
    bool committed;
  };
  const Case cases[] = {
      {"undoing the stored bill", sales_bill::Step::kUndone, false},
      {"the lines", sales_bill::Step::kLines, false},
      {"the header", sales_bill::Step::kHeader, false},
      {"the stock posting", sales_bill::Step::kStock, false},
      {"the balance, before the commit", sales_bill::Step::kBalance, false},
      {"the commit", static_cast<sales_bill::Step>(static_cast<int>(sales_bill::Step::kBalance) + 1), true},
  };
  for (const Case& c : cases) {
    const std::string eventName = "work_unit_kill_" + std::to_string(GetCurrentProcessId());
    HANDLE reached = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(nullptr, reached);
    std::string command =
        "\"" + child + "\" \"" + path + "\" " + std::to_string(static_cast<int>(c.step)) + " " + eventName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << c.killedAfter;
    HANDLE waits[] = {reached, process.hProcess};
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 60000);
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(reached);
    ASSERT_EQ(WAIT_OBJECT_0, woke) << c.killedAfter << ": the helper did not reach its step";

    if (!c.committed) {
      // The kill left the unit's journal behind; the next open plays it back.
      const DWORD journal = GetFileAttributesA((path + "-journal").c_str());
      EXPECT_NE(INVALID_FILE_ATTRIBUTES, journal) << c.killedAfter << ": no journal left by the killed unit";
    }
    ASSERT_EQ(0, data->OpenDatabase(path.c_str())) << c.killedAfter;
    if (c.committed) {
      EXPECT_NE(before, Dump(data)) << c.killedAfter;
    } else {
      EXPECT_EQ(before, Dump(data)) << c.killedAfter;
    }
  }
  std::remove(path.c_str());
}

}  // namespace
