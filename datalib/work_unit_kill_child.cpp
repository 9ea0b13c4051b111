// Helper process of the unit-of-work tests: saves a 50-line sales bill inside one
// unit of work through Datavane.dll and stops at a chosen step to be killed there.
//   work_unit_kill_child <database> <step> <event name>
// <step> is a sales_bill::Step number: after that step the child sets the named
// event and waits to be killed, the unit still open. With the number after the
// last step it commits first.
#include <windows.h>

#include <cstdlib>

#include "kxp_data.h"
#include "test_support/sales_bill_save.h"

namespace {

[[noreturn]] void SignalAndWait(const char* eventName) {
  HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName);
  if (event) SetEvent(event);
  Sleep(INFINITE);
  std::exit(3);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  HMODULE dll = LoadLibraryA("Datavane.dll");
  auto get = dll ? reinterpret_cast<GetKXPDataInstanceFunc>(GetProcAddress(dll, "GetKXPDataInstance")) : nullptr;
  KXPDatavane* data = get ? get() : nullptr;
  if (!data || data->OpenDatabase(argv[1]) != 0 || data->BeginWork() != 0) return 1;
  const int stopAfter = std::atoi(argv[2]);
  sales_bill::SaveSalesBill(data, "XSD20261210001", 50, [&](sales_bill::Step step) {
    if (static_cast<int>(step) == stopAfter) SignalAndWait(argv[3]);
  });
  if (data->CommitWork() != 0) return 1;
  SignalAndWait(argv[3]);
}
