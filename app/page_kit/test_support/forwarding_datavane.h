// Test support: a data object that hands every call to the real one and can make
// one write fail, for the tests of operations that must write all or nothing. The
// failing write does not reach the library; the test then reads the real database
// to see that nothing of the operation stayed.
//
//     pagekit::test::ForwardingDatavane data(*real);
//     data.FailWrite(2);                 // the second write from now answers 1
//     EXPECT_EQ(kDatabaseError, SaveSomething(data));
//
// Writes are the operations that change the database: users and their settings,
// records, side-bar items, categories, units and stock.
#pragma once

#include <string>
#include <vector>

#include "kxp_data.h"

namespace pagekit {
namespace test {

class ForwardingDatavane : public KXPDatavane {
 public:
  explicit ForwardingDatavane(KXPDatavane& real) : real_(real) {}

  // The n-th write from now (1: the next one) answers `code` instead of reaching the
  // library; 0 lets every write through.
  void FailWrite(int n, int code = 1) {
    failAt_ = n > 0 ? writes_ + n : 0;
    failCode_ = code;
  }
  // Writes asked for so far, the failed one included.
  int Writes() const { return writes_; }

  int OpenDatabase(const char* path) override { return real_.OpenDatabase(path); }
  int AddUser(const char* name, const char* password) override {
    return Write([&] { return real_.AddUser(name, password); });
  }
  int DeleteUser(const char* name, const char* password) override {
    return Write([&] { return real_.DeleteUser(name, password); });
  }
  int CheckUserPassword(const char* name, const char* password) override {
    return real_.CheckUserPassword(name, password);
  }
  int GetUserNames(std::vector<std::string>* names) override { return real_.GetUserNames(names); }
  int GetUserPassword(const char* name, char* password) override { return real_.GetUserPassword(name, password); }
  int SetUserPassword(const char* name, const char* password, const char* question, const char* answer) override {
    return Write([&] { return real_.SetUserPassword(name, password, question, answer); });
  }
  int SetUserEmail(const char* name, const char* email) override {
    return Write([&] { return real_.SetUserEmail(name, email); });
  }
  int GetUserEmail(const char* name, char* email) override { return real_.GetUserEmail(name, email); }
  int SetSavePassword(const char* name, bool save) override {
    return Write([&] { return real_.SetSavePassword(name, save); });
  }
  int GetSavePassword(const char* name) override { return real_.GetSavePassword(name); }
  int GetTableFields(const char* table, std::vector<DataField>* fields) override {
    return real_.GetTableFields(table, fields);
  }
  int GetTableColumnNames(const char* table, std::vector<std::string>* names) override {
    return real_.GetTableColumnNames(table, names);
  }
  int QueryRecords(const char* table, std::vector<DataField>* record,
                   std::vector<std::vector<DataField>>* rows) override {
    return real_.QueryRecords(table, record, rows);
  }
  int QueryRecordsCallback(const char* table, intptr_t context, std::vector<DataField>* record,
                           DataRowCallback onRow) override {
    return real_.QueryRecordsCallback(table, context, record, onRow);
  }
  int InsertRecord(const char* table, std::vector<DataField>* values) override {
    return Write([&] { return real_.InsertRecord(table, values); });
  }
  int UpdateRecord(const char* table, std::vector<DataField>* values, std::vector<DataField>* keys) override {
    return Write([&] { return real_.UpdateRecord(table, values, keys); });
  }
  int DeleteRecords(const char* table, std::vector<DataField>* keys) override {
    return Write([&] { return real_.DeleteRecords(table, keys); });
  }
  int RunReport(const char* key, intptr_t context, std::vector<DataField>* params, DataRowCallback onRow) override {
    return real_.RunReport(key, context, params, onRow);
  }
  int AddSideBarItem(const char* name, const char* image, const char* tip) override {
    return Write([&] { return real_.AddSideBarItem(name, image, tip); });
  }
  int DeleteSideBarItem(const char* name) override {
    return Write([&] { return real_.DeleteSideBarItem(name); });
  }
  int GetSideBarItems(std::vector<SideBarItem>* items, const char* name) override {
    return real_.GetSideBarItems(items, name);
  }
  int AddProductType(const char* category, const char* parent, int level) override {
    return Write([&] { return real_.AddProductType(category, parent, level); });
  }
  int DeleteProductType(const char* category) override {
    return Write([&] { return real_.DeleteProductType(category); });
  }
  int GetProductTypes(intptr_t context, ProductTypeCallback onType) override {
    return real_.GetProductTypes(context, onType);
  }
  int GetProductType(const char* category, char* parent, int* level) override {
    return real_.GetProductType(category, parent, level);
  }
  int AddProductUnit(const char* unit) override {
    return Write([&] { return real_.AddProductUnit(unit); });
  }
  int DeleteProductUnit(const char* unit) override {
    return Write([&] { return real_.DeleteProductUnit(unit); });
  }
  int AdjustStock(std::string billNumber, std::vector<std::vector<DataField>>* lines, bool reverse) override {
    return Write([&] { return real_.AdjustStock(billNumber, lines, reverse); });
  }
  // Units of work are no writes of their own: they bracket the writes above.
  int BeginWork() override { return real_.BeginWork(); }
  int CommitWork() override { return real_.CommitWork(); }
  int RollbackWork() override { return real_.RollbackWork(); }

 private:
  template <class Call>
  int Write(Call call) {
    ++writes_;
    if (writes_ == failAt_) return failCode_;
    return call();
  }

  KXPDatavane& real_;
  int writes_ = 0;
  int failAt_ = 0;
  int failCode_ = 1;
};

}  // namespace test
}  // namespace pagekit
