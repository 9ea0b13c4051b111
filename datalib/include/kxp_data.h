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
//
// The slots are bound by position: the program calls them through this table,
// so an operation keeps its slot number (the comment after it) and new ones are
// added only after the last. There is no virtual destructor for the same reason:
// the object belongs to the library and is never deleted by the caller.
//
// Connections: outside a unit of work every operation opens its own connection
// (keyed, with a 60 s busy timeout), commits what it writes and closes before it
// returns. Slots 29 to 31 bracket several operations of one thread so that what
// they write is stored whole or not at all, even when the process dies midway:
// - BeginWork opens one connection for the calling thread and takes the write
//   lock (waiting up to the busy timeout). -1 when this thread already has a
//   unit open, no database has been opened, or the lock was not had in time.
// - While it is open, every operation this thread calls runs on that connection
//   and commits nothing; its reads see the unit's writes. A call that fails
//   answers as it would outside a unit and undoes only its own writes; the unit
//   stays open (unless the failure ended the transaction itself, such as a full
//   disk: then every later call of the thread fails until CommitWork answers -1
//   or RollbackWork ends the unit). OpenDatabase is refused (-1). RunReport reads
//   through the unit's connection too, so a report sees what the unit wrote.
// - CommitWork stores the unit and closes it; when the commit fails (or a
//   failure inside the unit ended its transaction) everything is rolled back,
//   the unit is closed and it answers -1. RollbackWork undoes the unit and
//   closes it. Both answer -1 when this thread has no unit open.
// - Other threads and processes keep their own connections: their writes wait
//   for the unit's lock within the busy timeout, their reads see the state
//   before the unit until it commits. A unit belongs to its thread: a thread
//   that ends with one open has it rolled back and closed. Nothing of a unit
//   whose process dies before the commit is left in the file.
// - The library offers no "is a unit open" query; the caller keeps that state.
// - No dialog or message loop should run inside a unit: the write lock is held.
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
  // Units of work, described above. 0 done, -1 refused or failed.
  virtual int BeginWork() = 0;     // 29
  virtual int CommitWork() = 0;    // 30
  virtual int RollbackWork() = 0;  // 31
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
