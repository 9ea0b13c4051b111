// User accounts (J4_Sys_User) and the per-user remember-password flag
// (J4_Sys_Setting). Passwords are stored as plain texts, as the login expects.
#include "data_object.h"
#include "sql_text.h"

namespace {
// Reads the first column of the first row of a query; false when there is no row.
bool ReadFirst(CppSQLite3DB& db, const std::string& sql, std::string* value) {
  CppSQLite3Query query = db.execQuery(sql);
  if (query.eof()) return false;
  *value = query.fieldValue(0);
  return true;
}
}  // namespace

int KXPData::AddUser(const char* name, const char* password) {
  if (!hasDatabase() || !name) return -1;
  return Guarded([&] {
    execute(StringPrintf("insert into J4_Sys_User values('%s','%s', '', '', '');", SqlEscape(name).c_str(),
                         SqlEscape(password).c_str()));
    return 0;
  });
}

int KXPData::DeleteUser(const char* name, const char* password) {
  if (!name) return -1;
  return Guarded([&] {
    OperationConnection db = writing();
    const int deleted = db->execDML(StringPrintf("delete from J4_Sys_User where name='%s' and pwd='%s';",
                                                 SqlEscape(name).c_str(), SqlEscape(password).c_str()));
    db.close();
    return deleted > 0 ? 0 : 2;
  });
}

int KXPData::CheckUserPassword(const char* name, const char* password) {
  if (!name) return -1;
  return Guarded([&] {
    OperationConnection db = reading();
    bool found;
    {
      CppSQLite3Query query = db->execQuery(StringPrintf("select * from J4_Sys_User where name='%s' and pwd='%s'",
                                                         SqlEscape(name).c_str(), SqlEscape(password).c_str()));
      found = !query.eof();
    }
    db.close();
    return found ? 0 : 2;
  });
}

int KXPData::GetUserNames(std::vector<std::string>* names) {
  if (!names) return -1;
  return Guarded([&] {
    OperationConnection db = reading();
    for (std::string& name : db->queryColumn("select name from J4_Sys_User")) names->push_back(std::move(name));
    db.close();
    return 0;
  });
}

int KXPData::readUserText(const char* column, const char* name, char* out) {
  if (!name || !out) return -1;
  return Guarded([&] {
    OperationConnection db = reading();
    std::string stored;
    if (ReadFirst(*db, StringPrintf("select %s from J4_Sys_User where name='%s'", column, SqlEscape(name).c_str()),
                  &stored))
      CopyToTextBuffer(stored, out);
    db.close();
    return 0;
  });
}

int KXPData::GetUserPassword(const char* name, char* password) { return readUserText("pwd", name, password); }

int KXPData::SetUserPassword(const char* name, const char* password, const char* question, const char* answer) {
  if (!name) return -1;
  return Guarded([&] {
    const bool withRecovery = question && *question && answer && *answer;
    execute(withRecovery ? StringPrintf("update J4_Sys_User set pwd='%s',question='%s',answer='%s' where name='%s'",
                                        SqlEscape(password).c_str(), SqlEscape(question).c_str(),
                                        SqlEscape(answer).c_str(), SqlEscape(name).c_str())
                         : StringPrintf("update J4_Sys_User set pwd='%s' where name='%s'", SqlEscape(password).c_str(),
                                        SqlEscape(name).c_str()));
    return 0;
  });
}

int KXPData::SetUserEmail(const char* name, const char* email) {
  if (!name) return -1;
  return Guarded([&] {
    execute(StringPrintf("update J4_Sys_User set email='%s' where name='%s'", SqlEscape(email).c_str(),
                         SqlEscape(name).c_str()));
    return 0;
  });
}

int KXPData::GetUserEmail(const char* name, char* email) { return readUserText("email", name, email); }

int KXPData::SetSavePassword(const char* name, bool save) {
  if (!name) return -1;
  // 1: open, select or read failed; 2: the update failed; 3: the insert failed.
  int failure = 1;
  try {
    OperationConnection db = writing();
    const std::string escaped = SqlEscape(name);
    const int flag = save ? 1 : 0;
    std::string stored;
    if (!ReadFirst(*db, StringPrintf("select savepwd from J4_Sys_Setting where name='%s'", escaped.c_str()), &stored)) {
      failure = 3;
      db->execDML(StringPrintf("insert into J4_Sys_Setting values('%s', '%d')", escaped.c_str(), flag));
    } else if (LeadingInt(stored) != flag) {
      failure = 2;
      db->execDML(StringPrintf("update J4_Sys_Setting set savepwd='%d' where name='%s'", flag, escaped.c_str()));
    }
    failure = 1;
    db.close();
    return 0;
  } catch (...) {
    return failure;
  }
}

int KXPData::GetSavePassword(const char* name) {
  if (!name) return 0;
  return Guarded(
      [&] {
        OperationConnection db = reading();
        std::string stored;
        const bool found = ReadFirst(
            *db, StringPrintf("select savepwd from J4_Sys_Setting where name='%s'", SqlEscape(name).c_str()), &stored);
        db.close();
        return found ? LeadingInt(stored) : 0;
      },
      0);
}
