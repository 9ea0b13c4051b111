// The small catalogs: side-bar items, the product category tree and the units.
#include "data_object.h"
#include "sql_text.h"

int KXPData::AddSideBarItem(const char* name, const char* image, const char* tip) {
  if (!name || !hasDatabase()) return -1;
  return Guarded([&] {
    const std::string escaped = SqlEscape(name);
    replaceRow(StringPrintf("delete from J4_Sys_SideBar_Item where name='%s';", escaped.c_str()),
               StringPrintf("insert into J4_Sys_SideBar_Item values('%s','%s', '%s');", escaped.c_str(),
                            SqlEscape(image).c_str(), SqlEscape(tip).c_str()));
    return 0;
  });
}

int KXPData::DeleteSideBarItem(const char* name) {
  return Guarded([&] {
    execute(name ? StringPrintf("delete from J4_Sys_SideBar_Item where name='%s';", SqlEscape(name).c_str())
                 : std::string("delete from J4_Sys_SideBar_Item;"));
    return 0;
  });
}

int KXPData::GetSideBarItems(std::vector<SideBarItem>* items, const char* name) {
  if (!items) return -1;
  return Guarded([&] {
    const std::string sql =
        name ? StringPrintf("select * from J4_Sys_SideBar_Item where name='%s'", SqlEscape(name).c_str())
             : std::string("select * from J4_Sys_SideBar_Item");
    OperationConnection db = reading();
    {
      CppSQLite3Query query = db->execQuery(sql);
      const int nameColumn = query.fieldIndex("name");
      const int imageColumn = query.fieldIndex("image");
      const int tipColumn = query.fieldIndex("tip");
      for (; !query.eof(); query.nextRow()) {
        items->emplace_back(query.fieldValue(nameColumn).c_str(), query.fieldValue(imageColumn).c_str(),
                            query.fieldValue(tipColumn).c_str());
      }
    }
    db.close();
    return 0;
  });
}

int KXPData::AddProductType(const char* category, const char* parent, int level) {
  if (!category || !hasDatabase()) return -1;
  return Guarded([&] {
    // Only the category's own row is replaced: its sub-categories keep pointing at it.
    const std::string escaped = SqlEscape(category);
    replaceRow(StringPrintf("delete from J4_Product_Type where 商品类别='%s';", escaped.c_str()),
               StringPrintf("insert into J4_Product_Type values('%s','%s', '%d');", escaped.c_str(),
                            SqlEscape(parent).c_str(), level));
    return 0;
  });
}

int KXPData::DeleteProductType(const char* category) {
  return Guarded([&] {
    const std::string escaped = SqlEscape(category);
    execute(category ? StringPrintf("delete from J4_Product_Type where 商品类别='%s' or 上级类别='%s';",
                                    escaped.c_str(), escaped.c_str())
                     : std::string("delete from J4_Product_Type;"));
    return 0;
  });
}

int KXPData::GetProductTypes(intptr_t context, ProductTypeCallback onType) {
  if (!onType) return -1;
  return Guarded([&] {
    OperationConnection db = reading();
    {
      CppSQLite3Query query = db->execQuery("select * from J4_Product_Type");
      const int categoryColumn = query.fieldIndex("商品类别");
      const int parentColumn = query.fieldIndex("上级类别");
      const int levelColumn = query.fieldIndex("级别");
      for (; !query.eof(); query.nextRow()) {
        const std::string category = query.fieldValue(categoryColumn);
        const std::string parent = query.fieldValue(parentColumn);
        const std::string level = query.fieldValue(levelColumn);
        onType(context, category.c_str(), parent.c_str(), level.c_str());
      }
    }
    db.close();
    return 0;
  });
}

int KXPData::GetProductType(const char* category, char* parent, int* level) {
  if (!category) return 1;
  if (!parent || !level) return -1;
  return Guarded([&] {
    OperationConnection db = reading();
    bool found = false;
    {
      CppSQLite3Query query =
          db->execQuery(StringPrintf("select * from J4_Product_Type where 商品类别='%s'", SqlEscape(category).c_str()));
      if (!query.eof()) {
        const std::string parentText = query.fieldValue("上级类别");
        const int levelNumber = LeadingInt(query.fieldValue("级别"));
        CopyToTextBuffer(parentText, parent);
        *level = levelNumber;
        found = true;
      }
    }
    db.close();
    return found ? 0 : 2;
  });
}

int KXPData::AddProductUnit(const char* unit) {
  if (!unit || !hasDatabase()) return -1;
  return Guarded([&] {
    execute(StringPrintf("insert into J4_Product_Unit values('%s');", SqlEscape(unit).c_str()));
    return 0;
  });
}

int KXPData::DeleteProductUnit(const char* unit) {
  return Guarded([&] {
    execute(unit ? StringPrintf("delete from J4_Product_Unit where 计量单位='%s'", SqlEscape(unit).c_str())
                 : std::string("delete from J4_Product_Unit;"));
    return 0;
  });
}
