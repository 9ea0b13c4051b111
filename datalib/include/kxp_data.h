// The public surface of Datavane.dll: the data object's interface, the field
// record, the side-bar item, the two row callbacks and the one export.
//
// All text is 8-bit in the ANSI code page (GBK). Vectors passed in belong to the
// caller; the library appends to them and rewrites their records, which is why
// TarvelStock.exe and Datavane.dll share one C++ runtime (one heap, one string and
// vector implementation). Out text buffers are KXP_TEXT_BUFFER_SIZE bytes.
#ifndef KXP_DATA_H
#define KXP_DATA_H

#include <cstdint>
#include <string>
#include <vector>

// Size of the caller's buffers for a returned text (password, e-mail, parent
// category): at most KXP_TEXT_BUFFER_SIZE - 1 bytes and a terminator are written.
constexpr int KXP_TEXT_BUFFER_SIZE = 128;

// One column of a statement: a selected column, a condition, an ordering, a value
// to insert or a value to set. After a query it carries the column's text.
struct DataField {
  std::string name;      // column name; for a raw condition the whole condition text
  std::string value;     // condition or new value; after a query the column's text
  std::string op = "=";  // written between name and value, blanks as the caller wants
  int valueType = 0;     // 0 text, 1 number stored as text, 2 raw condition
  int code = 0;          // connector: 0 and, 1 or, 2 like, 3 !=; 4 order desc, 5 order asc
  int hidden = 0;        // non-zero: a condition only, not selected
  int width = 0;         // the program's list column width; not read by the library
  int index = -1;        // the program's cell number; not read by the library
  int extra = 0;         // 1 on the entries of a report's total row
};

inline DataField MakeDataField(const std::string& name, const std::string& value) {
  DataField field;
  field.name = name;
  field.value = value;
  return field;
}

struct SideBarItem {
  std::string name;
  std::string image;
  std::string tip;
  SideBarItem() = default;
  SideBarItem(const char* n, const char* i, const char* t) : name(n ? n : ""), image(i ? i : ""), tip(t ? t : "") {}
};

typedef std::vector<DataField> DataRecord;
typedef std::vector<DataRecord> DataRowSet;

// Called once per result row, synchronously, while the operation runs.
typedef void (*DataRowCallback)(intptr_t context, std::vector<DataField>* row);
// Called once per stored category with the category, its parent and its level.
typedef void (*ProductTypeCallback)(intptr_t context, const char* category, const char* parent, const char* level);

// Results unless an operation says otherwise: 0 success, 1 database error,
// 2 not found, -1 a missing argument or no database opened yet.
// No operation throws.
class KXPDatavane {
 public:
  virtual int OpenDatabase(const char* path) = 0;                             // 0
  virtual int AddUser(const char* name, const char* password) = 0;            // 1
  virtual int DeleteUser(const char* name, const char* password) = 0;         // 2
  virtual int CheckUserPassword(const char* name, const char* password) = 0;  // 3
  virtual int GetUserNames(std::vector<std::string>* names) = 0;              // 4
  virtual int GetUserPassword(const char* name, char* password) = 0;          // 5
  virtual int SetUserPassword(const char* name, const char* password, const char* question,
                              const char* answer) = 0;                                      // 6
  virtual int SetUserEmail(const char* name, const char* email) = 0;                        // 7
  virtual int GetUserEmail(const char* name, char* email) = 0;                              // 8
  virtual int SetSavePassword(const char* name, bool save) = 0;                             // 9
  virtual int GetSavePassword(const char* name) = 0;                                        // 10
  virtual int GetTableFields(const char* table, std::vector<DataField>* fields) = 0;        // 11
  virtual int GetTableColumnNames(const char* table, std::vector<std::string>* names) = 0;  // 12
  virtual int QueryRecords(const char* table, std::vector<DataField>* record,
                           std::vector<std::vector<DataField>>* rows) = 0;  // 13
  virtual int QueryRecordsCallback(const char* table, intptr_t context, std::vector<DataField>* record,
                                   DataRowCallback onRow) = 0;                      // 14
  virtual int InsertRecord(const char* table, std::vector<DataField>* values) = 0;  // 15
  virtual int UpdateRecord(const char* table, std::vector<DataField>* values,
                           std::vector<DataField>* keys) = 0;                      // 16
  virtual int DeleteRecords(const char* table, std::vector<DataField>* keys) = 0;  // 17
  virtual int RunReport(const char* key, intptr_t context, std::vector<DataField>* params,
                        DataRowCallback onRow) = 0;                                      // 18
  virtual int AddSideBarItem(const char* name, const char* image, const char* tip) = 0;  // 19
  virtual int DeleteSideBarItem(const char* name) = 0;                                   // 20
  virtual int GetSideBarItems(std::vector<SideBarItem>* items, const char* name) = 0;    // 21
  virtual int AddProductType(const char* category, const char* parent, int level) = 0;   // 22
  virtual int DeleteProductType(const char* category) = 0;                               // 23
  virtual int GetProductTypes(intptr_t context, ProductTypeCallback onType) = 0;         // 24
  virtual int GetProductType(const char* category, char* parent, int* level) = 0;        // 25
  virtual int AddProductUnit(const char* unit) = 0;                                      // 26
  virtual int DeleteProductUnit(const char* unit) = 0;                                   // 27
  virtual int AdjustStock(std::string billNumber, std::vector<std::vector<DataField>>* lines,
                          bool reverse) = 0;  // 28
};

#ifdef DATAVANE_BUILD
#define KXP_DATA_EXPORT __declspec(dllexport)
#else
#define KXP_DATA_EXPORT
#endif

// The library's one export: the process's single data object, created on the
// first call and never freed.
extern "C" KXP_DATA_EXPORT KXPDatavane* GetKXPDataInstance();
typedef KXPDatavane* (*GetKXPDataInstanceFunc)();

#endif  // KXP_DATA_H
