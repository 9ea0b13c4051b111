// Helper process of the all-or-nothing tests: saves the shop's changed fifty-line
// bill over the opened one through Datavane.dll and kills itself just before its
// n-th write reaches the library, in the middle of the save's unit of work.
//   bill_save_kill_child <database> <opened number> <n>
#include <windows.h>

#include <cstdlib>

#include "bill_store.h"
#include "data_store.h"
#include "document_test_shop.h"
#include "test_support/datavane_dll.h"
#include "test_support/forwarding_datavane.h"

namespace {

class KillingDatavane : public pagekit::test::ForwardingDatavane {
 public:
  KillingDatavane(KXPDatavane& real, int killAt) : ForwardingDatavane(real), killAt_(killAt) {}

  int InsertRecord(const char* table, std::vector<DataField>* values) override {
    Count();
    return ForwardingDatavane::InsertRecord(table, values);
  }
  int UpdateRecord(const char* table, std::vector<DataField>* values, std::vector<DataField>* keys) override {
    Count();
    return ForwardingDatavane::UpdateRecord(table, values, keys);
  }
  int DeleteRecords(const char* table, std::vector<DataField>* keys) override {
    Count();
    return ForwardingDatavane::DeleteRecords(table, keys);
  }
  int AdjustStock(std::string billNumber, std::vector<std::vector<DataField>>* lines, bool reverse) override {
    Count();
    return ForwardingDatavane::AdjustStock(billNumber, lines, reverse);
  }

 private:
  void Count() {
    if (++writes_ == killAt_) ::TerminateProcess(::GetCurrentProcess(), 9);
  }
  int killAt_;
  int writes_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  KXPDatavane* data = pagekit::test::DatavaneFromDll();
  if (data == nullptr || data->OpenDatabase(argv[1]) != 0) return 1;
  KillingDatavane killing(*data, std::atoi(argv[3]));
  const documents::BillInput bill = documents::test::ChangedFiftyLineBill(pagekit::PageText(argv[2]));
  return documents::SaveBill(killing, bill).status == documents::BillSaveStatus::kSaved ? 0 : 1;
}
